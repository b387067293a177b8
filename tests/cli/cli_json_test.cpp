// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli --json: the keys of the result object, their kinds, and the
// agreement between its parts.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "cli_runner.h"
#include "mini_json.h"

namespace tarvelin::cli_test {
namespace {

using Kind = Json::Kind;

const std::vector<std::string> kDelhiBirth = {
    "--date", "1980-03-15", "--time", "21:05:30", "--lon",  "77:12E",
    "--lat",  "28:36N",     "--zone", "34",       "--name", "RAM"};

Json ReadResult(const CliRun& run) {
  JsonReader reader(run.out);
  const auto value = reader.ReadDocument();
  EXPECT_TRUE(value.has_value()) << reader.Error() << "\n" << run.out;
  return value.value_or(Json{});
}

Json RunJson(std::vector<std::string> args) {
  args.push_back("--json");
  const CliRun run = RunCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return ReadResult(run);
}

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& member : object.members) keys.push_back(member.first);
  return keys;
}

void ExpectKeysOfKind(const Json& object, const std::vector<std::string>& keys,
                      Kind kind, const std::string& where) {
  EXPECT_EQ(Keys(object), keys) << where;
  for (const auto& [key, value] : object.members) {
    EXPECT_TRUE(value.Is(kind)) << where << "." << key;
  }
}

bool IsIsoDateTime(const Json& value) {
  static const std::regex kIso(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d)");
  return value.Is(Kind::kString) && std::regex_match(value.text, kIso);
}

// Characters 4 to 6 of a chart-notation text.
std::string SignOf(const std::string& chartNotation) {
  return chartNotation.size() >= 6 ? chartNotation.substr(3, 3) : "";
}

const char* const kAbbrevs[12] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                  "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
const char* const kBodies[10] = {"Sun",  "Moon",    "Mercury", "Venus",
                                 "Mars", "Jupiter", "Saturn",  "Rahu",
                                 "Ketu", "Asc"};

