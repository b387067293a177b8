// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/reference_sunrise.h"

#include <gtest/gtest.h>

#include "present/quantity_text.h"

namespace tarvelin {
namespace {

// A day of 15 March with sunrise 06:30 and sunset 18:30; the day before
// rises at 06:31.
const CivilDateTime kSunrise{1980, 3, 15, 6, 30, 0};
const CivilDateTime kSunset{1980, 3, 15, 18, 30, 0};
const CivilDateTime kSunriseBefore{1980, 3, 14, 6, 31, 0};

TEST(ReferenceSunrise, PicksTheMorningThatTimesTheBirth) {
  struct Case {
    const char* name;
    CivilDateTime birth;
    CivilDateTime sunrise;
    std::int64_t minutes, seconds;
  };
  const Case cases[] = {
      {"exactly at sunrise", kSunrise, kSunrise, 0, 0},
      {"exactly at sunset", kSunset, kSunrise, 720, 43200},
      {"seconds stay out of the minutes",
       {1980, 3, 15, 6, 40, 59},
       kSunrise,
       10,
       659},
      // 06:31 the day before to 06:29: one minute short of a day, less the
      // minute by which the sunrise moved.
      {"one minute before sunrise",
       {1980, 3, 15, 6, 29, 0},
       kSunriseBefore,
       1438,
       1438 * 60},
      {"just after midnight",
       {1980, 3, 15, 0, 0, 30},
       kSunriseBefore,
       1049,
       1049 * 60 + 30},
      // After sunset the birth is still timed from its own day's sunrise.
      {"evening birth", {1980, 3, 15, 21, 5, 30}, kSunrise, 875, 875 * 60 + 30},
      {"one minute before midnight",
       {1980, 3, 15, 23, 59, 59},
       kSunrise,
       1049,
       1049 * 60 + 59},
  };
  for (const Case& k : cases) {
    const auto got =
        ChooseReferenceSunrise(k.birth, kSunrise, kSunset, kSunriseBefore);
    ASSERT_TRUE(got.has_value()) << k.name;
    EXPECT_EQ(got->sunrise, k.sunrise)
        << k.name << ": got " << DateTimeText(got->sunrise);
    EXPECT_EQ(got->elapsedMinutes, k.minutes) << k.name;
    EXPECT_EQ(got->elapsedSeconds, k.seconds) << k.name;
  }
}

TEST(ReferenceSunrise, MissingEventsTheChoiceNeedsGiveNothing) {
  const CivilDateTime morning{1980, 3, 15, 3, 0, 0};
  const CivilDateTime noon{1980, 3, 15, 12, 0, 0};
  const std::optional<CivilDateTime> none;

  EXPECT_FALSE(ChooseReferenceSunrise(noon, none, none, none));
  EXPECT_FALSE(ChooseReferenceSunrise(noon, none, kSunset, kSunriseBefore));
  EXPECT_FALSE(ChooseReferenceSunrise(noon, kSunrise, none, kSunriseBefore));
  EXPECT_FALSE(ChooseReferenceSunrise(morning, kSunrise, kSunset, none));

  // An event the choice does not need may be missing.
  EXPECT_TRUE(ChooseReferenceSunrise(noon, kSunrise, kSunset, none));
  EXPECT_TRUE(ChooseReferenceSunrise(morning, kSunrise, none, kSunriseBefore));
}

}  // namespace
}  // namespace tarvelin
