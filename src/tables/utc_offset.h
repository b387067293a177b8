// SPDX-License-Identifier: GPL-3.0-or-later
// Exact offsets from universal time and how they meet the zone list: the
// zone-list entry and daylight-saving box that stand for an offset in force
// at a birth, and whether an offset suits a longitude. Numbers only; the names
// a zone goes by come from the caller (the atlas reads them from the time-zone
// database).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/zone_table.h"

namespace tarvelin {

// The offset east of Greenwich, in seconds, of a zone-list entry's standard
// time (the box not ticked).
int EntryOffsetSeconds(const ZoneEntry& entry);

// The names the time-zone database gives a time ("BDST", "British Double
// Summer Time"); either may be empty.
struct ZoneNaming {
  std::string abbreviation;
  std::string name;
};

// An entry of the zone list and the state of the daylight-saving box.
struct ZoneListChoice {
  int position = 0;  // 0 .. kZoneCount - 1
  bool daylightSaving = false;
};

// The entry and box for an offset in force at a birth, of which
// `daylightSavingSeconds` is daylight saving:
//  - exactly one hour of daylight saving over a standard time the list has:
//    that standard time's entry, the box ticked (Paris in summer: Central
//    European Time, +1, ticked);
//  - else an entry whose own offset is the whole offset, the box clear
//    (London in June 1941, +2 with two hours of saving: British Double Summer
//    Time);
//  - else nothing: the offset can only be given exactly (+5:45, +0:19:32).
// Among entries of the same offset the one the names fit best is taken: the
// same abbreviation, then more words shared with the name, then (for a
// standard time) an entry that is not a daylight, summer or war-time variant
// or (for an offset with saving in it) one that is; on a tie the first.
// `standard` names the place's standard time, `inForce` the time in force.
std::optional<ZoneListChoice> ZoneListChoiceFor(int utcOffsetSeconds,
                                                int daylightSavingSeconds,
                                                const ZoneNaming& standard,
                                                const ZoneNaming& inForce);

// The entry for a standard time of `offsetSeconds` that `naming` fits best
// (as above, variants last); nothing when no entry has that offset.
std::optional<int> StandardZoneEntry(int offsetSeconds,
                                     const ZoneNaming& naming);

// Degrees between the meridian of an offset (15° an hour, east positive) and
// a longitude (east positive), the short way round: 0 .. 180.
double MeridianDistanceDegrees(int offsetSeconds, double longitudeDegrees);

// More than this between an offset's meridian and the place, and the offset
// is asked about (three hours of sun time; western China, +8 at 75° E, keeps
// its clocks about as far off as any place).
constexpr double kFarMeridianDegrees = 45;
bool ZoneFarFromLongitude(int offsetSeconds, double longitudeDegrees);

}  // namespace tarvelin
