// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/zone_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "chart/birth.h"

namespace tarvelin {
namespace {

// A zone-list entry and the daylight-saving box give the offset east of
// universal time that the calculation uses.
TEST(ZoneTable, AnEntryAndTheBoxGiveTheOffsetEast) {
  struct Case {
    int position;
    bool daylightSaving;
    int offsetSeconds, daylightSavingSeconds;
  };
  const Case cases[] = {
      {0, false, -9 * 3600, 0},           // Alaska/Hawaii Daylight Time, -9
      {34, false, 19800, 0},              // Indian Time, +5:30
      {34, true, 23400, 3600},            // ... with the box ticked
      {32, false, -10 * 3600 - 1800, 0},  // Hawaiian Standard Time, -10:30
      {46, false, 13 * 3600, 0},          // New Zealand Std Summer Time, +13
      {50, true, -12600 + 3600, 3600},    // Newfoundland, -3:30, box ticked
  };
  for (const Case& c : cases) {
    const Birth b = WithZoneEntry(Birth{}, c.position, c.daylightSaving);
    EXPECT_EQ(b.utcOffsetSeconds, c.offsetSeconds) << c.position;
    EXPECT_EQ(b.daylightSavingSeconds, c.daylightSavingSeconds) << c.position;
    EXPECT_EQ(b.zoneIndex, c.position);
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
