// The offline atlas: birth places by name from the city list compiled into
// libgeonames (about 24,000 cities with their coordinates and time zones),
// and, for a place and the local clock time of a birth, the offset from UTC
// then in force, read from the system's time-zone database, together with the
// entry of the zone list that stands for the place's standard time.
//
// Nothing here touches a window or the network; the input form and the
// command-line tool only wire these functions to their boxes and options.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/birth.h"
#include "engine/civil_time.h"

namespace tarvelin {

// --- cities -----------------------------------------------------------------

struct AtlasCity {
  std::string name;             // "Chennai"
  std::string state;            // "Tamil Nadu"; may be empty
  std::string country;          // "India"
  std::string countryCode;      // ISO 3166 two letters, "IN"
  std::string ianaZone;         // time-zone database name, "Asia/Kolkata"
  double latitudeDegrees = 0;   // north positive, -90..90
  double longitudeDegrees = 0;  // east positive, -180..180
  std::uint32_t population = 0;
};

// "City, State, Country"; the state is left out when the atlas has none.
std::string CityLabel(const AtlasCity& city);

// How many cities a query hands back unless told otherwise.
constexpr std::size_t kDefaultCityMatches = 20;

// The cities a place text names. The text is a city name, or the beginning
// of a word of one ("Chenn", "York" for New York as well), optionally followed
// by comma-separated qualifiers that must each match the state, the country or
// the country code ("London, Canada", "Chennai, Tamil Nadu, India"). Upper and
// lower case and accents do not matter. Cities whose whole name equals the name
// typed come first, then the others; within each group the most populous first.
// Empty when nothing matches.
std::vector<AtlasCity> FindCities(const std::string& placeText,
                                  std::size_t maxCount = kDefaultCityMatches);

// For a place text that FindCities does not know: up to `maxCount` labels of
// the cities whose names are closest in spelling to the city part of the
// text (fewest letters to change, then the most populous), nearest first:
// those at the smallest distance and one letter further, or, when some name
// is spelt exactly as typed (the qualifiers did not fit), only those. Empty
// when no name is near enough to be worth offering (a third of the letters).
std::vector<std::string> ClosestCityLabels(const std::string& placeText,
                                           std::size_t maxCount = 5);

// Every time-zone name the atlas gives its cities, once each, sorted.
std::vector<std::string> AtlasZoneNames();

// --- the zone in force at a birth -------------------------------------------

// Where a local clock time stands against a change of the clocks.
enum class LocalTimeFit {
  Unique,    // the clocks showed this time once
  Repeated,  // the clocks were set back over it, so it was shown twice: the
             // first showing (before the change) is taken
  Skipped,   // the clocks were set forward over it, so it never showed: it
             // is read as a time on the clocks after the change
};

struct ZoneAtBirth {
  int utcOffsetSeconds = 0;       // in force at birth, east of Greenwich > 0
  int standardOffsetSeconds = 0;  // the place's standard (winter) time then
  bool daylightSaving = false;    // clocks set forward from standard time
  LocalTimeFit fit = LocalTimeFit::Unique;
  std::string abbreviation;          // in force at birth, "BST"; empty when the
                                     // database has only a number ("+0545")
  std::string standardAbbreviation;  // of the standard time then, "GMT"
  std::string standardName;          // English name of the standard time today,
                                     // "Greenwich Mean Time"; may be empty
};

// The zone `ianaZone` at the local clock time `localBirth` (seconds count).
// Nothing when the system's time-zone database does not know the zone.
std::optional<ZoneAtBirth> ZoneAtLocalTime(const std::string& ianaZone,
                                           const CivilDateTime& localBirth);

// The zone-list position (0..70) for a zone at a birth: among the entries
// whose offset equals the standard offset, the first in list order after
// preferring, in turn, an entry whose abbreviation is the standard time's
// abbreviation, an entry sharing more words with the standard time's name,
// and an entry that is not a daylight, summer or war-time variant. Nothing
// when no entry has that offset (+5:45 Kathmandu, +4:30 Kabul, or any local
// mean time before a country adopted a zone).
std::optional<int> ZoneListPosition(const ZoneAtBirth& zone);

// "UTC+05:45", "UTC-03:30", "UTC+00:00"; seconds of an old local mean time
// are shown as well ("UTC+05:53:28").
std::string UtcOffsetText(int offsetSeconds);

// --- everything a birth place fills -----------------------------------------

struct BirthPlace {
  AtlasCity city;
  CivilDateTime localBirth;  // the clock time the zone was read at
  DegreesMinutes longitude;  // negative = West
  DegreesMinutes latitude;   // negative = South
  // Empty when the time-zone database does not know the city's zone.
  std::optional<ZoneAtBirth> zone;
  // Empty when the zone is unknown or its standard offset at the birth
  // matches no entry of the zone list.
  std::optional<int> zonePosition;
};

// The coordinates, zone and zone-list entry of `city` for a birth at the
// local clock time `localBirth`.
BirthPlace PlaceAtBirth(const AtlasCity& city, const CivilDateTime& localBirth);

// A place text looked up for one birth, as the command-line tool takes it.
struct PlaceLookup {
  // The first city FindCities gives (a city named exactly so, the most
  // populous of them), at the birth; empty when the atlas has no match.
  std::optional<BirthPlace> place;
  std::size_t matchCount = 0;        // cities the text matched, up to 100
  std::vector<std::string> closest;  // ClosestCityLabels when none matched
};
PlaceLookup LookUpPlace(const std::string& placeText,
                        const CivilDateTime& localBirth);

// The message for a place whose standard offset at the birth has no entry in
// the zone list (or whose zone the database does not know), naming the city
// and the offset and asking the user to choose the zone.
std::string NoZoneEntryMessage(const BirthPlace& place);

// When the birth's clock time was skipped or shown twice at a change of the
// clocks: a message saying so and how the time was read. Nothing otherwise.
std::optional<std::string> ClockChangeMessage(const BirthPlace& place);

}  // namespace tarvelin
