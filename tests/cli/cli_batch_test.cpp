// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli --batch: one JSON line per row, error lines in place of bad
// rows, and exit status 1 when any row was bad.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "mini_json.h"

namespace tarvelin::cli_test {
namespace {

using Kind = Json::Kind;

const std::string kOneBadRow =
    std::string(TARVELIN_TEST_DATA_DIR) + "/cli_batch_one_bad_row.csv";

std::vector<Json> ReadLines(const std::string& out) {
  std::vector<Json> values;
  for (const std::string& line : Lines(out)) {
    JsonReader reader(line);
    const auto value = reader.ReadDocument();
    EXPECT_TRUE(value.has_value()) << reader.Error() << ": " << line;
    values.push_back(value.value_or(Json{}));
  }
  return values;
}

// One run of `args` writes the JSON `row` holds.
void ExpectSingleRunGives(const std::vector<std::string>& args,
                          const Json& row) {
  const CliRun single = RunCli(args);
  ASSERT_EQ(single.status, 0) << single.err;
  JsonReader reader(single.out);
  const auto value = reader.ReadDocument();
  ASSERT_TRUE(value) << reader.Error();
  EXPECT_TRUE(*value == row) << single.out;
}

TEST(CliBatch, BadRowGetsAnErrorLineAndTheOthersAreComputed) {
  const CliRun run = RunCli({"--batch", kOneBadRow, "--json"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
  const auto rows = ReadLines(run.out);
  ASSERT_EQ(rows.size(), 3u) << run.out;

  EXPECT_EQ(rows[0]["input"]["name"].text, "RAM");
  EXPECT_TRUE(rows[0]["hora_lagna"].Is(Kind::kObject));

  EXPECT_EQ(rows[1].members.size(), 2u);
  EXPECT_EQ(rows[1]["line"].number, 3);  // the header is line 1
  EXPECT_EQ(rows[1]["error"].text, "Please Enter Correct Date Or Month !");

  EXPECT_EQ(rows[2]["input"]["name"].text, "SITA");
  EXPECT_TRUE(rows[2]["input"]["dst"].boolean);
  EXPECT_TRUE(rows[2]["input"]["south"].boolean);
  EXPECT_FALSE(rows[2]["input"]["east"].boolean);
}

// A row's object is the one a single run computes for the same birth, also
// when earlier rows left values behind in the calculation, and under the
// calculation options given for the whole batch.
TEST(CliBatch, RowsEqualSingleRuns) {
  const std::vector<std::string> optionSets[] = {
      {},
      {"--sunrise", "centre", "--ayanamsa", "raman", "--time-uncertainty",
       "45"}};
  for (const std::vector<std::string>& options : optionSets) {
    std::vector<std::string> args = {"--batch", kOneBadRow};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun batch = RunCli(args);
    const auto rows = ReadLines(batch.out);
    ASSERT_EQ(rows.size(), 3u);
    std::vector<std::string> singles[] = {
        {"--name", "RAM", "--date", "1980-03-15", "--time", "21:05:30", "--lon",
         "77:12E", "--lat", "28:36N", "--zone", "34", "--json"},
        {"--name", "SITA", "--date", "1975-07-04", "--time", "06:15", "--lon",
         "74:00W", "--lat", "40:43S", "--zone", "27", "--dst", "--json"}};
    const Json* batchRows[] = {&rows[0], &rows[2]};
    for (int i = 0; i < 2; ++i) {
      singles[i].insert(singles[i].end(), options.begin(), options.end());
      ExpectSingleRunGives(singles[i], *batchRows[i]);
    }
  }
}

TEST(CliBatch, LineNumbersCountEveryLineOfTheFile) {
  const TempFile csv(
      "name,date,time,lon,lat,zone,dst\r\n"
      "RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0\r\n"
      "\r\n"
      "RAM,1980-03-15,21:05:30,77:12E,28:36N,34\r\n"
      " RAM , 1980-03-15 , 21:05:30 , 77:12E , 28:36N , 34 , 2 \r\n"
      "RAM,1980-03-15,21:05:30,77:12E,28:36N,99,1\r\n"
      "ram,1980-03-15,21:05:30,77:12E,28:36N,34,1");
  const CliRun run = RunCli({"--batch", csv.path()});
  EXPECT_EQ(run.status, 1);
  const auto rows = ReadLines(run.out);
  ASSERT_EQ(rows.size(), 5u) << run.out;  // the blank line gives nothing
  EXPECT_TRUE(rows[0]["input"].Is(Kind::kObject));
  const std::pair<double, const char*> errors[] = {
      {4, "expected 7 fields name,date,time,lon,lat,zone,dst, found 6"},
      {5, "dst must be 0 or 1"},
      {6, "Zone must be a list index from 0 to 70 (see --zones)"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(rows[1 + i]["line"].number, errors[i].first);
    EXPECT_EQ(rows[1 + i]["error"].text, errors[i].second);
  }
  EXPECT_EQ(rows[4]["input"]["name"].text, "RAM");
}

// A row of a place or an exact offset computes what --place or --utc-offset
// computes for the same birth; a row of coordinates names the place nearest.
TEST(CliBatch, RowsOfPlacesAndOffsetsEqualSingleRuns) {
  const TempFile places(
      "name,date,time,place\n"
      "RAM,1980-03-15,21:05:30,Springfield, IL\n"
      "SITA,2015-03-08,02:30,\"New York City\"\n"
      "LAV,1990-01-01,12:00,Xyzzyville\n");
  const TempFile offsets(
      "name,date,time,lon,lat,utc_offset\n"
      "RAM,1990-07-15,12:00,85:19E,27:43N,+05:45\n");
  const CliRun placeRun = RunCli({"--batch", places.path()});
  EXPECT_EQ(placeRun.status, 1);
  const CliRun offsetRun = RunCli({"--batch", offsets.path()});
  EXPECT_EQ(offsetRun.status, 0) << offsetRun.err;
  std::vector<Json> rows = ReadLines(placeRun.out);
  const std::vector<Json> offsetRows = ReadLines(offsetRun.out);
  ASSERT_EQ(rows.size(), 3u) << placeRun.out;
  ASSERT_EQ(offsetRows.size(), 1u) << offsetRun.out;
  EXPECT_EQ(rows[2]["line"].number, 4);
  EXPECT_EQ(rows[2]["error"].text,
            "Unknown place \"Xyzzyville\"; no city of the atlas is named "
            "near it");
  EXPECT_EQ(offsetRows[0]["nearest_place"]["text"].text,
            "near Kathmandu, Bagmati Province, Nepal, 2 km");

  const std::vector<std::string> singles[] = {
      {"--name", "RAM", "--date", "1980-03-15", "--time", "21:05:30", "--place",
       "Springfield, IL", "--json"},
      {"--name", "SITA", "--date", "2015-03-08", "--time", "02:30", "--place",
       "New York City", "--json"},
      {"--name", "RAM", "--date", "1990-07-15", "--time", "12:00", "--lon",
       "85:19E", "--lat", "27:43N", "--utc-offset", "+05:45", "--json"}};
  const Json* batchRows[] = {&rows[0], &rows[1], &offsetRows[0]};
  for (int i = 0; i < 3; ++i) ExpectSingleRunGives(singles[i], *batchRows[i]);
  EXPECT_EQ(rows[1]["universal_hours"].number, 7.5);  // moved forward
}

TEST(CliBatch, AllGoodRowsExitZero) {
  const TempFile csv(
      "name,date,time,lon,lat,zone,dst\n"
      "RAM,2000-01-01,17:30,77:12E,28:36N,34,0\n");
  const CliRun run = RunCli({"--batch", csv.path(), "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty());
  EXPECT_EQ(ReadLines(run.out).size(), 1u);
}

}  // namespace
}  // namespace tarvelin::cli_test
