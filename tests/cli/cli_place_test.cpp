// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli --place and --places: the offline atlas fills the birth
// place, zone and daylight saving; explicit flags win; an unknown place or a
// place without a zone-list entry is a clear error with status 2.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli_runner.h"
#include "mini_json.h"

namespace tarvelin::cli_test {
namespace {

using Kind = Json::Kind;

std::vector<std::string> Birth(const std::string& place,
                               const std::string& date,
                               const std::string& time = "12:00") {
  return {"--place", place, "--date", date, "--time", time, "--name", "A"};
}

std::vector<std::string> Plus(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

Json RunJson(const std::vector<std::string>& args) {
  const CliRun run = RunCli(Plus(args, {"--json"}));
  EXPECT_EQ(run.status, 0) << run.err;
  JsonReader reader(run.out);
  const auto value = reader.ReadDocument();
  EXPECT_TRUE(value.has_value()) << reader.Error() << "\n" << run.out;
  return value.value_or(Json{});
}

// The report from its heading on, without the place lines before it.
std::string ReportBody(const std::string& out) {
  const auto heading = out.find("Hora Lagna of ");
  return heading == std::string::npos ? out : out.substr(heading);
}

TEST(CliPlace, LondonInJulyTakesGmtWithDaylightSaving) {
  const Json result = RunJson(Birth("London", "1990-07-15"));
  const Json& input = result["input"];
  EXPECT_EQ(input["zone_index"].number, 29);
  EXPECT_TRUE(input["dst"].boolean);
  EXPECT_EQ(input["lon_deg"].number, 0);
  EXPECT_EQ(input["lon_min"].number, 8);
  EXPECT_FALSE(input["east"].boolean);
  EXPECT_EQ(input["lat_deg"].number, 51);
  EXPECT_EQ(input["lat_min"].number, 31);
  EXPECT_FALSE(input["south"].boolean);
  EXPECT_EQ(input["city"].text, "London");
  EXPECT_EQ(result["zone"]["text"].text, "Greenwich Mean Time,GMT,0.0");

  const Json& place = result["place"];
  ASSERT_TRUE(place.Is(Kind::kObject)) << "no \"place\" object";
  EXPECT_EQ(place["query"].text, "London");
  EXPECT_EQ(place["city"].text, "London");
  EXPECT_EQ(place["state"].text, "England");
  EXPECT_EQ(place["country"].text, "United Kingdom");
  EXPECT_EQ(place["iana_zone"].text, "Europe/London");
  EXPECT_GT(place["matches"].number, 1);  // Londonderry, London (Ontario)...
  EXPECT_EQ(place["utc_offset_seconds"].number, 3600);
  EXPECT_EQ(place["standard_offset_seconds"].number, 0);
  EXPECT_TRUE(place["daylight_saving"].boolean);
  EXPECT_EQ(place["local_time"].text, "unique");
  EXPECT_EQ(place["zone_index"].number, 29);

  const Json winter = RunJson(Birth("London", "1990-01-15"));
  EXPECT_FALSE(winter["input"]["dst"].boolean);
  EXPECT_EQ(winter["input"]["zone_index"].number, 29);
}

TEST(CliPlace, TextReportSaysWhichPlaceWasTaken) {
  const CliRun run = RunCli(Birth("London", "1990-07-15"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Place: London, England, United Kingdom "
                          "(Europe/London)\n",
                          0),
            0u)
      << run.out.substr(0, 300);
  EXPECT_NE(run.out.find("UTC+01:00 at the birth, daylight saving in force"),
            std::string::npos);
  EXPECT_NE(run.out.find("zone 29 \"Greenwich Mean Time,GMT,0.0\""),
            std::string::npos);
}

// --place computes exactly what the same values given as flags compute.
TEST(CliPlace, FillsWhatTheFlagsWouldGive) {
  const CliRun byPlace = RunCli(Birth("New Delhi", "1980-03-15", "21:05:30"));
  const CliRun byFlags = RunCli(
      {"--date", "1980-03-15", "--time", "21:05:30", "--name", "A", "--lon",
       "77:13E", "--lat", "28:38N", "--zone", "34", "--city", "New Delhi",
       "--state", "National Capital Territory of Delhi", "--country", "India"});
  ASSERT_EQ(byPlace.status, 0) << byPlace.err;
  ASSERT_EQ(byFlags.status, 0) << byFlags.err;
  EXPECT_EQ(ReportBody(byPlace.out), ReportBody(byFlags.out));
}

TEST(CliPlace, ExplicitFlagsWin) {
  const Json result = RunJson(Plus(
      Birth("London", "1990-01-15"),
      {"--zone", "61", "--lon", "0:0E", "--dst", "--city", "Westminster"}));
  const Json& input = result["input"];
  EXPECT_EQ(input["zone_index"].number, 61);  // Universal Time
  EXPECT_EQ(input["lon_min"].number, 0);
  EXPECT_TRUE(input["east"].boolean);
  EXPECT_TRUE(input["dst"].boolean);       // given, though winter
  EXPECT_EQ(input["lat_deg"].number, 51);  // from the atlas
  EXPECT_EQ(input["city"].text, "Westminster");
  EXPECT_EQ(input["state"].text, "England");
  EXPECT_EQ(result["place"]["zone_index"].number, 29);  // what it would be
}

TEST(CliPlace, NewYorkKeepsTheRulesOf2007) {
  const Json in2010 = RunJson(Birth("New York", "2010-03-20"));
  EXPECT_TRUE(in2010["input"]["dst"].boolean);
  EXPECT_EQ(in2010["zone"]["text"].text, "Eastern Standard Time,EST,-5.0");
  const Json in2006 = RunJson(Birth("New York", "2006-03-20"));
  EXPECT_FALSE(in2006["input"]["dst"].boolean);
}

TEST(CliPlace, ClockChangeIsNamed) {
  // Moved forward by the gap: 02:30 is read with the offset before the
  // change, standard time, which is 03:30 on the clocks after it.
  const Json skipped = RunJson(Birth("New York", "2010-03-14", "02:30"));
  EXPECT_EQ(skipped["place"]["local_time"].text, "skipped");
  EXPECT_FALSE(skipped["input"]["dst"].boolean);
  EXPECT_EQ(skipped["universal_hours"].number, 7.5);
  EXPECT_EQ(skipped["place"]["universal_time"].text, "2010-03-14T07:30:00");
  EXPECT_EQ(skipped["place"]["other_universal_time"].text,
            "2010-03-14T06:30:00");
  const CliRun text = RunCli(Birth("New York", "2010-03-14", "02:30"));
  EXPECT_NE(text.out.find("02:30 on the birth date (they were set forward)"),
            std::string::npos)
      << text.out.substr(0, 400);
}

// Universal times read from the time-zone database (zdump), not from
// Tarvelin: double summer time, half an hour of saving, offsets the list
// lacks, and --zone, --dst, --no-dst and --utc-offset over the atlas.
TEST(CliPlace, UniversalTimeFollowsTheDatabase) {
  struct Case {
    const char* place;
    const char* date;
    std::vector<std::string> flags;
    double universalHours;
    const char* used;
  };
  const Case cases[] = {
      {"London", "1941-06-15", {}, 10, "British Double Summer Time,BDST,+2.0"},
      {"Berlin",
       "1945-06-15",
       {},
       9,
       "Eastern European Daylight Time,EED,+3.0"},
      {"Auckland", "1943-06-15", {}, 0, "New Zealand Std Time,NZT,+12.0"},
      {"Kathmandu",
       "1990-07-15",
       {},
       6.25,
       "UTC+05:45 at the birth (Asia/Kathmandu)"},
      {"Kathmandu", "1980-07-15", {}, 6.5, "Indian Time, IST, +5.3"},
      {"Amsterdam",
       "1930-01-15",
       {},
       11 + 40 / 60.0 + 28 / 3600.0,
       "UTC+00:19:32 at the birth (Europe/Amsterdam)"},
      // British Summer Time given as the zone is not counted twice.
      {"London",
       "1990-07-15",
       {"--zone", "16"},
       11,
       "British Summer Time,BST,+1.0"},
      {"London", "1990-07-15", {"--no-dst"}, 12, "Greenwich Mean Time,GMT,0.0"},
      // --no-dst is the standard time, also under double summer time or
      // half an hour of saving; --dst adds nothing where saving is in force.
      {"London", "1941-06-15", {"--no-dst"}, 12, "Greenwich Mean Time,GMT,0.0"},
      {"London",
       "1941-06-15",
       {"--dst"},
       10,
       "British Double Summer Time,BDST,+2.0"},
      {"Berlin",
       "1945-06-15",
       {"--no-dst"},
       11,
       "Central European Time,CET,+1.0"},
      {"Lord Howe",
       "2000-01-15",
       {"--no-dst"},
       1.5,
       "Australian Central Daylight Time,ACDT,+10.5"},
      // Irish summer late in the year: an hour of saving over GMT.
      {"Dublin, Ireland", "2020-10-20", {}, 11, "Greenwich Mean Time,GMT,0.0"},
      {"Kathmandu",
       "1990-07-15",
       {"--dst"},
       5.25,
       "UTC+06:45 at the birth (Asia/Kathmandu)"},
      {"Kathmandu", "1990-07-15", {"--utc-offset", "+05:30"}, 6.5, "UTC+05:30"},
  };
  for (const Case& c : cases) {
    const std::string where = std::string(c.place) + " " + c.date;
    const Json result = RunJson(Plus(Birth(c.place, c.date), c.flags));
    EXPECT_NEAR(result["universal_hours"].number, c.universalHours, 1e-9)
        << where;
    EXPECT_EQ(result["zone"]["used"].text, c.used) << where;
    // One instant in every field, whatever gave the offset.
    const std::string ut = result["place"]["universal_time"].text;
    ASSERT_EQ(ut.size(), 19u) << where;
    const double hours = std::stoi(ut.substr(11, 2)) +
                         std::stoi(ut.substr(14, 2)) / 60.0 +
                         std::stoi(ut.substr(17, 2)) / 3600.0;
    EXPECT_NEAR(std::fmod(result["universal_hours"].number + 24, 24), hours,
                1e-6)
        << where;
  }
}

TEST(CliPlace, NamesPeopleUse) {
  EXPECT_EQ(RunJson(Birth("Bombay", "1990-07-15"))["place"]["city"].text,
            "Mumbai");
  const Json singapore = RunJson(Birth("Singapore", "1990-07-15"));
  EXPECT_EQ(singapore["place"]["iana_zone"].text, "Asia/Singapore");
  EXPECT_EQ(singapore["zone"]["utc_offset"].text, "UTC+08:00");

  const CliRun partial = RunCli(Birth("New", "1990-07-15"));
  EXPECT_EQ(partial.status, 2);
  EXPECT_EQ(partial.err.rfind("Unknown place \"New\"; closest names: New "
                              "York City, New York, United States of America; ",
                              0),
            0u)
      << partial.err;
  EXPECT_TRUE(partial.out.empty());
}

// Standard error warns, one line each, and the result still comes.
TEST(CliPlace, WarningsGoToStandardError) {
  struct Case {
    std::vector<std::string> args;
    const char* line;  // the one line expected on standard error
  };
  const Case cases[] = {
      {Birth("New York City", "2015-03-08", "02:30"),
       "tarvelin-cli: The clocks at New York City, New York, United States of "
       "America skipped 02:30 on the birth date (they were set forward): "
       "moved forward by the gap to 03:30, read with the offset before the "
       "change, the birth is at 2015-03-08 07:30:00 UT (UTC-05:00); read on "
       "the clocks after the change, it would be at 2015-03-08 06:30:00 UT "
       "(UTC-04:00).\n"},
      {Birth("Hyderabad", "1990-07-15"),
       "tarvelin-cli: \"Hyderabad\" names 2 cities: Hyder\u0101b\u0101d, "
       "Telangana, India, the most populous, was taken; 1 other shares the "
       "name: Hyderabad, Sindh Province, Pakistan (add the state or country, "
       "as in \"Hyderabad, Pakistan\").\n"},
      {Plus(Birth("London", "1941-06-15"), {"--no-dst"}),
       "tarvelin-cli: \"London\" names 8 cities: London, England, United "
       "Kingdom, the most populous, was taken; 7 others share the name: "
       "London, Ontario, Canada; London, Ohio, United States of America; "
       "London, Kentucky, United States of America ... (add the state or "
       "country, as in \"London, Canada\").\n"
       "tarvelin-cli: --no-dst: the standard offset of Europe/London at the "
       "birth, UTC+00:00, was used; the clocks showed UTC+02:00\n"},
      {Birth("Kolkata", "1947-08-15"),
       "tarvelin-cli: The recorded time of a birth in Kolkata before 1948 may "
       "be Calcutta Time, the city's own time (UTC+05:53:20), rather than the "
       "zone's UTC+05:30; if so, give UTC+05:53:20 as the exact offset.\n"},
      // Delhi's coordinates on the list's first zone, Alaska/Hawaii (-9).
      {{"--name", "A", "--date", "1990-07-15", "--time", "12:00", "--lon",
        "77:12E", "--lat", "28:36N", "--zone", "0"},
       "tarvelin-cli: The zone UTC-09:00 is far from longitude 77:12E (its "
       "meridian is 148 degrees away); calculated anyway, check the zone\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(Plus(c.args, {"--json"}));
    EXPECT_EQ(run.status, 0) << c.line;
    EXPECT_EQ(run.err, c.line);
    EXPECT_FALSE(run.out.empty()) << c.line;
  }
  // A script reads the skipped time in the JSON's notice too.
  const Json skipped = RunJson(Birth("New York", "2015-03-08", "02:30"));
  EXPECT_NE(skipped["notice"].text.find("2015-03-08 07:30:00 UT"),
            std::string::npos)
      << skipped["notice"].text;
  EXPECT_TRUE(RunJson(Birth("New York", "2015-03-08", "03:30"))["notice"].Is(
      Kind::kNull));
}

TEST(CliPlace, UnknownPlaceIsAnErrorWithNearNames) {
  struct Case {
    const char* place;
    const char* err;
  };
  const Case cases[] = {
      {"Xyzzyville",
       "Unknown place \"Xyzzyville\"; no city of the atlas is named near "
       "it\n"},
      {"Kathmandoo",
       "Unknown place \"Kathmandoo\"; closest names: Kathmandu, Bagmati "
       "Province, Nepal\n"},
      {"London, Atlantis",
       "Unknown place \"London, Atlantis\"; closest names: London, England, "
       "United Kingdom; London, Ontario, Canada; London, Ohio, United States "
       "of America; London, Kentucky, United States of America; City of "
       "London, England, United Kingdom\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(Birth(c.place, "1990-07-15"));
    EXPECT_EQ(run.status, 2) << c.place;
    EXPECT_EQ(run.err, c.err) << c.place;
    EXPECT_TRUE(run.out.empty()) << c.place;
  }
}

TEST(CliPlace, FlagChecks) {
  struct Case {
    const char* what;
    std::vector<std::string> args;
    const char* err;
  };
  const Case cases[] = {
      {"--place does not stand in for the date",
       {"--place", "London", "--time", "12:00", "--name", "A"},
       "tarvelin-cli: missing --date (try --help)\n"},
      {"a bad date is told before the place is looked up",
       Birth("Xyzzyville", "1990-13-01"), "Month must be between 1 and 12\n"},
      {"--places stands alone",
       {"--places", "London", "--name", "A"},
       "tarvelin-cli: --places takes no other flags than --json\n"},
      {"--utc-offset with --zone",
       Plus(Birth("London", "1990-07-15"),
            {"--utc-offset", "+1", "--zone", "29"}),
       "tarvelin-cli: --utc-offset is given in place of --zone (it includes "
       "any daylight saving)\n"},
      {"--dst with --no-dst",
       Plus(Birth("London", "1990-07-15"), {"--dst", "--no-dst"}),
       "tarvelin-cli: --dst and --no-dst contradict each other\n"},
      {"an offset beyond +14:00",
       Plus(Birth("London", "1990-07-15"), {"--utc-offset", "+14:30"}),
       "UTC offset must look like +05:45 or -04:30 or +05:53:20, between "
       "-12:00 and +14:00\n"},
      {"--places of nothing known",
       {"--places", "Xyzzyville"},
       "Unknown place \"Xyzzyville\"; no city of the atlas is named near "
       "it\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
  }
}

// Without its file the atlas knows no place, and says so rather than
// "unknown place"; births given by coordinates are still computed.
TEST(CliPlace, MissingAtlasFileIsNamed) {
  setenv("TARVELIN_ATLAS", "/nonexistent/places.atlas", 1);
  const CliRun place = RunCli(Birth("London", "1990-07-15"));
  const CliRun places = RunCli({"--places", "Lon"});
  const CliRun coordinates =
      RunCli({"--name", "A", "--date", "1990-07-15", "--time", "12:00", "--lon",
              "77:12E", "--lat", "28:36N", "--zone", "34", "--json"});
  unsetenv("TARVELIN_ATLAS");
  const std::string missing =
      "The atlas file is missing (looked for /nonexistent/places.atlas)\n";
  EXPECT_EQ(place.status, 2);
  EXPECT_EQ(place.err, missing);
  EXPECT_EQ(places.status, 2);
  EXPECT_EQ(places.err, missing);
  EXPECT_EQ(coordinates.status, 0) << coordinates.err;
  EXPECT_NE(coordinates.out.find("\"nearest_place\": null"), std::string::npos);
}

TEST(CliPlaces, ListsTheMatches) {
  const CliRun run = RunCli({"--places", "Chenn"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "Chennai, Tamil Nadu, India  13:05N 80:17E  Asia/Kolkata");

  const CliRun json = RunCli({"--places", "Chenn", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  JsonReader reader(json.out);
  const auto list = reader.ReadDocument();
  ASSERT_TRUE(list.has_value()) << reader.Error();
  ASSERT_TRUE(list->Is(Kind::kArray));
  ASSERT_FALSE(list->items.empty());
  const Json& first = list->items.front();
  EXPECT_EQ(first["city"].text, "Chennai");
  EXPECT_EQ(first["iana_zone"].text, "Asia/Kolkata");
  EXPECT_NEAR(first["latitude"].number, 13.08784, 1e-5);  // degrees
  EXPECT_GT(first["population"].number, 4e6);
}

}  // namespace
}  // namespace tarvelin::cli_test
