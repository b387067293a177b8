// SPDX-License-Identifier: GPL-3.0-or-later
// Random and mutated births through the real parser and calculation: every
// accepted birth gives a full result that keeps the Hora Lagna's invariants,
// every refused one exactly one clear line. The flag sets run the binary, the
// batch rows run in-process through RunBatch. The seed is fixed, so a failure
// repeats; the case is printed with it.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <random>
#include <sstream>

#include "cli/batch.h"
#include "cli/birth_entry.h"
#include "cli_runner.h"
#include "library/library_exchange.h"
#include "mini_json.h"
#include "rules/birth_check.h"

namespace tarvelin::cli_test {
namespace {

using Kind = Json::Kind;

constexpr unsigned kSeed = 20261207;
constexpr int kFlagRuns = 60;
constexpr int kBatchRows = 2000;
constexpr int kImportFiles = 400;

class Dice {
 public:
  explicit Dice(unsigned seed) : engine_(seed) {}
  int Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(
        Between(0, static_cast<int>(items.size()) - 1))];
  }

 private:
  std::mt19937 engine_;
};

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A birth that the form accepts: name,date,time,lon,lat,zone,dst.
std::vector<std::string> RandomBirth(Dice& dice) {
  std::string name;
  const int letters = dice.Between(1, 12);
  for (int i = 0; i < letters; ++i) {
    name += static_cast<char>(dice.Between(0, 1) ? 'A' + dice.Between(0, 25)
                                                 : 'a' + dice.Between(0, 25));
    if (i + 1 < letters && dice.OneIn(6)) name += ' ';
  }
  std::string time =
      TwoDigits(dice.Between(0, 23)) + ":" + TwoDigits(dice.Between(0, 59));
  if (dice.Between(0, 1)) time += ":" + TwoDigits(dice.Between(0, 59));
  return {name,
          std::to_string(dice.Between(1901, 2050)) + "-" +
              TwoDigits(dice.Between(1, 12)) + "-" +
              TwoDigits(dice.Between(1, 28)),
          time,
          std::to_string(dice.Between(0, 179)) + ":" +
              std::to_string(dice.Between(0, 59)) +
              (dice.Between(0, 1) ? "E" : "W"),
          std::to_string(dice.Between(0, 89)) + ":" +
              std::to_string(dice.Between(0, 59)) +
              (dice.Between(0, 1) ? "N" : "S"),
          std::to_string(dice.Between(0, 70)),
          dice.Between(0, 1) ? "1" : "0"};
}

// One to three byte edits; never a line end, and never NUL when the text
// becomes an argument.
std::string Mutate(std::string text, Dice& dice, bool argument) {
  static const std::string kPool =
      std::string("0123456789:,-+. \tEWNSeAz\x1b\x7f\xc3\xff\"\\") +
      std::string(1, '\0');
  auto byte = [&] {
    char c = kPool[static_cast<std::size_t>(
        dice.Between(0, static_cast<int>(kPool.size()) - 1))];
    return argument && c == '\0' ? '0' : c;
  };
  const int edits = dice.Between(1, 3);
  for (int e = 0; e < edits; ++e) {
    const auto at = static_cast<std::size_t>(
        dice.Between(0, static_cast<int>(text.size())));
    switch (dice.Between(0, 4)) {
      case 0:
        text.insert(at, 1, byte());
        break;
      case 1:
        if (at < text.size()) text.erase(at, 1);
        break;
      case 2:
        if (at < text.size()) text[at] = byte();
        break;
      case 3:
        text = text.substr(0, at);
        break;
      case 4:
        text.insert(at, text.substr(at / 2, 4));
        break;
    }
  }
  return text;
}

bool IsLongitude(const Json& value) {
  return value.Is(Kind::kNumber) && value.number >= 0 && value.number < 360;
}

