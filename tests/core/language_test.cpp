// SPDX-License-Identifier: GPL-3.0-or-later
// The Hindi and Tamil tables: every text written in its script with no
// English left in it, the glossary in the translations' folder saying the
// same words as the tables, and the widths the text report measures.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "present/report_words.h"
#include "present/result_view.h"
#include "present/text_report.h"
#include "present/text_width.h"
#include "tables/bodies.h"
#include "tables/house_significance.h"
#include "tables/sign_tables.h"
#include "tables/sign_words.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

struct Script {
  Language language;
  char32_t first, last;  // the script's Unicode block
};
const Script kScripts[] = {{Language::kHindi, 0x0900, 0x097F},
                           {Language::kTamil, 0x0B80, 0x0BFF}};

std::u32string Decoded(const std::string& utf8) {
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
    for (int k = 1; k < n && i + k < utf8.size(); ++k) {
      c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out += c;
    i += n;
  }
  return out;
}

// Empty when `text` is in the script: at least one of its letters, and no
// Latin letter. Otherwise what is wrong.
std::string NotInScript(const std::string& text, const Script& script,
                        bool mayBeDigitsOnly = false) {
  if (text.empty()) return "empty";
  bool ownLetter = false;
  for (const char32_t c : Decoded(text)) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      return "Latin letters in \"" + text + "\"";
    }
    ownLetter |= c >= script.first && c <= script.last;
  }
  if (!ownLetter && !mayBeDigitsOnly) return "no letter of the script";
  return "";
}

TEST(LanguageTables, HindiAndTamilAreWrittenInTheirScripts) {
  for (const Script& script : kScripts) {
    const Language language = script.language;
    SCOPED_TRACE(LanguageCode(language));
    const SignTables t = FillSignTables(language);
    const SignTable SignTables::*tables[] = {
        &SignTables::SignName,
        &SignTables::VedicName,
        &SignTables::EnglishName,
        &SignTables::RulingPlanet,
        &SignTables::Symbol,
        &SignTables::Nature,
        &SignTables::Color,
        &SignTables::TypeOfSign,
        &SignTables::Gender,
        &SignTables::BestPeriodOfActivity,
        &SignTables::Barren,
        &SignTables::Caste,
        &SignTables::Position,
        &SignTables::ConstituentCharacter,
        &SignTables::LuckyDays,
        &SignTables::LuckyNumbers,
        &SignTables::BestDirection,
        &SignTables::LuckyColors,
        &SignTables::LuckyGemstone,
        &SignTables::PartOfTheBody,
        &SignTables::Physique,
        &SignTables::CompatibleWith,
        &SignTables::NotCompatibleWith,
        &SignTables::LooksText,
        &SignTables::NatureText,
        &SignTables::CareerAndFinanceText,
        &SignTables::LoveAndDomesticLifeText,
        &SignTables::HealthText};
    for (const auto table : tables) {
      for (int s = 0; s < 12; ++s) {
        EXPECT_EQ(NotInScript((t.*table)[s], script,
                              table == &SignTables::LuckyNumbers),
                  "")
            << "sign " << s + 1;
      }
    }
    EXPECT_EQ(t.LuckyNumbers, FillSignTables().LuckyNumbers);
    for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
      EXPECT_EQ(NotInScript(SignFieldCaption(i, language), script), "");
    }
    for (const std::string& caption : PlanetRowCaptions(language)) {
      EXPECT_EQ(NotInScript(caption, script), "");
    }
    for (int house = 1; house <= 12; ++house) {
      EXPECT_EQ(NotInScript(HouseSignificance(house, language), script), "")
          << "house " << house;
    }
    for (int zone = 0; zone < kZoneCount; ++zone) {
      EXPECT_EQ(NotInScript(ZoneNameOf(zone, language), script), "")
          << kZoneTable[zone].text;
    }
  }
}

// The readings tell the same in every language: as many sentences, and in
// the same order of length, so that none was dropped or swapped.
TEST(LanguageTables, ReadingsKeepEverySentence) {
  const auto sentences = [](const std::string& text) {
    int count = 0;
    for (const char32_t c : Decoded(text)) {
      count += c == U'.' || c == U'\u0964' || c == U'!' || c == U'?';
    }
    return count;
  };
  const SignTables english = FillSignTables();
  for (const Script& script : kScripts) {
    const SignTables t = FillSignTables(script.language);
    for (const auto table :
         {&SignTables::LooksText, &SignTables::NatureText,
          &SignTables::CareerAndFinanceText,
          &SignTables::LoveAndDomesticLifeText, &SignTables::HealthText}) {
      for (int s = 0; s < 12; ++s) {
        EXPECT_EQ(sentences((t.*table)[s]), sentences((english.*table)[s]))
            << LanguageCode(script.language) << " sign " << s + 1 << ": "
            << (t.*table)[s];
      }
    }
  }
}

// One row of translations/glossary.tsv.
struct GlossaryRow {
  std::string kind;
  std::size_t index;
  std::array<std::string, 3> words;  // English, Hindi, Tamil
};

std::vector<GlossaryRow> ReadGlossary() {
  std::ifstream in(TARVELIN_TRANSLATIONS_DIR "/glossary.tsv");
  std::vector<GlossaryRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells;
    std::istringstream fields(line);
    std::string cell;
    while (std::getline(fields, cell, '\t')) cells.push_back(cell);
    if (cells.size() < 5) continue;
    rows.push_back(
        {cells[0], std::stoul(cells[1]), {cells[2], cells[3], cells[4]}});
  }
  return rows;
}

