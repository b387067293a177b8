// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli --lang and --chart: the text report and the page in Hindi
// and Tamil, the North-Indian text chart, and the JSON that stays English.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cli_runner.h"

namespace tarvelin::cli_test {
namespace {

// The ascendant of this birth is Libra, its Hora Lagna in Taurus.
const std::vector<std::string> kRam = {
    "--name", "RAM",    "--date", "1980-03-15", "--time", "21:05:30",
    "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Code points of `text` in [first, last].
int CountIn(const std::string& text, char32_t first, char32_t last) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xF0) != 0xE0 || i + 2 >= text.size()) continue;
    const char32_t c = (b & 0x0Fu) << 12 |
                       (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                       (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
    count += c >= first && c <= last;
  }
  return count;
}

// The lines of `text` that hold a Latin letter, other than those of the
// proper names (the birth's, the atlas place nearest it) and the codes
// (UTC, the zone's abbreviation) kept as given.
std::vector<std::string> LinesWithEnglish(const std::string& text) {
  const std::vector<std::string> kept = {
      "RAM", "UTC", "IST",
      "Defence Colony, National Capital Territory of Delhi, India"};
  std::vector<std::string> found;
  for (std::string line : Lines(text)) {
    for (const std::string& k : kept) {
      for (auto at = line.find(k); at != std::string::npos; at = line.find(k)) {
        line.erase(at, k.size());
      }
    }
    for (const char c : line) {
      if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        found.push_back(line);
        break;
      }
    }
  }
  return found;
}

TEST(CliLanguage, ReportSpeaksHindiAndTamil) {
  struct Case {
    const char* code;
    const char* summary;   // the summary line, as far as it is words
    char32_t first, last;  // the script's block
  };
  const Case cases[] = {
      {"hi", "होरा लग्न: वृषभ 17° 32′ — लग्न (तुला) से आठवाँ भाव", 0x0900, 0x097F},
      {"ta", "ஹோரா லக்னம்: ரிஷபம் 17° 32′ — லக்னம் (துலாம்) முதல் 8-ஆம் வீடு", 0x0B80,
       0x0BFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const CliRun run = RunCli(With(kRam, {"--lang", c.code}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(c.summary), std::string::npos) << run.out;
    EXPECT_GT(CountIn(run.out, c.first, c.last), 2000);
    EXPECT_EQ(LinesWithEnglish(run.out), std::vector<std::string>{});
  }
  // English stays as it was.
  EXPECT_EQ(RunCli(With(kRam, {"--lang", "en"})).out, RunCli(kRam).out);
}

TEST(CliLanguage, JsonStaysEnglish) {
  TempFile pdf;
  const CliRun plain = RunCli(With(kRam, {"--json"}));
  const CliRun hindi =
      RunCli(With(kRam, {"--json", "--lang", "hi", "--pdf", pdf.path()}));
  ASSERT_EQ(hindi.status, 0) << hindi.err;
  EXPECT_EQ(hindi.out, plain.out);
}

TEST(CliLanguage, RefusesWhatItCannotDo) {
  struct Case {
    std::vector<std::string> more;
    const char* error;
  };
  const Case cases[] = {
      {{"--lang", "fr"}, "--lang takes en, hi or ta"},
      {{"--lang", "hindi"}, "--lang takes en, hi or ta"},
      {{"--chart", "west"}, "--chart takes south, north or east"},
      {{"--lang", "hi", "--json"},
       "--lang and --chart change the text report and the page; the JSON "
       "stays English"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(With(kRam, c.more));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, std::string("tarvelin-cli: ") + c.error + "\n");
  }
  TempFile csv("name,date,time,lon,lat,zone,dst\n");
  const CliRun batch = RunCli({"--batch", csv.path(), "--lang", "ta"});
  EXPECT_EQ(batch.status, 2);
  EXPECT_EQ(batch.err,
            "tarvelin-cli: --lang and --chart go with a single birth\n");
}

// The North-Indian text chart: the ascendant's house at top centre.
TEST(CliChart, NorthAddsTheDiamondWithTheAscendantOnTop) {
  const std::string south = RunCli(kRam).out;
  const std::string north = RunCli(With(kRam, {"--chart", "north"})).out;
  EXPECT_EQ(RunCli(With(kRam, {"--chart", "east"})).out, south);
  // The South-Indian chart stays; the diamond follows it.
  ASSERT_EQ(north.substr(0, north.find("Vedic Planetary Position"))
                .find(south.substr(0, south.find("Vedic Planetary Position"))),
            0u);
  const std::vector<std::string> lines = Lines(north);
  std::size_t top = 0, bottom = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("+---", 0) == 0 && i + 1 < lines.size() &&
        lines[i + 1].rfind("| \\", 0) == 0) {
      top = i;
    }
    if (top && !bottom && i > top && lines[i].rfind("+---", 0) == 0) {
      bottom = i;
    }
  }
  ASSERT_GT(bottom, top + 8) << north;
  const std::size_t width = lines[top].size();
  // Libra (7) rises: "Asc" and the number 7 stand in the top centre house.
  bool ascOnTop = false, sevenOnTop = false;
  for (std::size_t i = top + 1; i < top + (bottom - top) / 2; ++i) {
    const auto asc = lines[i].find("Asc");
    ascOnTop |=
        asc != std::string::npos && asc > width / 3 && asc < 2 * width / 3;
    const auto seven = lines[i].find(" 7 ");
    sevenOnTop |= seven != std::string::npos && seven > width / 3 &&
                  seven < 2 * width / 3;
  }
  EXPECT_TRUE(ascOnTop) << north;
  EXPECT_TRUE(sevenOnTop) << north;
  // Every line of the diamond as wide as its frame.
  for (std::size_t i = top; i <= bottom; ++i) {
    EXPECT_EQ(lines[i].size(), width) << lines[i];
  }
}

TEST(CliPage, HindiAndTamilPagesCarryTheirLetters) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  struct Case {
    const char* code;
    const char* style;
    const char* word;  // must come out of the PDF's text whole
    char32_t first, last;
  };
  const Case cases[] = {
      {"hi", "south", "मेष", 0x0900, 0x097F},
      {"hi", "north", "तुला", 0x0900, 0x097F},
      {"ta", "east", "", 0x0B80, 0x0BFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + c.style);
    TempFile pdf, png;
    const CliRun run =
        RunCli(With(kRam, {"--lang", c.code, "--chart", c.style, "--pdf",
                           pdf.path(), "--png", png.path()}));
    ASSERT_EQ(run.status, 0) << run.err;
    TempFile text;
    ASSERT_EQ(
        std::system(("pdftotext " + pdf.path() + " " + text.path()).c_str()),
        0);
    const std::string words = ReadWhole(text.path());
    EXPECT_NE(words.find(c.word), std::string::npos) << words;
    EXPECT_GT(CountIn(words, c.first, c.last), 1000) << words;
    const std::string fonts = [&] {
      TempFile list;
      std::system(("pdffonts " + pdf.path() + " > " + list.path()).c_str());
      return ReadWhole(list.path());
    }();
    EXPECT_NE(
        fonts.find(std::string("Lohit-") +
                   (c.code == std::string("hi") ? "Devanagari" : "Tamil")),
        std::string::npos)
        << fonts;
  }
}

}  // namespace
}  // namespace tarvelin::cli_test