// What is wrong with a result object; empty when it is a full result.
std::string ResultProblems(const Json& result) {
  std::string problems;
  auto check = [&problems](bool ok, const std::string& what) {
    if (!ok) problems += what + "; ";
  };
  check(result["input"].Is(Kind::kObject), "no input");
  const Json& longitudes = result["longitudes"];
  check(longitudes.members.size() == 10, "not 10 longitudes");
  for (const auto& [body, value] : longitudes.members) {
    check(IsLongitude(value), body + " outside [0, 360)");
  }
  for (const char* key : {"sidereal_ascendant", "moon_longitude"}) {
    check(IsLongitude(result[key]), std::string(key) + " outside [0, 360)");
  }
  check(result["position_texts"].items.size() == 10, "not 10 positions");
  check(result["chart"].items.size() == 12, "not 12 chart cells");
  const double ascendantSign = result["ascendant_sign"].number;
  check(ascendantSign >= 1 && ascendantSign <= 12, "no ascendant sign");

  const Json& hora = result["hora_lagna"];
  if (!hora.Is(Kind::kObject)) {
    check(hora.Is(Kind::kNull) && !result["notice"].text.empty(),
          "neither a Hora Lagna nor a notice");
    return problems;
  }
  check(result["notice"].Is(Kind::kNull), "a notice beside the Hora Lagna");
  const Json& sun = result["sunrise_sun_longitude"];
  check(IsLongitude(sun), "sunrise Sun outside [0, 360)");
  check(IsLongitude(hora["longitude"]), "Hora Lagna outside [0, 360)");
  for (const char* key : {"ghati", "hora", "bhava", "sree"}) {
    check(IsLongitude(result["special_lagnas"][key]),
          std::string(key) + " lagna outside [0, 360)");
  }
  // The varnada lagna's rule ends with 360 - v for an ascendant in an even
  // sign, so v = 0 gives exactly 360: a point without a sign, which the
  // chart leaves unmarked.
  const double varnada = result["special_lagnas"]["varnada"].number;
  check(varnada >= 0 && varnada <= 360, "varnada lagna outside [0, 360]");
  // Sun at sunrise + 0.5 degree per minute since, folded.
  double expected = sun.number + 0.5 * result["elapsed_minutes"].number;
  while (expected > 360) expected -= 360;
  check(std::fabs(hora["longitude"].number - expected) < 1e-9,
        "Hora Lagna is not the Sun at sunrise + 0.5 x minutes");
  const int sign = static_cast<int>(std::floor(hora["longitude"].number / 30));
  check(hora["sign_index"].number == sign, "Hora Lagna in the wrong sign");
  const int house = (sign + 1 - static_cast<int>(ascendantSign) + 12) % 12 + 1;
  check(hora["house"].number == house,
        "house not counted from the ascendant's sign");
  return problems;
}

std::string Quoted(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) text += "'" + a + "' ";
  return text;
}

TEST(CliFuzz, RandomFlagSets) {
  Dice dice(kSeed);
  const char* const kBirthFlags[] = {"--name", "--date", "--time",
                                     "--lon",  "--lat",  "--zone"};
  int refused = 0;
  for (int run = 0; run < kFlagRuns; ++run) {
    const std::vector<std::string> birth = RandomBirth(dice);
    std::vector<std::vector<std::string>> flags;
    for (int i = 0; i < 6; ++i) {
      std::string value = birth[static_cast<std::size_t>(i)];
      if (dice.OneIn(5)) value = Mutate(value, dice, true);
      flags.push_back({kBirthFlags[i], value});
    }
    if (birth[6] == "1") flags.push_back({"--dst"});
    if (dice.OneIn(2)) flags.push_back({"--json"});
    if (dice.OneIn(4)) flags.push_back({"--city", Mutate("Pune", dice, true)});
    if (dice.OneIn(8)) flags.erase(flags.begin() + dice.Between(0, 5));
    if (dice.OneIn(12)) flags.push_back(dice.Pick(flags));
    if (dice.OneIn(12)) flags.push_back({"--frobnicate"});
    if (dice.OneIn(12)) flags.push_back({"stray"});
    if (dice.OneIn(12)) flags.push_back({"--batch", "x.csv"});
    std::shuffle(flags.begin(), flags.end(), std::mt19937(kSeed + run));
    std::vector<std::string> args;
    bool json = false;
    for (const auto& flag : flags) {
      json = json || flag[0] == "--json";
      if (flag.size() == 2 && dice.OneIn(4)) {
        args.push_back(flag[0] + "=" + flag[1]);
      } else {
        args.insert(args.end(), flag.begin(), flag.end());
      }
    }

    const CliRun result = RunCli(args);
    const std::string what = "run " + std::to_string(run) + ": " + Quoted(args);
    if (result.status == 2) {
      ++refused;
      EXPECT_EQ(Lines(result.err).size(), 1u) << what << "\n" << result.err;
      EXPECT_GT(result.err.size(), 1u) << what;
      EXPECT_EQ(result.out, "") << what;
      continue;
    }
    ASSERT_EQ(result.status, 0) << what << "\n" << result.err;
    // A computed birth may only warn that its zone is far from its place.
    for (const std::string& line : Lines(result.err)) {
      EXPECT_EQ(line.rfind("tarvelin-cli: The zone ", 0), 0u) << what << "\n"
                                                              << line;
    }
    if (!json) {
      // The report, after the line naming the nearest place, if any.
      const std::size_t heading = result.out.rfind("Place: near ", 0) == 0
                                      ? result.out.find("\n\n") + 2
                                      : 0;
      EXPECT_EQ(result.out.find("Hora Lagna of "), heading) << what;
      EXPECT_NE(result.out.find("Vedic Planetary Position"), std::string::npos)
          << what;
      continue;
    }
    JsonReader reader(result.out);
    const auto value = reader.ReadDocument();
    ASSERT_TRUE(value) << what << ": " << reader.Error();
    EXPECT_EQ(ResultProblems(*value), "") << what;
  }
  // Both kinds of run were tried.
  EXPECT_GT(refused, kFlagRuns / 8);
  EXPECT_LT(refused, kFlagRuns * 7 / 8);
}

