// The golden output: what tarvelin-cli answers for 480 births that reach
// every branch of the calculation (tests/data/golden, written by
// tools/golden/). Any change of a byte in the JSON or the text report fails
// here, with the first differing line of the first differing run.
#include <gtest/gtest.h>

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

TEST(Golden, TextReportsAndJsonAreUnchanged) {
  std::ifstream runs(kGoldenDir + "/runs.txt");
  std::istringstream expected(ReadWhole(kGoldenDir + "/runs.out"));
  // runs.out: "=== N" and the output of run N, for every line of runs.txt.
  std::vector<std::string> outputs;
  std::string line;
  while (std::getline(expected, line)) {
    if (line.rfind("=== ", 0) == 0) {
      outputs.emplace_back();
    } else if (!outputs.empty()) {
      outputs.back() += line + "\n";
    }
  }
  std::size_t n = 0;
  while (std::getline(runs, line)) {
    ASSERT_LT(n, outputs.size()) << "runs.out has fewer runs than runs.txt";
    const CliRun run = RunCli(Split(line, '\t'));
    EXPECT_EQ(run.status, 0) << "run " << n + 1 << ": " << run.err;
    if (run.out != outputs[n]) {
      ADD_FAILURE() << "run " << n + 1 << " (" << line << ") differs at "
                    << FirstDifference(run.out, outputs[n]);
    }
    ++n;
  }
  EXPECT_EQ(n, outputs.size());
  EXPECT_GE(n, 400u);
}

}  // namespace
}  // namespace tarvelin::cli_test
