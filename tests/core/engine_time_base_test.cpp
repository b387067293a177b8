// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/time_base.h"
#include "present/quantity_text.h"

namespace tarvelin {
namespace {

constexpr double kMicroCentury = 1e-12;  // tolerance for centuries
constexpr double kMicroDay = 1e-9;       // tolerance for day numbers, days

TEST(EngineTimeBase, JulianDayNumbersAcrossTheCalendarSwitch) {
  struct Case {
    int month, day, year;
    double want;
  };
  const Case cases[] = {
      {1, 1, 2000, 2451545},
      {1, 1, 1900, 2415021},
      {2, 29, 2000, 2451604},
      {10, 16, 1582, 2299162},
      // 15 October 1582 is read as a Julian-calendar date.
      {10, 15, 1582, 2299171},
      {10, 4, 1582, 2299160},
      {4, 10, 1987, 2446896},
      {3, 1, 1900, 2415080},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.want)
        << c.year << "-" << c.month << "-" << c.day;
  }
  // 30 February carries arithmetically into March.
  EXPECT_EQ(JulianDayNumber(2, 30, 2001), JulianDayNumber(3, 2, 2001));
  EXPECT_EQ(JulianDayNumber(2, 30, 2000), JulianDayNumber(3, 1, 2000));
  EXPECT_EQ(DayNumberJ2000(2001, 2, 30, 0, 0),
            DayNumberJ2000(2001, 3, 2, 0, 0));
}

TEST(EngineTimeBase, EpochsOfTheCenturiesAndTheDayNumber) {
  const UniversalInstant j2000 = InstantOf({2000, 1, 1, 12, 0, 0}, {});
  EXPECT_NEAR(CenturiesSinceJ2000(j2000), 0.0, kMicroCentury);
  // JD 2415020.0 (1899 December 31, 12:00) lies 36525 days earlier.
  EXPECT_NEAR(CenturiesSince1900(j2000), 1.0, kMicroCentury);
  EXPECT_NEAR(DayNumberJ2000(j2000), 0.0, kMicroDay);
  EXPECT_EQ(JulianDate(j2000), 2451545.0);
  EXPECT_NEAR(CenturiesSince1900(InstantOf({1899, 12, 31, 12, 0, 0}, {})), 0.0,
              kMicroCentury);
  // 06:00 on New Year's Day at +18:00 is noon of 31 December UT: the
  // universal hours stay unfolded (-12) and carry into the day count.
  const UniversalInstant east = InstantOf({2000, 1, 1, 6, 0, 0}, {64800, 0});
  EXPECT_EQ(east.universalHours, -12.0);
  EXPECT_NEAR(CenturiesSinceJ2000(east),
              CenturiesSinceJ2000(InstantOf({1999, 12, 31, 12, 0, 0}, {})),
              kMicroCentury);
}

TEST(EngineTimeBase, TheInstantsUniversalDateCarriesBothWays) {
  struct Case {
    CivilDateTime local;
    ClockOffset offset;
    CivilDateTime universal;
  };
  const Case cases[] = {
      // India, 00:10 on New Year's Day: 18:40 of 31 December.
      {{2000, 1, 1, 0, 10, 0}, {19800, 0}, {1999, 12, 31, 18, 40, 0}},
      // New York daylight time, 22:30 on 31 December: 02:30 next year.
      {{1999, 12, 31, 22, 30, 0}, {-14400, 3600}, {2000, 1, 1, 2, 30, 0}},
      // Leap day reached from 1 March.
      {{2000, 3, 1, 2, 0, 0}, {19800, 0}, {2000, 2, 29, 20, 30, 0}},
      // Kolkata before 1948, +5:53:20, seconds kept.
      {{1940, 7, 15, 0, 30, 59}, {21200, 0}, {1940, 7, 14, 18, 37, 39}},
  };
  for (const Case& c : cases) {
    const UniversalInstant instant = InstantOf(c.local, c.offset);
    EXPECT_EQ(instant.universal, c.universal) << DateTimeText(c.local);
    // Both forms name the same instant.
    EXPECT_NEAR(DayNumberJ2000(instant), JulianDate(instant) - 2451545.0,
                kMicroDay)
        << DateTimeText(c.local);
  }
}

TEST(EngineTimeBase, DayNumberAgreesWithTheJulianDayNumber) {
  struct Case {
    int year, month, day, hour, minute;
  };
  const Case cases[] = {{1900, 3, 1, 0, 0},     {1901, 6, 15, 6, 30},
                        {1987, 4, 10, 0, 0},    {2000, 2, 29, 23, 59},
                        {2024, 12, 31, 18, 45}, {2100, 2, 28, 12, 0}};
  for (const Case& c : cases) {
    const double hours = c.hour + c.minute / 60.0;
    const double want =
        JulianDayNumber(c.month, c.day, c.year) - 2451545 + hours / 24 - 0.5;
    EXPECT_NEAR(DayNumberJ2000(c.year, c.month, c.day, c.hour, c.minute), want,
                kMicroDay)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(EngineTimeBase, UniversalTimeFromTheClockOffset) {
  struct Case {
    const char* what;
    double local;
    ClockOffset offset;  // seconds east, and its daylight-saving part
    double want;
  };
  const Case cases[] = {
      {"India, 03:00, not folded into the day before", 3.0, {19800, 0}, -2.5},
      {"India with daylight saving", 3.0, {23400, 3600}, -3.5},
      {"New York standard time", 10.0, {-18000, 0}, 15.0},
      {"New York daylight time", 10.0, {-14400, 3600}, 14.0},
      {"London, British Summer Time zone", 14.5, {3600, 0}, 13.5},
      {"London, GMT with daylight saving", 14.5, {3600, 3600}, 13.5},
      {"London, double summer time", 12.0, {7200, 7200}, 10.0},
      {"Newfoundland half hour west", 23.0, {-12600, 0}, 26.5},
      {"Kathmandu", 12.0, {20700, 0}, 6.25},
      {"Amsterdam mean time", 12.0, {1172, 0}, 12.0 - 1172 / 3600.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(UniversalHours(c.local, c.offset), c.want) << c.what;
  }
}

TEST(EngineTimeBase, SiderealTimeFollowsNewcombAndTheLongitude) {
  constexpr double kArcsecond = 1.0 / 3600;
  // 1987 April 10, 0h UT: Greenwich mean sidereal time 13h 10m 46.3668s
  // (a published worked example) = 197.693195 degrees.
  const double t1900 =
      CenturiesSince1900(InstantOf({1987, 4, 10, 0, 0, 0}, {}));
  EXPECT_NEAR(SiderealTimeDegrees(t1900, 0.0, 0.0), 197.693195,
              1.0 * kArcsecond);
  // 77° 12' east is 77.2 degrees later; 100 degrees west is 100 earlier.
  EXPECT_NEAR(SiderealTimeDegrees(t1900, 0.0, -77.2), 274.893195,
              1.0 * kArcsecond);
  EXPECT_NEAR(SiderealTimeDegrees(t1900, 0.0, 100.0), 97.693195,
              1.0 * kArcsecond);
  // Folded below 360, a negative value is left as it is.
  const double s = SiderealTimeDegrees(t1900, 0.0, -170.0);
  EXPECT_GE(s, 0.0);
  EXPECT_LT(s, 360.0);
  // At T1900 = 0, 0h UT the Greenwich value is 15 x 6.6460656 = 99.690984
  // degrees; 170 degrees west of it the result stays negative.
  EXPECT_NEAR(SiderealTimeDegrees(0.0, 0.0, 170.0), 99.690984 - 170.0, 1e-9);
}

}  // namespace
}  // namespace tarvelin
