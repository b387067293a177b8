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
#include "tables/utc_offset.h"

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

// The cities a place text names, for a list to choose from as one types.
// The text is a city name, or the beginning of a word of one ("Chenn", "York"
// for New York as well), optionally followed by comma-separated qualifiers
// that must each match the beginning of a word of the state or the country,
// or the country code ("London, Canada", "Chennai, Tamil Nadu, India"). A
// city's other names count as its name (Bombay for Mumbai, München for
// Munich: see kCityAliases). Upper and lower case and accents do not matter.
// Cities named exactly so come first, then the others; within each group the
// most populous first. Empty when nothing matches.
std::vector<AtlasCity> FindCities(const std::string& placeText,
                                  std::size_t maxCount = kDefaultCityMatches);

// The cities a place text names whole, for a look-up that must not guess:
// the city's whole name (or another name of it), and each qualifier the
// whole state, the whole country, the country code, or whole words of the
// state or country ("Delhi" for "National Capital Territory of Delhi"). The
// most populous first; every one of them, however many.
std::vector<AtlasCity> CitiesNamed(const std::string& placeText);

// For a place text that FindCities does not know: up to `maxCount` labels of
// the cities whose names (or other names) are closest in spelling to the city
// part of the text (fewest letters to change, then the most populous),
// nearest first: those at the smallest distance and one letter further, or,
// when some name is spelt exactly as typed (the qualifiers did not fit), only
// those. Empty when no name is near enough to be worth offering (a third of
// the letters).
std::vector<std::string> ClosestCityLabels(const std::string& placeText,
                                           std::size_t maxCount = 5);

// Other names of large cities that people still use, folded (lower case, no
// accents), with the atlas city each stands for.
struct CityAlias {
  const char* alias;        // "bombay"
  const char* city;         // the atlas's name, "Mumbai"
  const char* countryCode;  // "IN"
};
extern const CityAlias kCityAliases[];
extern const std::size_t kCityAliasCount;

// Every time-zone name the atlas gives its cities, once each, sorted.
std::vector<std::string> AtlasZoneNames();

// The cities that the time-zone database names as the principal city of a
// zone but the atlas lacks (Singapore), placed at the zone's coordinates
// from the system's zone.tab; FindCities and CitiesNamed know them too.
std::vector<AtlasCity> ZoneCitiesNotInAtlas();

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
  // utcOffsetSeconds - standardOffsetSeconds: 3600 for one hour of daylight
  // saving, 7200 for double summer time, 1800 for half an hour.
  int daylightSavingSeconds = 0;
  bool daylightSaving = false;  // clocks set forward from standard time
  CivilDateTime universal;      // the birth in universal time
  LocalTimeFit fit = LocalTimeFit::Unique;
  // For a skipped or repeated time, the reading not taken: the offset before
  // the clocks went forward, or of the second showing, and the universal
  // time that reading gives. Unset (0, the default date) for a unique time.
  int otherOffsetSeconds = 0;
  CivilDateTime otherUniversal;
  std::string abbreviation;          // in force at birth, "BST"; empty when the
                                     // database has only a number ("+0545")
  std::string standardAbbreviation;  // of the standard time then, "GMT"
  std::string standardName;          // English name of the standard time today,
                                     // "Greenwich Mean Time"; may be empty
  std::string daylightName;          // and of its daylight time, "British
                                     // Summer Time"; may be empty
};

// The zone `ianaZone` at the local clock time `localBirth` (seconds count).
// Nothing when the system's time-zone database does not know the zone.
std::optional<ZoneAtBirth> ZoneAtLocalTime(const std::string& ianaZone,
                                           const CivilDateTime& localBirth);

// The zone-list position (0..70) of the place's standard time at a birth:
// StandardZoneEntry for the standard offset and its names. Nothing when no
// entry has that offset (+5:45 Kathmandu, +4:30 Kabul, or any local mean time
// before a country adopted a zone).
std::optional<int> ZoneListPosition(const ZoneAtBirth& zone);

// The entry and daylight-saving box that give exactly the offset in force at
// the birth (ZoneListChoiceFor: London in June 1941 is British Double Summer
// Time with the box clear); nothing when only the exact offset will do.
std::optional<ZoneListChoice> ZoneListChoiceAtBirth(const ZoneAtBirth& zone);

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
  // The entry and box that give the offset in force exactly; empty when the
  // zone is unknown or only the exact offset will do.
  std::optional<ZoneListChoice> zoneChoice;
};

// The coordinates, zone and zone-list entry of `city` for a birth at the
// local clock time `localBirth`.
BirthPlace PlaceAtBirth(const AtlasCity& city, const CivilDateTime& localBirth);

// A place text looked up for one birth, as the command-line tool takes it:
// by whole names (CitiesNamed), never a guess from the first letters.
struct PlaceLookup {
  // The most populous city the text names whole, at the birth; empty when
  // it names none.
  std::optional<BirthPlace> place;
  std::size_t matchCount = 0;  // cities the text names whole, `place` too
  // When it names none: the cities whose names begin so ("New": New York,
  // New Delhi ...) or else the nearest in spelling (ClosestCityLabels).
  std::vector<std::string> closest;
  // The second most populous of the cities named, to show how to qualify.
  std::optional<AtlasCity> runnerUp;
};
PlaceLookup LookUpPlace(const std::string& placeText,
                        const CivilDateTime& localBirth);

// When the text names more than one city: which was taken, how many others
// share the name, and how to name one of them instead. Nothing otherwise.
std::optional<std::string> SharedNameMessage(const std::string& placeText,
                                             const PlaceLookup& lookup);

// The message for a place whose zone the database does not know (every
// other offset can be taken exactly), asking the user to choose the zone.
std::string UnknownZoneMessage(const BirthPlace& place);

// When the birth's clock time was skipped or shown twice at a change of the
// clocks: a message saying so and how the time was read. Nothing otherwise.
std::optional<std::string> ClockChangeMessage(const BirthPlace& place);

// The same for a script, with both universal times: the one taken and the
// other reading's. Nothing for a unique time.
std::optional<std::string> ClockChangeNotice(const BirthPlace& place);

// For a birth in a city that kept its own time after the country's standard
// time began (Mumbai before 1955, Kolkata before 1948): a note that the
// recorded time may be the city's own time, with its offset. Nothing
// otherwise.
std::optional<std::string> CityTimeNote(const BirthPlace& place);

}  // namespace tarvelin
