// SPDX-License-Identifier: GPL-3.0-or-later
// The Hora Lagna through the day: the moments it changes sign, how close a
// birth stands to a change, the signs of an uncertain birth time, and the
// sign under the centre rule. Hand-worked cases on a made-up day (the Sun at
// sunrise 10°, sunrise 06:00:00, the next at 06:01:00) and real births where
// the day's edges need the neighbouring calculations.
#include "chart/hora_lagna_day.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/calculate.h"
#include "present/quantity_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

constexpr CivilDateTime kSunrise{2000, 1, 1, 6, 0, 0};
constexpr CivilDateTime kNextSunrise{2000, 1, 2, 6, 1, 0};
constexpr std::int64_t kDay = 24 * 3600 + 60;  // sunrise to sunrise, seconds

// A result timed from kSunrise with the Sun then at `sun`, for a birth
// `elapsed` seconds after it.
ChartResult MadeUpDay(double sun, SunriseRule rule, std::int64_t elapsed) {
  ChartResult r;
  r.options.sunrise = rule;
  r.birthDay.sunrise = kSunrise;
  r.dayAfter.sunrise = kNextSunrise;
  r.sunriseSunLongitude = sun;
  r.timing = ReferenceTiming{kSunrise, elapsed / 60, elapsed};
  HoraLagna hl;
  hl.signIndex = HoraLagnaSignAt(sun, rule, elapsed);
  r.horaLagna = hl;
  return r;
}

Birth BirthAfterSunrise(std::int64_t elapsed) {
  Birth b;
  b.local = AddSeconds(kSunrise, elapsed);
  return b;
}

// Sun at sunrise 10°, half a degree a minute: Taurus (30°) after 40
// minutes, then a sign every hour; 360° (Aries again) after 700 minutes and
// 720° after 1420.
TEST(HoraLagnaDay, HandWorkedClassicDay) {
  const HoraLagnaDay day =
      HoraLagnaThroughTheDay(MadeUpDay(10.0, SunriseRule::kClassic, 5000));
  ASSERT_EQ(day.count, 25);
  EXPECT_EQ(day.endSeconds, kDay);
  EXPECT_EQ(day.spans[0].signIndex, 0);
  EXPECT_EQ(day.spans[0].fromSeconds, 0);
  for (int k = 1; k < day.count; ++k) {
    EXPECT_EQ(day.spans[k].fromSeconds, (60 * k - 20) * 60) << "span " << k;
    EXPECT_EQ(day.spans[k].signIndex, k % 12) << "span " << k;
  }
  EXPECT_EQ(day.birthSpan, 1);  // 83 minutes: Taurus
}

// Counted to the second, a Sun of 10.25° reaches 30° after 2370 s; counted
// in whole minutes only at the 40th minute.
TEST(HoraLagnaDay, TheRulesCountMinutesOrSeconds) {
  struct Case {
    SunriseRule rule;
    std::int64_t taurusFrom;
  };
  for (const Case& c :
       {Case{SunriseRule::kClassic, 2400}, Case{SunriseRule::kLimb, 2370},
        Case{SunriseRule::kCentre, 2370}}) {
    const HoraLagnaDay day = SpansOfTheDay(10.25, c.rule, kDay, 0);
    ASSERT_GE(day.count, 2);
    EXPECT_EQ(day.spans[1].signIndex, 1);
    EXPECT_EQ(day.spans[1].fromSeconds, c.taurusFrom) << NameOf(c.rule);
    EXPECT_EQ(day.spans[2].fromSeconds, c.taurusFrom + 3600) << NameOf(c.rule);
  }
}

// At every step the rule counts (minute or second), the table names the
// sign the calculation gives, also for Suns on or a hair off a boundary.
TEST(HoraLagnaDay, AgreesWithTheCalculationAtEveryStep) {
  std::vector<double> suns = {
      0.0, 0.1, 29.999999999999, 30.0, 123.456789, 359.99999999, 359.5};
  std::uint64_t seed = 20;  // and some from a fixed generator
  for (int i = 0; i < 12; ++i) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    suns.push_back(static_cast<double>(seed >> 11) * 0x1.0p-53 * 360.0);
  }
  for (const double sun : suns) {
    for (const SunriseRule rule : {SunriseRule::kClassic, SunriseRule::kLimb}) {
      const HoraLagnaDay day = SpansOfTheDay(sun, rule, kDay, 0);
      int span = 0;
      const std::int64_t step = rule == SunriseRule::kClassic ? 60 : 1;
      for (std::int64_t t = 0; t < day.endSeconds; t += step) {
        while (span + 1 < day.count && day.spans[span + 1].fromSeconds <= t) {
          ++span;
        }
        ASSERT_EQ(day.spans[span].signIndex, HoraLagnaSignAt(sun, rule, t))
            << "Sun " << sun << ", " << NameOf(rule) << ", " << t << " s";
      }
    }
  }
}

TEST(HoraLagnaDay, MarginOnBothSides) {
  // 07:23:20 is in Taurus from 06:40:00 to 07:40:00.
  const ChartResult r = MadeUpDay(10.0, SunriseRule::kClassic, 5000);
  const std::optional<HoraLagnaMargin> m =
      MarginOfBirth(BirthAfterSunrise(5000), r, HoraLagnaThroughTheDay(r));
  ASSERT_TRUE(m);
  EXPECT_EQ(m->signIndex, 1);
  EXPECT_EQ(m->from, (CivilDateTime{2000, 1, 1, 6, 40, 0}));
  EXPECT_EQ(m->to, (CivilDateTime{2000, 1, 1, 7, 40, 0}));
  EXPECT_EQ(m->secondsSinceChange, 2600);
  EXPECT_EQ(m->secondsToChange, 1000);
  EXPECT_EQ(m->signBefore, 0);
  EXPECT_EQ(m->signAfter, 2);
}