TEST(CliFuzz, RandomAndMutatedBatchRows) {
  Dice dice(kSeed + 1);
  std::string csv = "name,date,time,lon,lat,zone,dst\n";
  std::vector<std::string> rows;
  std::vector<bool> valid;
  while (static_cast<int>(rows.size()) < kBatchRows) {
    const std::vector<std::string> birth = RandomBirth(dice);
    std::string row;
    for (const std::string& field : birth)
      row += (row.empty() ? "" : ",") + field;
    const bool mutate = dice.OneIn(2);
    if (mutate) row = Mutate(row, dice, false);
    // A blank line is no row.
    if (row.find_first_not_of(" \t") == std::string::npos) continue;
    rows.push_back(row);
    valid.push_back(!mutate);
    csv += row + "\n";
  }
  std::istringstream in(csv);
  std::ostringstream out;
  const cli::BatchSummary summary = cli::RunBatch(in, out);
  EXPECT_EQ(summary.rows, kBatchRows);
  EXPECT_EQ(summary.stop, cli::BatchStop::kEnd);

  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), rows.size());
  long refused = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string what = "row " + std::to_string(i + 2) + ": " + rows[i];
    JsonReader reader(lines[i]);
    const auto value = reader.ReadDocument();
    ASSERT_TRUE(value) << what << ": " << reader.Error();
    if (value->Find("error")) {
      ++refused;
      EXPECT_FALSE(valid[i]) << what << ": " << (*value)["error"].text;
      EXPECT_EQ(value->members.size(), 2u) << what;
      EXPECT_EQ((*value)["line"].number, static_cast<double>(i + 2)) << what;
      EXPECT_FALSE((*value)["error"].text.empty()) << what;
      continue;
    }
    EXPECT_EQ(ResultProblems(*value), "") << what;
  }
  EXPECT_EQ(summary.badRows, refused);
  // The mutations refuse a good share of the rows, and let some through.
  EXPECT_GT(refused, kBatchRows / 8);
  EXPECT_LT(refused, kBatchRows / 2);
}

