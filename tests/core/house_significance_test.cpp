// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/house_significance.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvelin {
namespace {

TEST(HoraLagnaHouse, CountsFromTheAscendantSignAndWraps) {
  struct Case {
    int ascendant_sign;   // 1 = Aries ... 12 = Pisces
    int hora_lagna_sign;  // same numbering
    int house;
  };
  const Case cases[] = {
      {5, 5, 1},    // Leo, Leo: same sign is house 1
      {12, 1, 2},   // Pisces, Aries: diff -11
      {1, 12, 12},  // Aries, Pisces: diff 11
      {3, 1, 11},   // Gemini, Aries: diff -2
      {1, 1, 1},    // smallest signs
      {12, 12, 1},  // largest signs
      {4, 3, 12},   // one sign behind: diff -1
      {4, 5, 2},    // one sign ahead
      {7, 1, 7},    // opposite sign from behind
      {1, 7, 7},    // opposite sign from ahead
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoraLagnaHouse(c.ascendant_sign, c.hora_lagna_sign), c.house)
        << "ascendant " << c.ascendant_sign << ", Hora Lagna "
        << c.hora_lagna_sign;
  }
}

TEST(HoraLagnaHouse, EveryPairGivesAHouseOneToTwelve) {
  for (int asc = 1; asc <= 12; ++asc) {
    int seen[13] = {};
    for (int hl = 1; hl <= 12; ++hl) {
      const int house = HoraLagnaHouse(asc, hl);
      ASSERT_GE(house, 1) << asc << " " << hl;
      ASSERT_LE(house, 12) << asc << " " << hl;
      ++seen[house];
    }
    // From any ascendant each house is reached by exactly one sign.
    for (int house = 1; house <= 12; ++house) {
      EXPECT_EQ(seen[house], 1) << "ascendant " << asc << ", house " << house;
    }
  }
}

TEST(HouseSignificance, SelectedTextsOpenAsExpected) {
  EXPECT_EQ(kHouseSignificance[HoraLagnaHouse(5, 5) - 1].rfind(
                "If you have a good reputation", 0),
            0u);
  EXPECT_EQ(kHouseSignificance[HoraLagnaHouse(12, 1) - 1].rfind(
                "Family life will gain importance.", 0),
            0u);
  EXPECT_EQ(kHouseSignificance[HoraLagnaHouse(1, 12) - 1],
            "You will gain money from foreign places.");
}

TEST(HouseSignificance, KeepsTrailingBlanks) {
  const std::size_t trailing_blanks[12] = {1, 0, 0, 0, 0, 0, 0, 4, 2, 4, 4, 0};
  for (int house = 1; house <= 12; ++house) {
    const std::string& text = kHouseSignificance[house - 1];
    const std::size_t last = text.find_last_not_of(' ');
    ASSERT_NE(last, std::string::npos) << "house " << house;
    EXPECT_EQ(text.size() - 1 - last, trailing_blanks[house - 1])
        << "house " << house << ": \"" << text << "\"";
    EXPECT_EQ(text[last], '.') << "house " << house;
  }
  EXPECT_EQ(kHouseSignificance[8],
            "Wisdom and knowledge will be of utmost importance.  ");
}

}  // namespace
}  // namespace tarvelin
