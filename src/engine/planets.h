// Sidereal longitudes of the Sun, the five classical planets and the lunar
// nodes from Keplerian elements with secular rates.
#pragma once

#include <array>

#include "engine/bodies.h"
#include "engine/civil_time.h"
#include "engine/time_base.h"

namespace tarvelin {

// x folded into [0, 2 pi).
double ReduceRadians(double x);
// True anomaly in [0, 2 pi) for mean anomaly M (radians), eccentricity e.
double SolveKepler(double meanAnomaly, double eccentricity);
// General precession since J2000.0 in degrees at day number d, at the
// ayanamsa's own rate: PrecessionArcseconds(d / 36525) / 3600.
double PrecessionSinceJ2000Degrees(double d);

// Sidereal degrees in [0, 360) in planet-table order; the Moon's and the
// ascendant's slots are left at 0 (CalcMoon and CalcAscendant give them).
using PlanetLongitudes = std::array<double, kBodyCount>;

// One run at a local clock instant (its seconds do not count), turned into
// universal time with calendar carries. siderealCorrection is the birth
// instant's (CalcAscendant's), also for a run at another instant.
PlanetLongitudes CalcPlanets(const CivilDateTime& local,
                             const ClockOffset& offset,
                             double siderealCorrection);

}  // namespace tarvelin
