// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "engine/planets.h"
#include "engine/time_base.h"
#include "engine_reference_data.h"

namespace tarvelin {
namespace {

const double kPi = std::acos(-1.0);

TEST(EnginePlanets, ReduceRadiansFoldsIntoOneTurn) {
  struct Case {
    double x, want;
  };
  const Case cases[] = {{0.0, 0.0},
                        {1.0, 1.0},
                        {-0.1, 2 * kPi - 0.1},
                        {7.0, 7.0 - 2 * kPi},
                        {4 * kPi + 1.0, 1.0},
                        {-6 * kPi - 1.0, 2 * kPi - 1.0}};
  for (const Case& c : cases) {
    EXPECT_NEAR(ReduceRadians(c.x), c.want, 1e-12) << "x " << c.x;
  }
}

TEST(EnginePlanets, SolveKeplerSatisfiesKeplersEquation) {
  // Turn the true anomaly back into the eccentric anomaly and check
  // E - e sin E = M for the eccentricities of the table and beyond.
  for (const double e : {0.0, 0.0068, 0.0167, 0.0934, 0.2056, 0.6}) {
    for (double m = 0.0; m < 2 * kPi; m += 0.05) {
      const double v = SolveKepler(m, e);
      ASSERT_GE(v, 0.0);
      ASSERT_LT(v, 2 * kPi);
      const double ecc =
          2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
      const double meanBack = ReduceRadians(ecc - e * std::sin(ecc));
      EXPECT_NEAR(std::remainder(meanBack - m, 2 * kPi), 0.0, 1e-11)
          << "e " << e << ", M " << m;
    }
  }
  EXPECT_NEAR(SolveKepler(kPi, 0.2), kPi, 1e-12);
  EXPECT_NEAR(SolveKepler(1.0, 0.0), 1.0, 1e-15);
}

// The planets at a universal time.
PlanetLongitudes PlanetsAt(const CivilDateTime& ut, double correction) {
  return CalcPlanets(InstantOf(ut, {}), correction);
}

// Against the reference ephemeris of the data file (tropical, equinox of
// J2000.0): the engine's longitudes with no ayanamsa, carried back by the
// precession it adds. The approximate elements keep the Sun within a
// hundredth of a degree; the geocentric planets carry the larger errors of
// the elements (most for Jupiter and Saturn, whose mutual perturbations the
// elements leave out).
TEST(EnginePlanets, GeocentricLongitudesAgreeWithTheReferenceEphemeris) {
  const std::map<std::string, std::pair<BodyIndex, double>> kBodies = {
      {"Sun", {kSun, 0.01}},        {"Mercury", {kMercury, 0.02}},
      {"Venus", {kVenus, 0.02}},    {"Mars", {kMars, 0.02}},
      {"Jupiter", {kJupiter, 0.2}}, {"Saturn", {kSaturn, 0.3}}};
  int rows = 0;
  for (const ReferenceLongitude& ref : ReadReferenceLongitudes()) {
    const auto body = kBodies.find(ref.body);
    if (body == kBodies.end()) continue;
    ++rows;
    const double d =
        DayNumberJ2000(ref.year, ref.month, ref.day, ref.hour, ref.minute);
    const PlanetLongitudes out =
        PlanetsAt({ref.year, ref.month, ref.day, ref.hour, ref.minute, 0}, 0.0);
    const double got = out[body->second.first] - PrecessionSinceJ2000Degrees(d);
    EXPECT_NEAR(AngleDifferenceDeg(got, ref.longitudeDeg), 0.0,
                body->second.second)
        << ref.body << " " << ref.year << "-" << ref.month << "-" << ref.day
        << ": want " << ref.longitudeDeg << ", got " << got;
  }
  EXPECT_GE(rows, 30) << "reference file not read";
}

TEST(EnginePlanets, TheMeanNodeAtJ2000) {
  // The node starts from 125.1228 degrees, goes back to degrees with
  // 180 / 3.1416 (125.1228 x pi / 3.1416 = 125.122507) and loses 1 degree.
  const PlanetLongitudes out = PlanetsAt({2000, 1, 1, 12, 0, 0}, 0.0);
  EXPECT_NEAR(out[kRahu], 124.122507, 1e-6);
  EXPECT_NEAR(out[kKetu], 304.122507, 1e-6);
}

TEST(EnginePlanets, SiderealValuesStayInOneTurnAndKetuFacesRahu) {
  for (int month = 1; month <= 12; ++month) {
    const PlanetLongitudes out = PlanetsAt({1955, month, 9, 23, 15, 0}, -23.1);
    for (const int slot : {0, 2, 3, 4, 5, 6, 7, 8}) {
      EXPECT_GE(out[slot], 0.0) << "month " << month;
      EXPECT_LT(out[slot], 360.0) << "month " << month;
    }
    EXPECT_NEAR(std::fabs(AngleDifferenceDeg(out[kKetu], out[kRahu])), 180.0,
                1e-9);
  }
}

TEST(EnginePlanets, KetuOfRahuAtOneEightyIsZero) {
  // Choose the ayanamsa that puts Rahu at 180 degrees exactly (trying the
  // neighbouring doubles until the subtraction lands on 180).
  const CivilDateTime j2000{2000, 1, 1, 12, 0, 0};
  const double rahuTropical = PlanetsAt(j2000, 0.0)[kRahu];
  // Rahu = tropical - |correction| + 360 = 180.
  double correction = -(rahuTropical + 180.0);
  bool hit = false;
  for (int i = 0; i < 16 && !hit; ++i) {
    const PlanetLongitudes out = PlanetsAt(j2000, correction);
    if (out[kRahu] == 180.0) {
      hit = true;
      EXPECT_EQ(out[kKetu], 0.0);
    }
    correction =
        std::nextafter(correction, out[kRahu] > 180.0 ? -1000.0 : 1000.0);
  }
  EXPECT_TRUE(hit) << "no ayanamsa gave Rahu 180 exactly";
}

}  // namespace
}  // namespace tarvelin
