// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's sidereal longitude (mean longitude plus the leading 25 terms of
// ELP-2000/82) and the start of its nakshatra.
#pragma once

#include <array>

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

// CalcMoon: the Moon's sidereal longitude and the start of its nakshatra.
//
// Given:    instant (UT); siderealCorrection, minus the ayanamsa, degrees
// Returned: the sidereal longitude, degrees, [0, 360), and its nakshatra's
//           start from kNakshatraStarts
// Notes:    1. The tropical longitude is the Moon's mean longitude L' plus
//              the 25 largest periodic terms of the longitude, with the mean
//              arguments D, M, M', F to their linear terms and the
//              eccentricity factor E = 1 - 0.002516 T - 0.0000074 T^2 (T in
//              Julian centuries from J2000.0): geocentric, mean equinox of
//              the date, no parallax; within about 0.02° of the full theory.
//           2. Under the classic ayanamsa the correction is
//              SiderealCorrection2000 of the instant.
// Source:   the truncated ELP-2000/82 lunar theory as Meeus gives it,
//           Astronomical Algorithms (2nd ed. 1998), chapter 47, table 47.A.
MoonOutputs CalcMoon(const UniversalInstant& instant,
                     double siderealCorrection);

}  // namespace tarvelin
