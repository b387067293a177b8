// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed knowledge about the twelve signs: twenty-two attributes and five
// readings per sign, and the 28 result-form fields they fill.
#pragma once

#include <array>
#include <string>

#include "engine/bodies.h"
#include "tables/language.h"

namespace tarvelin {

using SignTable = std::array<std::string, 12>;

// The twenty-seven tables, index 0 = Aries ... 11 = Pisces.
struct SignTables {
  // The sign's name as the language uses it (in English the English name),
  // shown as the Hora Lagna's sign.
  SignTable SignName;
  SignTable VedicName, EnglishName, RulingPlanet, Symbol, Nature, Color,
      TypeOfSign, Gender, BestPeriodOfActivity, Barren, Caste, Position,
      ConstituentCharacter, LuckyDays, LuckyNumbers, BestDirection, LuckyColors,
      LuckyGemstone, PartOfTheBody, Physique, CompatibleWith, NotCompatibleWith;
  SignTable LooksText, NatureText, CareerAndFinanceText,
      LoveAndDomesticLifeText, HealthText;
};

// Builds all the tables in `language` (same result every call).
SignTables FillSignTables(Language language = Language::kEnglish);

// The tables of FillSignTables, built once for the whole process on first
// use and never changed after.
const SignTables& SharedSignTables(Language language = Language::kEnglish);

// The 28 fields of the result form that show one sign, named as on the form.
struct SignAttributeFields {
  std::string lblArudhaLagnaPresentInSign, lblVedicName, lblEnglishName,
      lblRullingPlanet, lblSymbol, lblNature, lblColor, lblTypeOfSign,
      lblGender, lblBestPeriodOfActivity, lblBarren, lblCaste, lblPosition,
      lblConstituentCharacter, lblLuckyDays, lblLuckyNumbers, lblBestDirection,
      lblLuckyColors, lblLuckyGemstone, lblPartOfTheBody, lblPhysique, txtLooks,
      txtNature, txtCareerAndFinance, txtLoveAndDomesticLife, txtHealth,
      lblCompatibleWith, lblNotCompatibleWith;
};

// The fields of sign index s (0..11) in the form's assignment order.
SignAttributeFields ShowSignAttributes(const SignTables& tables, int s);

// (field name, caption shown above it, pointer to member) in assignment
// order, for code that walks all 28 fields (JSON output, the result form,
// the command-line report, tests).
struct SignFieldRef {
  const char* name;
  const char* caption;
  std::string SignAttributeFields::*member;
};

// The caption of a field named as in kSignAttributeFieldRefs, or of its
// index there, in `language`; empty for any other name or index.
const char* SignFieldCaption(const std::string& fieldName,
                             Language language = Language::kEnglish);
const char* SignFieldCaption(std::size_t field, Language language);

// Row captions of the planetary table, Sun first, ascendant last (English;
// PlanetRowCaptions gives them in any language).
extern const std::array<const char*, 10> kPlanetRowCaptions;
std::array<std::string, kBodyCount> PlanetRowCaptions(Language language);
extern const std::array<SignFieldRef, 28> kSignAttributeFieldRefs;

}  // namespace tarvelin
