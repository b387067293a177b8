// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/planets.h"

#include <cmath>
#include <cstdint>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/time_base.h"

namespace tarvelin {
namespace {

// The node goes back to degrees with 180 / 3.1416, a rounded pi.
constexpr double kNodeDegreesPerRadian = 180.0 / 3.1416;

// The rows of the element table.
enum class Body { Mercury, Venus, Sun, Mars, Jupiter, Saturn };

// Kepler's equation is solved to this change of the eccentric anomaly.
constexpr double kKeplerToleranceRadians = 1e-12;
// Newton's method meets the tolerance in a few steps for every orbit of the
// table; the cap only ends the loop on a non-finite anomaly.
constexpr int kKeplerMaxIterations = 100;

// Keplerian elements with secular rates, mean ecliptic and equinox of
// J2000.0 (approximate elements of the major planets, valid 1800-2050).
// Each element is base + rate x T, T in Julian centuries from J2000.0; the
// rates of the angles are in arcseconds per century.
struct OrbitalElements {
  double a, aRate;              // semi-major axis, AU; AU per century
  double e, eRate;              // eccentricity; per century
  double i, iRate;              // inclination, degrees; arcseconds per century
  double node, nodeRate;        // longitude of the ascending node
  double peri, periRate;        // longitude of perihelion
  double meanLon, meanLonRate;  // mean longitude
};

// Row order: Mercury, Venus, Earth (used for the Sun), Mars, Jupiter, Saturn.
constexpr OrbitalElements kElements[] = {
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51,
     48.33167, -446.30, 77.45645, +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069,
     -996.89, 131.53298, -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94,
     -11.26064, -18228.25, 102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47,
     49.57854, -1020.19, 336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15,
     100.55615, +1217.17, 14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11,
     113.71504, -1591.05, 92.43194, -1948.89, 49.94432, +4401052.95},
};

const OrbitalElements& ElementsOf(Body body) {
  return kElements[static_cast<int>(body)];
}

// An angle element at T, in radians.
double AngleRadians(double baseDeg, double rateArcsecPerCentury, double t) {
  return (baseDeg + rateArcsecPerCentury * t / kArcsecondsPerDegree) *
         kRadiansPerDegree15;
}

// Heliocentric ecliptic position in the plane of the orbit reduced to the
// ecliptic, AU.
struct Position {
  double x = 0, y = 0;
};

Position HeliocentricPosition(const OrbitalElements& el, double t) {
  const double a = el.a + el.aRate * t;
  const double e = el.e + el.eRate * t;
  const double inclination = AngleRadians(el.i, el.iRate, t);
  const double node = AngleRadians(el.node, el.nodeRate, t);
  const double peri = AngleRadians(el.peri, el.periRate, t);
  const double meanLon = AngleRadians(el.meanLon, el.meanLonRate, t);

  const double v = SolveKepler(ReduceRadians(meanLon - peri), e);
  const double r = a * (1 - e * e) / (1 + e * std::cos(v));
  const double u = peri + v - node;  // argument of latitude
  Position p;
  p.x = r * (std::cos(node) * std::cos(u) -
             std::sin(u) * std::sin(node) * std::cos(inclination));
  p.y = r * (std::sin(node) * std::cos(u) +
             std::sin(u) * std::cos(node) * std::cos(inclination));
  return p;
}

// The Earth in the ecliptic plane (its inclination and node are not used).
Position EarthPosition(double t) {
  const OrbitalElements& el = ElementsOf(Body::Sun);
  const double a = el.a + el.aRate * t;
  const double e = el.e + el.eRate * t;
  const double peri = AngleRadians(el.peri, el.periRate, t);
  const double meanLon = AngleRadians(el.meanLon, el.meanLonRate, t);
  const double v = SolveKepler(ReduceRadians(meanLon - peri), e);
  const double r = a * (1 - e * e) / (1 + e * std::cos(v));
  Position p;
  p.x = r * std::cos(peri + v);
  p.y = r * std::sin(peri + v);
  return p;
}

double FoldDegrees(double x) {
  double folded = std::fmod(x, 360.0);
  if (folded < 0) folded += 360.0;
  if (folded >= 360.0) folded -= 360.0;  // -tiny + 360 rounds to 360
  return folded;
}

// Tropical longitude minus the ayanamsa (the magnitude of the sidereal
// correction), raised by 360 until it is not negative.
double Sidereal(double tropicalDeg, double siderealCorrection) {
  double value = tropicalDeg - std::fabs(siderealCorrection);
  if (value < 0) value += 360.0 * std::ceil(-value / 360.0);
  if (value >= 360.0) value -= 360.0;  // -tiny + 360 rounds to 360
  return value;
}

}  // namespace

