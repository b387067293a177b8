// Local clock times of sunrise and sunset for one calendar date at one place:
// a low-precision solar model worked in radians with the constants to the
// digits the system has always used.
#pragma once

#include <optional>

#include "engine/civil_time.h"

namespace tarvelin {

// An event that does not happen that day (polar day or night) is empty;
// never a value left over from another call.
struct RiseSet {
  std::optional<CivilDateTime> sunrise;
  std::optional<CivilDateTime> sunset;
};

// Both times carry the input date and hh:mm:00 local clock time. hasDst true
// puts them on the daylight-saving clock (one hour later); hour and minute are
// accepted for the call's shape and do not change the result.
RiseSet CalcSunRiseSunSet(int month, int day, int year, int hour, int minute,
                          int latDeg, int latMin, bool isSouth, int lonDeg,
                          int lonMin, bool isEast, int zoneOffsetHours,
                          int zoneOffsetMinutes, bool hasDst);

}  // namespace tarvelin
