// SPDX-License-Identifier: GPL-3.0-or-later
// Local clock times of sunrise and sunset for one calendar date at one place,
// by one of three rules: the classic low-precision model, or the engine's own
// Sun brought to the horizon by its upper edge (limb) or its centre.
#pragma once

#include <optional>

#include "engine/civil_time.h"

namespace tarvelin {

// Which moment of the Sun's rising counts as sunrise (and of its setting as
// sunset).
enum class SunriseRule {
  kClassic,  // upper edge with refraction, the classic model, whole minutes
  kLimb,     // upper edge, 34' refraction and the true semi-diameter, seconds
  kCentre,   // the disc's centre on the horizon, no refraction, seconds
};
constexpr int kSunriseRuleCount = 3;

// An event that does not happen that day (polar day or night) is empty;
// never a value left over from another call.
struct RiseSet {
  std::optional<CivilDateTime> sunrise;
  std::optional<CivilDateTime> sunset;
};

// SunRiseSunSet: the sunrise and sunset of one clock date.
//
// Given:    rule; date, whose calendar date counts (not its clock time);
//           latitudeDegrees and longitudeDegrees, north and east positive;
//           utcOffsetSeconds, how far the clock runs ahead of universal time
//           (daylight saving included)
// Returned: the two events as times of that clock, or empty where the Sun
//           does not reach the horizon that day
// Notes:    kClassic is CalcSunRiseSunSet; kLimb and kCentre are
//           HorizonCrossings (sunrise/horizon_crossing.h).
RiseSet SunRiseSunSet(SunriseRule rule, const CivilDateTime& date,
                      double latitudeDegrees, double longitudeDegrees,
                      int utcOffsetSeconds);

// CalcSunRiseSunSet: the classic rule.
//
// Given:    as SunRiseSunSet
// Returned: both times carry the input date and hh:mm:00 on that clock; a
//           time that wraps past midnight stays on the input date
// Notes:    1. A low-precision solar model worked in radians with its
//              constants to the digits the system has always used: mean
//              anomaly 0.9856° a day - 3.289°, equation of centre 1.916° sin M
//              + 0.020° sin 2M, true longitude + 282.634°, the Sun's centre
//              at the zenith distance 90° 50' (refraction and semi-diameter),
//              local mean time H + RA - 0.06571 h a day - 6.622 h.
//           2. The minute is rounded half up; 24:00 is 00:00 of the date.
//           3. A zone 13 hours east is worked as 11 hours west.
// Source:   Almanac for Computers (Nautical Almanac Office, United States
//           Naval Observatory, 1990), sunrise and sunset.
RiseSet CalcSunRiseSunSet(const CivilDateTime& date, double latitudeDegrees,
                          double longitudeDegrees, int utcOffsetSeconds);

}  // namespace tarvelin
