// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/text_report.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "present/chart_text.h"
#include "present/explanation.h"
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/report_words.h"
#include "present/terminal_text.h"
#include "present/text_encoding.h"
#include "present/text_width.h"
#include "present/zone_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

bool IsReading(const std::string& field) { return field.rfind("txt", 0) == 0; }

std::string PadTo(const std::string& text, std::size_t width) {
  const std::size_t used = DisplayWidth(text);
  return text + std::string(width > used ? width - used : 0, ' ');
}

// The widest of `captions`, in columns.
std::size_t WidestOf(const std::vector<std::string>& captions) {
  std::size_t widest = 0;
  for (const std::string& c : captions) {
    widest = std::max(widest, DisplayWidth(c));
  }
  return widest;
}

// "caption : value" with the captions of one block aligned.
void Row(std::ostringstream& out, const std::string& caption,
         const std::string& value, std::size_t captionWidth) {
  out << "  " << PadTo(caption, captionWidth) << " : " << value << "\n";
}

void Details(std::ostringstream& out, const Birth& birth,
             const ResultView& view) {
  const Language language = view.language;
  const ReportWords& words = WordsIn(language);
  const CivilDateTime& t = birth.local;
  std::string zone = ZoneUsedText(birth, language);
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    zone += Fill(words.zoneIndex, {std::to_string(birth.zoneIndex)});
  }
  if (birth.daylightSavingSeconds != 0) zone += words.daylightSaving;
  // Name, date, time, longitude, latitude, city, state, country, zone list
  // entry, offset used; the place's parts only where given.
  const std::string values[10] = {TerminalSafe(view.lblName),
                                  DateText(t, DateStyle::kLong, language),
                                  TimeText(t, TimeStyle::kClock),
                                  view.lblLongitude,
                                  view.lblLatitude,
                                  TerminalSafe(view.lblCity),
                                  TerminalSafe(view.lblState),
                                  TerminalSafe(view.lblCountry),
                                  zone,
                                  view.lblZone};
  const std::size_t width =
      WidestOf({words.detailCaptions.begin(), words.detailCaptions.end()});
  out << words.yourDetails << "\n";
  for (std::size_t i = 0; i < 10; ++i) {
    const bool place = i >= 5 && i <= 7;
    if (place && values[i].empty()) continue;
    Row(out, words.detailCaptions[i], values[i], width);
  }
}

void PlanetTable(std::ostringstream& out, const ChartResult& result,
                 const ResultView& view) {
  const auto captions = PlanetRowCaptions(view.language);
  const std::size_t width = WidestOf({captions.begin(), captions.end()});
  std::size_t notationWidth = 0;
  for (const std::string& notation : view.planet) {
    notationWidth = std::max(notationWidth, DisplayWidth(notation));
  }
  out << WordsIn(view.language).planetaryPosition << "\n";
  for (int i = 0; i < kBodyCount; ++i) {
    out << "  " << PadTo(captions[i], width) << "   "
        << PadTo(view.planet[i], notationWidth) << "    "
        << InLanguage(FormatSignPosition(result.longitudes[i]), view.language)
        << "\n";
  }
}

void HoraLagnaBlock(std::ostringstream& out, const ChartResult& result,
                    const ResultView& view) {
  const Language language = view.language;
  const ReportWords& words = WordsIn(language);
  out << words.horaLagna << "\n";
  if (!result.horaLagna || !result.timing) {
    out << Wrapped(view.notice.value_or(view.lblHoraDesc), 2, kReportWidth);
    return;
  }
  out << Wrapped(words.meaning, 2, kReportWidth);
  // The reference sunrise never lies after the birth.
  const CivilDateTime& sunrise = result.timing->sunrise;
  out << "  "
      << (CountsSeconds(result.options.sunrise)
              ? BornAfterSunriseSeconds(
                    result.timing->elapsedSeconds,
                    DateText(sunrise, DateStyle::kLong, language),
                    TimeText(sunrise, TimeStyle::kClock), language)
              : Fill(words.bornAfterSunrise,
                     {std::to_string(result.timing->elapsedMinutes),
                      DateText(sunrise, DateStyle::kLong, language),
                      TimeText(sunrise, TimeStyle::kClock)}))
      << "\n";
  const std::string inSign =
      SignFieldCaption("lblArudhaLagnaPresentInSign", language);
  const std::size_t width = WidestOf({inSign, words.presentInHouse});
  Row(out, inSign,
      view.attributes.lblArudhaLagnaPresentInSign + "  (" +
          InLanguage(FormatSignPosition(result.horaLagna->longitude),
                     language) +
          ")",
      width);
  Row(out, words.presentInHouse,
      Fill(words.countedFrom,
           {std::to_string(result.horaLagna->house),
            SignNameIn(result.ascendantSignIndex, language)}),
      width);
  out << Wrapped(view.lblHoraDesc, 2, kReportWidth);
}

