// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ascendant.h"
#include "engine/ayanamsa.h"
#include "engine/time_base.h"
#include "engine_reference_data.h"

namespace tarvelin {
namespace {

constexpr double kArcsecond = 1.0 / 3600;  // degrees

TEST(EngineAyanamsa, TheTwoFormsDifferByTheirMeanParts) {
  // T1900 = 1 is the same instant as T2000 = 0 (JD 2451545.0 = 2415020.0 +
  // 36525); the 1900 form's mean ayanamsa is 1.75" larger there, and the
  // nutation terms of the two forms agree to a few thousandths of a second.
  const double diff = SiderealCorrection1900(1.0) - SiderealCorrection2000(0.0);
  EXPECT_NEAR(diff, -1.75 * kArcsecond, 0.02 * kArcsecond);
}

TEST(EngineAyanamsa, MagnitudesAcrossThreeCenturies) {
  struct Case {
    double t1900;
    double want;
  };
  // About -22.5 in 1900, -23.9 in 2000, -25.3 in 2100.
  const Case cases[] = {{0.0, -22.46}, {1.0, -23.86}, {2.0, -25.25}};
  for (const Case& c : cases) {
    EXPECT_NEAR(SiderealCorrection1900(c.t1900), c.want, 0.01)
        << "T1900 " << c.t1900;
    EXPECT_NEAR(SiderealCorrection2000(c.t1900 - 1.0), c.want, 0.01)
        << "T2000 " << c.t1900 - 1.0;
  }
  // The nutation terms stay within 18.5".
  for (double t = -1.0; t <= 1.0; t += 0.01) {
    const double mean = -(5025.64 * t + 1.11 * t * t + 85886.27) / 3600;
    EXPECT_LE(std::fabs(SiderealCorrection2000(t) - mean), 18.5 * kArcsecond)
        << "T2000 " << t;
  }
}

// Local clock time at a place, the clock `zoneHours` ahead of UT.
struct Place {
  CivilDateTime local;
  double latitude, longitude;  // degrees, north and east positive
  int zoneHours;
};

// The ascendant with the classic correction of its instant, as Calculate
// takes it.
struct AscendantOutputs {
  double UniversalHours;
  double SiderealCorrection;
  double SiderealAscendant;
};
AscendantOutputs AscendantAt(const CivilDateTime& local, int offsetSeconds,
                             double latitude, double longitude) {
  const UniversalInstant instant = InstantOf(local, {offsetSeconds, 0});
  const double correction = SiderealCorrection1900(CenturiesSince1900(instant));
  return {instant.universalHours, correction,
          CalcAscendant(instant, latitude, longitude, correction)};
}
AscendantOutputs Ascendant(const Place& p) {
  return AscendantAt(p.local, p.zoneHours * 3600, p.latitude, p.longitude);
}

// Tropical ascendants at 1987 April 10, 0h UT, from the published Greenwich
// mean sidereal time of that instant (13h 10m 46.3668s), the IAU mean
// obliquity (23.440946 degrees) and the rising ecliptic point
// atan2(cos RAMC, -(sin RAMC cos e + tan phi sin e)), whose branch is fixed
// by 90 degrees rising at sidereal time 0 on the equator.
TEST(EngineAscendant, TropicalAscendantAgreesWithAnIndependentReckoning) {
  struct Case {
    const char* place;
    Place where;
    double tropicalWant;
  };
  const Case cases[] = {
      {"Greenwich 51N29",
       {{1987, 4, 10, 0, 0, 0}, 51 + 29 / 60.0, 0, 0},
       256.9415},
      {"equator, Greenwich meridian",
       {{1987, 4, 10, 0, 0, 0}, 0, 0, 0},
       286.3138},
      {"Sydney 33S52 151E13, 10:00 at zone +10",
       {{1987, 4, 10, 10, 0, 0}, -(33 + 52 / 60.0), 151 + 13 / 60.0, 10},
       65.6821},
  };
  for (const Case& c : cases) {
    const AscendantOutputs out = Ascendant(c.where);
    EXPECT_DOUBLE_EQ(out.UniversalHours, 0.0) << c.place;
    const double tropical = out.SiderealAscendant - out.SiderealCorrection;
    EXPECT_NEAR(AngleDifferenceDeg(tropical, c.tropicalWant), 0.0, 0.005)
        << c.place << ": want " << c.tropicalWant << ", got " << tropical;
    EXPECT_GE(out.SiderealAscendant, 0.0) << c.place;
    EXPECT_LT(out.SiderealAscendant, 360.0) << c.place;
  }
}

TEST(EngineAscendant, AscendantBelowTheAyanamsaFoldsToNearly360) {
  // Over one day every tropical ascendant rises once, so some lie below the
  // ayanamsa; their sidereal values must land just below 360, not below 0.
  int nearFullCircle = 0;
  for (int minute = 0; minute < 24 * 60; minute += 4) {
    const AscendantOutputs out =
        AscendantAt({2000, 1, 1, minute / 60, minute % 60, 0}, 19800,
                    28 + 36 / 60.0, 77 + 12 / 60.0);
    ASSERT_GE(out.SiderealAscendant, 0.0) << "minute " << minute;
    ASSERT_LT(out.SiderealAscendant, 360.0) << "minute " << minute;
    const double tropical = out.SiderealAscendant - out.SiderealCorrection;
    if (tropical >= 360.0) {
      // The tropical ascendant (tropical - 360) was below the ayanamsa.
      EXPECT_GE(out.SiderealAscendant, 360.0 + out.SiderealCorrection)
          << "minute " << minute;
      ++nearFullCircle;
    }
  }
  EXPECT_GT(nearFullCircle, 0);
}

TEST(EngineAscendant, AtSiderealTimeZeroTheAscendantLiesInTheEasternHalf) {
  // RAMC = 0: A = ArcTan2(1, -sin e tan phi), between 0 and 180 degrees at
  // every latitude; at the equator exactly 90 degrees.
  for (int latitude = -80; latitude <= 80; latitude += 10) {
    // Find the minute of 2000 January 1 whose Greenwich sidereal time is
    // nearest 0 and read the tropical ascendant there.
    Place p{{2000, 1, 1, 0, 0, 0}, static_cast<double>(latitude), 0, 0};
    double bestSidereal = 360.0;
    double tropicalThere = 0;
    for (int minute = 0; minute < 24 * 60; ++minute) {
      p.local.hour = minute / 60;
      p.local.minute = minute % 60;
      const UniversalInstant instant = InstantOf(p.local, {});
      const double s = SiderealTimeDegrees(CenturiesSince1900(instant),
                                           instant.universalHours, 0.0);
      const double fromZero = std::fmin(s, 360.0 - s);
      if (fromZero < bestSidereal) {
        bestSidereal = fromZero;
        const AscendantOutputs out = Ascendant(p);
        tropicalThere = std::fmod(
            out.SiderealAscendant - out.SiderealCorrection + 360.0, 360.0);
      }
    }
    ASSERT_LT(bestSidereal, 0.26);  // a minute of time is 0.25 degree
    EXPECT_GT(tropicalThere, 0.0) << "latitude " << latitude;
    EXPECT_LT(tropicalThere, 180.0) << "latitude " << latitude;
    if (latitude == 0) {
      EXPECT_NEAR(tropicalThere, 90.0, 0.3);
    }
  }
}

}  // namespace
}  // namespace tarvelin