// Import files: exports of random births, mutated byte by byte, through
// the JSON reader. Nothing crashes; a file is either refused whole with one
// line or read row by row; every birth read passes the check a saved birth
// must pass, and writing it out and reading it again gives it back.
TEST(CliFuzz, MutatedImportFiles) {
  Dice dice(kSeed + 2);
  int refusedFiles = 0, readBirths = 0, refusedRows = 0;
  for (int file = 0; file < kImportFiles; ++file) {
    std::vector<library::SavedBirth> births;
    while (births.size() < 4) {
      const std::vector<std::string> t = RandomBirth(dice);
      cli::BirthTexts texts;
      texts.name = t[0];
      texts.date = t[1];
      texts.time = t[2];
      texts.lon = t[3];
      texts.lat = t[4];
      texts.zone = t[5];
      texts.dst = t[6] == "1";
      cli::BirthEntry entry = cli::ReadBirth(texts);
      ASSERT_TRUE(entry.birth) << entry.problem;
      births.emplace_back().birth = std::move(*entry.birth);
    }
    std::string bytes = library::BirthsJson(births).toStdString();
    // Edits inside the texts of a field (dates, times, names, numbers),
    // and now and then anywhere, the syntax too.
    const int edits = dice.Between(1, 3);
    for (int e = 0; e < edits; ++e) {
      const std::string key = dice.Pick(std::vector<std::string>{
          "\"date\": \"", "\"time\": \"", "\"name\": \"",
          "\"zone\": ", "\"latitude\": ", "\"utcOffsetSeconds\": "});
      std::size_t at = bytes.find(key);
      for (int skip = dice.Between(0, 3); skip > 0 && at != std::string::npos;
           --skip) {
        at = bytes.find(key, at + 1);
      }
      if (at == std::string::npos || dice.OneIn(5)) {
        const std::size_t from = static_cast<std::size_t>(
            dice.Between(0, static_cast<int>(bytes.size()) - 1));
        bytes.replace(from, 1, Mutate(bytes.substr(from, 1), dice, false));
        continue;
      }
      const std::size_t from = at + key.size();
      const std::size_t end = bytes.find_first_of("\",}", from);
      const std::size_t length =
          (end == std::string::npos ? bytes.size() : end) - from;
      std::string value = Mutate(bytes.substr(from, length), dice, false);
      // Junk after a good value, as a hand-edited file has it.
      if (dice.OneIn(3)) {
        value += dice.Pick(
            std::vector<std::string>{"junk", " and more", "x", "0", ":", "-1"});
      }
      bytes.replace(from, length, value);
    }
    const auto rows = library::JsonRows(bytes, "import.json");
    if (!rows) {
      ++refusedFiles;
      EXPECT_EQ(rows.status().fault, library::Fault::kFile);
      EXPECT_FALSE(rows.status().message.empty());
      EXPECT_EQ(rows.status().message.find('\n'), std::string::npos);
      continue;
    }
    const QJsonArray objects =
        QJsonDocument::fromJson(QByteArray::fromStdString(bytes))
            .object()
            .value("births")
            .toArray();
    std::vector<library::SavedBirth> read;
    for (const auto& row : *rows) {
      if (!row.birth) {
        ++refusedRows;
        EXPECT_FALSE(row.refusal.empty());
        continue;
      }
      ++readBirths;
      // Taken only whole: no text is read in part.
      const QJsonObject object = objects.at(row.line - 1).toObject();
      for (const auto& [key, pattern] :
           {std::pair<const char*, const char*>{
                "date", R"(^\s*\d{4}-\d{1,2}-\d{1,2}\s*$)"},
            {"time", R"(^\s*\d{1,2}:\d{1,2}(:\d{1,2})?\s*$)"},
            {"name", R"(^[\p{L}\p{M} \t]+$)"}}) {
        const QString text = object.value(key).toString();
        EXPECT_TRUE(QRegularExpression(pattern).match(text).hasMatch())
            << key << " \"" << text.toStdString() << "\" was read";
      }
      const std::optional<InputProblem> problem = CheckBirth(row.birth->birth);
      EXPECT_FALSE(problem) << problem->message << " in " << bytes;
      read.push_back(*row.birth);
    }
    const auto again =
        library::JsonRows(library::BirthsJson(read).toStdString(), "again");
    ASSERT_TRUE(again) << again.status().message;
    ASSERT_EQ(again->size(), read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
      ASSERT_TRUE((*again)[i].birth) << (*again)[i].refusal;
      const Birth& a = read[i].birth;
      const Birth& b = (*again)[i].birth->birth;
      EXPECT_EQ(a.name, b.name);
      EXPECT_EQ(a.local, b.local);
      EXPECT_EQ(a.latitudeDegrees, b.latitudeDegrees);
      EXPECT_EQ(a.longitudeDegrees, b.longitudeDegrees);
      EXPECT_EQ(a.utcOffsetSeconds, b.utcOffsetSeconds);
      EXPECT_EQ(a.zoneIndex, b.zoneIndex);
    }
  }
  // Files refused whole, rows refused and births read all happened.
  EXPECT_GT(refusedFiles, kImportFiles / 10);
  EXPECT_GT(refusedRows, kImportFiles / 10);
  EXPECT_GT(readBirths, kImportFiles);
}

}  // namespace
}  // namespace tarvelin::cli_test
