// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli's plain output: details, chart, planet table, Hora Lagna and
// attributes; --zones and --help.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "cli_runner.h"
#include "tarvelin_version.h"

namespace tarvelin::cli_test {
namespace {

const std::vector<std::string> kNewYearBirth = {
    "--name", "RAM",    "--date", "2000-01-01", "--time", "17:30",
    "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};

// Index of the first line equal to `text`, or lines.size().
std::size_t LineIndex(const std::vector<std::string>& lines,
                      const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) - lines.begin();
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos;
       at = text.find(part, at + part.size())) {
    ++n;
  }
  return n;
}

TEST(CliText, PlanetTableHasTenRowsAscendantLast) {
  const CliRun run = RunCli(kNewYearBirth);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  const auto lines = Lines(run.out);
  const std::size_t head = LineIndex(lines, "Vedic Planetary Position");
  ASSERT_LT(head + 10, lines.size()) << run.out;
  const char* const captions[10] = {
      "Surya/Sun",       "Chandra/Moon", "Budha/Mercury", "Shukra/Venus",
      "Mangala/Mars",    "Guru/Jupiter", "Shani/Saturn",  "Rahu/North Node",
      "Ketu/South node", "Asc/Lagna"};
  // Caption, then the chart-notation text ("15 Ari 30").
  const std::regex row(R"(  (\S.*\S) +\d\d [A-Z][a-z][a-z] \d\d +.*)");
  for (int i = 0; i < 10; ++i) {
    const std::string& line = lines[head + 1 + i];
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, row)) << "row " << i << ": " << line;
    EXPECT_EQ(m[1].str(), captions[i]) << line;
  }
  EXPECT_TRUE(lines[head + 11].empty())
      << "an eleventh row: " << lines[head + 11];
}

TEST(CliText, ChartIsASquareWithSignsInTheirPlaces) {
  const CliRun run = RunCli(kNewYearBirth);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  std::vector<std::string> chart;
  for (const std::string& line : lines) {
    if (!line.empty() && (line[0] == '+' || line[0] == '|'))
      chart.push_back(line);
  }
  ASSERT_FALSE(chart.empty()) << run.out;
  for (const std::string& line : chart) {
    EXPECT_EQ(line.size(), chart.front().size()) << line;
  }
  // Pisces top left, then Aries, Taurus and Gemini along the top.
  const std::regex top(
      R"(\| Pisces +12 \| Aries +1 \| Taurus +2 \| Gemini +3 \|)");
  EXPECT_TRUE(std::regex_match(chart[1], top)) << chart[1];
  // Sagittarius bottom left, Virgo bottom right.
  const auto bottom =
      std::find_if(chart.begin(), chart.end(), [](const std::string& l) {
        return l.find("Sagittarius") != std::string::npos;
      });
  ASSERT_NE(bottom, chart.end());
  EXPECT_TRUE(std::regex_match(
      *bottom,
      std::regex(
          R"(\| Sagittarius +9 \| Scorpio +8 \| Libra +7 \| Virgo +6 \|)")))
      << *bottom;
  EXPECT_NE(run.out.find("Hora Lagna Chart"), std::string::npos);
  // Every body once, and the Hora Lagna once.
  std::string chartText;
  for (const std::string& line : chart) chartText += line + "\n";
  for (const char* body :
       {" Sun ", " Moon ", " Mercury", " Venus", " Mars", " Jupiter", " Saturn",
        " Rahu ", " Ketu ", " Asc "}) {
    EXPECT_EQ(Count(chartText, body), 1u) << body << "\n" << chartText;
  }
  EXPECT_EQ(Count(chartText, " HL "), 1u) << chartText;
}

