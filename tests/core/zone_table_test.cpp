#include "tables/zone_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

namespace tarvelin {
namespace {

struct ZoneCase {
  int position;
  const char* text;
  int hours;
  int minutes;
};

TEST(ZoneCalculation, GivesTheSignedOffsetsOfTheListPosition) {
  const ZoneCase cases[] = {
      {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
      {34, "Indian Time, IST, +5.3", -5, -30},
      {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
      {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
      {52, "North Sumatra Time,NST,+6.5", -6, -30},  // same abbreviation
      {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
      {61, "Universal Time, UT, 0.0", 0, 0},
      {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
      {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
      {58, "South Australia Standard Time,SAST,+9.5", -9, -30},
      {59, "South Australia Standard Time,SAT,+9.5", -9, -30},
      {70, "Yukon War Time,YWT,-8.0", 8, 0},
  };
  for (const ZoneCase& c : cases) {
    std::int16_t hours = 99, minutes = 99;
    ASSERT_TRUE(Zone_Calculation(c.position, hours, minutes)) << c.position;
    EXPECT_STREQ(kZoneTable[c.position].text, c.text) << c.position;
    EXPECT_EQ(hours, c.hours) << c.text;
    EXPECT_EQ(minutes, c.minutes) << c.text;
  }
}

TEST(ZoneCalculation, NoSelectionLeavesTheOffsetsAsTheyWere) {
  for (const int position : {-1, kZoneCount, 1000}) {
    std::int16_t hours = 4, minutes = -30;
    EXPECT_FALSE(Zone_Calculation(position, hours, minutes)) << position;
    EXPECT_EQ(hours, 4) << position;
    EXPECT_EQ(minutes, -30) << position;
  }
}

// The offsets must be the reverse of the hours written at the end of each
// text, in decimal hours, except India's "+5.3" that means 5 h 30 min. This
// catches a row whose numbers drifted from its text.
TEST(ZoneTable, OffsetsReverseTheHoursInTheText) {
  constexpr double kToleranceHours = 1e-9;
  for (int i = 0; i < kZoneCount; ++i) {
    const std::string text = kZoneTable[i].text;
    const std::string hoursText = text.substr(text.rfind(',') + 1);
    double eastHours = std::strtod(hoursText.c_str(), nullptr);
    if (text == "Indian Time, IST, +5.3") eastHours = 5.5;
    const ZoneEntry& e = kZoneTable[i];
    EXPECT_NEAR(e.offsetHours + e.offsetMinutes / 60.0, -eastHours,
                kToleranceHours)
        << i << " " << text;
    EXPECT_TRUE(e.offsetMinutes == 0 || std::abs(e.offsetMinutes) == 30) << i;
    EXPECT_FALSE(e.offsetMinutes * e.offsetHours < 0) << i << " signs differ";
  }
}

TEST(ZoneTable, HoldsSeventyOneDistinctTexts) {
  std::set<std::string> texts;
  for (const ZoneEntry& e : kZoneTable) texts.insert(e.text);
  EXPECT_EQ(texts.size(), 71u);
}

}  // namespace
}  // namespace tarvelin
