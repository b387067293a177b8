// SPDX-License-Identifier: GPL-3.0-or-later
// One birth, as every part of Tarvelin passes it on: the clock time at the
// place, the place in degrees, and the exact offset of the clock from
// universal time at that instant. The form, the command-line tool, the
// batch and the birth library build it; nothing after them knows about
// combo-box positions, degree/minute boxes or hemisphere letters.
#pragma once

#include <string>

#include "engine/civil_time.h"

namespace tarvelin {

// Seconds in an hour, for offsets.
constexpr int kSecondsPerHour = 3600;

struct Birth {
  std::string name;     // as entered (the form and the tool keep it upper case)
  CivilDateTime local;  // local clock date and time, seconds included

  // The place. North and east are positive. A coordinate entered as "0:00 S"
  // or "0:00 W" is -0.0: std::signbit keeps the hemisphere that was chosen.
  double latitudeDegrees = 0;   // -90 .. 90
  double longitudeDegrees = 0;  // -180 .. 180

  // Local clock minus universal time at the birth, in seconds (east
  // positive), daylight saving included: +19800 for Indian time.
  int utcOffsetSeconds = 0;
  // The part of utcOffsetSeconds that is daylight saving (3600 when the
  // daylight-saving box is ticked; 0 when the offset is the standard one).
  int daylightSavingSeconds = 0;

  // Where the offset came from, for display and storage only: the zone-list
  // entry (0 .. kZoneCount - 1), or kExactOffset when the offset was given
  // exactly (from the atlas or typed).
  static constexpr int kExactOffset = -1;
  int zoneIndex = kExactOffset;
  // The time-zone database's zone when the place came from the atlas
  // ("Asia/Kathmandu"); empty otherwise.
  std::string atlasZone;

  std::string city, state, country;
};

// Degrees of a coordinate entered as whole degrees and minutes and a
// hemisphere (south or west negative).
double DegreesFromEntry(int degrees, int minutes, bool negative);

// A coordinate as the form's boxes hold it: whole degrees and minutes,
// rounded to the nearest minute, with the hemisphere apart.
struct DegreesMinutes {
  int degrees = 0;
  int minutes = 0;        // 0..59
  bool negative = false;  // west of Greenwich / south of the equator
};
// The inverse of DegreesFromEntry for every entry. `maxDegrees` caps the
// result at maxDegrees°59' (the form takes longitudes up to 179°59' and
// latitudes up to 89°59'). A value that rounds to 0°00' is north or east,
// except an entered -0.0, which keeps the hemisphere chosen.
DegreesMinutes ToDegreesMinutes(double degrees, int maxDegrees = 180);

// The offset of a zone-list entry, with one hour more when the
// daylight-saving box is ticked.
Birth WithZoneEntry(Birth birth, int zoneIndex, bool daylightSaving);

}  // namespace tarvelin
