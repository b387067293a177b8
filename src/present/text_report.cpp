#include "present/text_report.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "present/chart_text.h"
#include "present/explanation.h"
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/terminal_text.h"
#include "present/text_encoding.h"
#include "present/zone_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
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

void Details(std::ostringstream& out, const Birth& birth,
             const ResultView& view) {
  const CivilDateTime& t = birth.local;
  constexpr std::size_t kWidth = 13;  // "Date of Birth"
  out << "Your Details\n";
  Row(out, "Name", TerminalSafe(view.lblName), kWidth);
  Row(out, "Date of Birth", DateText(t, DateStyle::kLong), kWidth);
  Row(out, "Time of Birth", TimeText(t, TimeStyle::kClock), kWidth);
  Row(out, "Longitude", view.lblLongitude, kWidth);
  Row(out, "Latitude", view.lblLatitude, kWidth);
  if (!view.lblCity.empty())
    Row(out, "City", TerminalSafe(view.lblCity), kWidth);
  if (!view.lblState.empty())
    Row(out, "State", TerminalSafe(view.lblState), kWidth);
  if (!view.lblCountry.empty())
    Row(out, "Country", TerminalSafe(view.lblCountry), kWidth);
  std::string zone = ZoneUsedText(birth);
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    zone += " (index " + std::to_string(birth.zoneIndex) + ")";
  }
  if (birth.daylightSavingSeconds != 0) zone += ", Daylight Saving Time";
  Row(out, "Time Zone", zone, kWidth);
  Row(out, "Zone", view.lblZone, kWidth);
}

void PlanetTable(std::ostringstream& out, const ChartResult& result,
                 const ResultView& view) {
  constexpr std::size_t kWidth = 15;  // "Ketu/South node"
  out << "Vedic Planetary Position\n";
  for (int i = 0; i < kBodyCount; ++i) {
    const std::string caption = kPlanetRowCaptions[i];
    out << "  " << caption << std::string(kWidth - caption.size(), ' ') << "   "
        << view.planet[i] << "    " << FormatSignPosition(result.longitudes[i])
        << "\n";
  }
}

void HoraLagnaBlock(std::ostringstream& out, const ChartResult& result,
                    const ResultView& view) {
  out << "Hora Lagna\n";
  if (!result.horaLagna || !result.timing) {
    out << Wrapped(view.notice.value_or(view.lblHoraDesc), 2, kReportWidth);
    return;
  }
  out << Wrapped(kHoraLagnaMeaning, 2, kReportWidth);
  // The reference sunrise never lies after the birth.
  const CivilDateTime& sunrise = result.timing->sunrise;
  out << "  Born " << result.timing->elapsedMinutes
      << " minutes after the sunrise of " << DateText(sunrise, DateStyle::kLong)
      << ", " << TimeText(sunrise, TimeStyle::kClock) << "\n";
  constexpr std::size_t kWidth = 27;  // "Hora Lagna Present In House"
  Row(out, "Hora Lagna Present In Sign",
      view.attributes.lblArudhaLagnaPresentInSign + "  (" +
          FormatSignPosition(result.horaLagna->longitude) + ")",
      kWidth);
  Row(out, "Hora Lagna Present In House",
      std::to_string(result.horaLagna->house) +
          "  (counted from the ascendant in " +
          SignName(result.ascendantSignIndex) + ")",
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
  // Widths count characters: "°" and "′" take one place, not two or three
  // bytes.
  const auto characters = [](const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(),
        [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  };
  std::string out;
  std::string line;
  std::size_t lineWidth = 0;
  std::istringstream words(text);
  std::string word;
  const std::string margin(indent, ' ');
  while (words >> word) {
    const std::size_t wordWidth = characters(word);
    if (!line.empty() && indent + lineWidth + 1 + wordWidth > width) {
      out += margin + line + "\n";
      line.clear();
      lineWidth = 0;
    }
    lineWidth += (line.empty() ? 0 : 1) + wordWidth;
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out += margin + line + "\n";
  return out;
}

std::string TextReport(const Birth& birth, const ChartResult& result,
                       const ResultView& view) {
  std::ostringstream out;
  const std::string heading = "Hora Lagna of " + TerminalSafe(view.lblName);
  out << heading << "\n" << std::string(heading.size(), '=') << "\n\n";
  out << Wrapped(HoraLagnaSummary(result), 0, kReportWidth) << "\n";
  Details(out, birth, view);
  out << "\n";

  ChartContent chart;
  chart.planetLabels = view.chartLabels;
  chart.markers = view.lblArudha;
  chart.title = "Hora Lagna Chart";
  chart.subtitle = TerminalSafe(view.lblName);
  out << ChartText(chart) << "\n";

  PlanetTable(out, result, view);
  out << "\n";
  HoraLagnaBlock(out, result, view);
  out << "\n" << kHowItWasFoundTitle << "\n";
  for (const std::string& line : HowItWasFound(birth, result)) {
    out << Wrapped(line, 2, kReportWidth);
  }
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

}  // namespace tarvelin
