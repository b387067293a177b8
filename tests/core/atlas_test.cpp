// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "atlas/atlas_table.h"
#include "atlas/place_text.h"
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

std::vector<std::string> Labels(const std::vector<AtlasCity>& cities) {
  std::vector<std::string> labels;
  for (const AtlasCity& city : cities) labels.push_back(CityLabel(city));
  return labels;
}

// --- comparing names --------------------------------------------------------

TEST(AtlasNames, TextsAreComparedWithoutCaseAccentsAndPunctuation) {
  const struct {
    const char* typed;
    const char* folded;
  } cases[] = {
      {"Z\u00fcrich", "zurich"},
      {"  S\u00e3o   PAULO ", "sao paulo"},
      {"St. Petersburg", "st petersburg"},
      {"Washington, D.C.", "washington dc"},
      {"Saint-Denis", "saint denis"},
      {"N'Djamena", "ndjamena"},
      {"\u0141\u00f3d\u017a", "lodz"},
      {"\u00c6r\u00f8sk\u00f8bing", "aeroskobing"},
      {"\uff2c\uff4f\uff4e\uff44\uff4f\uff4e", "london"},  // full width
      {"\u041c\u043e\u0441\u043a\u0432\u0430",
       "\u043c\u043e\u0441\u043a\u0432\u0430"},
      {"\u0419\u043e\u0448\u043a\u0430\u0440-\u041e\u043b\u0430",
       "\u0438\u043e\u0448\u043a\u0430\u0440 \u043e\u043b\u0430"},  // й = и
      {"...", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FoldedPlaceText(std::string(c.typed)), c.folded) << c.typed;
  }
  // Marks that make another name stay: the vowel signs of Indian scripts,
  // Japanese voicing.
  const std::pair<const char*, const char*> different[] = {
      {"\u092e\u0941\u0902\u092c\u0908", "\u092e\u092c\u0908"},  // मुंबई, मबई
      {"\u304c", "\u304b"},                                      // が, か
  };
  for (const auto& [one, other] : different) {
    EXPECT_NE(FoldedPlaceText(std::string(one)),
              FoldedPlaceText(std::string(other)))
        << one;
  }
  EXPECT_EQ(FoldedNameVariants("st petersburg"),
            std::vector<std::string>{"saint petersburg"});
  EXPECT_EQ(FoldedNameVariants("sainte foy les lyon"),
            std::vector<std::string>{"ste foy les lyon"});
  EXPECT_TRUE(FoldedNameVariants("stockholm").empty());
}

// --- finding places ---------------------------------------------------------

TEST(AtlasPlaces, TheFileHoldsEveryPlaceOfTheList) {
  EXPECT_EQ(AtlasProblem(), "");
  EXPECT_GT(AtlasPlaceCount(), 199000u);
  EXPECT_LT(AtlasPlaceCount(), 201000u);
}

