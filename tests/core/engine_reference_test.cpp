// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's sidereal positions against an accurate ephemeris: 60 births of
// 1901..2050 in tests/data/engine_reference.txt (made by tools/gen_reference;
// the file's header says how).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/calculate.h"

namespace tarvelin {
namespace {

struct ReferenceBirth {
  int year, month, day, hour, minute, zoneOffsetHours, zoneOffsetMinutes;
  int latDeg, latMin;
  char northSouth;
  int lonDeg, lonMin;
  char eastWest;
  std::string ut;
  double jdUt;
  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, mean node, ascendant.
  std::array<double, 9> degrees;
};

std::vector<ReferenceBirth> ReadReference() {
  std::vector<ReferenceBirth> births;
  std::ifstream in(std::string(TARVELIN_TEST_DATA_DIR) +
                   "/engine_reference.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ReferenceBirth b{};
    fields >> b.year >> b.month >> b.day >> b.hour >> b.minute >>
        b.zoneOffsetHours >> b.zoneOffsetMinutes >> b.latDeg >> b.latMin >>
        b.northSouth >> b.lonDeg >> b.lonMin >> b.eastWest >> b.ut >> b.jdUt;
    for (double& d : b.degrees) fields >> d;
    EXPECT_FALSE(fields.fail()) << line;
    if (!fields.fail()) births.push_back(b);
  }
  return births;
}

// got - want folded into [-180, 180), degrees.
double AngleError(double got, double want) {
  return std::fmod(got - want + 540.0, 360.0) - 180.0;
}

struct Check {
  const char* body;
  double toleranceDegrees;
};

// Index as ReferenceBirth::degrees; the node entry checks Rahu, which the
// system places one degree before the mean node.
constexpr std::array<Check, 9> kChecks = {{
    {"Sun", 0.03},
    {"Moon", 0.05},
    {"Mercury", 0.1},
    {"Venus", 0.1},
    {"Mars", 0.1},
    {"Jupiter", 0.25},
    {"Saturn", 0.25},
    {"Rahu", 0.1},
    {"Ascendant", 0.03},
}};
constexpr double kRahuBeforeMeanNodeDegrees = 1.0;

TEST(EngineReference, SiderealPositionsAgreeWithTheEphemeris) {
  const std::vector<ReferenceBirth> births = ReadReference();
  ASSERT_EQ(births.size(), 60u);

  std::array<double, 9> largest{};
  std::array<std::string, 9> largestAt;
  for (const ReferenceBirth& b : births) {
    Birth birth;
    birth.local = {b.year, b.month, b.day, b.hour, b.minute, 0};
    birth.latitudeDegrees =
        DegreesFromEntry(b.latDeg, b.latMin, b.northSouth == 'S');
    birth.longitudeDegrees =
        DegreesFromEntry(b.lonDeg, b.lonMin, b.eastWest == 'W');
    // The file gives what to add to the clock for universal time.
    birth.utcOffsetSeconds =
        -(b.zoneOffsetHours * 3600 + b.zoneOffsetMinutes * 60);
    const ChartResult r = Calculate(birth);

    const std::array<double, 9> got = {
        r.longitudes[kSun],    r.longitudes[kMoon], r.longitudes[kMercury],
        r.longitudes[kVenus],  r.longitudes[kMars], r.longitudes[kJupiter],
        r.longitudes[kSaturn], r.longitudes[kRahu], r.longitudes[kAscendant]};
    std::array<double, 9> want = b.degrees;
    want[7] -= kRahuBeforeMeanNodeDegrees;

    for (std::size_t k = 0; k < kChecks.size(); ++k) {
      const double error = AngleError(got[k], want[k]);
      if (std::fabs(error) > largest[k]) {
        largest[k] = std::fabs(error);
        largestAt[k] = b.ut;
      }
      EXPECT_LE(std::fabs(error), kChecks[k].toleranceDegrees)
          << kChecks[k].body << " at UT " << b.ut << ": want " << want[k]
          << " got " << got[k] << " deg";
    }
  }

  std::printf("Largest engine errors over %zu births (degrees):\n",
              births.size());
  for (std::size_t k = 0; k < kChecks.size(); ++k) {
    std::printf("  %-9s %.4f (tolerance %.2f) at UT %s\n", kChecks[k].body,
                largest[k], kChecks[k].toleranceDegrees, largestAt[k].c_str());
  }
}

}  // namespace
}  // namespace tarvelin
