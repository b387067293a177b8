// Position texts of a longitude and the angle helper every part shares.
//
// Position text:  degrees within the sign, "° ", minutes, "' ", seconds, '"',
//                 one space, the sign abbreviation; e.g. 15° 30' 0" Ari.
// Chart notation: two-digit degrees, space, abbreviation, space, two-digit
//                 minutes; e.g. "15 Ari 30". Characters 4 to 6 (counted from
//                 1) are the sign abbreviation, and every sign lookup compares
//                 exactly those three characters.
#pragma once

#include <string>

namespace tarvelin {

// "AriTauGemCanLeoVirLibScoSagCapAquPis": sign s has the three letters from
// position 3s + 1.
extern const char kSignAbbreviations[];

// Abbreviation of sign index 0..11; empty for any other index.
std::string SignAbbreviation(int signIndex);

// Longitude x in degrees -> position text. All parts are truncated, never
// rounded; x = 360 gives sign 12 and an empty abbreviation.
std::string FormatSignPosition(double x);

// Position text -> chart notation (seconds dropped). Empty for a text
// without the degree sign followed by the minutes mark.
std::string ToChartNotation(const std::string& positionText);

// Characters 4 to 6 of a chart-notation text (empty when it is too short).
std::string ChartSignText(const std::string& chartNotation);

// Sign index 0..11 whose abbreviation equals characters 4 to 6 of the chart
// notation, or -1 when none does.
int SignIndexOfChartText(const std::string& chartNotation);

// Angle of the point (x, y) in radians, in (-pi, pi]; ArcTan2(0, 0) = 0.
double ArcTan2(double y, double x);

}  // namespace tarvelin
