// How the chart tells the sign of a body text or of a lagna longitude.
#pragma once

#include <array>
#include <string>

namespace tarvelin {

// Sign index 0..11 whose abbreviation in `abbrevs` equals characters 4 to 6
// of a chart-notation text, compared in table order; -1 when none does.
int ChartSignIndex(const std::array<std::string, 12>& abbrevs,
                   const std::string& chartNotation);

// Sign index 0..11 that the chart notation of the position text of a
// longitude names; -1 from 360 on, where the text carries no abbreviation.
int SignIndexOfLongitude(double longitude);

}  // namespace tarvelin
