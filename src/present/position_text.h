// Position texts of a longitude and the angle helper every part shares.
//
// Position text:  degrees within the sign, "° ", minutes, "' ", seconds, '"',
//                 one space, the sign abbreviation; e.g. 15° 30' 0" Ari.
// Chart notation: two-digit degrees, space, abbreviation, space, two-digit
//                 minutes; e.g. "15 Ari 30".
#pragma once

#include <string>
#include <string_view>

namespace tarvelin {

// Longitude x in degrees -> position text. All parts are truncated, never
// rounded; x = 360 gives sign 12 and an empty abbreviation.
std::string FormatSignPosition(double x);

// Chart notation of longitude x: two-digit degrees within the sign, the
// sign's abbreviation, two-digit minutes, each truncated. From 360 on (where
// the position text names no sign) the abbreviation is left out.
std::string ChartNotationOf(double x);

// The three letters of sign index 0..11 ("Ari" ... "Pis"), as the position
// texts write them; empty for any other index.
std::string_view SignAbbreviation(int signIndex);

}  // namespace tarvelin
