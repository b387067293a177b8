// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a position on the zodiac, each written here and nowhere else.
//
// Position text:  degrees within the sign, "° ", minutes, "' ", seconds, '"',
//                 one space, the sign abbreviation; e.g. 15° 30' 0" Ari.
// Chart notation: two-digit degrees, space, abbreviation, space, two-digit
//                 minutes; e.g. "15 Ari 30".
#pragma once

#include <string>
#include <string_view>

#include "tables/language.h"

namespace tarvelin {

// Longitude x in degrees -> position text. All parts are truncated, never
// rounded; x = 360 gives sign 12 and an empty abbreviation.
std::string FormatSignPosition(double x);
// The same written into `buffer`: into its chars inside one turn (0 <= x
// < 360, where the text is at most 17 bytes), for callers that write many;
// elsewhere into its string. The text lives as long as the buffer.
struct PositionBuffer {
  char chars[32];
  std::string other;
};
std::string_view FormatSignPosition(double x, PositionBuffer& buffer);

// Chart notation of longitude x: two-digit degrees within the sign, the
// sign's abbreviation, two-digit minutes, each truncated. From 360 on (where
// the position text names no sign) the abbreviation is left out.
std::string ChartNotationOf(double x);

// Whole degrees and whole minutes of an arc, both cut, never rounded (as
// every position the program shows): "331° 17′". Any size, sums past 360
// included.
std::string ArcText(double degrees);

// "Leo 12° 34′": the sign and the degrees and minutes within it, cut. A sum
// that ends on exactly 360 is 0° Aries; outside 0 .. 360 the plain arc.
std::string SignArcText(double longitude,
                        Language language = Language::kEnglish);

// The three letters of sign index 0..11 ("Ari" ... "Pis"), as the position
// texts write them; empty for any other index.
std::string_view SignAbbreviation(int signIndex);

}  // namespace tarvelin
