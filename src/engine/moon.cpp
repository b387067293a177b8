// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/moon.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/time_base.h"

namespace tarvelin {

// Nakshatra starts in degrees: 13.33 x k rounded to two decimals. The index
// uses the exact width of 13° 20' (800'), so a start lies up to 0.09° before
// the exact boundary.
const std::array<double, 27> kNakshatraStarts = {
    0,      13.33,  26.66,  39.99,  53.32,  66.65,  79.98,  93.31,  106.64,
    119.97, 133.30, 146.63, 159.96, 173.29, 186.62, 199.95, 213.28, 226.61,
    239.94, 253.27, 266.60, 279.93, 293.26, 306.59, 319.92, 333.25, 346.58};

namespace {

constexpr double kNakshatraArcminutes = 800.0;  // 13° 20'

// One periodic term of the Moon's longitude (truncated ELP-2000/82):
// coefficient x sin(d D + m M + m' M' + f F), times E when it holds M.
struct LongitudeTerm {
  int d, m, mPrime, f;
  double coefficientDeg;
  bool timesE;
};

// The 25 leading terms, largest first (the order they are summed in).
constexpr LongitudeTerm kTerms[] = {
    {0, 0, 1, 0, +6.288774, false},  {2, 0, -1, 0, +1.274027, false},
    {2, 0, 0, 0, +0.658314, false},  {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false}, {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},  {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},  {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false}, {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false}, {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},   {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},   {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
};

// Tropical longitude of the Moon in degrees, [0, 360), of the mean equinox
// of the date, at T centuries from J2000.0.
double TropicalMoonDegrees(double t) {
  // Mean arguments, degrees (linear terms only).
  const double meanLongitude = 218.3164591 + 481267.88134236 * t;  // L'
  const double elongation = (297.8502042 + 445267.1115168 * t) *   // D
                            kRadiansPerDegree;
  const double sunAnomaly = (357.5291092 + 35999.0502909 * t) *  // M
                            kRadiansPerDegree;
  const double moonAnomaly = (134.9634114 + 477198.8676313 * t) *  // M'
                             kRadiansPerDegree;
  const double latitudeArgument = (93.2720993 + 483202.0175273 * t) *  // F
                                  kRadiansPerDegree;
  // Eccentricity factor of the Earth's orbit for terms with M.
  const double e = 1 - 0.002516 * t - 0.0000074 * t * t;

  double sum = 0;
  for (const LongitudeTerm& term : kTerms) {
    double value =
        term.coefficientDeg *
        std::sin(term.d * elongation + term.m * sunAnomaly +
                 term.mPrime * moonAnomaly + term.f * latitudeArgument);
    if (term.timesE) value *= e;
    sum += value;
  }
  double longitude = std::fmod(meanLongitude + sum, 360.0);
  if (longitude < 0) longitude += 360.0;
  return longitude;
}

}  // namespace

double NakshatraStartOf(double siderealLongitude) {
  // A longitude outside [0, 360) (or not a number) has no nakshatra.
  if (!(siderealLongitude >= 0 && siderealLongitude < 360.0)) return 0;
  const int k = static_cast<int>(
      std::floor(60.0 * siderealLongitude / kNakshatraArcminutes));
  return kNakshatraStarts[static_cast<std::size_t>(k)];
}

MoonOutputs CalcMoon(const UniversalInstant& instant,
                     double siderealCorrection) {
  const double t2000 = CenturiesSinceJ2000(instant);
  double sidereal = TropicalMoonDegrees(t2000) + siderealCorrection;
  if (sidereal < 0) sidereal += 360.0;
  // A tiny negative value plus 360 can round to 360 itself.
  if (sidereal >= 360.0) sidereal -= 360.0;

  MoonOutputs out;
  out.MoonLongitude = sidereal;
  out.MoonNakshatraStart = NakshatraStartOf(sidereal);
  return out;
}

}  // namespace tarvelin