double ReduceRadians(double x) {
  const double q = x / kTwoPi;
  const double f = q - std::trunc(q);
  double r = kTwoPi * f;
  if (r < 0) r += kTwoPi;
  return r;
}

double SolveKepler(double meanAnomaly, double eccentricity) {
  const double m = meanAnomaly;
  const double e = eccentricity;
  // Starting value: the second-order series for the eccentric anomaly.
  double eccentric = m + e * std::sin(m) * (1 + e * std::cos(m));
  double next = eccentric;
  for (int i = 0; i < kKeplerMaxIterations; ++i) {
    next = eccentric - (eccentric - e * std::sin(eccentric) - m) /
                           (1 - e * std::cos(eccentric));
    if (std::fabs(next - eccentric) <= kKeplerToleranceRadians) break;
    eccentric = next;
  }
  double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(next / 2));
  if (v < 0) v += kTwoPi;
  return v;
}

namespace {

// Geocentric longitude of a body at T seen from the Earth's position at the
// same T (computed once per instant by the caller).
double LongitudeSeenFrom(const Position& earth, Body body, double t) {
  Position planet;  // the Sun stands at the origin
  if (body != Body::Sun) planet = HeliocentricPosition(ElementsOf(body), t);
  const double lambda =
      ArcTan2(planet.y - earth.y, planet.x - earth.x) * kDegreesPerRadian;
  return FoldDegrees(lambda);
}

}  // namespace

double PrecessionSinceJ2000Degrees(double d) {
  return PrecessionArcseconds(d / kJulianDaysPerCentury) / kArcsecondsPerDegree;
}

PlanetLongitudes CalcPlanets(const UniversalInstant& instant,
                             double siderealCorrection) {
  const double d = DayNumberJ2000(instant);
  PlanetLongitudes out{};

  // The elements give longitudes of the equinox of J2000.0, while the
  // ayanamsa taken off is that of the date: carry them to the equinox of
  // the date first.
  const double precession = PrecessionSinceJ2000Degrees(d);
  struct Slot {
    Body body;
    int index;  // in the planet table
  };
  constexpr Slot kSlots[] = {
      {Body::Mercury, kMercury}, {Body::Venus, kVenus},
      {Body::Sun, kSun},         {Body::Mars, kMars},
      {Body::Jupiter, kJupiter}, {Body::Saturn, kSaturn}};
  const double t = d / kJulianDaysPerCentury;
  const Position earth = EarthPosition(t);
  for (const Slot& slot : kSlots) {
    const double ofDate =
        FoldDegrees(LongitudeSeenFrom(earth, slot.body, t) + precession);
    out[slot.index] = Sidereal(ofDate, siderealCorrection);
  }

  // Rahu, the Moon's mean ascending node: 125.1228° - 0.0529538083° a day,
  // folded in radians and brought back with 180 / 3.1416, less 1 degree.
  const double nodeDeg = 125.1228 - 0.0529538083 * d;
  const double nodeFolded =
      ReduceRadians(nodeDeg * kRadiansPerDegree15) * kNodeDegreesPerRadian;
  const double rahu = Sidereal(nodeFolded - 1.0, siderealCorrection);
  double ketu = rahu + 180.0;
  if (ketu >= 360.0) ketu -= 360.0;
  out[kRahu] = rahu;
  out[kKetu] = ketu;
  return out;
}

SunPosition SunOfDate(double d) {
  const double t = d / kJulianDaysPerCentury;
  const Position earth = EarthPosition(t);
  SunPosition sun;
  sun.longitudeDegrees = FoldDegrees(LongitudeSeenFrom(earth, Body::Sun, t) +
                                     PrecessionSinceJ2000Degrees(d));
  sun.distanceAu = std::hypot(earth.x, earth.y);
  return sun;
}

}  // namespace tarvelin
