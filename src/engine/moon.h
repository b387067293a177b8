// The Moon's sidereal longitude (mean longitude plus the leading 25 terms of
// ELP-2000/82) and the start of its nakshatra.
#pragma once

#include <array>

#include "engine/civil_time.h"
#include "engine/time_base.h"

namespace tarvelin {

// 13.33 x k rounded to two decimals, k = 0..26.
extern const std::array<double, 27> kNakshatraStarts;

// Start of the nakshatra of a sidereal longitude in [0, 360): the index is
// Int(60 x lon / 800) (exact 13° 20' wide), the start comes from the table.
// 0 for any other value.
double NakshatraStartOf(double siderealLongitude);

struct MoonOutputs {
  double MoonLongitude = 0;       // sidereal degrees in [0, 360)
  double MoonNakshatraStart = 0;  // kNakshatraStarts[Int(60 x lon / 800)]
};

// The local clock's hour and minute count (its seconds do not).
MoonOutputs CalcMoon(const CivilDateTime& local, const ClockOffset& offset);

}  // namespace tarvelin
