#include "atlas/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
        std::string(c.place) + " at " + IsoText(c.localBirth);
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

TEST(AtlasZone, ClockChangesAreReadExplicitly) {
  struct Case {
    const char* zone;
    CivilDateTime localBirth;
    LocalTimeFit fit;
    int offsetSeconds;
    bool daylightSaving;
  };
  const Case cases[] = {
      // 02:30 never showed in New York on 14 March 2010: read on the
      // clocks after the change.
      {"America/New_York",
       {2010, 3, 14, 2, 30, 0},
       LocalTimeFit::Skipped,
       -4 * kHour,
       true},
      // 01:30 showed twice on 7 November 2010: the first showing, still in
      // daylight saving.
      {"America/New_York",
       {2010, 11, 7, 1, 30, 0},
       LocalTimeFit::Repeated,
       -4 * kHour,
       true},
      {"America/New_York",
       {2010, 11, 7, 2, 0, 0},
       LocalTimeFit::Unique,
       -5 * kHour,
       false},
      {"Europe/London",
       {1990, 3, 25, 1, 30, 0},
       LocalTimeFit::Skipped,
       kHour,
       true},
      {"Europe/London",
       {1990, 10, 28, 1, 30, 0},
       LocalTimeFit::Repeated,
       kHour,
       true},
      {"Australia/Sydney",
       {2000, 3, 26, 2, 30, 0},
       LocalTimeFit::Repeated,
       11 * kHour,
       true},
  };
  for (const Case& c : cases) {
    const std::string where =
        std::string(c.zone) + " at " + IsoText(c.localBirth);
    const std::optional<ZoneAtBirth> zone =
        ZoneAtLocalTime(c.zone, c.localBirth);
    ASSERT_TRUE(zone) << where;
    EXPECT_EQ(zone->fit, c.fit) << where;
    EXPECT_EQ(zone->utcOffsetSeconds, c.offsetSeconds) << where;
    EXPECT_EQ(zone->daylightSaving, c.daylightSaving) << where;
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

TEST(AtlasPlace, PlaceWithoutEntrySaysWhy) {
  const AtlasCity kathmandu = FirstCity("Kathmandu");
  const BirthPlace place = PlaceAtBirth(kathmandu, {1990, 1, 15, 12, 0, 0});
  ASSERT_TRUE(place.zone);
  EXPECT_FALSE(place.zonePosition);
  EXPECT_EQ(NoZoneEntryMessage(place),
            "The zone list has no entry for Kathmandu, Bagmati Province, "
            "Nepal: its standard time at the birth date is UTC+05:45. Please "
            "choose the zone yourself.");

  AtlasCity nowhere = kathmandu;
  nowhere.ianaZone = "Atlantis/Poseidonia";
  const BirthPlace lost = PlaceAtBirth(nowhere, {1990, 1, 15, 12, 0, 0});
  EXPECT_FALSE(lost.zone);
  EXPECT_FALSE(lost.zonePosition);
  EXPECT_NE(NoZoneEntryMessage(lost).find("Atlantis/Poseidonia"),
            std::string::npos);
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

TEST(AtlasPlace, LookUpTakesTheFirstMatchOrOffersNearNames) {
  const PlaceLookup springfield =
      LookUpPlace("Springfield", {1990, 7, 15, 12, 0, 0});
  ASSERT_TRUE(springfield.place);
  EXPECT_GT(springfield.matchCount, 1u);
  EXPECT_EQ(CityLabel(springfield.place->city),
            "Springfield, Missouri, United States of America");
  EXPECT_EQ(EntryText(springfield.place->zonePosition),
            "Central Standard Time,CST,-6.0");
  EXPECT_TRUE(springfield.closest.empty());

  const PlaceLookup typo = LookUpPlace("Kathmanduu", {1990, 7, 15, 12, 0, 0});
  EXPECT_FALSE(typo.place);
  EXPECT_EQ(typo.matchCount, 0u);
  ASSERT_FALSE(typo.closest.empty());
  EXPECT_EQ(typo.closest.front(), "Kathmandu, Bagmati Province, Nepal");
}

TEST(AtlasPlace, OffsetTexts) {
  EXPECT_EQ(UtcOffsetText(5 * kHour + 45 * kMinute), "UTC+05:45");
  EXPECT_EQ(UtcOffsetText(-3 * kHour - 30 * kMinute), "UTC-03:30");
  EXPECT_EQ(UtcOffsetText(0), "UTC+00:00");
  EXPECT_EQ(UtcOffsetText(-(kHour + 15)), "UTC-01:00:15");
}

}  // namespace
}  // namespace tarvelin
