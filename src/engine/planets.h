// Sidereal longitudes of the Sun, the five classical planets and the lunar
// nodes from Keplerian elements with secular rates, and the ten-entry planet
// table in chart notation.
#pragma once

#include <array>
#include <string>

#include "chart/birth_record.h"

namespace tarvelin {

enum class Body { Mercury, Venus, Sun, Mars, Jupiter, Saturn };

// x folded into [0, 2 pi).
double ReduceRadians(double x);
// True anomaly in [0, 2 pi) for mean anomaly M (radians), eccentricity e.
double SolveKepler(double meanAnomaly, double eccentricity);
// Tropical geocentric ecliptic longitude in degrees, [0, 360), referred to
// the mean equinox of J2000.0, at day number d from J2000.0.
double GeocentricLongitude(Body body, double d);
// General precession since J2000.0 in degrees at day number d, at the
// ayanamsa's own rate: (5025.64 T + 1.11 T^2) / 3600, T = d / 36525.
double PrecessionSinceJ2000Degrees(double d);

// A local clock instant without seconds.
struct PlanetInstant {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

struct PlanetOutputs {
  // Chart notation, index 0 Sun ... 9 ascendant (see kBodyCount).
  std::array<std::string, kBodyCount> PlanetTable;
  // Sidereal degrees: Sun, Mercury..Saturn, Rahu, Ketu at slots 0, 2..8;
  // slots 1 (Moon) and 9 (ascendant) are left at 0 for the caller to fill.
  std::array<double, kBodyCount> Longitudes{};
  double UniversalDayNumber = 0;  // d of the instant
};

// One run: the instant is local clock time, turned into universal time with
// calendar arithmetic (+ ZoneOffsetHours h, + ZoneOffsetMinutes min, - 1 h
// when hasDst). siderealCorrection is that of the birth instant; moonText and
// ascendantText are position texts copied into slots 1 and 9.
PlanetOutputs CalcPlanets(const PlanetInstant& localInstant,
                          int zoneOffsetHours, int zoneOffsetMinutes,
                          bool hasDst, double siderealCorrection,
                          const std::string& moonText,
                          const std::string& ascendantText);

}  // namespace tarvelin
