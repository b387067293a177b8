#include "engine/ascendant.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/time_base.h"

namespace tarvelin {
AscendantOutputs CalcAscendant(const CivilDateTime& local,
                               const ClockOffset& offset,
                               double latitudeDegrees,
                               double longitudeDegrees) {
  const double localHours = local.hour + local.minute / 60.0;
  // Sidereal time counts longitude positive west.
  const double westLongitude = -longitudeDegrees;

  AscendantOutputs out;
  out.UniversalHours = UniversalHours(localHours, offset);
  const double jdn = JulianDayNumber(local.month, local.day, local.year);
  const double t1900 = CenturiesSince1900(jdn, out.UniversalHours);
  out.SiderealCorrection = SiderealCorrection1900(t1900);

  const double ramc =
      SiderealTimeDegrees(t1900, out.UniversalHours, westLongitude) *
      kRadiansPerDegree;
  const double obliquity = ObliquityDegrees(t1900) * kRadiansPerDegree;
  const double latitude = latitudeDegrees * kRadiansPerDegree;

  // The ecliptic point rising in the east: tan A = cos RAMC /
  // -(sin RAMC cos e + sin e tan phi).
  double ascendant =
      ArcTan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                std::sin(obliquity) * std::tan(latitude)));
  if (ascendant < 0) ascendant += 2 * kPi;
  ascendant *= kDegreesPerRadian15;

  double sidereal = ascendant + out.SiderealCorrection;
  if (sidereal < 0) sidereal += 360.0;
  // A tiny negative value plus 360 can round to 360 itself.
  if (sidereal >= 360.0) sidereal -= 360.0;
  out.SiderealAscendant = sidereal;
  return out;
}

}  // namespace tarvelin
