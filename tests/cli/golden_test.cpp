// SPDX-License-Identifier: GPL-3.0-or-later
// The golden output: what tarvelin-cli answers for 480 births that reach
// every branch of the calculation (tests/data/golden, written by
// tools/golden/). Any change of a byte in the JSON or the text report fails
// here, with the first differing line of the first differing run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace tarvelin::cli_test {
namespace {

const std::string kGoldenDir = std::string(TARVELIN_TEST_DATA_DIR) + "/golden";

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(line);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

// The first line where `got` and `want` part, for a readable failure.
std::string FirstDifference(const std::string& got, const std::string& want) {
  const std::vector<std::string> a = Lines(got), b = Lines(want);
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    const std::string x = i < a.size() ? a[i] : "<end>";
    const std::string y = i < b.size() ? b[i] : "<end>";
    if (x != y) {
      return "line " + std::to_string(i + 1) + "\n  got:  " + x.substr(0, 400) +
             "\n  want: " + y.substr(0, 400);
    }
  }
  return "same lines, different line ends";
}

// On every core (the default), on one thread and on more threads than
// cores: the same bytes in the same order.
TEST(Golden, BatchJsonIsUnchanged) {
  const std::string want = ReadWhole(kGoldenDir + "/batch.jsonl");
  ASSERT_FALSE(want.empty());
  for (const std::vector<std::string>& jobs :
       {std::vector<std::string>{}, {"--jobs", "1"}, {"--jobs", "3"}}) {
    std::vector<std::string> args = {"--batch", kGoldenDir + "/births.csv"};
    args.insert(args.end(), jobs.begin(), jobs.end());
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == want)
        << (jobs.empty() ? "default jobs" : "--jobs " + jobs[1]) << ": "
        << FirstDifference(run.out, want);
  }
}

// runs.txt: one command line per line, its flags separated by tabs;
// runs.out: "=== N" and the output of run N, for every line of runs.txt.
struct GoldenRuns {
  std::vector<std::string> commands;
  std::vector<std::string> outputs;
};

const GoldenRuns& Runs() {
  static const GoldenRuns runs = [] {
    GoldenRuns read;
    std::ifstream commands(kGoldenDir + "/runs.txt");
    std::string line;
    while (std::getline(commands, line)) read.commands.push_back(line);
    std::istringstream expected(ReadWhole(kGoldenDir + "/runs.out"));
    while (std::getline(expected, line)) {
      if (line.rfind("=== ", 0) == 0) {
        read.outputs.emplace_back();
      } else if (!read.outputs.empty()) {
        read.outputs.back() += line + "\n";
      }
    }
    return read;
  }();
  return runs;
}

TEST(Golden, EveryRunHasItsOutput) {
  EXPECT_EQ(Runs().commands.size(), Runs().outputs.size());
  EXPECT_GE(Runs().commands.size(), 400u);
}

// The runs in shards (every kShards-th run from the shard's number on), which
// ctest runs side by side.
constexpr int kShards = 6;
class GoldenRunsShard : public ::testing::TestWithParam<int> {};

TEST_P(GoldenRunsShard, TextReportsAndJsonAreUnchanged) {
  const GoldenRuns& runs = Runs();
  ASSERT_FALSE(runs.commands.empty());
  const std::size_t count = std::min(runs.commands.size(), runs.outputs.size());
  for (std::size_t n = GetParam(); n < count; n += kShards) {
    const std::string& line = runs.commands[n];
    const CliRun run = RunCli(Split(line, '\t'));
    EXPECT_EQ(run.status, 0) << "run " << n + 1 << ": " << run.err;
    if (run.out != runs.outputs[n]) {
      ADD_FAILURE() << "run " << n + 1 << " (" << line << ") differs at "
                    << FirstDifference(run.out, runs.outputs[n]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenRunsShard, ::testing::Range(0, kShards));

}  // namespace
}  // namespace tarvelin::cli_test