// What a user types, in any script and spelling, and the place it must find
// first, as the City box offers it and as --place takes it.
TEST(AtlasPlaces, NamesInEveryScriptAndSpellingFindThePlace) {
  const struct {
    const char* typed;
    const char* label;
  } cases[] = {
      {"\u092e\u0941\u0902\u092c\u0908", "Mumbai, Maharashtra, India"},
      {"\u091a\u0947\u0928\u094d\u0928\u0908", "Chennai, Tamil Nadu, India"},
      {"\u5317\u4eac", "Beijing, Beijing Municipality, China"},
      {"\u041c\u043e\u0441\u043a\u0432\u0430", "Moscow, Moscow, Russia"},
      {"\u6771\u4eac", "Tokyo, Tokyo, Japan"},
      {"\u0627\u0644\u0642\u0627\u0647\u0631\u0629",
       "Cairo, Cairo Governorate, Egypt"},
      // Former and local names.
      {"Bombay", "Mumbai, Maharashtra, India"},
      {"bombay, india", "Mumbai, Maharashtra, India"},
      {"Madras", "Chennai, Tamil Nadu, India"},
      {"Calcutta", "Kolkata, State of West Bengal, India"},
      {"Peking", "Beijing, Beijing Municipality, China"},
      {"Peiping", "Beijing, Beijing Municipality, China"},
      {"Gurugram", "Gurgaon, Haryana, India"},
      {"Saigon", "Ho Chi Minh City, Ho Chi Minh City, Vietnam"},
      {"Kiev", "Kyiv, Kyiv City, Ukraine"},
      {"MUENCHEN", "Munich, Bavaria, Germany"},
      {"Kobenhavn", "Copenhagen, Capital Region, Denmark"},
      {"Zurich", "Z\u00fcrich, Canton of Zurich, Switzerland"},
      {"New Delhi", "New Delhi, National Capital Territory of Delhi, India"},
      {"New Delhi, Delhi",  // whole words of the division
       "New Delhi, National Capital Territory of Delhi, India"},
      // The places the old atlas did not know.
      {"Sringeri", "Sringeri, Karnataka, India"},
      {"Puttaparthi", "Puttaparthi, Andhra Pradesh, India"},
      {"Navi Mumbai", "Navi Mumbai, Maharashtra, India"},
      {"Kalgoorlie", "Kalgoorlie, Western Australia, Australia"},
      {"Katherine, Australia", "Katherine, Northern Territory, Australia"},
      {"Killarney, Ireland", "Cill Airne, Munster, Ireland"},
      // Qualifiers: divisions, postal abbreviations, countries, codes, and
      // the last words without a comma.
      {"Springfield, IL", "Springfield, Illinois, United States of America"},
      {"Springfield IL", "Springfield, Illinois, United States of America"},
      {"Portland, OR", "Portland, Oregon, United States of America"},
      {"Montreal, QC", "Montr\u00e9al, Quebec, Canada"},
      {"London, Canada", "London, Ontario, Canada"},
      {"London, UK", "London, England, United Kingdom"},
      {"Sringeri India", "Sringeri, Karnataka, India"},
      {"San Jose Costa Rica", "San Jos\u00e9, San Jos\u00e9, Costa Rica"},
      {"Chennai, Tamil Nadu, IN", "Chennai, Tamil Nadu, India"},
      {"New York City", "New York City, New York, United States of America"},
      {"NYC", "New York City, New York, United States of America"},
      {"Washington, D.C.",
       "Washington, District of Columbia, United States of America"},
      {"Saint Louis", "St. Louis, Missouri, United States of America"},
      {"St Louis", "St. Louis, Missouri, United States of America"},
  };
  for (const auto& c : cases) {
    const std::vector<AtlasCity> named = CitiesNamed(c.typed);
    ASSERT_FALSE(named.empty()) << c.typed;
    EXPECT_EQ(CityLabel(named.front()), c.label) << c.typed;
    EXPECT_EQ(CityLabel(FirstCity(c.typed)), c.label) << c.typed;
  }
}

