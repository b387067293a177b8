// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/sunrise.h"

#include <cmath>

#include "sunrise/horizon_crossing.h"

namespace tarvelin {
namespace {

// Angles of the solar model, written to the digits the system has always used
// (not full-precision multiples of pi).
constexpr double kQuarterTurn = 1.5708;        // radians, 6 h
constexpr double kHalfTurn = 3.14159;          // radians, 12 h
constexpr double kThreeQuarterTurn = 4.71239;  // radians, 18 h
constexpr double kFullTurn = 6.28319;          // radians, 24 h
constexpr double kRadiansPerDegree6 = 0.0174533;
constexpr double kRadiansPerHour = 0.261799;
constexpr double kHoursPerRadian = 3.81972;

// cos(90 deg 50'): the Sun's centre 50' below the horizon (refraction and
// semi-diameter).
constexpr double kCosZenithDistance = -0.0145439;

// Mean anomaly M = rate * t - offset, radians, t in days of the year.
constexpr double kMeanAnomalyRate = 0.017202;
constexpr double kMeanAnomalyOffset = 0.0574039;
// Equation of centre, radians.
constexpr double kCentreSinM = 0.0334405;
constexpr double kCentreSin2M = 0.000349066;
// Mean anomaly to true longitude, radians.
constexpr double kLongitudeOffset = 4.93289;
// Moves L off an exact multiple of a quarter turn, where tan L is undefined.
constexpr double kQuarterTurnNudge = 4.84814e-06;

constexpr double kCosObliquity = 0.91746;
constexpr double kSinObliquity = 0.39782;

// Local mean time T = H + RA - rate * t - offset, radians.
constexpr double kLocalMeanTimeRate = 0.0172028;
constexpr double kLocalMeanTimeOffset = 1.73364;

// A zone east of Greenwich this many hours ahead is worked one day back.
constexpr double kDatelineZoneHours = 13;
constexpr double kDatelineReplacementHours = -11;

constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

enum class Event { kSunrise, kSunset };

// The arctangent of the system's ArcTan2(y, 1): the solar model only ever
// passes x = 1.
double ArcTanOfRatio(double y) { return std::atan(y); }

// Clock time of one event, or nothing when the Sun does not reach the
// horizon that day (polar day or night).
std::optional<CivilDateTime> EventTime(Event event, int dayOfYearFromZero,
                                       double latitudeRad, double longitudeRad,
                                       double zoneRad, int year, int month,
                                       int day) {
  const double baseAngle =
      event == Event::kSunrise ? kQuarterTurn : kThreeQuarterTurn;
  const double t = dayOfYearFromZero + (baseAngle - longitudeRad) / kFullTurn;

  const double meanAnomaly = kMeanAnomalyRate * t - kMeanAnomalyOffset;
  double trueLongitude = meanAnomaly + kCentreSinM * std::sin(meanAnomaly) +
                         kCentreSin2M * std::sin(2 * meanAnomaly) +
                         kLongitudeOffset;
  while (trueLongitude < 0) trueLongitude += kFullTurn;
  while (trueLongitude >= kFullTurn) trueLongitude -= kFullTurn;
  const double quarters = trueLongitude / kQuarterTurn;
  if (quarters - std::floor(quarters) == 0) trueLongitude += kQuarterTurnNudge;

  double rightAscension = ArcTanOfRatio(
      kCosObliquity * std::sin(trueLongitude) / std::cos(trueLongitude));
  if (trueLongitude > kThreeQuarterTurn) {
    rightAscension += kFullTurn;
  } else if (trueLongitude > kQuarterTurn) {
    rightAscension += kHalfTurn;
  }

  const double sinDecl0 = kSinObliquity * std::sin(trueLongitude);
  const double cosDecl0 = std::sqrt(1 - sinDecl0 * sinDecl0);
  const double declination = ArcTanOfRatio(sinDecl0 / cosDecl0);

  const double cosHourAngle =
      (kCosZenithDistance - std::sin(declination) * std::sin(latitudeRad)) /
      (std::cos(declination) * std::cos(latitudeRad));
  // |cos H| >= 1: the Sun stays above or below the horizon all day. The
  // negated test also turns away a non-finite value.
  if (!(std::fabs(cosHourAngle) < 1)) return std::nullopt;

  double hourAngle =
      kQuarterTurn -
      ArcTanOfRatio(cosHourAngle / std::sqrt(1 - cosHourAngle * cosHourAngle));
  if (event == Event::kSunrise) hourAngle = kFullTurn - hourAngle;

  const double localMeanTime = hourAngle + rightAscension -
                               kLocalMeanTimeRate * t - kLocalMeanTimeOffset;
  const double universalAngle = localMeanTime - longitudeRad;
  double localAngle = universalAngle + zoneRad;
  while (localAngle < 0) localAngle += kFullTurn;
  while (localAngle >= kFullTurn) localAngle -= kFullTurn;

  const double hours = localAngle * kHoursPerRadian;
  int hour = static_cast<int>(std::floor(hours));
  int minute = static_cast<int>(
      std::floor((hours - hour) * kMinutesPerHour + 0.5));  // half up
  // A minute rounded up to 60 belongs to the next hour; 24:00 is 00:00 of the
  // same (input) date, like every other wrapped time.
  if (minute == kMinutesPerHour) {
    minute = 0;
    ++hour;
  }
  if (hour >= kHoursPerDay) hour -= kHoursPerDay;
  return CivilDateTime{year, month, day, hour, minute, 0};
}

}  // namespace

RiseSet SunRiseSunSet(SunriseRule rule, const CivilDateTime& date,
                      double latitudeDegrees, double longitudeDegrees,
                      int utcOffsetSeconds) {
  if (rule == SunriseRule::kClassic) {
    return CalcSunRiseSunSet(date, latitudeDegrees, longitudeDegrees,
                             utcOffsetSeconds);
  }
  const HorizonAltitude altitude = rule == SunriseRule::kLimb
                                       ? HorizonAltitude::kUpperLimb
                                       : HorizonAltitude::kCentre;
  return HorizonCrossings(altitude, date, latitudeDegrees, longitudeDegrees,
                          utcOffsetSeconds);
}

RiseSet CalcSunRiseSunSet(const CivilDateTime& date, double latitudeDegrees,
                          double longitudeDegrees, int utcOffsetSeconds) {
  const int year = date.year, month = date.month, day = date.day;
  const double latitudeRad = latitudeDegrees * kRadiansPerDegree6;
  const double longitudeRad = longitudeDegrees * kRadiansPerDegree6;

  double zoneEast = utcOffsetSeconds / 3600.0;
  if (zoneEast == kDatelineZoneHours) zoneEast = kDatelineReplacementHours;
  const double zoneRad = zoneEast * kRadiansPerHour;

  const int dayOfYearFromZero = DayOfYear(year, month, day) - 1;

  RiseSet result;
  result.sunrise = EventTime(Event::kSunrise, dayOfYearFromZero, latitudeRad,
                             longitudeRad, zoneRad, year, month, day);
  result.sunset = EventTime(Event::kSunset, dayOfYearFromZero, latitudeRad,
                            longitudeRad, zoneRad, year, month, day);
  return result;
}

}  // namespace tarvelin
