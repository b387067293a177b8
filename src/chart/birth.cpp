// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/birth.h"

#include <cmath>

#include "tables/zone_table.h"

namespace tarvelin {

double DegreesFromEntry(int degrees, int minutes, bool negative) {
  const double value = degrees + minutes / 60.0;
  return negative ? -value : value;
}

DegreesMinutes ToDegreesMinutes(double degrees, int maxDegrees) {
  DegreesMinutes angle;
  const long totalMinutes = std::lround(std::fabs(degrees) * 60.0);
  const long maxMinutes = static_cast<long>(maxDegrees) * 60 + 59;
  const long minutes = totalMinutes < maxMinutes ? totalMinutes : maxMinutes;
  angle.degrees = static_cast<int>(minutes / 60);
  angle.minutes = static_cast<int>(minutes % 60);
  angle.negative = std::signbit(degrees) && (minutes != 0 || degrees == 0.0);
  return angle;
}

Birth WithZoneEntry(Birth birth, int zoneIndex, bool daylightSaving) {
  const ZoneEntry& zone = kZoneTable.at(static_cast<std::size_t>(zoneIndex));
  // The table says what to add to the clock for universal time; the offset
  // east is its negative.
  const int standardSeconds =
      -(zone.offsetHours * kSecondsPerHour + zone.offsetMinutes * 60);
  birth.daylightSavingSeconds = daylightSaving ? kSecondsPerHour : 0;
  birth.utcOffsetSeconds = standardSeconds + birth.daylightSavingSeconds;
  birth.zoneIndex = zoneIndex;
  return birth;
}

}  // namespace tarvelin