void OtherLagnas(std::ostringstream& out, const HoraLagnaTexts& texts) {
  out << texts.otherLagnasTitle << "\n";
  std::vector<std::string> names;
  for (const LagnaText& lagna : texts.otherLagnas) names.push_back(lagna.name);
  const std::size_t width = WidestOf(names);
  for (const LagnaText& lagna : texts.otherLagnas) {
    Row(out, lagna.name, lagna.position, width);
  }
}

// The day's table: from, to, sign; the birth's row marked, and the date
// where a row starts on the next one.
void ThroughTheDay(std::ostringstream& out, const HoraLagnaTexts& texts) {
  out << texts.dayTitle << "\n";
  constexpr std::size_t kTimeWidth = 10;  // "HH:MM:SS" and two blanks
  const auto padded = [](const std::string& text, std::size_t width) {
    const std::size_t shown = DisplayWidth(text);
    return text + std::string(width > shown ? width - shown : 1, ' ');
  };
  std::vector<std::string> signs;
  for (const DayRowText& row : texts.day) signs.push_back(row.sign);
  const std::size_t signWidth = WidestOf(signs) + 2;
  out << "  " << padded(texts.fromCaption, kTimeWidth)
      << padded(texts.toCaption, kTimeWidth) << texts.signCaption << "\n";
  for (const DayRowText& row : texts.day) {
    if (!row.date.empty()) out << "  " << row.date << "\n";
    std::string line = "  " + padded(row.from, kTimeWidth) +
                       padded(row.to, kTimeWidth) + row.sign;
    if (row.birth) {
      line = "  " + padded(row.from, kTimeWidth) + padded(row.to, kTimeWidth) +
             padded(row.sign, signWidth) + "\u2190 " + texts.birthMark;
    }
    out << line << "\n";
  }
}

void SignAttributes(std::ostringstream& out, const ResultView& view) {
  const Language language = view.language;
  // The sign itself is named in the heading and in the Hora Lagna block.
  const auto listed = [](const SignFieldRef& field) {
    return !IsReading(field.name) &&
           std::string(field.name) != "lblArudhaLagnaPresentInSign";
  };
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    if (listed(kSignAttributeFieldRefs[i])) {
      captions.push_back(SignFieldCaption(i, language));
    }
  }
  const std::size_t width = WidestOf(captions);
  out << Fill(WordsIn(language).detailsHeading,
              {view.attributes.lblArudhaLagnaPresentInSign})
      << "\n";
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    const SignFieldRef& field = kSignAttributeFieldRefs[i];
    if (!listed(field)) continue;
    Row(out, SignFieldCaption(i, language), view.attributes.*field.member,
        width);
  }
  for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
    const SignFieldRef& field = kSignAttributeFieldRefs[i];
    if (!IsReading(field.name)) continue;
    out << "\n" << SignFieldCaption(i, language) << "\n";
    out << Wrapped(view.attributes.*field.member, 2, kReportWidth);
  }
}

}  // namespace

std::string Wrapped(const std::string& text, std::size_t indent,
                    std::size_t width) {
  // Widths count columns: "°" and "′" take one place, not two or three
  // bytes, and a vowel sign written over its letter none.
  const auto characters = [](const std::string& s) { return DisplayWidth(s); };
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
                       const ResultView& view, const HoraLagnaTexts& horaLagna,
                       ChartStyle chartStyle) {
  const Language language = view.language;
  const ReportWords& words = WordsIn(language);
  std::ostringstream out;
  const std::string heading =
      Fill(words.reportHeading, {TerminalSafe(view.lblName)});
  out << heading << "\n" << std::string(DisplayWidth(heading), '=') << "\n\n";
  out << Wrapped(HoraLagnaSummary(result, language), 0, kReportWidth);
  // How close the sign is to changing, next to the answer.
  for (const std::string* line :
       {&horaLagna.margin, &horaLagna.uncertainty, &horaLagna.centreRule}) {
    if (!line->empty()) out << Wrapped(*line, 0, kReportWidth);
  }
  out << "\n";
  Details(out, birth, view);
  out << "\n";

  ChartContent chart;
  chart.planetLabels = view.chartLabels;
  chart.markers = view.lblArudha;
  chart.title = words.chartTitle;
  chart.subtitle = TerminalSafe(view.lblName);
  chart.language = language;
  out << ChartText(chart) << "\n";
  if (chartStyle == ChartStyle::kNorth) {
    out << NorthChartText(view.chart) << "\n";
  }

  PlanetTable(out, result, view);
  out << "\n";
  OtherLagnas(out, horaLagna);
  out << "\n";
  HoraLagnaBlock(out, result, view);
  out << "\n" << words.howItWasFoundTitle << "\n";
  for (const std::string& line : HowItWasFound(birth, result, language)) {
    out << Wrapped(line, 2, kReportWidth);
  }
  if (!horaLagna.day.empty()) {
    out << "\n";
    ThroughTheDay(out, horaLagna);
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
