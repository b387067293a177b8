// SPDX-License-Identifier: GPL-3.0-or-later
// One birth given as texts (command-line flags or a batch row) and how it
// becomes a Birth: each text through its strict reader (rules/
// text_readers.h: the input form's messages where the form has them, this
// tool's otherwise), the numbers --place found for the flags not given, and
// then CheckBirth over the whole.
#pragma once

#include <optional>
#include <string>

#include "chart/birth.h"

namespace tarvelin::cli {

// The texts of one birth, as typed.
struct BirthTexts {
  std::string name;
  std::string date;  // YYYY-MM-DD
  std::string time;  // HH:MM or HH:MM:SS, local clock time
  std::string lon;   // DDD:MM followed by E or W, e.g. 77:12E
  std::string lat;   // DD:MM followed by N or S, e.g. 28:36N
  std::string zone;  // position in the zone list, 0..70
  bool dst = false;
  // An exact offset, ±HH:MM[:SS], in place of the zone and daylight saving
  // (read when `offsetGiven`, even if empty).
  bool offsetGiven = false;
  std::string utcOffset;
  std::string city, state, country;
};

// What --place found, for the flags that were not given: each set value is
// taken in place of the text.
struct PlaceValues {
  std::optional<double> longitudeDegrees, latitudeDegrees;
  // The zone: an entry and its box, or an exact offset with its daylight
  // saving part.
  struct Zone {
    int zoneIndex = Birth::kExactOffset;
    bool daylightSaving = false;  // with an entry
    int utcOffsetSeconds = 0;     // without one
    int daylightSavingSeconds = 0;
  };
  std::optional<Zone> zone;
  std::optional<std::string> city, state, country;
  std::string atlasZone;  // the time-zone database's zone, with `zone`
};

// A birth ready for the calculation, or the one message that says what is
// wrong with it.
struct BirthEntry {
  std::optional<Birth> birth;
  std::string problem;  // set when `birth` is empty
};

// Reads in this order: the name, the longitude, the latitude, the date, the
// time, the zone (or the exact offset); then CheckBirth. `place`, when
// given, stands in for the texts it has values for.
BirthEntry ReadBirth(const BirthTexts& texts,
                     const PlaceValues* place = nullptr);

}  // namespace tarvelin::cli
