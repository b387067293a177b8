// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate and PresentResult on whole births: which sunrise times a birth,
// what the Hora Lagna and its house come to, what a polar birth shows, and
// that a calculation keeps nothing between calls. The golden-output test
// holds every value of 480 births; these cases say why the values are right.
#include "chart/calculate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "chart/hora_lagna_day.h"
#include "engine/ayanamsa.h"
#include "present/quantity_text.h"
#include "present/result_json.h"
#include "present/result_view.h"
#include "tables/house_significance.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

constexpr int kIndianTime = 34;       // "Indian Time, IST, +5.3"
constexpr int kEasternStandard = 27;  // "Eastern Standard Time,EST,-5.0"
constexpr int kBritishSummer = 16;    // "British Summer Time,BST,+1.0"
constexpr int kGreenwich = 29;        // "Greenwich Mean Time,GMT,0.0"

// a - b folded into [-180, 180), degrees.
double AngleDifference(double a, double b) {
  return std::fmod(a - b + 540.0, 360.0) - 180.0;
}

Birth At(const CivilDateTime& local, double latitude, double longitude,
         int zone, bool daylightSaving = false) {
  Birth b;
  b.name = "ASHA RAO";
  b.local = local;
  b.latitudeDegrees = latitude;
  b.longitudeDegrees = longitude;
  return WithZoneEntry(b, zone, daylightSaving);
}

// New Delhi, 15 March 1980, 21:05:30: an evening birth.
const Birth kDelhiEvening =
    At({1980, 3, 15, 21, 5, 30}, 28 + 36 / 60.0, 77 + 12 / 60.0, kIndianTime);

TEST(Calculate, EveningBirthIsTimedFromThatDaysSunrise) {
  const ChartResult r = Calculate(kDelhiEvening);
  ASSERT_TRUE(r.birthDay.sunrise && r.birthDay.sunset && r.timing);
  EXPECT_GT(kDelhiEvening.local, *r.birthDay.sunset) << "not an evening birth";
  EXPECT_EQ(r.timing->sunrise, *r.birthDay.sunrise);
  EXPECT_GT(r.timing->elapsedMinutes, 12 * 60);

  // The Hora Lagna: the Sun at that sunrise, half a degree a minute on,
  // folded; its house counted from the ascendant's sign.
  ASSERT_TRUE(r.horaLagna);
  const double want =
      std::fmod(r.sunriseSunLongitude + 0.5 * r.timing->elapsedMinutes, 360);
  EXPECT_NEAR(r.horaLagna->longitude, want, 1e-9);
  EXPECT_EQ(r.horaLagna->signIndex, static_cast<int>(want / 30));
  EXPECT_EQ(r.horaLagna->house,
            (r.horaLagna->signIndex - r.ascendantSignIndex + 12) % 12 + 1);
  EXPECT_GE(r.markers[r.horaLagna->signIndex].horaLagnaLine, 0);

  const ResultView view = PresentResult(kDelhiEvening, r);
  EXPECT_TRUE(view.hasHoraLagna);
  EXPECT_EQ(view.lblHoraDesc, kHouseSignificance[r.horaLagna->house - 1]);
  EXPECT_NE(view.lblArudha[r.horaLagna->signIndex].find("\r\nHL"),
            std::string::npos);
  EXPECT_EQ(view.lblDOB, "March/15/1980");
  EXPECT_EQ(view.lblTOB, "21:5");
  EXPECT_EQ(view.lblLongitude, "77\u00B0 12' E");
}

TEST(Calculate, SunOf1901AgreesWithAHighPrecisionSiderealPlace) {
  // A high-precision ephemeris with the Lahiri ayanamsa puts this Sun at
  // 60.954 degrees; referred to the equinox of J2000.0 instead of the date
  // it would come out near 62.3.
  const ChartResult r = Calculate(
      At({1901, 6, 15, 12, 0, 0}, 28 + 36 / 60.0, 77 + 12 / 60.0, kIndianTime));
  EXPECT_DOUBLE_EQ(r.universalHours, 6.5);
  EXPECT_NEAR(r.longitudes[kSun], 60.954, 0.05);
}

TEST(Calculate, TheSameInstantGivesTheSameChartWhateverTheClock) {
  // 15 July 1990, 13:30 UT in London: on British Summer Time, on GMT with
  // daylight saving ticked, and on GMT at 13:30.
  const double lat = 51.5, lon = -7 / 60.0;
  const ChartResult utc =
      Calculate(At({1990, 7, 15, 13, 30, 0}, lat, lon, kGreenwich));
  for (const Birth& b :
       {At({1990, 7, 15, 14, 30, 0}, lat, lon, kBritishSummer),
        At({1990, 7, 15, 14, 30, 0}, lat, lon, kGreenwich, true)}) {
    const ChartResult r = Calculate(b);
    EXPECT_DOUBLE_EQ(r.universalHours, 13.5);
    EXPECT_EQ(r.longitudes, utc.longitudes);
  }
}

