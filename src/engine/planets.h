// SPDX-License-Identifier: GPL-3.0-or-later
// Sidereal longitudes of the Sun, the five classical planets and the lunar
// nodes from Keplerian elements with secular rates.
#pragma once

#include <array>

#include "engine/bodies.h"
#include "engine/time_base.h"

namespace tarvelin {

// ReduceRadians: x folded into [0, 2 pi) (through x / 2 pi less its whole
// part toward zero).
double ReduceRadians(double x);

// SolveKepler: the true anomaly of an elliptic orbit.
//
// Given:    meanAnomaly, radians; eccentricity, 0 <= e < 1
// Returned: the true anomaly, radians, [0, 2 pi)
// Notes:    Newton's method on E - e sin E = M from E = M + e sin M (1 + e cos
//           M), to a change of 1e-12 radians.
double SolveKepler(double meanAnomaly, double eccentricity);

// PrecessionSinceJ2000Degrees: the general precession since J2000.0 at the
// classic ayanamsa's own rate, PrecessionArcseconds(d / 36525) / 3600.
//
// Given:    d, days from J2000.0
// Returned: degrees
double PrecessionSinceJ2000Degrees(double d);

// Sidereal degrees in [0, 360) in planet-table order; the Moon's and the
// ascendant's slots are left at 0 (CalcMoon and CalcAscendant give them).
using PlanetLongitudes = std::array<double, kBodyCount>;

// CalcPlanets: sidereal longitudes of the Sun, the five planets and the
// nodes.
//
// Given:    instant (UT); siderealCorrection, minus the ayanamsa, degrees
//           (the birth's, also for a run at another instant)
// Returned: sidereal longitudes, degrees, [0, 360), planet-table order
// Notes:    1. Sun and planets: heliocentric positions from Keplerian
//              elements with secular rates (mean ecliptic and equinox of
//              J2000.0), the Earth's subtracted, then carried to the equinox
//              of the date by PrecessionSinceJ2000Degrees. Geometric: no
//              light time, aberration or nutation; within about 1' for the
//              Sun and a few arcminutes for the planets over 1901..2050.
//           2. Rahu, the Moon's mean ascending node, 125.1228° - 0.0529538083°
//              a day, back to degrees with 180 / 3.1416 and less 1° (the
//              classic digits); Ketu opposite.
//           3. The time argument is DayNumberJ2000 of the instant's universal
//              calendar date and time.
// Source:   Keplerian Elements for Approximate Positions of the Major
//           Planets, 1800..2050 (JPL Solar System Dynamics; Explanatory
//           Supplement to the Astronomical Almanac, 1992, table 5.8.1).
PlanetLongitudes CalcPlanets(const UniversalInstant& instant,
                             double siderealCorrection);

// The Sun seen from the Earth, as CalcPlanets finds it before the ayanamsa.
struct SunPosition {
  double longitudeDegrees = 0;  // geometric, mean equinox of the date, [0, 360)
  double distanceAu = 0;        // astronomical units
};

// SunOfDate: the engine's Sun at an instant.
//
// Given:    d, days from J2000.0 (UT)
// Returned: the Sun's geometric ecliptic longitude of the mean equinox of the
//           date (the Earth's heliocentric longitude plus 180°, carried by
//           PrecessionSinceJ2000Degrees) and its distance
// Notes:    The same Sun as CalcPlanets's, for the sunrise rules that find
//           the Sun on the horizon with it.
SunPosition SunOfDate(double d);

}  // namespace tarvelin
