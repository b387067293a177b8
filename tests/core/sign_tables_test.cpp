// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/sign_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tarvelin {
namespace {

using TableRef = SignTable SignTables::*;

// Sign index by name, for readable cases.
constexpr int kAries = 0, kGemini = 2, kCancer = 3, kLeo = 4, kVirgo = 5,
              kAquarius = 10;

const char* const kSignNames[12] = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const TableRef kReadingTables[] = {
    &SignTables::LooksText, &SignTables::NatureText,
    &SignTables::CareerAndFinanceText, &SignTables::LoveAndDomesticLifeText,
    &SignTables::HealthText};

const TableRef kAllTables[] = {
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
    &SignTables::HealthText,
};

// Splits a paragraph after each '.', '!' or '?' that a blank follows.
std::vector<std::string> Sentences(const std::string& text) {
  std::vector<std::string> out;
  std::string::size_type start = 0;
  for (std::string::size_type i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if ((c == '.' || c == '!' || c == '?') && text[i + 1] == ' ') {
      out.push_back(text.substr(start, i + 1 - start));
      start = i + 1;
      while (start < text.size() && text[start] == ' ') ++start;
      i = start - 1;
    }
  }
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

TEST(SignReadings, OpenWithTheirWordsAndHaveTheirLengths) {
  struct Case {
    TableRef table;
    int sign;
    const char* opening;
    std::size_t length;  // characters, blanks included
  };
  // The opening words and lengths that size the result form's boxes.
  const Case cases[] = {
      {&SignTables::LooksText, 0, "You may be slim and of medium", 185},
      {&SignTables::LooksText, 1, "You are attractive and beautiful.", 191},
      {&SignTables::LooksText, 2, "You are tall slim and good looking.", 127},
      {&SignTables::LooksText, 3, "You have a medium stature and may", 136},
      {&SignTables::LooksText, 4, "You are tall  and have broad", 137},
      {&SignTables::LooksText, 5, "You are tall and slim with sharp", 131},
      {&SignTables::LooksText, 6, "You are tall and thin.", 150},
      {&SignTables::LooksText, 7, "You have broad body shape.", 103},
      {&SignTables::LooksText, 8, "You may be medium to tall and", 167},
      {&SignTables::LooksText, 9, "You have beautiful eyes.", 107},
      {&SignTables::LooksText, 10, "You have a fair complexion.", 221},
      {&SignTables::LooksText, 11, "You have the perfect body with the", 154},
      {&SignTables::NatureText, 0, "You are very independent and dynamic.",
       883},
      {&SignTables::NatureText, 1,
       "You have a powerful and commanding personality.", 685},
      {&SignTables::NatureText, 2, "You have an analytical mind.", 652},
      {&SignTables::NatureText, 3, "You are a patient person and very", 619},
      {&SignTables::NatureText, 4, "You are a leader and can never", 716},
      {&SignTables::NatureText, 5, "You are practical and polished.", 855},
      {&SignTables::NatureText, 6, "Justice means everything to you.", 769},
      {&SignTables::NatureText, 7, "Mysterious is the first word that comes",
       811},
      {&SignTables::NatureText, 8, "You are very optimistic and spontaneous by",
       515},
      {&SignTables::NatureText, 9, "You want to achieve a lot in", 726},
      {&SignTables::NatureText, 10, "You are a thinker, philosopher and an",
       626},
      {&SignTables::NatureText, 11, "You are very creative and soft by", 699},
      {&SignTables::CareerAndFinanceText, 0, "You are ambitious by nature.",
       175},
      {&SignTables::CareerAndFinanceText, 1,
       "You love spending on luxurious things.", 282},
      {&SignTables::CareerAndFinanceText, 2, "You will do very well in jobs",
       227},
      {&SignTables::CareerAndFinanceText, 3,
       "You have an artistic bent of mind.", 186},
      {&SignTables::CareerAndFinanceText, 4, "You can do well in professions",
       215},
      {&SignTables::CareerAndFinanceText, 5,
       "You are skilled in music and dance.", 126},
      {&SignTables::CareerAndFinanceText, 6, "You could make a career of the",
       157},
      {&SignTables::CareerAndFinanceText, 7,
       "You may come in possession of sudden", 257},
      {&SignTables::CareerAndFinanceText, 8, "You always yearn to learn more",
       240},
      {&SignTables::CareerAndFinanceText, 9,
       "Material wealth means a lot to you.", 166},
      {&SignTables::CareerAndFinanceText, 10, "You will do very well in public",
       195},
      {&SignTables::CareerAndFinanceText, 11, "You are artistically inclined.",
       231},
      {&SignTables::LoveAndDomesticLifeText, 0,
       "You are a romantic to the core", 210},
      {&SignTables::LoveAndDomesticLifeText, 1,
       "You may not express your emotions", 140},
      {&SignTables::LoveAndDomesticLifeText, 2,
       "You are blessed with a long life.", 216},
      {&SignTables::LoveAndDomesticLifeText, 3,
       "Parents will mean a lot to you.", 220},
      {&SignTables::LoveAndDomesticLifeText, 4,
       "You love living life king size.", 321},
      {&SignTables::LoveAndDomesticLifeText, 5, "You are not romantic at all.",
       150},
      {&SignTables::LoveAndDomesticLifeText, 6,
       "Being peaceful and loving by nature", 184},
      {&SignTables::LoveAndDomesticLifeText, 7,
       "Your possessive nature may create problems", 276},
      {&SignTables::LoveAndDomesticLifeText, 8,
       "You may have some problem dealing", 297},
      {&SignTables::LoveAndDomesticLifeText, 9,
       "Domestic life will have its share", 324},
      {&SignTables::LoveAndDomesticLifeText, 10,
       "You are influenced more by your friends", 177},
      {&SignTables::LoveAndDomesticLifeText, 11,
       "Your children will be very fortunate", 293},
      {&SignTables::HealthText, 0, "You may be prone to blood circulation",
       121},
      {&SignTables::HealthText, 1, "You may not enjoy good health", 84},
      {&SignTables::HealthText, 2, "You may have some problems of the", 108},
      {&SignTables::HealthText, 3, "You may have stress and mental illnesses",
       166},
      {&SignTables::HealthText, 4, "Heart problems may occur.", 124},
      {&SignTables::HealthText, 5, "Your intestine and liver may give you", 81},
      {&SignTables::HealthText, 6, "Kidney and liver are your weak parts.", 93},
      {&SignTables::HealthText, 7, "You may have problems from piles", 110},
      {&SignTables::HealthText, 8, "Your body gives out too much heat", 155},
      {&SignTables::HealthText, 9, "You may be prone to gout", 93},
      {&SignTables::HealthText, 10, "Your legs and eyes may be weak.", 155},
      {&SignTables::HealthText, 11,
       "Common cold will be your constant companion.", 131},
  };
  const SignTables t = FillSignTables();
  ASSERT_EQ(std::size(cases), 60u);
  for (const Case& c : cases) {
    const std::string& text = (t.*c.table)[c.sign];
    const std::string opening = c.opening;
    EXPECT_EQ(text.substr(0, opening.size()), opening)
        << kSignNames[c.sign] << ": want opening \"" << opening << "\"";
    EXPECT_EQ(text.size(), c.length)
        << kSignNames[c.sign] << " text \"" << opening << "...\"";
  }
}

TEST(SignReadings, AreSinglePlainParagraphsWithoutRepeatedSentences) {
  const SignTables t = FillSignTables();
  std::map<std::string, std::string> seen;  // sentence -> where it was first
  for (const TableRef table : kReadingTables) {
    for (int s = 0; s < 12; ++s) {
      const std::string& text = (t.*table)[s];
      const std::string where =
          std::string(kSignNames[s]) + " \"" + text.substr(0, 24) + "...\"";
      for (const char c : text) {
        // Plain printable ASCII keeps characters and bytes the same count.
        EXPECT_TRUE(c >= 0x20 && c <= 0x7e)
            << where << " holds character code " << static_cast<int>(c);
      }
      EXPECT_NE(text.back(), ' ') << where;
      for (const std::string& sentence : Sentences(text)) {
        const auto [it, inserted] = seen.emplace(sentence, where);
        EXPECT_TRUE(inserted) << "\"" << sentence << "\" in " << where
                              << " repeats " << it->second;
      }
    }
  }
  // A paragraph of several sentences each, not one run-on text.
  EXPECT_GT(seen.size(), 200u);
}

TEST(SignTables, EveryEntryIsFilledAndHasNoLineBreak) {
  const SignTables t = FillSignTables();
  for (const TableRef table : kAllTables) {
    for (int s = 0; s < 12; ++s) {
      const std::string& entry = (t.*table)[s];
      EXPECT_FALSE(entry.empty()) << kSignNames[s];
      EXPECT_EQ(entry.find_first_of("\r\n"), std::string::npos)
          << kSignNames[s] << ": \"" << entry << "\"";
    }
  }
}

TEST(SignTables, FillingTwiceGivesTheSameTables) {
  const SignTables first = FillSignTables();
  const SignTables second = FillSignTables();
  for (const TableRef table : kAllTables) {
    EXPECT_EQ(first.*table, second.*table);
  }
}

TEST(SignTables, SharedTablesAreTheFilledTablesBuiltOnce) {
  const SignTables filled = FillSignTables();
  const SignTables& shared = SharedSignTables();
  EXPECT_EQ(&SharedSignTables(), &shared);
  for (const TableRef table : kAllTables) {
    EXPECT_EQ(shared.*table, filled.*table);
  }
}

TEST(SignTables, ClassificationsRepeatWithTheirPeriods) {
  const SignTables t = FillSignTables();
  struct Case {
    const char* name;
    TableRef table;
    int period;
  };
  const Case cases[] = {
      {"Nature", &SignTables::Nature, 4},
      {"Caste", &SignTables::Caste, 4},
      {"BestDirection", &SignTables::BestDirection, 4},
      {"NotCompatibleWith", &SignTables::NotCompatibleWith, 4},
      {"TypeOfSign", &SignTables::TypeOfSign, 3},
      {"Position", &SignTables::Position, 3},
      {"ConstituentCharacter", &SignTables::ConstituentCharacter, 3},
  };
  for (const Case& c : cases) {
    const SignTable& table = t.*c.table;
    for (int s = c.period; s < 12; ++s) {
      EXPECT_EQ(table[s], table[s - c.period])
          << c.name << " of " << kSignNames[s];
    }
    // One full period holds distinct values: the period is not shorter.
    for (int a = 0; a < c.period; ++a) {
      for (int b = a + 1; b < c.period; ++b) {
        EXPECT_NE(table[a], table[b]) << c.name << " " << a << " " << b;
      }
    }
  }
  EXPECT_EQ(t.Nature[kAries], "Fire");
  EXPECT_EQ(t.Caste[kCancer], "Brahmana");
  EXPECT_EQ(t.BestDirection[kGemini], "West");
  EXPECT_EQ(t.TypeOfSign[kAries], "Movable");
  EXPECT_EQ(t.Position[kGemini], "Garbha");
  EXPECT_EQ(t.ConstituentCharacter[kLeo], "Vegetable (Moola)");
}

TEST(SignTables, CompatibilityListsAreOneSided) {
  const SignTables t = FillSignTables();
  // Aquarius names itself and only three signs.
  EXPECT_EQ(t.CompatibleWith[kAquarius], "Aquarius, Libra, Gemini");
  // Virgo names four signs; Aries names Aquarius but not the other way round.
  EXPECT_EQ(t.CompatibleWith[kVirgo], "Scorpio, Capricorn, Pisces, Cancer");
  EXPECT_NE(t.CompatibleWith[kAries].find("Aquarius"), std::string::npos);
  EXPECT_EQ(t.CompatibleWith[kAquarius].find("Aries"), std::string::npos);
}

// The 28 result-form fields in assignment order, each with the table it shows.
struct FieldCase {
  const char* name;
  TableRef table;
};
const FieldCase kFieldCases[28] = {
    {"lblArudhaLagnaPresentInSign", &SignTables::EnglishName},
    {"lblVedicName", &SignTables::VedicName},
    {"lblEnglishName", &SignTables::EnglishName},
    {"lblRullingPlanet", &SignTables::RulingPlanet},
    {"lblSymbol", &SignTables::Symbol},
    {"lblNature", &SignTables::Nature},
    {"lblColor", &SignTables::Color},
    {"lblTypeOfSign", &SignTables::TypeOfSign},
    {"lblGender", &SignTables::Gender},
    {"lblBestPeriodOfActivity", &SignTables::BestPeriodOfActivity},
    {"lblBarren", &SignTables::Barren},
    {"lblCaste", &SignTables::Caste},
    {"lblPosition", &SignTables::Position},
    {"lblConstituentCharacter", &SignTables::ConstituentCharacter},
    {"lblLuckyDays", &SignTables::LuckyDays},
    {"lblLuckyNumbers", &SignTables::LuckyNumbers},
    {"lblBestDirection", &SignTables::BestDirection},
    {"lblLuckyColors", &SignTables::LuckyColors},
    {"lblLuckyGemstone", &SignTables::LuckyGemstone},
    {"lblPartOfTheBody", &SignTables::PartOfTheBody},
    {"lblPhysique", &SignTables::Physique},
    {"txtLooks", &SignTables::LooksText},
    {"txtNature", &SignTables::NatureText},
    {"txtCareerAndFinance", &SignTables::CareerAndFinanceText},
    {"txtLoveAndDomesticLife", &SignTables::LoveAndDomesticLifeText},
    {"txtHealth", &SignTables::HealthText},
    {"lblCompatibleWith", &SignTables::CompatibleWith},
    {"lblNotCompatibleWith", &SignTables::NotCompatibleWith},
};

TEST(SignAttributes, FieldRefsNameTheFormFieldsInAssignmentOrder) {
  const SignTables t = FillSignTables();
  for (int s = 0; s < 12; ++s) {
    const SignAttributeFields shown = ShowSignAttributes(t, s);
    for (std::size_t i = 0; i < kSignAttributeFieldRefs.size(); ++i) {
      const SignFieldRef& ref = kSignAttributeFieldRefs[i];
      EXPECT_STREQ(ref.name, kFieldCases[i].name) << "field " << i;
      EXPECT_EQ(shown.*ref.member, (t.*kFieldCases[i].table)[s])
          << kSignNames[s] << " " << kFieldCases[i].name;
    }
  }
}

TEST(SignAttributes, ShowTheHoraLagnaSign) {
  const SignTables t = FillSignTables();

  const SignAttributeFields aries = ShowSignAttributes(t, kAries);
  EXPECT_EQ(aries.lblArudhaLagnaPresentInSign, "Aries");
  EXPECT_EQ(aries.lblEnglishName, "Aries");
  EXPECT_EQ(aries.lblVedicName, "Mesha");
  EXPECT_EQ(aries.lblLuckyNumbers, "9, 1");
  EXPECT_EQ(aries.lblRullingPlanet, "Mars");

  const SignAttributeFields gemini = ShowSignAttributes(t, kGemini);
  EXPECT_EQ(gemini.lblGender, "Female");
  EXPECT_EQ(gemini.lblBarren, "Barren");

  const SignAttributeFields aquarius = ShowSignAttributes(t, kAquarius);
  EXPECT_EQ(aquarius.lblCompatibleWith, "Aquarius, Libra, Gemini");
  EXPECT_EQ(aquarius.lblNotCompatibleWith, "Taurus, Virgo, Capricorn");

  const SignAttributeFields virgo = ShowSignAttributes(t, kVirgo);
  EXPECT_EQ(virgo.lblLuckyColors, "Green");
  EXPECT_EQ(virgo.lblColor, "Multicolored");

  const SignAttributeFields sagittarius = ShowSignAttributes(t, 8);
  EXPECT_EQ(sagittarius.lblColor, "Yellowish brown");
  EXPECT_EQ(sagittarius.lblLuckyGemstone, "Yellow Sapphire");
}

TEST(SignAttributes, ASecondSignReplacesEveryField) {
  // Cancer and Leo differ in every attribute, so no field may keep Cancer's.
  const SignTables t = FillSignTables();
  const SignAttributeFields first = ShowSignAttributes(t, kCancer);
  SignAttributeFields shown = first;
  shown = ShowSignAttributes(t, kLeo);
  for (const SignFieldRef& ref : kSignAttributeFieldRefs) {
    EXPECT_NE(shown.*ref.member, first.*ref.member) << ref.name;
    EXPECT_FALSE((shown.*ref.member).empty()) << ref.name;
  }
  EXPECT_EQ(shown.lblEnglishName, "Leo");
  EXPECT_EQ(shown.txtLooks.substr(0, 28), "You are tall  and have broad");
}

}  // namespace
}  // namespace tarvelin

namespace tarvelin {
namespace {

// Captions as the result form shows them above each field.
TEST(SignFieldCaption, NamesEachFieldAsTheFormDoes) {
  const std::pair<const char*, const char*> cases[] = {
      {"lblArudhaLagnaPresentInSign", "Hora Lagna Present In Sign"},
      {"lblRullingPlanet", "Ruling Planet"},
      {"lblBestPeriodOfActivity", "Best Period Of Activity"},
      {"lblPartOfTheBody", "Part Of The Body"},
      {"txtCareerAndFinance", "Career And Finance"},
      {"lblNotCompatibleWith", "Not Compatible With"},
      {"lblNoSuchField", ""}};
  for (const auto& [field, caption] : cases) {
    EXPECT_STREQ(SignFieldCaption(field), caption) << field;
  }
  EXPECT_STREQ(kPlanetRowCaptions[0], "Surya/Sun");
  EXPECT_STREQ(kPlanetRowCaptions[8], "Ketu/South node");
  EXPECT_STREQ(kPlanetRowCaptions[9], "Asc/Lagna");
}

}  // namespace
}  // namespace tarvelin
