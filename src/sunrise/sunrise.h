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

// Sunrise and sunset of the calendar date of `date` (its clock time does not
// count) at a place in degrees, north and east positive, on a clock
// utcOffsetSeconds ahead of universal time (daylight saving included). Both
// times carry the input date and hh:mm:00 on that clock.
RiseSet CalcSunRiseSunSet(const CivilDateTime& date, double latitudeDegrees,
                          double longitudeDegrees, int utcOffsetSeconds);

}  // namespace tarvelin
