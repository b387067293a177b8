// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/civil_time.h"

#include <gtest/gtest.h>

#include "present/quantity_text.h"

namespace tarvelin {
namespace {

TEST(CivilTime, RoundTripsThroughSecondsAcrossCenturies) {
  for (const CivilDateTime t : {CivilDateTime{1582, 10, 15, 0, 0, 0},
                                CivilDateTime{1899, 12, 31, 23, 59, 59},
                                CivilDateTime{1900, 3, 1, 12, 30, 0},
                                CivilDateTime{2000, 2, 29, 6, 0, 1},
                                CivilDateTime{2050, 12, 31, 23, 0, 0}}) {
    EXPECT_EQ(CivilFromSeconds(SecondsFromCivil(t)), t) << DateTimeText(t);
  }
}

TEST(CivilTime, AddingCarriesBothWays) {
  struct Case {
    CivilDateTime start;
    std::int64_t minutes;
    CivilDateTime expected;
  };
  const Case cases[] = {
      {{1999, 12, 31, 23, 30, 0}, 45, {2000, 1, 1, 0, 15, 0}},
      {{2000, 1, 1, 0, 15, 0}, -45, {1999, 12, 31, 23, 30, 0}},
      {{2000, 2, 28, 22, 0, 0}, 180, {2000, 2, 29, 1, 0, 0}},
      {{1900, 2, 28, 22, 0, 0}, 180, {1900, 3, 1, 1, 0, 0}},  // 1900 not leap
      {{2001, 3, 1, 2, 0, 0}, -5 * 60 - 30, {2001, 2, 28, 20, 30, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddMinutes(c.start, c.minutes), c.expected)
        << DateTimeText(c.start);
  }
}

TEST(CivilTime, MinuteBoundariesIgnoreSeconds) {
  const CivilDateTime sunrise{2000, 5, 1, 6, 0, 0};
  const CivilDateTime birth{2000, 5, 1, 6, 10, 59};
  EXPECT_EQ(MinuteBoundariesBetween(sunrise, birth), 10);
  EXPECT_EQ(SecondsBetween(sunrise, birth), 659);
}

TEST(CivilTime, DayOfYearAndMonthLengths) {
  EXPECT_EQ(DayOfYear(2000, 1, 1), 1);
  EXPECT_EQ(DayOfYear(2004, 12, 31), 366);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

}  // namespace
}  // namespace tarvelin
