// SPDX-License-Identifier: GPL-3.0-or-later
// --sunrise, --ayanamsa and --time-uncertainty: the names they take, the
// runs they go with, and what the JSON says under them.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "mini_json.h"

namespace tarvelin::cli_test {
namespace {

using Kind = Json::Kind;

const std::vector<std::string> kDelhiBirth = {
    "--date", "1980-03-15", "--time", "21:05:30", "--lon",  "77:12E",
    "--lat",  "28:36N",     "--zone", "34",       "--name", "RAM"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(CliCalculationOptions, WrongValuesAndMixturesAreRefused) {
  struct Case {
    std::vector<std::string> args;
    const char* message;  // a part of the one line on standard error
  };
  const Case cases[] = {
      {With(kDelhiBirth, {"--sunrise", "sunrise"}),
       "--sunrise takes classic, limb or centre, not 'sunrise'"},
      {With(kDelhiBirth, {"--sunrise", "Centre"}),
       "--sunrise takes classic, limb or centre"},
      {With(kDelhiBirth, {"--ayanamsa", "Lahiri"}),
       "--ayanamsa takes classic, lahiri, raman, krishnamurti or "
       "fagan-bradley, not 'Lahiri'"},
      {With(kDelhiBirth, {"--ayanamsa="}), "--ayanamsa takes classic"},
      {With(kDelhiBirth, {"--time-uncertainty", "0"}),
       "--time-uncertainty takes a whole number of minutes from 1 to 180"},
      {With(kDelhiBirth, {"--time-uncertainty", "181"}), "from 1 to 180"},
      {With(kDelhiBirth, {"--time-uncertainty", "5.5"}), "from 1 to 180"},
      {{"--library", "--sunrise", "centre"}, "go with a birth or --batch"},
      {{"--places", "Delhi", "--ayanamsa", "lahiri"},
       "--places takes no other flags"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
}

// Under the centre rule and the Lahiri ayanamsa the JSON names both, its
// sunrises carry seconds, the day's rows follow each other from the
// reference sunrise, and the birth's row is the Hora Lagna's sign and the
// margin's span.
TEST(CliCalculationOptions, TheJsonOfTheCentreRuleHoldsTogether) {
  const CliRun run =
      RunCli(With(kDelhiBirth, {"--sunrise", "centre", "--ayanamsa", "lahiri",
                                "--json", "--time-uncertainty", "40"}));
  ASSERT_EQ(run.status, 0) << run.err;
  JsonReader reader(run.out);
  const auto parsed = reader.ReadDocument();
  ASSERT_TRUE(parsed) << reader.Error();
  const Json& r = *parsed;

  EXPECT_EQ(r["options"]["sunrise"].text, "centre");
  EXPECT_EQ(r["options"]["ayanamsa"].text, "lahiri");
  EXPECT_NEAR(r["options"]["ayanamsa_degrees"].number, 23.58, 0.01);
  EXPECT_NEAR(r["sidereal_correction"].number,
              -r["options"]["ayanamsa_degrees"].number, 1e-12);

  const std::string sunrise = r["reference_sunrise"].text;
  ASSERT_EQ(sunrise.size(), 19u);
  const Json& day = r["hora_lagna_day"];
  ASSERT_TRUE(day.Is(Kind::kArray));
  ASSERT_GE(day.items.size(), 24u);
  EXPECT_EQ(day.items.front()["from"].text, sunrise);
  const std::string birth = "1980-03-15T21:05:30";
  int birthRows = 0;
  for (std::size_t i = 0; i < day.items.size(); ++i) {
    const Json& row = day.items[i];
    if (i + 1 < day.items.size()) {
      EXPECT_EQ(row["to"].text, day.items[i + 1]["from"].text) << i;
    }
    if (row["from"].text <= birth && birth < row["to"].text) {
      ++birthRows;
      EXPECT_EQ(row["sign"].text, r["hora_lagna"]["sign"].text);
      EXPECT_EQ(row["from"].text, r["hora_lagna_margin"]["from"].text);
      EXPECT_EQ(row["to"].text, r["hora_lagna_margin"]["to"].text);
    }
  }
  EXPECT_EQ(birthRows, 1);
  // 32 minutes 40 seconds after the change, 27 minutes 20 before the next.
  const Json& margin = r["hora_lagna_margin"];
  EXPECT_NEAR(
      margin["minutes_to_previous"].number + margin["minutes_to_next"].number,
      60.0, 0.011);

  const Json& uncertainty = r["hora_lagna_uncertainty"];
  EXPECT_EQ(uncertainty["minutes"].number, 40);
  double sum = 0;
  for (const Json& share : uncertainty["signs"].items) {
    sum += share["share"].number;
  }
  EXPECT_NEAR(sum, 1.0, 1e-12);
  // The signs are those of the day's rows that meet 20:25:30 .. 21:45:30.
  std::vector<std::string> met, listed;
  for (const Json& row : day.items) {
    if (row["from"].text < "1980-03-15T21:45:30" &&
        row["to"].text > "1980-03-15T20:25:30") {
      met.push_back(row["sign"].text);
    }
  }
  for (const Json& share : uncertainty["signs"].items) {
    listed.push_back(share["sign"].text);
  }
  EXPECT_EQ(listed, met);
}

}  // namespace
}  // namespace tarvelin::cli_test
