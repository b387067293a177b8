// SPDX-License-Identifier: GPL-3.0-or-later
// The sidereal ascendant (lagna) of an instant at a place.
#pragma once

#include "engine/time_base.h"

namespace tarvelin {

// CalcAscendant: the ecliptic point rising in the east, sidereal.
//
// Given:    instant (UT); latitudeDegrees, geographic latitude, north
//           positive, |latitude| < 90; longitudeDegrees, east positive;
//           siderealCorrection, minus the ayanamsa, degrees
// Returned: the sidereal longitude of the ascendant, degrees, [0, 360)
// Notes:    1. tan A = cos RAMC / -(sin RAMC cos e + sin e tan phi), RAMC the
//              local mean sidereal time (SiderealTimeDegrees), e the mean
//              obliquity (ObliquityDegrees), both of T1900; the quadrant from
//              ArcTan2, radians to degrees with 57.2957795130823.
//           2. Mean equinox of the date (no nutation), geocentric.
// Source:   the ecliptic points on the horizon, Meeus, Astronomical
//           Algorithms (2nd ed. 1998), chapter 14.
double CalcAscendant(const UniversalInstant& instant, double latitudeDegrees,
                     double longitudeDegrees, double siderealCorrection);

}  // namespace tarvelin
