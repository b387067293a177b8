// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/birth_checks.h"

#include "tables/zone_table.h"

namespace tarvelin::library {

int ZoneEntryFor(const Birth& b) {
  if (b.zoneIndex != Birth::kExactOffset) return b.zoneIndex;
  if (b.daylightSavingSeconds != 0 &&
      b.daylightSavingSeconds != kSecondsPerHour) {
    return -1;
  }
  for (int zone = 0; zone < kZoneCount; ++zone) {
    if (WithZoneEntry(b, zone, b.daylightSavingSeconds != 0).utcOffsetSeconds ==
        b.utcOffsetSeconds) {
      return zone;
    }
  }
  return -1;
}

}  // namespace tarvelin::library