TEST(CliJson, DelhiBirthHasEveryKeyOfTheRightKind) {
  const Json r = RunJson(kDelhiBirth);
  ASSERT_TRUE(r.Is(Kind::kObject));
  EXPECT_EQ(Keys(r), (std::vector<std::string>{"input",
                                               "zone",
                                               "universal_hours",
                                               "sidereal_correction",
                                               "sidereal_ascendant",
                                               "moon_longitude",
                                               "moon_nakshatra_start",
                                               "longitudes",
                                               "position_texts",
                                               "planet_table",
                                               "retrograde",
                                               "chart",
                                               "markers",
                                               "details",
                                               "sunrises",
                                               "reference_sunrise",
                                               "elapsed_minutes",
                                               "elapsed_seconds",
                                               "sunrise_sun_longitude",
                                               "sunrise_sun_text",
                                               "special_lagnas",
                                               "hora_lagna",
                                               "ascendant_sign",
                                               "attributes",
                                               "notice",
                                               "options",
                                               "hora_lagna_day",
                                               "hora_lagna_margin",
                                               "nearest_place"}));
  // Coordinates given without --place are named by the nearest place.
  EXPECT_EQ(r["nearest_place"]["text"].text,
            "near Defence Colony, National Capital Territory of Delhi, India, "
            "5 km");

  const Json& input = r["input"];
  EXPECT_EQ(Keys(input),
            (std::vector<std::string>{
                "name", "year", "month", "day", "hour", "minute", "second",
                "lon_deg", "lon_min", "east", "lat_deg", "lat_min", "south",
                "zone_index", "dst", "city", "state", "country"}));
  EXPECT_EQ(input["name"].text, "RAM");
  const std::pair<const char*, double> echoed[] = {
      {"year", 1980},  {"month", 3},    {"day", 15},       {"hour", 21},
      {"minute", 5},   {"second", 30},  {"lon_deg", 77},   {"lon_min", 12},
      {"lat_deg", 28}, {"lat_min", 36}, {"zone_index", 34}};
  for (const auto& [key, want] : echoed) {
    EXPECT_TRUE(input[key].Is(Kind::kNumber)) << key;
    EXPECT_EQ(input[key].number, want) << key;
  }
  EXPECT_TRUE(input["east"].Is(Kind::kBool) && input["east"].boolean);
  EXPECT_TRUE(input["south"].Is(Kind::kBool) && !input["south"].boolean);
  EXPECT_TRUE(input["dst"].Is(Kind::kBool) && !input["dst"].boolean);

  EXPECT_EQ(r["zone"]["text"].text, "Indian Time, IST, +5.3");
  EXPECT_EQ(r["zone"]["offset_hours"].number, -5);
  EXPECT_EQ(r["zone"]["offset_minutes"].number, -30);
  EXPECT_EQ(r["zone"]["used"].text, "Indian Time, IST, +5.3");
  EXPECT_FALSE(r["zone"]["exact"].boolean);
  EXPECT_EQ(r["zone"]["utc_offset"].text, "UTC+05:30");
  EXPECT_EQ(r["zone"]["utc_offset_seconds"].number, 19800);
  EXPECT_EQ(r["zone"]["daylight_saving_seconds"].number, 0);
  EXPECT_TRUE(r["zone"]["atlas_zone"].Is(Kind::kNull));
  EXPECT_EQ(r["details"]["lblZone"].text,
            "UTC+05:30 (Indian Time), no daylight saving");

  for (const char* key :
       {"universal_hours", "sidereal_correction", "sidereal_ascendant",
        "moon_longitude", "moon_nakshatra_start", "elapsed_minutes",
        "elapsed_seconds", "sunrise_sun_longitude", "ascendant_sign"}) {
    EXPECT_TRUE(r[key].Is(Kind::kNumber)) << key;
  }
  ExpectKeysOfKind(r["longitudes"],
                   std::vector<std::string>(kBodies, kBodies + 10),
                   Kind::kNumber, "longitudes");
  ExpectKeysOfKind(r["retrograde"],
                   {"Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus",
                    "Neptune", "Pluto"},
                   Kind::kBool, "retrograde");
  ExpectKeysOfKind(
      r["details"],
      {"lblName", "lblDOB", "lblTOB", "lblLatitude", "lblLongitude", "lblCity",
       "lblState", "lblCountry", "lblZone"},
      Kind::kString, "details");
  for (const auto& [key, size] :
       {std::pair<const char*, std::size_t>{"position_texts", 10},
        {"planet_table", 10},
        {"chart", 12},
        {"markers", 12}}) {
    const Json& list = r[key];
    EXPECT_TRUE(list.Is(Kind::kArray)) << key;
    EXPECT_EQ(list.items.size(), size) << key;
    for (const Json& item : list.items) {
      EXPECT_TRUE(item.Is(Kind::kString)) << key;
    }
  }

  EXPECT_EQ(Keys(r["sunrises"]),
            (std::vector<std::string>{"birth_day", "day_before", "day_after"}));
  for (const auto& [day, events] : r["sunrises"].members) {
    EXPECT_EQ(Keys(events), (std::vector<std::string>{"sunrise", "sunset"}));
    for (const auto& [event, when] : events.members) {
      EXPECT_TRUE(IsIsoDateTime(when)) << day << "." << event;
    }
  }
  // An evening birth is timed from the morning of its own day.
  ASSERT_TRUE(IsIsoDateTime(r["reference_sunrise"]));
  EXPECT_EQ(r["reference_sunrise"].text.substr(0, 10), "1980-03-15");
  EXPECT_EQ(r["reference_sunrise"].text,
            r["sunrises"]["birth_day"]["sunrise"].text);
  EXPECT_TRUE(r["sunrise_sun_text"].Is(Kind::kString));

  const Json& lagnas = r["special_lagnas"];
  EXPECT_EQ(Keys(lagnas), (std::vector<std::string>{
                              "ghati", "hora", "bhava", "varnada", "sree",
                              "indu_sign_index", "pranapada_sign_index"}));
  for (const char* key : {"ghati", "hora", "bhava", "varnada", "sree"}) {
    EXPECT_TRUE(lagnas[key].Is(Kind::kNumber)) << key;
  }

  const Json& hl = r["hora_lagna"];
  ASSERT_TRUE(hl.Is(Kind::kObject));
  EXPECT_EQ(Keys(hl),
            (std::vector<std::string>{"longitude", "sign_index", "sign",
                                      "house", "house_text"}));
  EXPECT_TRUE(hl["sign"].Is(Kind::kString));
  EXPECT_FALSE(hl["house_text"].text.empty());

  const Json& attributes = r["attributes"];
  ASSERT_TRUE(attributes.Is(Kind::kObject));
  EXPECT_EQ(attributes.members.size(), 28u);
  for (const auto& [field, text] : attributes.members) {
    EXPECT_TRUE(text.Is(Kind::kString) && !text.text.empty()) << field;
  }
  EXPECT_EQ(attributes["lblArudhaLagnaPresentInSign"].text, hl["sign"].text);
  EXPECT_TRUE(r["notice"].Is(Kind::kNull));
}

// Which sunrise times the birth depends on the birth time: an afternoon
// birth that same morning's, a birth before dawn the previous morning's.
TEST(CliJson, ReferenceSunriseFollowsTheBirthTime) {
  const std::pair<const char*, const char*> cases[] = {{"14:00", "birth_day"},
                                                       {"05:00", "day_before"}};
  for (const auto& [time, day] : cases) {
    std::vector<std::string> args = kDelhiBirth;
    args[3] = time;
    const Json r = RunJson(args);
    ASSERT_TRUE(IsIsoDateTime(r["reference_sunrise"])) << time;
    EXPECT_EQ(r["reference_sunrise"].text, r["sunrises"][day]["sunrise"].text)
        << time;
  }
}

