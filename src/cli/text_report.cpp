#include "cli/text_report.h"

#include <cstdio>
#include <sstream>

#include "cli/chart_text.h"
#include "cli/terminal_text.h"
#include "cli/text_encoding.h"
#include "engine/position_text.h"
#include "tables/zone_table.h"

namespace tarvelin::cli {
namespace {

constexpr char kHoraLagnaMeaning[] =
    "Hora Lagna signifies the importance of self in terms of money, wealth "
    "and prosperity.";

bool IsReading(const std::string& field) { return field.rfind("txt", 0) == 0; }

// "caption : value" with the captions of one block aligned.
void Row(std::ostringstream& out, const std::string& caption,
         const std::string& value, std::size_t captionWidth) {
  out << "  " << caption << std::string(captionWidth - caption.size(), ' ')
      << " : " << value << "\n";
}

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string DateText(int year, int month, int day) {
  return std::to_string(day) + " " + MonthName(month) + " " +
         std::to_string(year);
}

std::string ClockText(int hour, int minute, int second) {
  return TwoDigits(hour) + ":" + TwoDigits(minute) + ":" + TwoDigits(second);
}

void Details(std::ostringstream& out, const BirthInput& birth,
             const ResultView& view) {
  constexpr std::size_t kWidth = 13;  // "Date of Birth"
  out << "Your Details\n";
  Row(out, "Name", TerminalSafe(view.lblName), kWidth);
  Row(out, "Date of Birth", DateText(birth.year, birth.month, birth.day),
      kWidth);
  Row(out, "Time of Birth", ClockText(birth.hour, birth.minute, birth.second),
      kWidth);
  Row(out, "Longitude", view.lblLongitude, kWidth);
  Row(out, "Latitude", view.lblLatitude, kWidth);
  if (!view.lblCity.empty())
    Row(out, "City", TerminalSafe(view.lblCity), kWidth);
  if (!view.lblState.empty())
    Row(out, "State", TerminalSafe(view.lblState), kWidth);
  if (!view.lblCountry.empty())
    Row(out, "Country", TerminalSafe(view.lblCountry), kWidth);
  std::string zone = "index " + std::to_string(birth.zonePosition);
  if (birth.zonePosition >= 0 && birth.zonePosition < kZoneCount) {
    zone = std::string(kZoneTable[birth.zonePosition].text) + " (" + zone + ")";
  }
  if (birth.dst) zone += ", Daylight Saving Time";
  Row(out, "Time Zone", zone, kWidth);
}

void PlanetTable(std::ostringstream& out, const Calculation& calc) {
  constexpr std::size_t kWidth = 15;  // "Ketu/South node"
  out << "Vedic Planetary Position\n";
  for (int i = 0; i < kBodyCount; ++i) {
    const std::string caption = kPlanetRowCaptions[i];
    out << "  " << caption << std::string(kWidth - caption.size(), ' ') << "   "
        << calc.View.planet[i] << "    "
        << FormatSignPosition(calc.BirthLongitudes[i]) << "\n";
  }
}

void HoraLagna(std::ostringstream& out, const Calculation& calc) {
  const ResultView& view = calc.View;
  out << "Hora Lagna\n";
  if (!view.hasHoraLagna) {
    out << Wrapped(view.notice.value_or(view.lblHoraDesc), 2, kReportWidth);
    return;
  }
  out << Wrapped(kHoraLagnaMeaning, 2, kReportWidth);
  if (calc.ReferenceSunrise) {
    const CivilDateTime& sunrise = *calc.ReferenceSunrise;
    const bool before = calc.BirthInstant < sunrise;
    out << "  Born " << calc.ElapsedMinutes << " minutes "
        << (before ? "before" : "after") << " the sunrise of "
        << DateText(sunrise.year, sunrise.month, sunrise.day) << ", "
        << ClockText(sunrise.hour, sunrise.minute, sunrise.second) << "\n";
  }
  constexpr std::size_t kWidth = 27;  // "Hora Lagna Present In House"
  Row(out, "Hora Lagna Present In Sign",
      view.attributes.lblArudhaLagnaPresentInSign + "  (" +
          FormatSignPosition(calc.HoraLagna) + ")",
      kWidth);
  Row(out, "Hora Lagna Present In House",
      std::to_string(calc.HoraLagnaHouse) +
          "  (counted from the ascendant in " +
          SignName(calc.AscendantSign - 1) + ")",
      kWidth);
  out << Wrapped(view.lblHoraDesc, 2, kReportWidth);
}

void SignAttributes(std::ostringstream& out, const ResultView& view) {
  constexpr std::size_t kWidth = 23;  // "Best Period Of Activity"
  out << "Hora Lagna Details (" << view.attributes.lblEnglishName << ")\n";
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    // The sign itself is named in the heading and in the Hora Lagna block.
    if (IsReading(field.name) ||
        std::string(field.name) == "lblArudhaLagnaPresentInSign") {
      continue;
    }
    Row(out, field.caption, view.attributes.*field.member, kWidth);
  }
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    if (!IsReading(field.name)) continue;
    out << "\n" << field.caption << "\n";
    out << Wrapped(view.attributes.*field.member, 2, kReportWidth);
  }
}

}  // namespace

std::string Wrapped(const std::string& text, std::size_t indent,
                    std::size_t width) {
  std::string out;
  std::string line;
  std::istringstream words(text);
  std::string word;
  const std::string margin(indent, ' ');
  while (words >> word) {
    if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
      out += margin + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out += margin + line + "\n";
  return out;
}

std::string TextReport(const BirthInput& birth, const Calculation& calc) {
  const ResultView& view = calc.View;
  std::ostringstream out;
  const std::string heading = "Hora Lagna of " + TerminalSafe(view.lblName);
  out << heading << "\n" << std::string(heading.size(), '=') << "\n\n";
  Details(out, birth, view);
  out << "\n";

  ChartContent chart;
  chart.planetLabels = view.chartLabels;
  chart.markers = view.lblArudha;
  chart.title = "Hora Lagna Chart";
  chart.subtitle = TerminalSafe(view.lblName);
  out << ChartText(chart) << "\n";

  PlanetTable(out, calc);
  out << "\n";
  HoraLagna(out, calc);
  if (view.hasHoraLagna) {
    out << "\n";
    SignAttributes(out, view);
  }
  return AsUtf8(out.str());
}

std::string ZoneListText() {
  std::string out;
  for (int i = 0; i < kZoneCount; ++i) {
    char index[8];
    std::snprintf(index, sizeof index, "%2d", i);
    out += std::string(index) + "  " + kZoneTable[i].text + "\n";
  }
  return out;
}

}  // namespace tarvelin::cli