TEST(Calculate, PolarNightGivesAChartButNoHoraLagna) {
  Birth polar = kDelhiEvening;
  polar.local.month = 12;
  polar.latitudeDegrees = 70;
  const ChartResult r = Calculate(polar);
  EXPECT_FALSE(r.timing);
  EXPECT_FALSE(r.horaLagna);
  // Padas, the first lord, Indu, Moon and Sree lagna need no sunrise.
  int lines = 0;
  for (const MarkerCell& cell : r.markers) {
    lines += cell.count;
    EXPECT_EQ(cell.horaLagnaLine, -1);
  }
  EXPECT_EQ(lines, 13 + 3);

  const ResultView view = PresentResult(polar, r);
  EXPECT_FALSE(view.hasHoraLagna);
  EXPECT_EQ(view.notice, std::string(kNoSunriseNotice));
  EXPECT_EQ(view.lblHoraDesc, kNoSunriseNotice);
  EXPECT_EQ(view.lblLatitude, "70\u00B0 0' N");
}

// Births at the edges of the day, placed on the sunrise and sunset that the
// calculation itself finds for New York on 2 July 2001.
class DayEdges : public ::testing::Test {
 protected:
  void SetUp() override {
    const ChartResult r = Calculate(BirthAt({2001, 7, 2, 9, 5, 7}));
    ASSERT_TRUE(r.birthDay.sunrise && r.birthDay.sunset && r.dayBefore.sunrise);
    sunrise_ = *r.birthDay.sunrise;
    sunset_ = *r.birthDay.sunset;
    sunriseBefore_ = *r.dayBefore.sunrise;
  }

  static Birth BirthAt(const CivilDateTime& t) {
    return At(t, 40 + 43 / 60.0, -74.0, kEasternStandard);
  }

  CivilDateTime sunrise_, sunset_, sunriseBefore_;
};

TEST_F(DayEdges, ExactlyAtSunriseAndSunsetIsADayBirth) {
  for (const CivilDateTime& birth : {sunrise_, sunset_}) {
    const ChartResult r = Calculate(BirthAt(birth));
    ASSERT_TRUE(r.timing);
    EXPECT_EQ(r.timing->sunrise, sunrise_) << DateTimeText(birth);
    EXPECT_EQ(r.timing->elapsedMinutes, SecondsBetween(sunrise_, birth) / 60);
  }
}

TEST_F(DayEdges, OneMinuteBeforeSunriseCountsFromThePreviousMorning) {
  const ChartResult r = Calculate(BirthAt(AddMinutes(sunrise_, -1)));
  ASSERT_TRUE(r.timing);
  EXPECT_EQ(r.timing->sunrise, sunriseBefore_);
  // A day less one minute, give or take the day-to-day shift of sunrise.
  EXPECT_NEAR(static_cast<double>(r.timing->elapsedMinutes), 1439, 3);
}

TEST_F(DayEdges, SecondsDoNotReachTheElapsedMinutes) {
  const ChartResult r = Calculate(BirthAt(AddSeconds(sunrise_, 10 * 60 + 59)));
  ASSERT_TRUE(r.timing);
  EXPECT_EQ(r.timing->elapsedMinutes, 10);
  EXPECT_EQ(r.timing->elapsedSeconds, 659);
  // Nor the positions: they are those of the birth's clock minute.
  const ChartResult onTheMinute =
      Calculate(BirthAt(AddSeconds(sunrise_, 10 * 60)));
  EXPECT_EQ(r.longitudes, onTheMinute.longitudes);
}

