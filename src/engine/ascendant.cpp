// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ascendant.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/ayanamsa.h"

namespace tarvelin {

double CalcAscendant(const UniversalInstant& instant, double latitudeDegrees,
                     double longitudeDegrees, double siderealCorrection) {
  // Sidereal time counts longitude positive west.
  const double westLongitude = -longitudeDegrees;
  const double t1900 = CenturiesSince1900(instant);

  const double ramc =
      SiderealTimeDegrees(t1900, instant.universalHours, westLongitude) *
      kRadiansPerDegree;
  const double obliquity = ObliquityDegrees(t1900) * kRadiansPerDegree;
  const double latitude = latitudeDegrees * kRadiansPerDegree;

  double ascendant =
      ArcTan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                std::sin(obliquity) * std::tan(latitude)));
  if (ascendant < 0) ascendant += 2 * kPi;
  ascendant *= kDegreesPerRadian15;

  double sidereal = ascendant + siderealCorrection;
  if (sidereal < 0) sidereal += 360.0;
  // A tiny negative value plus 360 can round to 360 itself.
  if (sidereal >= 360.0) sidereal -= 360.0;
  return sidereal;
}

}  // namespace tarvelin
