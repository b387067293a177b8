// SPDX-License-Identifier: GPL-3.0-or-later
// The words the sign tables are made of, one set per language: the names
// of the signs, their symbols, and the small vocabularies (elements,
// weekdays, colours, gemstones, ...) from which every attribute is
// written. Which word belongs to which sign is said once, in
// sign_tables.cpp, for all languages.
#pragma once

#include <array>

#include "tables/language.h"

namespace tarvelin {

enum Element { kFire, kEarth, kAir, kWater };
enum Quality { kMovable, kFixed, kMixed };
enum Gender { kMale, kFemale };
enum Period { kDay, kNight };
enum Fertility { kBarren, kSemiFruitful, kFruitful };
enum Caste { kKshatriya, kVaisya, kSudra, kBrahmana };
enum Position { kDwara, kBahya, kGarbha };
enum Constituent { kMineral, kVegetable, kAnimal };
enum Direction { kEast, kSouth, kWest, kNorth };
enum Weekday {
  kSunday,
  kMonday,
  kTuesday,
  kWednesday,
  kThursday,
  kFriday,
  kSaturday
};
enum Colour {
  kRed,
  kBrown,
  kCopper,
  kWhite,
  kGreen,
  kPink,
  kMulticoloured,
  kBlack,
  kReddishBrown,
  kYellowishBrown,
  kDeepBrown,
  kBlue,
  kYellow,
  kPurple,
  kOrange,
  kGray,
  kCream,
  kColourCount
};
enum Gemstone {
  kCoral,
  kDiamond,
  kEmerald,
  kPearl,
  kRuby,
  kYellowSapphire,
  kBlueSapphire,
  kGemstoneCount
};
enum Physique { kShort, kEven, kTall };

struct SignWords {
  std::array<const char*, 12> signName;     // in the language's own usage
  std::array<const char*, 12> vedicName;    // the Sanskrit name
  std::array<const char*, 12> englishName;  // the English name, as written
  std::array<const char*, 12> symbol;
  std::array<const char*, 12> partOfTheBody;
  std::array<const char*, 4> element;
  std::array<const char*, 3> quality;
  std::array<const char*, 2> gender;
  std::array<const char*, 2> period;
  std::array<const char*, 3> fertility;
  std::array<const char*, 4> caste;
  std::array<const char*, 3> position;
  std::array<const char*, 3> constituent;
  std::array<const char*, 4> direction;
  std::array<const char*, 7> weekday;
  std::array<const char*, kColourCount> colour;
  std::array<const char*, kGemstoneCount> gemstone;
  std::array<const char*, 3> physique;
  const char* listSeparator;  // between the items of one list
};

const SignWords& SignWordsIn(Language language);

}  // namespace tarvelin
