// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/sunrise.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "chart/birth.h"
#include "present/quantity_text.h"

namespace tarvelin {
namespace {

struct Place {
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
  int zoneOffsetHours, zoneOffsetMinutes;  // to add to local time for UT
};

constexpr Place kDelhi{28, 36, false, 77, 12, true, -5, -30};    // IST
constexpr Place kNewYork{40, 43, false, 74, 0, false, 5, 0};     // EST
constexpr Place kNullIsland{0, 0, false, 0, 0, true, 0, 0};      // zone 0
constexpr Place kAuckland{36, 51, true, 174, 46, true, -12, 0};  // +12
constexpr Place kNorth80{80, 0, false, 15, 0, true, -1, 0};

// The clock time of `hour`:`minute` must not change the result.
RiseSet Compute(const Place& p, int year, int month, int day, bool hasDst,
                int hour = 12, int minute = 0) {
  const int offset =
      -(p.zoneOffsetHours * 3600 + p.zoneOffsetMinutes * 60) + hasDst * 3600;
  return CalcSunRiseSunSet({year, month, day, hour, minute, 0},
                           DegreesFromEntry(p.latDeg, p.latMin, p.south),
                           DegreesFromEntry(p.lonDeg, p.lonMin, !p.east),
                           offset);
}

std::string ClockText(const std::optional<CivilDateTime>& t) {
  if (!t) return "missing";
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", t->hour, t->minute);
  return text;
}

int MinuteOfDay(const CivilDateTime& t) { return t.hour * 60 + t.minute; }

// Local clock minutes from a to b, taken round the clock into (-720, 720].
int ClockMinutesBetween(const CivilDateTime& a, const CivilDateTime& b) {
  int d = (MinuteOfDay(b) - MinuteOfDay(a)) % 1440;
  if (d <= -720) d += 1440;
  if (d > 720) d -= 1440;
  return d;
}

TEST(SunRiseSunSet, WorkedExamples) {
  struct Case {
    const char* what;
    Place place;
    int year, month, day;
    bool hasDst;
    const char* sunrise;
    const char* sunset;
  };
  const Case cases[] = {
      {"Delhi, June solstice", kDelhi, 2010, 6, 21, false, "05:24", "19:22"},
      {"Delhi, December solstice", kDelhi, 2010, 12, 21, false, "07:09",
       "17:28"},
      {"New York, July, daylight saving", kNewYork, 2005, 7, 4, true, "05:29",
       "20:31"},
      // The check box moves the clock in January as well.
      {"New York, January, daylight saving", kNewYork, 2005, 1, 4, true,
       "08:20", "17:41"},
      {"New York, January, standard time", kNewYork, 2005, 1, 4, false, "07:20",
       "16:41"},
      {"0 N 0 E, equinox", kNullIsland, 2010, 3, 21, false, "06:04", "18:11"},
  };
  for (const Case& c : cases) {
    const RiseSet got = Compute(c.place, c.year, c.month, c.day, c.hasDst);
    EXPECT_EQ(ClockText(got.sunrise), c.sunrise) << c.what;
    EXPECT_EQ(ClockText(got.sunset), c.sunset) << c.what;
    ASSERT_TRUE(got.sunrise && got.sunset) << c.what;
    const CivilDateTime date{c.year, c.month, c.day, 0, 0, 0};
    EXPECT_EQ(
        DaysFromCivil(got.sunrise->year, got.sunrise->month, got.sunrise->day),
        DaysFromCivil(date.year, date.month, date.day))
        << c.what;
    EXPECT_EQ(got.sunrise->second, 0) << c.what;
  }
}

TEST(SunRiseSunSet, DaylightSavingFollowsTheCheckBoxOnly) {
  // First Sunday of April and last Sunday of October 2005, at the hours
  // around 02:00, and days in deep winter: the check box always adds one
  // hour and the birth hour never matters.
  const int dates[][3] = {
      {2005, 4, 3}, {2005, 10, 30}, {2005, 12, 15}, {2005, 2, 1}, {2005, 6, 1}};
  for (const auto& d : dates) {
    const RiseSet standard = Compute(kNewYork, d[0], d[1], d[2], false);
    ASSERT_TRUE(standard.sunrise && standard.sunset);
    for (int hour : {0, 1, 2, 3, 23}) {
      const RiseSet summer = Compute(kNewYork, d[0], d[1], d[2], true, hour);
      const RiseSet plain = Compute(kNewYork, d[0], d[1], d[2], false, hour);
      ASSERT_TRUE(summer.sunrise && summer.sunset);
      EXPECT_EQ(ClockMinutesBetween(*standard.sunrise, *summer.sunrise), 60)
          << DateTimeText(*summer.sunrise) << " hour " << hour;
      EXPECT_EQ(ClockMinutesBetween(*standard.sunset, *summer.sunset), 60)
          << DateTimeText(*summer.sunset) << " hour " << hour;
      EXPECT_EQ(plain.sunrise, standard.sunrise) << "hour " << hour;
    }
  }
}

TEST(SunRiseSunSet, ZoneThirteenIsWorkedAsMinusEleven) {
  // +12 with daylight saving and +13 without both give a zone of 13 hours
  // east, worked as -11: the clock time of day is that of +12 plus one hour
  // (to well within a minute), on the input date.
  const RiseSet plus12 = Compute(kAuckland, 2010, 1, 15, false);
  Place plus13 = kAuckland;
  plus13.zoneOffsetHours = -13;
  const RiseSet viaDst = Compute(kAuckland, 2010, 1, 15, true);
  const RiseSet viaZone = Compute(plus13, 2010, 1, 15, false);
  ASSERT_TRUE(plus12.sunrise && plus12.sunset && viaDst.sunrise &&
              viaDst.sunset);
  EXPECT_EQ(viaDst.sunrise, viaZone.sunrise);
  EXPECT_EQ(viaDst.sunset, viaZone.sunset);
  EXPECT_NEAR(ClockMinutesBetween(*plus12.sunrise, *viaDst.sunrise), 60, 1)
      << ClockText(plus12.sunrise) << " -> " << ClockText(viaDst.sunrise);
  EXPECT_NEAR(ClockMinutesBetween(*plus12.sunset, *viaDst.sunset), 60, 1)
      << ClockText(plus12.sunset) << " -> " << ClockText(viaDst.sunset);
  EXPECT_EQ(viaDst.sunrise->day, 15);
}

TEST(SunRiseSunSet, HemispheresEnterWithTheirSigns) {
  // Mirror images: the southern winter solstice morning is long where the
  // northern one is short; a western longitude makes the Sun rise later by
  // four minutes a degree.
  const Place north{30, 0, false, 0, 0, true, 0, 0};
  Place south = north;
  south.south = true;
  const RiseSet n = Compute(north, 2010, 6, 21, false);
  const RiseSet s = Compute(south, 2010, 6, 21, false);
  ASSERT_TRUE(n.sunrise && s.sunrise);
  EXPECT_LT(*n.sunrise, *s.sunrise);
  Place west = north;
  west.lonDeg = 10;
  west.east = false;
  const RiseSet w = Compute(west, 2010, 6, 21, false);
  ASSERT_TRUE(w.sunrise);
  EXPECT_NEAR(ClockMinutesBetween(*n.sunrise, *w.sunrise), 40, 1);
}

TEST(SunRiseSunSet, MinuteSixtyCarriesIntoTheNextHour) {
  // Unrounded sunrise at 28 deg 36' N, 83 deg 10' E, IST, 21 June 2010:
  // 4 h 59.74 min; it shows as 05:00, never as 04:60.
  const Place nepalBorder{28, 36, false, 83, 10, true, -5, -30};
  const RiseSet carried = Compute(nepalBorder, 2010, 6, 21, false);
  EXPECT_EQ(ClockText(carried.sunrise), "05:00");

  // Unrounded sunset at 60 deg N, 36 deg 56' E, zone +5, 21 June 2010:
  // 23 h 59.75 min; 24:00 becomes 00:00 of the same date.
  const Place north60{60, 0, false, 36, 56, true, -5, 0};
  const RiseSet wrapped = Compute(north60, 2010, 6, 21, false);
  ASSERT_TRUE(wrapped.sunset);
  EXPECT_EQ(ClockText(wrapped.sunset), "00:00");
  EXPECT_EQ(wrapped.sunset->day, 21);
}

TEST(SunRiseSunSet, ClockFieldsStayInRangeAllYear) {
  const Place places[] = {kDelhi,
                          kNewYork,
                          kAuckland,
                          kNullIsland,
                          {60, 0, false, 36, 56, true, -5, 0}};
  for (const Place& p : places) {
    for (int offset = 0; offset < 366; ++offset) {
      const CivilDateTime d = AddDays({2012, 1, 1, 0, 0, 0}, offset);
      const RiseSet got = Compute(p, d.year, d.month, d.day, false);
      for (const auto& t : {got.sunrise, got.sunset}) {
        ASSERT_TRUE(t) << DateTimeText(d);
        EXPECT_TRUE(t->hour >= 0 && t->hour < 24 && t->minute >= 0 &&
                    t->minute < 60)
            << DateTimeText(*t);
        EXPECT_TRUE(t->year == d.year && t->month == d.month && t->day == d.day)
            << DateTimeText(*t);
      }
    }
  }
}

TEST(SunRiseSunSet, PolarNightAndMidnightSunReportMissingEvents) {
  const RiseSet night = Compute(kNorth80, 2010, 12, 21, false);
  EXPECT_FALSE(night.sunrise) << ClockText(night.sunrise);
  EXPECT_FALSE(night.sunset) << ClockText(night.sunset);
  const RiseSet day = Compute(kNorth80, 2010, 6, 21, false);
  EXPECT_FALSE(day.sunrise) << ClockText(day.sunrise);
  EXPECT_FALSE(day.sunset) << ClockText(day.sunset);
}

}  // namespace
}  // namespace tarvelin