TEST(AtlasPlaces, WholeNamesFirstThenTheMostPopulous) {
  // Ambiguous and said so: Russia's city first, Florida's second.
  const std::vector<std::string> petersburg =
      Labels(CitiesNamed("St. Petersburg"));
  ASSERT_GE(petersburg.size(), 2u);
  EXPECT_EQ(petersburg[0], "Saint Petersburg, Saint Petersburg, Russia");
  EXPECT_EQ(petersburg[1], "St. Petersburg, Florida, United States of America");
  const PlaceLookup lookup = LookUpPlace("St. Petersburg", {1990, 1, 1, 12});
  const std::optional<std::string> shared =
      SharedNameMessage("St. Petersburg", lookup);
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->rfind("\"St. Petersburg\" names", 0), 0u) << *shared;
  EXPECT_NE(shared->find("Saint Petersburg, Saint Petersburg, Russia, the "
                         "most populous, was taken"),
            std::string::npos)
      << *shared;

  // A misspelling that is a town's name too still offers the large city.
  const std::vector<std::string> offered = Labels(FindCities("Pittsburg", 5));
  EXPECT_NE(std::find(offered.begin(), offered.end(),
                      "Pittsburgh, Pennsylvania, United States of America"),
            offered.end());
  const std::optional<std::string> pittsburg = SharedNameMessage(
      "Pittsburg", LookUpPlace("Pittsburg", {1990, 1, 1, 12}));
  ASSERT_TRUE(pittsburg);
  EXPECT_NE(pittsburg->find("Pittsburgh, Pennsylvania"), std::string::npos)
      << *pittsburg;

  // York, England is smaller than New York but is named exactly; a word
  // inside a name counts too.
  const std::vector<std::string> york = Labels(FindCities("York", 15));
  ASSERT_FALSE(york.empty());
  EXPECT_EQ(york.front(), "York, England, United Kingdom");
  EXPECT_NE(std::find(york.begin(), york.end(),
                      "New York City, New York, United States of America"),
            york.end());
  // The only Chennai, though it has many names.
  EXPECT_EQ(CitiesNamed("Chennai").size(), 1u);
}

TEST(AtlasPlaces, BeginningsOfNamesAreOffered) {
  const std::vector<std::string> chenn = Labels(FindCities("Chenn"));
  ASSERT_GE(chenn.size(), 2u);
  EXPECT_EQ(chenn.front(), "Chennai, Tamil Nadu, India");
  EXPECT_EQ(chenn[1].rfind("Chenn", 0), 0u) << chenn[1];
  EXPECT_EQ(FindCities("New", 5).size(), 5u);
  // A former name by its beginning; but not from three letters, which begin
  // too many other names ("Lungsod ng Mumbai").
  EXPECT_EQ(CityLabel(FirstCity("Bomb")), "Mumbai, Maharashtra, India");
  for (const AtlasCity& city : FindCities("Lun", 15)) {
    EXPECT_NE(city.name, "Mumbai");
  }
  // In another script: the first letters.
  EXPECT_EQ(CityLabel(FirstCity("\u041c\u043e\u0441\u043a")),
            "Moscow, Moscow, Russia");
  // Prefixes are offered while typing, never taken by --place.
  EXPECT_TRUE(CitiesNamed("Chenn").empty());
}

