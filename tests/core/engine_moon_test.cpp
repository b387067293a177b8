// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ayanamsa.h"
#include "engine/moon.h"
#include "engine/time_base.h"
#include "engine_reference_data.h"

namespace tarvelin {
namespace {

constexpr ClockOffset kUniversalClock{0, 0};

// The Moon at a clock time with the classic correction of its instant.
MoonOutputs MoonAt(const CivilDateTime& local, const ClockOffset& offset) {
  const UniversalInstant instant = InstantOf(local, offset);
  return CalcMoon(instant,
                  SiderealCorrection2000(CenturiesSinceJ2000(instant)));
}

// The classic correction of the Moon at a universal time.
double MoonCorrectionAt(const CivilDateTime& ut) {
  return SiderealCorrection2000(CenturiesSinceJ2000(InstantOf(ut, {})));
}

// The 25-term series against the full lunar theory of the reference file:
// the terms left out stay below a hundredth of a degree at these instants.
TEST(EngineMoon, TropicalLongitudeAgreesWithTheReferenceTheory) {
  constexpr double kToleranceDeg = 0.02;
  int rows = 0;
  for (const ReferenceLongitude& ref : ReadReferenceLongitudes()) {
    if (ref.body != "Moon") continue;
    ++rows;
    const CivilDateTime ut{ref.year, ref.month,  ref.day,
                           ref.hour, ref.minute, 0};
    const MoonOutputs out = MoonAt(ut, kUniversalClock);
    const double tropical = out.MoonLongitude - MoonCorrectionAt(ut);
    EXPECT_NEAR(AngleDifferenceDeg(tropical, ref.longitudeDeg), 0.0,
                kToleranceDeg)
        << ref.year << "-" << ref.month << "-" << ref.day << " " << ref.hour
        << ":" << ref.minute << ": want " << ref.longitudeDeg << ", got "
        << tropical;
    EXPECT_GE(out.MoonLongitude, 0.0);
    EXPECT_LT(out.MoonLongitude, 360.0);
  }
  EXPECT_GE(rows, 5) << "reference file not read";
}

TEST(EngineMoon, ZoneAndDaylightSavingMoveTheInstant) {
  // 17:30 at zone +5:30 with daylight saving is 11:00 UT.
  EXPECT_DOUBLE_EQ(
      MoonAt({1992, 4, 12, 17, 30, 0}, ClockOffset{23400, 3600}).MoonLongitude,
      MoonAt({1992, 4, 12, 11, 0, 0}, kUniversalClock).MoonLongitude);
}

TEST(EngineMoon, NakshatraTableHoldsThirteenPointThreeThreeSteps) {
  for (std::size_t k = 0; k < kNakshatraStarts.size(); ++k) {
    EXPECT_NEAR(kNakshatraStarts[k], std::round(1333.0 * k) / 100, 1e-9)
        << "entry " << k;
  }
}

TEST(EngineMoon, NakshatraIndexUsesTheExactWidthButTheTableStart) {
  struct Case {
    double longitude;
    double start;
  };
  const Case cases[] = {
      {0.0, 0.0},
      {13.0, 0.0},
      // Between 13.33 and 13° 20': still the first nakshatra.
      {13.333, 0.0},
      {13.3334, 13.33},  // just past 13° 20'
      {26.665, 13.33},
      {26.6667, 26.66},
      // 346.6 lies above the table's 346.58 but below 346° 40'.
      {346.6, 333.25},
      {346.67, 346.58},
      {359.999, 346.58},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(NakshatraStartOf(c.longitude), c.start)
        << "longitude " << c.longitude;
  }
}

TEST(EngineMoon, MoonBelowTheAyanamsaTakesTheLastNakshatra) {
  // Scan a month at six-hour steps: whenever the tropical Moon lies below
  // the ayanamsa, the sidereal Moon stands near 360 in the last nakshatra.
  int found = 0;
  for (int step = 0; step < 4 * 30; ++step) {
    const CivilDateTime ut{2000, 1, 1 + step / 4, (step % 4) * 6, 0, 0};
    const MoonOutputs out = MoonAt(ut, kUniversalClock);
    ASSERT_GE(out.MoonLongitude, 0.0);
    ASSERT_LT(out.MoonLongitude, 360.0);
    const double tropical = out.MoonLongitude - MoonCorrectionAt(ut);
    if (tropical >= 360.0 && out.MoonLongitude >= 346.6667) {
      EXPECT_DOUBLE_EQ(out.MoonNakshatraStart, 346.58);
      ++found;
    }
  }
  EXPECT_GT(found, 0);
}

}  // namespace
}  // namespace tarvelin