// The ayanamsa chosen moves every sidereal position by its difference from
// the classic one; the Moon, which the classic rule corrects with its own
// form, by the difference from that.
TEST(CalculateOptions, AnAyanamsaMovesEveryPositionByItsDifference) {
  const ChartResult classic = Calculate(kDelhiEvening);
  const UniversalInstant instant =
      InstantOf({1980, 3, 15, 21, 5, 0}, {19800, 0});
  for (const Ayanamsa kind :
       {Ayanamsa::kLahiri, Ayanamsa::kRaman, Ayanamsa::kKrishnamurti,
        Ayanamsa::kFaganBradley}) {
    const ChartResult r =
        Calculate(kDelhiEvening, {SunriseRule::kClassic, kind});
    const double ayanamsa = MeanAyanamsaDegrees(kind, JulianDate(instant));
    EXPECT_NEAR(r.ayanamsa, ayanamsa, 1e-12) << NameOf(kind);
    for (const int body : {kSun, kMars, kSaturn, kRahu, kAscendant}) {
      EXPECT_NEAR(AngleDifference(r.longitudes[body], classic.longitudes[body]),
                  classic.ayanamsa - ayanamsa, 1e-9)
          << NameOf(kind) << " body " << body;
    }
    const double classicMoonAyanamsa =
        -SiderealCorrection2000(CenturiesSinceJ2000(instant));
    EXPECT_NEAR(AngleDifference(r.moonLongitude, classic.moonLongitude),
                classicMoonAyanamsa - ayanamsa, 1e-9)
        << NameOf(kind);
  }
  // Lahiri lies within a few arcseconds of the classic ayanamsa.
  EXPECT_NEAR(
      Calculate(kDelhiEvening, {SunriseRule::kClassic, Ayanamsa::kLahiri})
          .ayanamsa,
      classic.ayanamsa, 10.0 / 3600);
}

// In India the disc's centre reaches the horizon 3.3 to 4.7 minutes after
// the upper edge appears with refraction (semi-diameter and refraction,
// about 50', at the Sun's slant there); the classic model's sunrise, with
// its own errors of a minute or two, comes 1.5 to 6 minutes before the
// centre's. Counted to the second from the later sunrise, the Hora Lagna
// runs behind the classic rule's.
TEST(CalculateOptions, TheCentreRuleRisesLaterAndCountsSeconds) {
  for (int month = 1; month <= 12; ++month) {
    Birth b = kDelhiEvening;
    b.local = {2010, month, 10, 15, 20, 41};
    const ChartResult classic = Calculate(b);
    const ChartResult limb = Calculate(b, {SunriseRule::kLimb, {}});
    const ChartResult centre = Calculate(b, {SunriseRule::kCentre, {}});
    ASSERT_TRUE(classic.horaLagna && centre.horaLagna && centre.timing &&
                limb.timing);
    const auto minutesAfter = [](const ChartResult& a, const ChartResult& b) {
      return SecondsBetween(a.timing->sunrise, b.timing->sunrise) / 60.0;
    };
    EXPECT_GE(minutesAfter(limb, centre), 3.3) << "month " << month;
    EXPECT_LE(minutesAfter(limb, centre), 4.7) << "month " << month;
    EXPECT_GE(minutesAfter(classic, centre), 1.5) << "month " << month;
    EXPECT_LE(minutesAfter(classic, centre), 6.0) << "month " << month;
    const double behind = AngleDifference(classic.horaLagna->longitude,
                                          centre.horaLagna->longitude);
    EXPECT_GT(behind, 0.4) << "month " << month;
    EXPECT_LT(behind, 3.0) << "month " << month;
    // Half a degree a minute, 1/120 degree a second since that sunrise.
    EXPECT_EQ(centre.timing->elapsedSeconds,
              SecondsBetween(centre.timing->sunrise, b.local));
    EXPECT_NEAR(centre.horaLagna->longitude,
                std::fmod(centre.sunriseSunLongitude +
                              centre.timing->elapsedSeconds / 120.0,
                          360.0),
                1e-9);
  }
}

// Nothing of one calculation reaches the next, in turn or at the same time.
TEST(Calculate, KeepsNothingBetweenCallsAndRunsOnManyThreads) {
  Birth polar = kDelhiEvening;
  polar.local.month = 12;
  polar.latitudeDegrees = 70;
  std::vector<Birth> births;
  for (int zone = 0; zone < kZoneCount; ++zone) {
    Birth b = kDelhiEvening;
    b.local.day = 1 + zone % 28;
    births.push_back(WithZoneEntry(b, zone, zone % 2 == 1));
    births.push_back(polar);
  }
  // Everything a calculation gives, as the JSON writes it.
  const auto json = [](const Birth& b) {
    const ChartResult r = Calculate(b);
    JsonWriter out(JsonLayout::kOneLine);
    WriteResultJson(out, b, r, PresentResult(b, r), ReadHoraLagna(b, r, {}));
    return std::string(out.Text());
  };
  std::vector<std::string> alone;
  for (const Birth& b : births) alone.push_back(json(b));
  // Four threads at once, each in the other order.
  std::vector<std::vector<std::string>> seen(4);
  std::vector<std::thread> threads;
  for (auto& out : seen) {
    threads.emplace_back([&births, &out, &json] {
      out.resize(births.size());
      for (std::size_t i = births.size(); i-- > 0;) out[i] = json(births[i]);
    });
  }
  for (std::thread& t : threads) t.join();
  for (const auto& out : seen) EXPECT_EQ(out, alone);
}

}  // namespace
}  // namespace tarvelin