TEST(AtlasPlaces, UnknownPlaceFindsNothingButOffersNearNames) {
  EXPECT_TRUE(FindCities("Xyzzyville").empty());
  EXPECT_TRUE(FindCities("London, Atlantis").empty());
  EXPECT_TRUE(FindCities("  ").empty());
  EXPECT_TRUE(FindCities(",,,").empty());
  EXPECT_TRUE(ClosestCityLabels("Xyzzyville").empty());
  const struct {
    const char* typo;
    const char* offered;
  } cases[] = {
      {"Lonndon", "London, England, United Kingdom"},
      {"Kathmanduu", "Kathmandu, Bagmati Province, Nepal"},
      {"Cathmandu", "Kathmandu, Bagmati Province, Nepal"},  // sounds alike
      {"Chennnai, India", "Chennai, Tamil Nadu, India"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(CitiesNamed(c.typo).empty()) << c.typo;
    const std::vector<std::string> offered = ClosestCityLabels(c.typo);
    ASSERT_FALSE(offered.empty()) << c.typo;
    EXPECT_EQ(offered.front(), c.offered) << c.typo;
    EXPECT_LE(offered.size(), 5u);
  }
}

// Every zone the atlas file names must be one the system's time-zone
// database answers for, or a place found could not be timed.
TEST(AtlasPlaces, EveryZoneOfTheFileIsInTheTimeZoneDatabase) {
  const std::vector<std::string> zones = AtlasZoneNames();
  EXPECT_GT(zones.size(), 350u);
  for (const std::string& zone : zones) {
    EXPECT_TRUE(ZoneAtLocalTime(zone, {2000, 1, 1, 12, 0, 0})) << zone;
  }
}

// The zones the source gave these places do not serve their countries:
// the atlas has the country's own.
TEST(AtlasPlaces, ZonesFitTheirCountry) {
  EXPECT_EQ(FirstCity("Quvasoy").ianaZone, "Asia/Tashkent");
  EXPECT_EQ(FirstCity("Ciudad Juarez").ianaZone, "America/Ciudad_Juarez");
  // A principal city of a zone that the list lacks is added.
  EXPECT_EQ(FirstCity("Lord Howe").ianaZone, "Australia/Lord_Howe");
}

TEST(AtlasPlaces, NearestPlaceToCoordinates) {
  // A place's own position finds it, in every quarter of the globe.
  for (const char* query :
       {"Sringeri", "New York City", "Sao Paulo", "Labasa", "Hobart"}) {
    const AtlasCity city = FirstCity(query);
    const std::optional<NearPlace> near =
        NearestPlace(city.latitudeDegrees, city.longitudeDegrees);
    ASSERT_TRUE(near) << query;
    EXPECT_EQ(CityLabel(near->city), CityLabel(city)) << query;
    EXPECT_LT(near->kilometres, 0.01) << query;
  }
  const struct {
    double latitude, longitude;
    const char* label;  // nullptr: none near enough
    double kilometres;
  } cases[] = {
      // 1.5 minutes of latitude north of Sringeri.
      {13.41667 + 0.025, 75.25, "Sringeri, Karnataka, India", 2.9},
      // Across the date line: Labasa lies at 179.38 degrees east.
      {-16.80, -179.99, "Labasa, Northern, Fiji", 80.5},
      {0, -150, nullptr, 0},    // the Pacific
      {89.9, 0, nullptr, 0},    // the North Pole
      {-89.9, 10, nullptr, 0},  // the South Pole
  };
  for (const auto& c : cases) {
    const std::optional<NearPlace> near = NearestPlace(c.latitude, c.longitude);
    const std::string where =
        std::to_string(c.latitude) + "," + std::to_string(c.longitude);
    if (!c.label) {
      EXPECT_FALSE(near) << where;
      continue;
    }
    ASSERT_TRUE(near) << where;
    EXPECT_EQ(CityLabel(near->city), c.label) << where;
    EXPECT_NEAR(near->kilometres, c.kilometres, 1.0) << where;
  }
  NearPlace three{FirstCity("Sringeri"), 3.4};
  EXPECT_EQ(NearPlaceText(three), "near Sringeri, Karnataka, India, 3 km");
  three.kilometres = 0.4;
  EXPECT_EQ(NearPlaceText(three),
            "near Sringeri, Karnataka, India, under 1 km");
}

// A file that is not an atlas file, or is cut short, is refused whole.
TEST(AtlasPlaces, DamagedFileIsRefused) {
  atlas_file::Header header{};
  std::memcpy(header.magic, atlas_file::kMagic, sizeof header.magic);
  header.byteOrder = atlas_file::kByteOrderMark;
  header.version = atlas_file::kVersion;
  header.placeCount = 10;
  std::vector<unsigned char> bytes(sizeof header);
  std::memcpy(bytes.data(), &header, sizeof header);
  atlas_file::Table table;
  std::string problem;
  EXPECT_FALSE(table.Open(bytes.data(), bytes.size(), problem));
  EXPECT_EQ(problem, "it is cut short or damaged");
  bytes[0] = 'X';
  EXPECT_FALSE(table.Open(bytes.data(), bytes.size(), problem));
  EXPECT_EQ(problem, "it is not an atlas file");
  EXPECT_FALSE(table.Open(bytes.data(), 10, problem));
  EXPECT_EQ(table.placeCount(), 0u);
  EXPECT_EQ(table.Text(0), "");
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
      // Late in the summer, when half a year either way is summer too.
      {"Dublin",
       {2020, 10, 20, 12, 0, 0},
       kHour,
       0,
       true,
       "Greenwich Mean Time,GMT,0.0"},
      {"Dublin",
       {2020, 4, 1, 12, 0, 0},
       kHour,
       0,
       true,
       "Greenwich Mean Time,GMT,0.0"},
      // Namibia's winter time (1994-2017) was the negative saving.
      {"Windhoek",
       {2000, 7, 1, 12, 0, 0},
       kHour,
       kHour,
       false,
       "Central European Time,CET,+1.0"},
      {"Windhoek",
       {2000, 1, 1, 12, 0, 0},
       2 * kHour,
       kHour,
       true,
       "Central European Time,CET,+1.0"},
      // Casablanca sets its clocks back for Ramadan.
      {"Casablanca",
       {2019, 5, 15, 12, 0, 0},
       0,
       0,
       false,
       "Greenwich Mean Time,GMT,0.0"},
      {"Casablanca",
       {2019, 12, 1, 12, 0, 0},
       kHour,
       0,
       true,
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
    EXPECT_EQ(DateTimeText(zone->universal), DateTimeText(c.universal))
        << where;
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
      // 02:30 never showed in New York on 8 March 2015: read with the offset
      // before the change, which moves it forward by the gap to 03:30 EDT;
      // on the clocks after the change it would be an hour earlier.
      {"America/New_York",
       {2015, 3, 8, 2, 30, 0},
       LocalTimeFit::Skipped,
       -5 * kHour,
       {2015, 3, 8, 7, 30, 0},
       -4 * kHour,
       {2015, 3, 8, 6, 30, 0}},
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
       0,
       {1990, 3, 25, 1, 30, 0},
       kHour,
       {1990, 3, 25, 0, 30, 0}},
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
       10 * kHour,
       {2001, 10, 27, 16, 30, 0},
       11 * kHour,
       {2001, 10, 27, 15, 30, 0}},
      // Lord Howe Island moves its clocks by half an hour.
      {"Australia/Lord_Howe",
       {2001, 10, 28, 2, 15, 0},
       LocalTimeFit::Skipped,
       10 * kHour + 30 * kMinute,
       {2001, 10, 27, 15, 45, 0},
       11 * kHour,
       {2001, 10, 27, 15, 15, 0}},
  };
  for (const Case& c : cases) {
    const std::string where =
        std::string(c.zone) + " at " + DateTimeText(c.localBirth);
    const std::optional<ZoneAtBirth> zone =
        ZoneAtLocalTime(c.zone, c.localBirth);
    ASSERT_TRUE(zone) << where;
    EXPECT_EQ(zone->fit, c.fit) << where;
    EXPECT_EQ(zone->utcOffsetSeconds, c.offsetSeconds) << where;
    EXPECT_EQ(DateTimeText(zone->universal), DateTimeText(c.universal))
        << where;
    EXPECT_EQ(zone->otherOffsetSeconds, c.otherOffsetSeconds) << where;
    EXPECT_EQ(DateTimeText(zone->otherUniversal),
              DateTimeText(c.otherUniversal))
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
            "with the offset before the change, UTC+00:00, which moves it "
            "forward by the gap to 02:30 on the clocks after it (UTC+01:00).");
  EXPECT_EQ(ClockChangeMessage(PlaceAtBirth(london, {1990, 10, 28, 1, 5})),
            "The clocks at London, England, United Kingdom showed 01:05 twice "
            "on the birth date (they were set back); the birth time is read "
            "as the first of the two, UTC+01:00.");
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
            "The clocks at New York City, New York, United States of America "
            "skipped 02:30 on the birth date (they were set forward): moved "
            "forward by the gap to 03:30, read with the offset before the "
            "change, the birth is at 2015-03-08 07:30:00 UT (UTC-05:00); read "
            "on the clocks after the change, it would be at 2015-03-08 "
            "06:30:00 UT (UTC-04:00).");
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