TEST(CliJson, PartsOfTheResultAgree) {
  const Json r = RunJson(kDelhiBirth);
  const auto& table = r["planet_table"].items;
  const auto& positions = r["position_texts"].items;
  ASSERT_EQ(table.size(), 10u);
  ASSERT_EQ(positions.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    const double longitude = r["longitudes"][kBodies[i]].number;
    ASSERT_GE(longitude, 0.0) << kBodies[i];
    ASSERT_LT(longitude, 360.0) << kBodies[i];
    const std::string sign = kAbbrevs[static_cast<int>(longitude / 30)];
    EXPECT_EQ(SignOf(table[i].text), sign)
        << kBodies[i] << " at " << longitude << ": " << table[i].text;
    const std::string& position = positions[i].text;
    EXPECT_EQ(position.substr(position.size() - 3), sign) << position;
    EXPECT_NE(position.find("\xC2\xB0"), std::string::npos)
        << "degree sign as UTF-8 in " << position;
    // Each body is listed in the chart cell of its sign.
    const int cell = static_cast<int>(longitude / 30);
    EXPECT_NE(
        r["chart"].items[cell].text.find("\r\n" + std::string(kBodies[i])),
        std::string::npos)
        << kBodies[i] << " in cell " << cell << ": "
        << r["chart"].items[cell].text;
  }

  const int hlSign = static_cast<int>(r["hora_lagna"]["sign_index"].number);
  ASSERT_GE(hlSign, 0);
  ASSERT_LT(hlSign, 12);
  for (int s = 0; s < 12; ++s) {
    const bool hasHl =
        r["markers"].items[s].text.find("HL") != std::string::npos;
    EXPECT_EQ(hasHl, s == hlSign) << "marker cell " << s;
  }
  const int ascSign = static_cast<int>(r["ascendant_sign"].number);
  EXPECT_EQ(ascSign, static_cast<int>(r["longitudes"]["Asc"].number / 30) + 1);
  EXPECT_EQ(r["hora_lagna"]["house"].number,
            (hlSign + 1 - ascSign + 12) % 12 + 1);
  EXPECT_EQ(static_cast<int>(r["hora_lagna"]["longitude"].number / 30), hlSign);
  EXPECT_EQ(r["details"]["lblName"].text, "RAM");
}

TEST(CliJson, PolarNightHasNoHoraLagnaButANotice) {
  std::vector<std::string> args = kDelhiBirth;
  args[1] = "1980-12-15";
  args[7] = "70:00N";
  const Json r = RunJson(args);
  EXPECT_TRUE(r["hora_lagna"].Is(Kind::kNull));
  EXPECT_TRUE(r["attributes"].Is(Kind::kNull));
  EXPECT_TRUE(r["reference_sunrise"].Is(Kind::kNull));
  ASSERT_TRUE(r["notice"].Is(Kind::kString));
  EXPECT_FALSE(r["notice"].text.empty());
  EXPECT_TRUE(r["sunrises"]["birth_day"]["sunrise"].Is(Kind::kNull));
  // The planets are still computed and drawn.
  EXPECT_EQ(r["planet_table"].items.size(), 10u);
  EXPECT_TRUE(r["longitudes"]["Sun"].Is(Kind::kNumber));
}

TEST(CliJson, TextsAreEscapedAndReadBackUnchanged) {
  const std::string city = "New \"Delhi\" \\ Z\xC3\xBCrich\t/";
  std::vector<std::string> args = kDelhiBirth;
  args.insert(args.end(), {"--city", city, "--state", "", "--country", "IN"});
  const CliRun run = RunCli({args.begin(), args.end()});
  ASSERT_EQ(run.status, 0) << run.err;
  const CliRun jsonRun = [&] {
    auto a = args;
    a.push_back("--json");
    return RunCli(a);
  }();
  const Json r = ReadResult(jsonRun);
  EXPECT_EQ(r["input"]["city"].text, city);
  EXPECT_EQ(r["details"]["lblCity"].text, city);
  EXPECT_EQ(r["input"]["country"].text, "IN");
  // The chart labels' line breaks are written as escapes, never raw.
  EXPECT_NE(jsonRun.out.find("\\r\\n"), std::string::npos);
  for (const std::string& line : Lines(jsonRun.out)) {
    EXPECT_EQ(line.find('\r'), std::string::npos);
  }
  // Integers read as integers.
  EXPECT_NE(jsonRun.out.find("\"year\": 1980,"), std::string::npos);
}

TEST(CliJson, NameIsUpperCased) {
  std::vector<std::string> args = kDelhiBirth;
  args.back() = "sita devi";
  EXPECT_EQ(RunJson(args)["input"]["name"].text, "SITA DEVI");
}

}  // namespace
}  // namespace tarvelin::cli_test
