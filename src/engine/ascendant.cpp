#include "engine/ascendant.h"

#include <cmath>

#include "engine/ayanamsa.h"
#include "engine/position_text.h"
#include "engine/time_base.h"

namespace tarvelin {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180.0;
constexpr double kDegreesPerRadian = 57.2957795130823;  // 180 / pi

}  // namespace

AscendantOutputs CalcAscendant(const BirthRecord& record, int zoneOffsetHours,
                               int zoneOffsetMinutes) {
  const double localHours = record.Hour + record.Minute / 60.0;
  double westLongitude = record.LonDeg + record.LonMin / 60.0;
  if (record.IsEast) westLongitude = -westLongitude;
  double northLatitude = record.LatDeg + record.LatMin / 60.0;
  if (record.IsSouth) northLatitude = -northLatitude;

  AscendantOutputs out;
  out.UniversalHours = UniversalHours(localHours, zoneOffsetHours,
                                      zoneOffsetMinutes, record.HasDST);
  const double jdn = JulianDayNumber(record.Month, record.Day, record.Year);
  const double t1900 = CenturiesSince1900(jdn, out.UniversalHours);
  out.SiderealCorrection = SiderealCorrection1900(t1900);

  const double ramc =
      SiderealTimeDegrees(t1900, out.UniversalHours, westLongitude) *
      kRadiansPerDegree;
  const double obliquity = ObliquityDegrees(t1900) * kRadiansPerDegree;
  const double latitude = northLatitude * kRadiansPerDegree;

  // The ecliptic point rising in the east: tan A = cos RAMC /
  // -(sin RAMC cos e + sin e tan phi).
  double ascendant =
      ArcTan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                std::sin(obliquity) * std::tan(latitude)));
  if (ascendant < 0) ascendant += 2 * kPi;
  ascendant *= kDegreesPerRadian;

  double sidereal = ascendant + out.SiderealCorrection;
  if (sidereal < 0) sidereal += 360.0;
  // A tiny negative value plus 360 can round to 360 itself.
  if (sidereal >= 360.0) sidereal -= 360.0;
  out.SiderealAscendant = sidereal;
  out.AscendantWholeDegrees = std::floor(sidereal);
  out.AscendantText = FormatSignPosition(sidereal);
  return out;
}

}  // namespace tarvelin
