// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/result_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/angles.h"
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/report_words.h"
#include "present/zone_text.h"
#include "tables/house_significance.h"

namespace tarvelin {

const char* const kNoSunriseNotice =
    WordsIn(Language::kEnglish).noSunriseNotice;

namespace {

// The lines of one marker cell: empty lines, "HL" on the Hora Lagna's.
}  // namespace

std::string MarkerText(const MarkerCell& cell, Language language) {
  // Each line its break, the Hora Lagna's its marker too: written in one
  // piece.
  const std::string_view marker = WordsIn(language).horaLagnaMarker;
  const int lines = std::max(cell.count, 0);
  const bool marked = cell.horaLagnaLine >= 0 && cell.horaLagnaLine < lines;
  std::string text(
      2 * static_cast<std::size_t>(lines) + (marked ? marker.size() : 0), '\0');
  char* out = text.data();
  for (int line = 0; line < lines; ++line) {
    *out++ = '\r';
    *out++ = '\n';
    if (line == cell.horaLagnaLine)
      out = std::copy(marker.begin(), marker.end(), out);
  }
  return text;
}

PlanetNameTable MarkedPlanetNames(const RetroFlagTable& flags,
                                  Language language) {
  PlanetNameTable names = PlainPlanetNames(language);
  // Mercury .. Saturn: the first five flags, bodies kMercury .. kSaturn.
  for (int k = 0; k <= kSaturn - kMercury; ++k) {
    if (flags[k]) names[kMercury + k] += WordsIn(language).retrogradeMark;
  }
  return names;
}

std::string InLanguage(const std::string& positionText, Language language) {
  if (language == Language::kEnglish) return positionText;
  for (int s = 0; s < 12; ++s) {
    const std::string_view abbreviation = SignAbbreviation(s);
    const auto at = positionText.find(abbreviation);
    if (at != std::string::npos) {
      return positionText.substr(0, at) + SignNameIn(s, language) +
             positionText.substr(at + abbreviation.size());
    }
  }
  return positionText;
}

ResultView PresentResult(const Birth& birth, const ChartResult& result,
                         Language language, ViewUse use) {
  const ReportWords& words = WordsIn(language);
  ResultView view;
  view.language = language;
  const PlanetNameTable names = MarkedPlanetNames(result.retrograde, language);
  for (int i = 0; i < kBodyCount; ++i) {
    view.planet[i] = ChartNotationOf(result.longitudes[i]);
    if (language != Language::kEnglish) {
      view.planet[i] = InLanguage(view.planet[i], language);
    }
    // Each body on its own line in its sign, in table order.
    const int sign = SignIndexOfLongitude(result.longitudes[i]);
    if (sign < 0) continue;
    view.chartLabels[sign] += kCellLineBreak;
    view.chartLabels[sign] += names[i];
  }
  // The JSON writes its markers from the cells themselves.
  if (use == ViewUse::kEverything) {
    for (int s = 0; s < 12; ++s) {
      view.lblArudha[s] = MarkerText(result.markers[s], language);
    }
  }
  if (use == ViewUse::kEverything)
    view.chart = MakeChartModel(result, language);

  const CivilDateTime& t = birth.local;
  view.lblName = birth.name;
  view.lblDOB = DateText(t, DateStyle::kForm, language);
  view.lblTOB = TimeText(t, TimeStyle::kForm);
  view.lblLatitude = CoordinateText(birth.latitudeDegrees, Axis::kLatitude,
                                    CoordinateStyle::kLabel, language);
  view.lblLongitude = CoordinateText(birth.longitudeDegrees, Axis::kLongitude,
                                     CoordinateStyle::kLabel, language);
  view.lblCity = birth.city;
  view.lblState = birth.state;
  view.lblCountry = birth.country;
  view.lblZone = ZoneSummaryText(birth, language);

  if (!result.horaLagna) {
    view.hasHoraLagna = false;
    view.notice = words.noSunriseNotice;
    view.lblHoraDesc = words.noSunriseNotice;
    return view;
  }
  view.hasHoraLagna = true;
  view.lblHoraDesc = HouseSignificance(result.horaLagna->house, language);
  if (use == ViewUse::kEverything) {
    view.attributes = ShowSignAttributes(SharedSignTables(language),
                                         result.horaLagna->signIndex);
  }
  return view;
}

}  // namespace tarvelin
