// SPDX-License-Identifier: GPL-3.0-or-later
// The answer in plain words: the one-line summary a reader looks for first,
// and "How it was found", the steps from the reference sunrise to the Hora
// Lagna with their numbers. Both only read a finished calculation; nothing
// here computes an astronomical value.
#pragma once

#include <string>
#include <vector>

#include "chart/birth.h"
#include "chart/chart_result.h"
#include "tables/language.h"

namespace tarvelin {

// "Hora Lagna: Leo 12° 34′ — 1st house from the ascendant (Aries)"; where
// there is no Hora Lagna, a line that says why.
std::string HoraLagnaSummary(const ChartResult& result,
                             Language language = Language::kEnglish);

// "How it was found", one statement per line: the birth's clock time with
// its zone offset and daylight saving, the sunrise it is timed from (date,
// clock time, and whether it is the birth day's or the day before's), the
// Sun's sidereal longitude then, the minutes elapsed, and the arithmetic
// "Sun at sunrise + 0.5° × minutes = Hora Lagna" with the numbers. Without
// a reference sunrise, which sunrise or sunset is missing.
std::vector<std::string> HowItWasFound(const Birth& birth,
                                       const ChartResult& result,
                                       Language language = Language::kEnglish);

// The heading of that section in English, as the third tab and the reports
// name it (WordsIn(language).howItWasFoundTitle in any language).
extern const char kHowItWasFoundTitle[];

}  // namespace tarvelin
