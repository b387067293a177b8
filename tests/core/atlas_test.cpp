#include "atlas/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "present/quantity_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

constexpr int kHour = 3600;  // seconds
constexpr int kMinute = 60;  // seconds

std::string EntryText(const std::optional<int>& position) {
  if (!position) return "(no entry)";
  return kZoneTable[static_cast<std::size_t>(*position)].text;
}

// The first city the atlas finds for `query`, or an empty one (and a
// failure) when it finds none.
AtlasCity FirstCity(const std::string& query) {
  const std::vector<AtlasCity> cities = FindCities(query);
  EXPECT_FALSE(cities.empty()) << "no city for \"" << query << "\"";
  return cities.empty() ? AtlasCity{} : cities.front();
}

// --- cities -----------------------------------------------------------------

TEST(AtlasCities, TakeExactNamesFirstThenTheMostPopulous) {
  struct Case {
    const char* query;
    const char* firstLabel;
    const char* zone;
  };
  const Case cases[] = {
      {"New Delhi", "New Delhi, National Capital Territory of Delhi, India",
       "Asia/Kolkata"},
      {"new delhi", "New Delhi, National Capital Territory of Delhi, India",
       "Asia/Kolkata"},
      {"London", "London, England, United Kingdom", "Europe/London"},
      {"London, Canada", "London, Ontario, Canada", "America/Toronto"},
      {"London, UK", "London, England, United Kingdom", "Europe/London"},
      {"Springfield, Illinois",
       "Springfield, Illinois, United States of America", "America/Chicago"},
      // York, England is smaller than New York but is named exactly.
      {"York", "York, England, United Kingdom", "Europe/London"},
      {"Sao Paulo", "S\u00e3o Paulo, S\u00e3o Paulo, Brazil",
       "America/Sao_Paulo"},
      {"Chennai, Tamil Nadu, India", "Chennai, Tamil Nadu, India",
       "Asia/Kolkata"},
  };
  for (const Case& c : cases) {
    const AtlasCity city = FirstCity(c.query);
    EXPECT_EQ(CityLabel(city), c.firstLabel) << "query \"" << c.query << "\"";
    EXPECT_EQ(city.ianaZone, c.zone) << "query \"" << c.query << "\"";
  }
}

TEST(AtlasCities, OfferEveryCityBeginningWithWhatIsTyped) {
  const std::vector<AtlasCity> cities = FindCities("Chenn");
  std::vector<std::string> labels;
  for (const AtlasCity& city : cities) labels.push_back(CityLabel(city));
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.front(), "Chennai, Tamil Nadu, India");
  for (const std::string& label : labels) {
    EXPECT_EQ(label.rfind("Chenn", 0), 0u) << label;
  }
  EXPECT_LE(FindCities("New", 5).size(), 5u);
}