// The tables' word for a glossary row, or nothing for a free term.
std::optional<std::string> TableWord(const GlossaryRow& row,
                                     Language language) {
  const SignWords& w = SignWordsIn(language);
  const std::map<std::string, std::vector<const char*>> vocabularies = {
      {"sign", {w.signName.begin(), w.signName.end()}},
      {"body", {w.partOfTheBody.begin(), w.partOfTheBody.end()}},
      {"symbol", {w.symbol.begin(), w.symbol.end()}},
      {"element", {w.element.begin(), w.element.end()}},
      {"quality", {w.quality.begin(), w.quality.end()}},
      {"gender", {w.gender.begin(), w.gender.end()}},
      {"period", {w.period.begin(), w.period.end()}},
      {"fertility", {w.fertility.begin(), w.fertility.end()}},
      {"caste", {w.caste.begin(), w.caste.end()}},
      {"position", {w.position.begin(), w.position.end()}},
      {"constituent", {w.constituent.begin(), w.constituent.end()}},
      {"direction", {w.direction.begin(), w.direction.end()}},
      {"weekday", {w.weekday.begin(), w.weekday.end()}},
      {"colour", {w.colour.begin(), w.colour.end()}},
      {"gemstone", {w.gemstone.begin(), w.gemstone.end()}},
      {"physique", {w.physique.begin(), w.physique.end()}},
      {"month",
       {WordsIn(language).monthName.begin(),
        WordsIn(language).monthName.end()}},
  };
  if (row.kind == "planet") return PlainPlanetNames(language).at(row.index);
  const auto it = vocabularies.find(row.kind);
  if (it == vocabularies.end()) return std::nullopt;
  return std::string(it->second.at(row.index));
}

// Everything a reader gets in one language: the reports of a birth in
// Delhi and of one in the polar night, the windows' translations.
std::string AllTextIn(Language language) {
  Birth birth;
  birth.name = "RAM";
  birth.local = {1980, 3, 15, 21, 5, 30};
  birth.longitudeDegrees = 77.2;
  birth.latitudeDegrees = 28.6;
  birth.utcOffsetSeconds = 19800;
  birth.zoneIndex = 34;
  std::string text;
  for (const double latitude : {28.6, 78.2}) {
    birth.latitudeDegrees = latitude;
    birth.local.month = latitude > 60 ? 12 : 3;
    const ChartResult result = Calculate(birth);
    text += TextReport(
        birth, result, PresentResult(birth, result, language),
        PresentHoraLagna(result, ReadHoraLagna(birth, result, {}), language),
        ChartStyle::kNorth);
  }
  if (language != Language::kEnglish) {
    std::ifstream ts(std::string(TARVELIN_TRANSLATIONS_DIR "/tarvelin_") +
                     LanguageCode(language) + ".ts");
    text += std::string(std::istreambuf_iterator<char>(ts), {});
  }
  return text;
}

TEST(Glossary, SaysWhatTheTablesSay) {
  const std::vector<GlossaryRow> rows = ReadGlossary();
  ASSERT_GT(rows.size(), 100u);
  const std::array<std::string, 3> texts = {AllTextIn(Language::kEnglish),
                                            AllTextIn(Language::kHindi),
                                            AllTextIn(Language::kTamil)};
  for (const GlossaryRow& row : rows) {
    for (const Language language : kLanguages) {
      const std::string& word = row.words[LanguageIndex(language)];
      SCOPED_TRACE(row.kind + " " + std::to_string(row.index) + " " +
                   LanguageCode(language));
      if (const auto inTable = TableWord(row, language)) {
        EXPECT_EQ(word, *inTable);
      } else if (language != Language::kEnglish) {
        // A free term: its first word is used somewhere the reader of
        // that language reads.
        const std::string head = word.substr(0, word.find(' '));
        EXPECT_NE(texts[LanguageIndex(language)].find(head), std::string::npos)
            << word;
      }
    }
  }
}

TEST(LanguageFromCode, TakesTheCodeAloneOrAsALocale) {
  const std::pair<const char*, std::optional<Language>> cases[] = {
      {"hi", Language::kHindi},    {"hi_IN.UTF-8", Language::kHindi},
      {"ta_IN", Language::kTamil}, {"ta-LK", Language::kTamil},
      {"en", Language::kEnglish},  {"en_US.UTF-8", Language::kEnglish},
      {"hin", std::nullopt},       {"h", std::nullopt},
      {"", std::nullopt},          {"fr_FR", std::nullopt}};
  for (const auto& [code, want] : cases) {
    EXPECT_EQ(LanguageFromCode(code), want) << code;
  }
}

TEST(DisplayWidth, CountsColumnsNotBytes) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"Aries", 5}, {"17\u00B0 32\u2032", 7},
      {"मेष", 2},   // the vowel sign above the letter takes no column
      {"कि", 2},   // ... the one beside it does
      {"लग्न", 3},  // the virama joins its letter
      {"லக்னம்", 4},  {"சூரியன்", 6}};
  for (const auto& [text, columns] : cases) {
    EXPECT_EQ(DisplayWidth(text), columns) << text;
  }
}

}  // namespace
}  // namespace tarvelin
