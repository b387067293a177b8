#include "chart/birth.h"

#include "tables/zone_table.h"

namespace tarvelin {

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
