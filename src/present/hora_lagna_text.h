// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the calculation options and of the Hora Lagna beyond the
// chart: the rule and the ayanamsa named, how close the birth stands to a
// change of sign, the signs of an uncertain birth time, the sign under the
// traditional Hindu sunrise, the day's table and the other special lagnas.
// Messages are whole templates with {1}, {2} ... where the parts go (Fill of
// report_words.h), one set per language.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart_result.h"
#include "chart/hora_lagna_day.h"
#include "present/json_writer.h"
#include "tables/language.h"

namespace tarvelin {

// "How it was found" lines: "Sunrise: the Sun's upper edge on the horizon,
// with refraction, to the minute (classic rule)" and "Ayanamsa: classic,
// 23° 35′ at the birth".
std::string SunriseRuleLine(SunriseRule rule,
                            Language language = Language::kEnglish);
std::string AyanamsaLine(const ChartResult& result,
                         Language language = Language::kEnglish);
// The options in one line, for the result window and the page: "Sunrise:
// classic rule · Ayanamsa: classic, 23° 35′ at the birth".
std::string OptionsLine(const ChartResult& result,
                        Language language = Language::kEnglish);
// "classic", "Lahiri", "Raman", "Krishnamurti", "Fagan-Bradley".
std::string AyanamsaName(Ayanamsa ayanamsa,
                         Language language = Language::kEnglish);
// "classic rule", "limb rule", "centre rule".
std::string SunriseRuleName(SunriseRule rule,
                            Language language = Language::kEnglish);
// One sentence on each choice, for where the options are chosen: "The
// centre of the Sun's disc on the horizon, no refraction, to the second:
// the traditional Hindu sunrise, about 4 minutes later in India."
std::string SunriseRuleDescription(SunriseRule rule,
                                   Language language = Language::kEnglish);
std::string AyanamsaDescription(Ayanamsa ayanamsa,
                                Language language = Language::kEnglish);

// One row of the day's table.
struct DayRowText {
  std::string sign;      // "Leo"
  std::string from, to;  // "10:21:30"
  std::string date;      // the date of `from` where it differs from the row
                         // before's ("16 March 1980"); empty otherwise
  bool birth = false;    // the birth falls in this row
};

struct LagnaText {
  std::string name;      // "Ghati Lagna"
  std::string position;  // "Leo 12° 34′", or the sign alone
};

struct HoraLagnaTexts {
  // Headings and captions: "The Hora Lagna through the day", "Other special
  // lagnas", "From", "To", "Sign", "birth".
  std::string dayTitle, otherLagnasTitle, fromCaption, toCaption, signCaption,
      birthMark;
  std::string margin;       // "The Hora Lagna stays in Leo for births ..."
  std::string uncertainty;  // with an uncertain birth time
  std::string centreRule;   // "Under the traditional Hindu sunrise ..."
  std::vector<DayRowText> day;
  std::vector<LagnaText> otherLagnas;
};

HoraLagnaTexts PresentHoraLagna(const ChartResult& result,
                                const HoraLagnaReading& reading,
                                Language language = Language::kEnglish);

// Under the limb and centre rules, which count seconds: the elapsed-time
// line of "How it was found", its rule, and the report's "Born ... after
// the sunrise of {date}, {time}".
std::string SecondsElapsedLine(std::int64_t seconds, Language language);
std::string RuleSecondsText(Language language);
std::string SecondsUnit(Language language);  // "s", as in "13173 s ÷ 120"
std::string BornAfterSunriseSeconds(std::int64_t seconds,
                                    const std::string& date,
                                    const std::string& time, Language language);

// Headings and column captions of the day's table and the lagna list.
extern const char kThroughTheDayTitle[];  // "The Hora Lagna through the day"
extern const char kOtherLagnasTitle[];    // "Other special lagnas"
extern const char kDayFromCaption[], kDayToCaption[], kDaySignCaption[];
extern const char kBirthRowMark[];  // "birth"

// "Cancer 30 %, Leo 70 %": whole percents, a share below a half "<1 %".
std::string SharesText(const std::vector<SignShare>& shares,
                       Language language = Language::kEnglish);

// The JSON members "options", "hora_lagna_day", "hora_lagna_margin" and,
// with an uncertain birth time, "hora_lagna_uncertainty".
void WriteHoraLagnaJson(JsonWriter& out, const ChartResult& result,
                        const HoraLagnaReading& reading);

}  // namespace tarvelin
