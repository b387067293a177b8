// SPDX-License-Identifier: GPL-3.0-or-later
// The offline atlas: about 200,000 birth places by name, in every script
// (GeoNames' places of 500 people or more, with their coordinates and time
// zones, read from the atlas file; see atlas_table.h), and, for a place and
// the local clock time of a birth, the offset from UTC then in force, read
// from the system's time-zone database, together with the entry of the zone
// list that stands for the place's standard time.
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
#include "tables/language.h"
#include "tables/translatable.h"
#include "tables/utc_offset.h"

namespace tarvelin {

// --- cities -----------------------------------------------------------------

// No place of the atlas file (a city built by hand).
constexpr std::uint32_t kNoAtlasPlace = 0xffffffffu;

struct AtlasCity {
  std::string name;             // "Chennai"
  std::string state;            // "Tamil Nadu"; may be empty
  std::string country;          // "India"
  std::string countryCode;      // ISO 3166 two letters, "IN"
  std::string ianaZone;         // time-zone database name, "Asia/Kolkata"
  double latitudeDegrees = 0;   // north positive, -90..90
  double longitudeDegrees = 0;  // east positive, -180..180
  std::uint32_t population = 0;
  std::uint32_t place = kNoAtlasPlace;  // its number in the atlas file
};

// "City, State, Country"; the state is left out when the atlas has none.
std::string CityLabel(const AtlasCity& city);

// How many cities a query hands back unless told otherwise.
constexpr std::size_t kDefaultCityMatches = 20;

// Where the atlas file was looked for and why it could not be read; empty
// when it was read. Every look-up finds nothing while the file is missing.
std::string AtlasProblem();
// The same for a window to translate; nothing when the file was read.
std::optional<PatternText> AtlasProblemText();

// How many places the atlas holds.
std::size_t AtlasPlaceCount();

// How a place text is read. It names a city by its name, its ASCII
// spelling or any other name of it, in any script (Mumbai, Bombay, मुंबई),
// with upper and lower case, accents ("Zurich" for Zürich), periods and
// hyphens not mattering and "St", "St." and "Saint" one word. Comma-separated
// qualifiers may follow, each naming the city's first-level division
// ("Tamil Nadu"), its postal abbreviation in the United States and Canada
// ("IL", "QC"), its country ("India", "UK", "USA") or the country code
// ("IN"); without commas the last words may be the qualifier ("Sringeri
// India", "Springfield IL") when the whole text is no name.

// The cities a place text names, for a list to choose from as one types.
// The city part matches the beginning of a word of a name ("Chenn", "York"
// for New York as well); a qualifier the beginning of a word of the division
// or country, or a code or abbreviation whole. Cities named exactly so come
// first, then those whose own name begins so, then those whose other names
// do; within each group the most populous first. Empty when nothing
// matches.
std::vector<AtlasCity> FindCities(const std::string& placeText,
                                  std::size_t maxCount = kDefaultCityMatches);

// The cities a place text names whole, for a look-up that must not guess:
// a whole name of the city, and each qualifier the whole division, the whole
// country, a code or abbreviation, or whole words of the division or
// country ("Delhi" for "National Capital Territory of Delhi"). The most
// populous first; every one of them, however many.
std::vector<AtlasCity> CitiesNamed(const std::string& placeText);

// For a place text that FindCities does not know: up to `maxCount` labels of
// the cities whose names are closest in spelling to the city part of the
// text (fewest letters to change, then the most populous), among the names
// that begin with its first letter or one that sounds alike (c, k and q; s
// and z; i, y and e; o and u; v and w; j and g; f and p) and, if any does,
// fit the qualifiers, nearest first:
// those at the smallest distance and one letter further, or, when some name
// is spelt exactly as typed (the qualifiers did not fit), only those. Empty
// when no name is near enough to be worth offering (a third of the
// letters).
std::vector<std::string> ClosestCityLabels(const std::string& placeText,
                                           std::size_t maxCount = 5);

// The atlas place nearest to a position, for coordinates typed without a
// city, and how far it is; nothing when none lies within
// kNearestPlaceKilometres.
constexpr double kNearestPlaceKilometres = 200;
struct NearPlace {
  AtlasCity city;
  double kilometres = 0;
};
std::optional<NearPlace> NearestPlace(double latitudeDegrees,
                                      double longitudeDegrees);

// "near Sringeri, Karnataka, India, 3 km" (whole kilometres; "under 1 km"),
// its words in `language`.
std::string NearPlaceText(const NearPlace& near,
                          Language language = Language::kEnglish);

// Every time-zone name the atlas gives its cities, once each, sorted.
std::vector<std::string> AtlasZoneNames();

// --- the zone in force at a birth -------------------------------------------

// Where a local clock time stands against a change of the clocks.
enum class LocalTimeFit {
  Unique,    // the clocks showed this time once
  Repeated,  // the clocks were set back over it, so it was shown twice: the
             // first showing (before the change) is taken
  Skipped,   // the clocks were set forward over it, so it never showed: it
             // is read with the offset before the change, which moves it
             // forward by the gap (02:30 skipped is 03:30 after the change)
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
  // For a skipped or repeated time, the reading not taken: the offset after
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
  // The next most populous of the cities named (up to kOtherChoices), to
  // offer them and show how to qualify.
  std::vector<AtlasCity> others;
};
constexpr std::size_t kOtherChoices = 3;
PlaceLookup LookUpPlace(const std::string& placeText,
                        const CivilDateTime& localBirth);

// When the text names more than one city: which was taken, how many others
// share the name and the most populous of them, and how to name one of them
// instead. Nothing otherwise.
std::optional<std::string> SharedNameMessage(const std::string& placeText,
                                             const PlaceLookup& lookup);

// The message for a place whose zone the database does not know (every
// other offset can be taken exactly), asking the user to choose the zone.
std::string UnknownZoneMessage(const BirthPlace& place);
// The same as a pattern and its arguments, for a window to translate.
PatternText UnknownZoneText(const BirthPlace& place);

// When the birth's clock time was skipped or shown twice at a change of the
// clocks: a message saying so and how the time was read. Nothing otherwise.
std::optional<std::string> ClockChangeMessage(const BirthPlace& place);
std::optional<PatternText> ClockChangeText(const BirthPlace& place);

// The same for a script, with both universal times: the one taken and the
// other reading's. Nothing for a unique time.
std::optional<std::string> ClockChangeNotice(const BirthPlace& place);

// For a birth in a city that kept its own time after the country's standard
// time began (Mumbai before 1955, Kolkata before 1948): a note that the
// recorded time may be the city's own time, with its offset. Nothing
// otherwise.
std::optional<std::string> CityTimeNote(const BirthPlace& place);
std::optional<PatternText> CityTimeText(const BirthPlace& place);

}  // namespace tarvelin