TEST(CliText, HoraLagnaSectionNamesSignHouseAndAttributes) {
  const CliRun run = RunCli(kNewYearBirth);
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* part :
       {"Your Details", "Date of Birth : 1 January 2000",
        "Time of Birth : 17:30:00", "Longitude     : 77\xC2\xB0 12' E",
        "Latitude      : 28\xC2\xB0 36' N",
        "Time Zone     : Indian Time, IST, +5.3 (index 34)",
        "Hora Lagna Present In Sign", "Hora Lagna Present In House",
        "Hora Lagna Details", "Vedic Name", "Lucky Gemstone",
        "Not Compatible With", "\nLooks\n", "\nHealth\n",
        "\nHow it was found\n"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
  for (const std::string& line : Lines(run.out)) {
    // Running text is wrapped; only the chart and table lines are fixed.
    // Widths count characters ("°" is two bytes, "′" three).
    const auto width = std::count_if(line.begin(), line.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    EXPECT_LE(width, 80) << line;
  }
}

TEST(CliText, PolarNightPrintsChartAndNotice) {
  const CliRun json =
      RunCli({"--name", "RAM", "--date", "1980-12-15", "--time", "21:05:30",
              "--lon", "77:12E", "--lat", "70:00N", "--zone", "34", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto at = json.out.find("\"notice\": \"");
  ASSERT_NE(at, std::string::npos) << json.out;
  const auto start = at + 11;
  const std::string notice =
      json.out.substr(start, json.out.find('"', start) - start);
  ASSERT_FALSE(notice.empty());

  const CliRun run =
      RunCli({"--name", "RAM", "--date", "1980-12-15", "--time", "21:05:30",
              "--lon", "77:12E", "--lat", "70:00N", "--zone", "34"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("| Pisces"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Asc/Lagna"), std::string::npos);
  // The notice, wrapped like any running text.
  std::string flowing;
  for (const std::string& line : Lines(run.out)) {
    flowing += line + " ";
  }
  std::string words;
  for (std::size_t i = 0; i < flowing.size(); ++i) {
    if (flowing[i] == ' ' && (words.empty() || words.back() == ' ')) continue;
    words.push_back(flowing[i]);
  }
  EXPECT_NE(words.find(notice), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Hora Lagna Details"), std::string::npos);
  EXPECT_EQ(Count(run.out, " HL "), 0u);
}

TEST(CliText, ZonesListsAllSeventyOneWithIndexes) {
  const CliRun run = RunCli({"--zones"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 71u);
  for (int i = 0; i < 71; ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[i], m, std::regex(R"( ?(\d+)  (.+))")))
        << lines[i];
    EXPECT_EQ(std::stoi(m[1]), i) << lines[i];
  }
  EXPECT_EQ(lines[34], "34  Indian Time, IST, +5.3");
  EXPECT_EQ(lines[0], " 0  Alaska/Hawaii Daylight Time,AHDT,-9.0");
  EXPECT_EQ(lines[70], "70  Yukon War Time,YWT,-8.0");
}

// --help names every flag within 80 columns; -h, -V and -v are the short
// forms other programs have.
TEST(CliText, HelpAndVersionFitAndHaveShortForms) {
  const CliRun help = RunCli({"--help"});
  ASSERT_EQ(help.status, 0);
  for (const std::string& line : Lines(help.out)) {
    const auto columns =
        std::count_if(line.begin(), line.end(),
                      [](unsigned char c) { return (c & 0xC0) != 0x80; });
    EXPECT_LE(columns, 80) << line;
  }
  for (const char* flag : {"--name", "--date", "--time", "--lon", "--lat",
                           "--zone", "--dst", "--city", "--state", "--country",
                           "--json", "--batch", "--zones", "--help"}) {
    EXPECT_NE(help.out.find(flag), std::string::npos) << flag;
  }
  EXPECT_EQ(RunCli({"-h"}).out, help.out);

  const CliRun version = RunCli({"--version"});
  EXPECT_EQ(version.out, "tarvelin-cli " TARVELIN_VERSION "\n");
  for (const char* flag : {"-V", "-v"}) {
    const CliRun run = RunCli({flag});
    EXPECT_EQ(run.status, 0) << flag;
    EXPECT_EQ(run.out, version.out) << flag;
  }
}

}  // namespace
}  // namespace tarvelin::cli_test