TEST(AtlasCities, UnknownPlaceFindsNothingButOffersNearNames) {
  EXPECT_TRUE(FindCities("Xyzzyville").empty());
  EXPECT_TRUE(FindCities("London, Atlantis").empty());
  EXPECT_TRUE(FindCities("  ").empty());
  EXPECT_TRUE(ClosestCityLabels("Xyzzyville").empty());

  struct Case {
    const char* typo;
    const char* offered;
  };
  const Case cases[] = {
      {"Londn", "London, England, United Kingdom"},
      {"Kathmanduu", "Kathmandu, Bagmati Province, Nepal"},
      {"Chenai, India", "Chennai, Tamil Nadu, India"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(FindCities(c.typo).empty()) << c.typo;
    const std::vector<std::string> offered = ClosestCityLabels(c.typo);
    ASSERT_FALSE(offered.empty()) << c.typo;
    EXPECT_EQ(offered.front(), c.offered) << c.typo;
    EXPECT_LE(offered.size(), 5u);
  }
}

// Every zone the atlas names must be one the system's database can answer
// for, or a found city could not be timed (links such as Europe/Kiev count).
TEST(AtlasCities, EveryZoneIsKnownToTheTimeZoneDatabase) {
  const std::vector<std::string> zones = AtlasZoneNames();
  EXPECT_GT(zones.size(), 300u);
  for (const std::string& zone : zones) {
    EXPECT_TRUE(ZoneAtLocalTime(zone, {2000, 1, 1, 12, 0, 0})) << zone;
  }
}

// --- the zone at a birth ----------------------------------------------------

struct ZoneCase {
  const char* place;
  CivilDateTime localBirth;
  int offsetSeconds;
  int standardSeconds;
  bool daylightSaving;
  const char* entry;  // nullptr: no entry of the list fits
};

TEST(AtlasZone, OffsetDaylightSavingAndEntryAtTheBirth) {
  const ZoneCase cases[] = {
      {"New Delhi",
       {1980, 6, 15, 12, 0, 0},
       5 * kHour + 30 * kMinute,
       5 * kHour + 30 * kMinute,
       false,
       "Indian Time, IST, +5.3"},
      {"London",
       {1990, 7, 15, 12, 0, 0},
       kHour,
       0,
       true,
       "Greenwich Mean Time,GMT,0.0"},
      {"London",
       {1990, 1, 15, 12, 0, 0},
       0,
       0,
       false,
       "Greenwich Mean Time,GMT,0.0"},
      // Under the rules of 2007 the clocks went forward on 14 March 2010;
      // under the older ones it would have been 4 April.
      {"New York",
       {2010, 3, 20, 12, 0, 0},
       -4 * kHour,
       -5 * kHour,
       true,
       "Eastern Standard Time,EST,-5.0"},
      {"New York",
       {2006, 3, 20, 12, 0, 0},
       -5 * kHour,
       -5 * kHour,
       false,
       "Eastern Standard Time,EST,-5.0"},
      {"Sydney, Australia",
       {2000, 1, 15, 12, 0, 0},
       11 * kHour,
       10 * kHour,
       true,
       "Australian Eastern Standard Time,AEST,+10.0"},
      {"Adelaide",
       {2000, 7, 15, 12, 0, 0},
       9 * kHour + 30 * kMinute,
       9 * kHour + 30 * kMinute,
       false,
       "Australian Central Standard Time,ACST,+9.5"},
      // The database reads Irish winter time as negative daylight saving;
      // here summer is the daylight saving, as in London.
      {"Dublin",
       {1990, 7, 15, 12, 0, 0},
       kHour,
       0,
       true,
       "Greenwich Mean Time,GMT,0.0"},
      {"Dublin",
       {1990, 1, 15, 12, 0, 0},
       0,
       0,
       false,
       "Greenwich Mean Time,GMT,0.0"},
      // The name, not the list order, picks New Zealand over the date line.
      {"Auckland",
       {1990, 7, 15, 12, 0, 0},
       12 * kHour,
       12 * kHour,
       false,
       "New Zealand Std Time,NZT,+12.0"},
      {"Paris",
       {1990, 7, 15, 12, 0, 0},
       2 * kHour,
       kHour,
       true,
       "Central European Time,CET,+1.0"},
      {"Chicago",
       {1990, 1, 15, 12, 0, 0},
       -6 * kHour,
       -6 * kHour,
       false,
       "Central Standard Time,CST,-6.0"},
      {"St. John's",
       {1990, 1, 15, 12, 0, 0},
       -3 * kHour - 30 * kMinute,
       -3 * kHour - 30 * kMinute,
       false,
       "Newfoundland Standard Time,NST,-3.5"},
      {"Kathmandu",
       {1990, 1, 15, 12, 0, 0},
       5 * kHour + 45 * kMinute,
       5 * kHour + 45 * kMinute,
       false,
       nullptr},
      {"Kabul",
       {1990, 1, 15, 12, 0, 0},
       4 * kHour + 30 * kMinute,
       4 * kHour + 30 * kMinute,
       false,
       nullptr},
  };
  for (const ZoneCase& c : cases) {
    const std::string where =
        std::string(c.place) + " at " + DateTimeText(c.localBirth);
    const AtlasCity city = FirstCity(c.place);
    const std::optional<ZoneAtBirth> zone =
        ZoneAtLocalTime(city.ianaZone, c.localBirth);
    ASSERT_TRUE(zone) << where << ": zone " << city.ianaZone;
    EXPECT_EQ(zone->utcOffsetSeconds, c.offsetSeconds) << where;
    EXPECT_EQ(zone->standardOffsetSeconds, c.standardSeconds) << where;
    EXPECT_EQ(zone->daylightSaving, c.daylightSaving) << where;
    EXPECT_EQ(zone->fit, LocalTimeFit::Unique) << where;
    EXPECT_EQ(EntryText(ZoneListPosition(*zone)),
              c.entry ? c.entry : "(no entry)")
        << where;
  }
}

// The universal times below are read from the time-zone database itself
// (zdump -v), not from Tarvelin: the offset in force, daylight saving of any
// length, and the entry and box that give that offset exactly.
TEST(AtlasZone, ExactOffsetAndUniversalTimeAtTheBirth) {
  struct Case {
    const char* zone;
    CivilDateTime localBirth;
    CivilDateTime universal;
    int offsetSeconds;
    int daylightSavingSeconds;
    const char* entry;  // nullptr: only the exact offset will do
    bool box;
  };
  const Case cases[] = {
      // Double summer time: two hours of saving, not one.
      {"Europe/London",
       {1941, 6, 15, 12, 0, 0},
       {1941, 6, 15, 10, 0, 0},
       2 * kHour,
       2 * kHour,
       "British Double Summer Time,BDST,+2.0",
       false},
      {"Europe/Berlin",
       {1945, 6, 15, 12, 0, 0},
       {1945, 6, 15, 9, 0, 0},
       3 * kHour,
       2 * kHour,
       "Eastern European Daylight Time,EED,+3.0",
       false},
      // Half an hour of saving over +11:30 and over +5:30.
      {"Pacific/Auckland",
       {1943, 6, 15, 12, 0, 0},
       {1943, 6, 15, 0, 0, 0},
       12 * kHour,
       30 * kMinute,
       "New Zealand Std Time,NZT,+12.0",
       false},
      {"Asia/Colombo",
       {1942, 6, 1, 12, 0, 0},
       {1942, 6, 1, 6, 0, 0},
       6 * kHour,
       30 * kMinute,
       "USSR Zone 5,USZ5,+6.0",
       false},
      {"America/Santo_Domingo",
       {1970, 1, 15, 12, 0, 0},
       {1970, 1, 15, 16, 30, 0},
       -4 * kHour - 30 * kMinute,
       30 * kMinute,
       nullptr,
       false},
      {"Asia/Kuala_Lumpur",
       {1935, 6, 15, 12, 0, 0},
       {1935, 6, 15, 4, 40, 0},
       7 * kHour + 20 * kMinute,
       20 * kMinute,
       nullptr,
       false},
      {"Asia/Kathmandu",
       {1990, 1, 15, 12, 0, 0},
       {1990, 1, 15, 6, 15, 0},
       5 * kHour + 45 * kMinute,
       0,
       nullptr,
       false},
      // Amsterdam kept its own mean time, +0:19:32, until 1937.
      {"Europe/Amsterdam",
       {1930, 1, 15, 12, 0, 0},
       {1930, 1, 15, 11, 40, 28},
       19 * kMinute + 32,
       0,
       nullptr,
       false},
      // One hour over a standard time the list has: that entry, box ticked.
      {"Europe/Paris",
       {1990, 7, 15, 12, 0, 0},
       {1990, 7, 15, 10, 0, 0},
       2 * kHour,
       kHour,
       "Central European Time,CET,+1.0",
       true},
      {"Europe/London",
       {1990, 7, 15, 12, 0, 0},
       {1990, 7, 15, 11, 0, 0},
       kHour,
       kHour,
       "Greenwich Mean Time,GMT,0.0",
       true},
      {"Asia/Kolkata",
       {1980, 6, 15, 12, 0, 0},
       {1980, 6, 15, 6, 30, 0},
       5 * kHour + 30 * kMinute,
       0,
       "Indian Time, IST, +5.3",
       false},
  };
  for (const Case& c : cases) {
    const std::string where =
        std::string(c.zone) + " at " + DateTimeText(c.localBirth);
    const std::optional<ZoneAtBirth> zone =
        ZoneAtLocalTime(c.zone, c.localBirth);
    ASSERT_TRUE(zone) << where;
    EXPECT_EQ(DateTimeText(zone->universal), DateTimeText(c.universal)) << where;
    EXPECT_EQ(zone->utcOffsetSeconds, c.offsetSeconds) << where;
    EXPECT_EQ(zone->daylightSavingSeconds, c.daylightSavingSeconds) << where;
    const std::optional<ZoneListChoice> choice = ZoneListChoiceAtBirth(*zone);
    EXPECT_EQ(
        EntryText(choice ? std::optional<int>(choice->position) : std::nullopt),
        c.entry ? c.entry : "(no entry)")
        << where;
    if (choice) {
      EXPECT_EQ(choice->daylightSaving, c.box) << where;
      // The entry and box give back exactly the offset in force.
      const int fromList =
          EntryOffsetSeconds(
              kZoneTable[static_cast<std::size_t>(choice->position)]) +
          (choice->daylightSaving ? kHour : 0);
      EXPECT_EQ(fromList, c.offsetSeconds) << where;
    }
  }
}

// Skipped and repeated hours in both hemispheres: the reading taken and the
// other reading, each with its universal time from the database.
TEST(AtlasZone, ClockChangesAreReadExplicitly) {
  struct Case {
    const char* zone;
    CivilDateTime localBirth;
    LocalTimeFit fit;
    int offsetSeconds;
    CivilDateTime universal;
    int otherOffsetSeconds;  // of the reading not taken
    CivilDateTime otherUniversal;
  };
  const Case cases[] = {
      // 02:30 never showed in New York on 8 March 2015: read on the clocks
      // after the change; on those before it, it would be an hour later.
      {"America/New_York",
       {2015, 3, 8, 2, 30, 0},
       LocalTimeFit::Skipped,
       -4 * kHour,
       {2015, 3, 8, 6, 30, 0},
       -5 * kHour,
       {2015, 3, 8, 7, 30, 0}},
      // 01:30 showed twice on 7 November 2010: the first showing, still in
      // daylight saving.
      {"America/New_York",
       {2010, 11, 7, 1, 30, 0},
       LocalTimeFit::Repeated,
       -4 * kHour,
       {2010, 11, 7, 5, 30, 0},
       -5 * kHour,
       {2010, 11, 7, 6, 30, 0}},
      {"America/New_York",
       {2010, 11, 7, 2, 0, 0},
       LocalTimeFit::Unique,
       -5 * kHour,
       {2010, 11, 7, 7, 0, 0},
       0,
       {}},
      {"Europe/London",
       {1990, 3, 25, 1, 30, 0},
       LocalTimeFit::Skipped,
       kHour,
       {1990, 3, 25, 0, 30, 0},
       0,
       {1990, 3, 25, 1, 30, 0}},
      {"Europe/London",
       {1990, 10, 28, 1, 30, 0},
       LocalTimeFit::Repeated,
       kHour,
       {1990, 10, 28, 0, 30, 0},
       0,
       {1990, 10, 28, 1, 30, 0}},
      // The southern hemisphere: Sydney set the clocks back on 26 March 2000
      // and forward on 28 October 2001.
      {"Australia/Sydney",
       {2000, 3, 26, 2, 30, 0},
       LocalTimeFit::Repeated,
       11 * kHour,
       {2000, 3, 25, 15, 30, 0},
       10 * kHour,
       {2000, 3, 25, 16, 30, 0}},
      {"Australia/Sydney",
       {2001, 10, 28, 2, 30, 0},
       LocalTimeFit::Skipped,
       11 * kHour,
       {2001, 10, 27, 15, 30, 0},
       10 * kHour,
       {2001, 10, 27, 16, 30, 0}},
  };
  for (const Case& c : cases) {
    const std::string where =
        std::string(c.zone) + " at " + DateTimeText(c.localBirth);
    const std::optional<ZoneAtBirth> zone =
        ZoneAtLocalTime(c.zone, c.localBirth);
    ASSERT_TRUE(zone) << where;
    EXPECT_EQ(zone->fit, c.fit) << where;
    EXPECT_EQ(zone->utcOffsetSeconds, c.offsetSeconds) << where;
    EXPECT_EQ(DateTimeText(zone->universal), DateTimeText(c.universal)) << where;
    EXPECT_EQ(zone->otherOffsetSeconds, c.otherOffsetSeconds) << where;
    EXPECT_EQ(DateTimeText(zone->otherUniversal), DateTimeText(c.otherUniversal))
        << where;
  }
}

TEST(AtlasZone, UnknownZoneGivesNothing) {
  EXPECT_FALSE(ZoneAtLocalTime("Atlantis/Poseidonia", {1990, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(ZoneAtLocalTime("", {1990, 1, 1, 0, 0, 0}));
}

// Before India kept a zone time, Madras mean time (+5:21:10) fits no entry.
TEST(AtlasZone, LocalMeanTimeFitsNoEntry) {
  const std::optional<ZoneAtBirth> zone =
      ZoneAtLocalTime("Asia/Kolkata", {1901, 1, 1, 12, 0, 0});
  ASSERT_TRUE(zone);
  EXPECT_EQ(UtcOffsetText(zone->standardOffsetSeconds), "UTC+05:21:10");
  EXPECT_FALSE(ZoneListPosition(*zone));
}

// --- what a city fills
// --------------------------------------------------------

TEST(AtlasPlace, AnglesRoundToTheNearestMinute) {
  struct Case {
    double degrees;
    int maxDegrees;
    int wantDegrees, wantMinutes;
    bool wantNegative;
  };
  const Case cases[] = {
      {28.63576, 89, 28, 38, false},   // 28°38.15'
      {77.22445, 179, 77, 13, false},  // 77°13.47'
      {-0.12574, 179, 0, 8, true},     // 0°07.54' West
      {10.9999, 89, 11, 0, false},     // 59.994' carries into the degree
      {-33.86785, 89, 33, 52, true},
      {-0.004, 179, 0, 0, false},       // rounds to nothing: no hemisphere
      {179.9999, 179, 179, 59, false},  // the boxes stop at 179°59'
  };
  for (const Case& c : cases) {
    const DegreesMinutes got = ToDegreesMinutes(c.degrees, c.maxDegrees);
    EXPECT_EQ(got.degrees, c.wantDegrees) << c.degrees;
    EXPECT_EQ(got.minutes, c.wantMinutes) << c.degrees;
    EXPECT_EQ(got.negative, c.wantNegative) << c.degrees;
  }
}

TEST(AtlasPlace, ChosenCityFillsCoordinatesAndZone) {
  const AtlasCity london = FirstCity("London");
  const BirthPlace place = PlaceAtBirth(london, {1990, 7, 15, 12, 0, 0});
  EXPECT_EQ(place.longitude.degrees, 0);
  EXPECT_EQ(place.longitude.minutes, 8);
  EXPECT_TRUE(place.longitude.negative);  // West
  EXPECT_EQ(place.latitude.degrees, 51);
  EXPECT_EQ(place.latitude.minutes, 31);
  EXPECT_FALSE(place.latitude.negative);  // North
  ASSERT_TRUE(place.zone);
  EXPECT_TRUE(place.zone->daylightSaving);
  EXPECT_EQ(place.zone->abbreviation, "BST");
  EXPECT_EQ(place.zone->standardAbbreviation, "GMT");
  EXPECT_EQ(EntryText(place.zonePosition), "Greenwich Mean Time,GMT,0.0");
}

TEST(AtlasPlace, UnknownZoneSaysWhich) {
  AtlasCity nowhere = FirstCity("Kathmandu");
  nowhere.ianaZone = "Atlantis/Poseidonia";
  const BirthPlace lost = PlaceAtBirth(nowhere, {1990, 1, 15, 12, 0, 0});
  EXPECT_FALSE(lost.zone);
  EXPECT_FALSE(lost.zoneChoice);
  EXPECT_EQ(UnknownZoneMessage(lost),
            "The time-zone database of this computer does not know the zone "
            "Atlantis/Poseidonia of Kathmandu, Bagmati Province, Nepal. Please "
            "choose the zone yourself.");
}

TEST(AtlasPlace, ClockChangesAreToldToTheUser) {
  const AtlasCity london = FirstCity("London");
  EXPECT_FALSE(ClockChangeMessage(PlaceAtBirth(london, {1990, 7, 15, 1, 30})));
  EXPECT_EQ(ClockChangeMessage(PlaceAtBirth(london, {1990, 3, 25, 1, 30})),
            "The clocks at London, England, United Kingdom skipped 01:30 on "
            "the birth date (they were set forward); the birth time is read "
            "on the clocks after the change, UTC+01:00.");
  EXPECT_EQ(ClockChangeMessage(PlaceAtBirth(london, {1990, 10, 28, 1, 5})),
            "The clocks at London, England, United Kingdom showed 01:05 twice "
            "on the birth date (they were set back); the birth time is read "
            "as the first of the two, UTC+01:00.");
}

// --- names people use -------------------------------------------------------

TEST(AtlasNames, OtherNamesFindTodaysCity) {
  struct Case {
    const char* query;
    const char* label;
  };
  const Case cases[] = {
      {"Bombay", "Mumbai, Maharashtra, India"},
      {"bombay, india", "Mumbai, Maharashtra, India"},
      {"Madras", "Chennai, Tamil Nadu, India"},
      {"Calcutta", "Kolkata, State of West Bengal, India"},
      {"Bangalore", "Bengaluru, Karnataka, India"},
      {"Poona", "Pune, Maharashtra, India"},
      {"Benares", "Varanasi, State of Uttar Pradesh, India"},
      {"Peking", "Beijing, Beijing Municipality, China"},
      // Canton, Ohio and others share the name; Guangzhou is the largest.
      {"Canton", "Guangzhou, Guangdong, China"},
      {"Canton, Ohio", "Canton, Ohio, United States of America"},
      {"Saigon", "Ho Chi Minh City, Ho Chi Minh City, Vietnam"},
      {"Rangoon", "Yangon, Rangoon, Myanmar"},
      {"Kiev", "Kyiv, Kyiv City, Ukraine"},
      {"M\u00fcnchen", "Munich, Bavaria, Germany"},
      {"Munchen", "Munich, Bavaria, Germany"},  // accents optional
      {"MUENCHEN", "Munich, Bavaria, Germany"},
      {"K\u00f6ln", "Cologne, North Rhine-Westphalia, Germany"},
      {"Wien", "Vienna, Vienna, Austria"},
      {"Praha", "Prague, Hlavn\u00ed m\u011bsto Praha, Czech Republic"},
      {"Lisboa", "Lisbon, Lisbon District, Portugal"},
      {"Moskva", "Moscow, Moscow, Russia"},
      {"Kobenhavn", "Copenhagen, Capital Region, Denmark"},
      {"K\u00f8benhavn", "Copenhagen, Capital Region, Denmark"},
      {"Sonderborg", "S\u00f8nderborg, Region South Denmark, Denmark"},
      // Not in the atlas, but the principal city of a zone.
      {"Singapore", "Singapore, Singapore"},
  };
  for (const Case& c : cases) {
    const std::vector<AtlasCity> named = CitiesNamed(c.query);
    ASSERT_FALSE(named.empty()) << c.query;
    EXPECT_EQ(CityLabel(named.front()), c.label) << c.query;
    // The list offered while typing has it too, first.
    EXPECT_EQ(CityLabel(FirstCity(c.query)), c.label) << c.query;
  }
  const AtlasCity singapore = CitiesNamed("Singapore").front();
  EXPECT_EQ(singapore.ianaZone, "Asia/Singapore");
  EXPECT_NEAR(singapore.latitudeDegrees, 1 + 17.0 / 60, 1e-9);
  EXPECT_NEAR(singapore.longitudeDegrees, 103 + 51.0 / 60, 1e-9);
}

// A wrong target in the alias table would silently find nothing.
TEST(AtlasNames, EveryAliasNamesOneAtlasCity) {
  EXPECT_GE(kCityAliasCount, 40u);
  for (std::size_t i = 0; i < kCityAliasCount; ++i) {
    const CityAlias& alias = kCityAliases[i];
    const std::vector<AtlasCity> named =
        CitiesNamed(std::string(alias.alias) + ", " + alias.countryCode);
    ASSERT_EQ(named.size(), 1u) << alias.alias;
    EXPECT_EQ(named.front().name, alias.city) << alias.alias;
  }
}

// A zone's city under another name, or listed twice, is not added again.
TEST(AtlasNames, EachPlaceIsListedOnce) {
  for (const char* query : {"Ho Chi Minh", "Chennai", "Kyiv"}) {
    EXPECT_EQ(FindCities(query).size(), 1u) << query;
  }
  for (const AtlasCity& city : ZoneCitiesNotInAtlas()) {
    EXPECT_EQ(CitiesNamed(city.name + ", " + city.countryCode).size(), 1u)
        << CityLabel(city);
  }
}

TEST(AtlasNames, ExactLookUpWantsWholeNames) {
  struct Case {
    const char* query;
    std::size_t named;    // cities the text names whole
    const char* closest;  // the first name offered when it names none
  };
  const Case cases[] = {
      {"New", 0, "New York, New York, United States of America"},
      {"Chenn", 0, "Chennai, Tamil Nadu, India"},
      {"a", 0, nullptr},  // offers something, whatever it is
      {"Kathmanduu", 0, "Kathmandu, Bagmati Province, Nepal"},
      {"Springfield, Ill", 0,
       "Springfield, Illinois, United States of America"},
      {"Springfield, Illinois", 1, nullptr},
      {"New Delhi, Delhi", 1, nullptr},  // whole words of the state
      {"London, UK", 1, nullptr},
      {"Hyderabad", 2, nullptr},
  };
  for (const Case& c : cases) {
    const PlaceLookup lookup = LookUpPlace(c.query, {1990, 7, 15, 12, 0, 0});
    EXPECT_EQ(lookup.matchCount, c.named) << c.query;
    EXPECT_EQ(lookup.place.has_value(), c.named > 0) << c.query;
    if (c.named > 0) continue;
    ASSERT_FALSE(lookup.closest.empty()) << c.query;
    EXPECT_LE(lookup.closest.size(), 5u) << c.query;
    if (c.closest) {
      EXPECT_EQ(lookup.closest.front(), c.closest) << c.query;
    }
  }
}

TEST(AtlasNames, SharedNamesTakeTheMostPopulousAndSaySo) {
  const PlaceLookup hyderabad =
      LookUpPlace("Hyderabad", {1990, 7, 15, 12, 0, 0});
  ASSERT_TRUE(hyderabad.place);
  EXPECT_EQ(SharedNameMessage("Hyderabad", hyderabad),
            "\"Hyderabad\" names 2 cities: Hyderabad, Telangana, India, the "
            "most populous, was taken; 1 other shares the name (add the state "
            "or country, as in \"Hyderabad, Pakistan\").");

  const PlaceLookup springfield =
      LookUpPlace("Springfield", {1990, 7, 15, 12, 0, 0});
  ASSERT_TRUE(springfield.place);
  EXPECT_EQ(CityLabel(springfield.place->city),
            "Springfield, Missouri, United States of America");
  EXPECT_EQ(EntryText(springfield.place->zonePosition),
            "Central Standard Time,CST,-6.0");
  const std::string others = std::to_string(springfield.matchCount - 1);
  EXPECT_GT(springfield.matchCount, 5u);
  EXPECT_NE(SharedNameMessage("Springfield", springfield)
                ->find("; " + others + " others share the name"),
            std::string::npos);

  const PlaceLookup one = LookUpPlace("Chennai", {1990, 7, 15, 12, 0, 0});
  EXPECT_EQ(one.matchCount, 1u);
  EXPECT_FALSE(SharedNameMessage("Chennai", one));
}

// --- notes for the user ------------------------------------------------------

TEST(AtlasPlace, IndianCityTimesAreNotedBeforeTheyEnded) {
  struct Case {
    const char* query;
    CivilDateTime localBirth;
    const char* note;  // nullptr: none
  };
  const Case cases[] = {
      {"Bombay",
       {1950, 6, 1, 10, 0, 0},
       "The recorded time of a birth in Mumbai before 1955 may be Bombay "
       "Time, the city's own time (UTC+04:51), rather than the zone's "
       "UTC+05:30; if so, give UTC+04:51 as the exact offset."},
      {"Mumbai", {1955, 1, 1, 10, 0, 0}, nullptr},
      {"Kolkata",
       {1947, 8, 15, 0, 0, 0},
       "The recorded time of a birth in Kolkata before 1948 may be Calcutta "
       "Time, the city's own time (UTC+05:53:20), rather than the zone's "
       "UTC+05:30; if so, give UTC+05:53:20 as the exact offset."},
      {"Kolkata", {1948, 1, 1, 0, 0, 0}, nullptr},
      {"Chennai", {1940, 1, 1, 0, 0, 0}, nullptr},
  };
  for (const Case& c : cases) {
    const BirthPlace place = PlaceAtBirth(FirstCity(c.query), c.localBirth);
    const std::optional<std::string> note = CityTimeNote(place);
    EXPECT_EQ(note.value_or("(none)"), c.note ? c.note : "(none)") << c.query;
  }
}

TEST(AtlasPlace, ClockChangeNoticeGivesBothUniversalTimes) {
  const BirthPlace skipped =
      PlaceAtBirth(FirstCity("New York"), {2015, 3, 8, 2, 30, 0});
  EXPECT_EQ(ClockChangeNotice(skipped),
            "The clocks at New York, New York, United States of America "
            "skipped 02:30 on the birth date (they were set forward): read on "
            "the clocks after the change, the birth is at 2015-03-08 06:30:00 "
            "UT (UTC-04:00); on the clocks before it, it would be at "
            "2015-03-08 07:30:00 UT (UTC-05:00).");
  const BirthPlace repeated =
      PlaceAtBirth(FirstCity("Sydney, Australia"), {2000, 3, 26, 2, 30, 0});
  EXPECT_EQ(ClockChangeNotice(repeated),
            "The clocks at Sydney, New South Wales, Australia showed 02:30 "
            "twice on the birth date (they were set back): read as the first "
            "showing, the birth is at 2000-03-25 15:30:00 UT (UTC+11:00); as "
            "the second, it would be at 2000-03-25 16:30:00 UT (UTC+10:00).");
  EXPECT_FALSE(ClockChangeNotice(
      PlaceAtBirth(FirstCity("New York"), {2015, 3, 8, 3, 30, 0})));
}

}  // namespace
}  // namespace tarvelin