TEST(HoraLagnaDay, SharesOfAnUncertainBirthTime) {
  struct Case {
    int minutes;
    std::vector<SignShare> want;
  };
  const Case cases[] = {
      // 07:13:20 .. 07:33:20: all in Taurus.
      {10, {{1, 1.0}}},
      // 06:53:20 .. 07:53:20: Taurus until 07:40, then Gemini.
      {30, {{1, 2800.0 / 3600}, {2, 800.0 / 3600}}},
  };
  const ChartResult r = MadeUpDay(10.0, SunriseRule::kClassic, 5000);
  for (const Case& c : cases) {
    const std::vector<SignShare> got =
        SignSharesInWindow(BirthAfterSunrise(5000), r, c.minutes);
    ASSERT_EQ(got.size(), c.want.size()) << c.minutes;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].signIndex, c.want[i].signIndex) << c.minutes;
      EXPECT_NEAR(got[i].share, c.want[i].share, 1e-12) << c.minutes;
    }
  }
  EXPECT_TRUE(SignSharesInWindow(BirthAfterSunrise(5000), r, 0).empty());
  EXPECT_TRUE(SignSharesInWindow(BirthAfterSunrise(5000), r,
                                 kMaxTimeUncertaintyMinutes + 1)
                  .empty());
}

Birth Delhi(const CivilDateTime& local) {
  Birth b;
  b.local = local;
  b.latitudeDegrees = 28.6;
  b.longitudeDegrees = 77.2;
  return WithZoneEntry(b, 34, false);  // Indian Time
}

// Before the reference sunrise a birth is timed from the sunrise before:
// the margin and the window ask the calculation for those moments.
TEST(HoraLagnaDay, AcrossTheSunriseTheNeighbouringBirthSpeaks) {
  for (const SunriseRule rule : {SunriseRule::kClassic, SunriseRule::kCentre}) {
    const CalculationOptions options{rule, Ayanamsa::kClassic};
    const ChartResult probe =
        Calculate(Delhi({1995, 8, 20, 12, 0, 0}), options);
    ASSERT_TRUE(probe.timing);
    const Birth b = Delhi(AddSeconds(probe.timing->sunrise, 5 * 60 + 7));
    const ChartResult r = Calculate(b, options);
    const HoraLagnaDay day = HoraLagnaThroughTheDay(r);
    ASSERT_EQ(day.birthSpan, 0);

    // The sign holds back to where a birth's calculation first gives it.
    const std::optional<HoraLagnaMargin> m = MarginOfBirth(b, r, day);
    ASSERT_TRUE(m);
    const int sign = r.horaLagna->signIndex;
    const auto signAt = [&](const CivilDateTime& t) {
      const ChartResult at = Calculate(Delhi(t), options);
      return at.horaLagna ? at.horaLagna->signIndex : -1;
    };
    EXPECT_EQ(signAt(m->from), sign) << NameOf(rule);
    EXPECT_EQ(signAt(AddSeconds(m->from, -1)), m->signBefore) << NameOf(rule);
    EXPECT_NE(m->signBefore, sign) << NameOf(rule);
    EXPECT_EQ(signAt(m->to), m->signAfter) << NameOf(rule);
    EXPECT_EQ(m->secondsSinceChange, SecondsBetween(m->from, b.local));
    const ChartResult before =
        Calculate(Delhi(AddSeconds(r.timing->sunrise, -1)), options);
    ASSERT_TRUE(before.horaLagna);

    // A window of ten minutes either side: 4 53 of it before the sunrise.
    const std::vector<SignShare> shares = SignSharesInWindow(b, r, 10);
    ASSERT_FALSE(shares.empty()) << NameOf(rule);
    double sum = 0, beforeShare = 0;
    for (const SignShare& s : shares) {
      sum += s.share;
      if (s.signIndex == before.horaLagna->signIndex) beforeShare += s.share;
    }
    EXPECT_NEAR(sum, 1.0, 1e-12);
    EXPECT_GE(beforeShare, 293.0 / 1200 - 1e-12) << NameOf(rule);
  }
}

// The centre rule's Hora Lagna runs 0.4° to 3° behind the classic one in
// India: a classic Hora Lagna less than 0.4° into its sign is in the sign
// before under the centre rule, and the line says so.
TEST(HoraLagnaDay, TheCentreRuleNamesTheSignBefore) {
  int found = 0;
  for (int minute = 0; minute < 24 * 60; minute += 1) {
    const Birth b = Delhi(AddMinutes({1995, 8, 20, 0, 0, 0}, minute));
    const ChartResult r = Calculate(b);
    if (!r.horaLagna) continue;
    const double into = std::fmod(r.horaLagna->longitude, 30.0);
    const std::optional<int> centre = CentreRuleSign(b, r);
    if (into < 0.4) {
      ++found;
      EXPECT_EQ(centre, (r.horaLagna->signIndex + 11) % 12) << DateTimeText(b.local);
    } else if (into > 3.0) {
      EXPECT_FALSE(centre) << DateTimeText(b.local);
    }
  }
  EXPECT_GT(found, 0);
  // Under the centre rule itself there is nothing to say.
  const Birth b = Delhi({1995, 8, 20, 10, 0, 0});
  EXPECT_FALSE(CentreRuleSign(b, Calculate(b, {SunriseRule::kCentre, {}})));
}

}  // namespace
}  // namespace tarvelin
