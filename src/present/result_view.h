// SPDX-License-Identifier: GPL-3.0-or-later
// The presenter: one birth and its ChartResult turned into the texts the
// result form shows. The result form only displays these; it computes
// nothing.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "chart/birth.h"
#include "chart/chart_result.h"
#include "present/chart_model.h"
#include "tables/bodies.h"
#include "tables/language.h"
#include "tables/sign_tables.h"

namespace tarvelin {

struct ResultView {
  Language language = Language::kEnglish;      // of every text below
  std::array<std::string, kBodyCount> planet;  // planet(0..9), chart notation
  std::array<std::string, 12> chartLabels;     // lblAries .. lblPisces
  std::array<std::string, 12> lblArudha;       // marker cells, Aries first
  std::string lblName, lblDOB, lblTOB, lblLatitude, lblLongitude, lblCity,
      lblState, lblCountry;
  std::string lblZone;  // the offset used and whether daylight saving counted
  std::string lblHoraDesc;  // house sentence or notice
  bool hasHoraLagna = false;
  std::optional<std::string> notice;  // set when no Hora Lagna
  SignAttributeFields attributes;     // empty without a Hora Lagna
  ChartModel chart;                   // what the drawn charts show
};

// Shown in place of the house sentence when the sunrise that times the birth
// cannot be found (in English; WordsIn(language).noSunriseNotice in any).
extern const char* const kNoSunriseNotice;

// Lines of a chart cell or marker cell are joined with this.
constexpr char kCellLineBreak[] = "\r\n";

// A marker cell's text: an empty line per marker, "HL" on the Hora
// Lagna's, the lines joined by kCellLineBreak.
std::string MarkerText(const MarkerCell& cell,
                       Language language = Language::kEnglish);

// The ten body names, with " (R) " after Mercury .. Saturn when retrograde.
PlanetNameTable MarkedPlanetNames(const RetroFlagTable& flags,
                                  Language language = Language::kEnglish);

// What a view is made for: everything the windows, the page and the report
// show, or only the texts the JSON writes (no drawn chart, no sign
// attributes and no marker cells: the JSON writer has those at hand).
enum class ViewUse { kEverything, kJson };

// The texts of one result in `language`. The JSON keeps to English.
ResultView PresentResult(const Birth& birth, const ChartResult& result,
                         Language language = Language::kEnglish,
                         ViewUse use = ViewUse::kEverything);

// A position text or chart notation ("15 Ari 30") with the sign's three
// letters written as the sign's name in `language`; unchanged in English.
std::string InLanguage(const std::string& positionText, Language language);

}  // namespace tarvelin
