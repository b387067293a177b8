// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/horizon_crossing.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/angles.h"
#include "engine/ayanamsa.h"
#include "engine/planets.h"
#include "engine/time_base.h"

namespace tarvelin {
namespace {

// Refraction at the horizon, arcminutes: the value rising and setting
// times are conventionally worked with.
constexpr double kHorizonRefractionArcmin = 34.0;
// The Sun's semi-diameter at 1 AU, arcseconds (IAU 1976).
constexpr double kSemiDiameterAt1AuArcsec = 959.63;
// The Sun's annual aberration at 1 AU, arcseconds (Meeus, eq. 25.10).
constexpr double kAberrationArcsec = 20.4898;
// The Earth turns 360.98564736629° a day against the mean equinox (the rate
// of SiderealTimeDegrees to 1e-7°).
constexpr double kSiderealDegreesPerDay = 360.98564736629;
// A Newton step below this angle of the hour angle ends the search:
// 0.01 s of time.
constexpr double kConvergedDegrees = 0.01 * 360.0 / 86400.0;
// Three or four steps are enough away from the polar circles; one that
// does not settle in this many is a Sun that only grazes the horizon.
constexpr int kMaxSteps = 12;
constexpr double kSecondsPerDay = 86400.0;
constexpr double kJd1900 = 2415020.0;  // JD of 1900 January 0.5
// 2000 January 1, 12:00 UT: day number 0.
constexpr CivilDateTime kJ2000Universal{2000, 1, 1, 12, 0, 0};

enum class Event { kRise, kSet };

// An angle in degrees folded into [-180, 180).
double Signed(double degrees) {
  return degrees - 360.0 * std::floor(degrees / 360.0 + 0.5);
}

// The Sun around one day number, sampled a day before, then and a day
// after, and read between the samples by quadratic interpolation (within
// 0.01" over those two days), with the sidereal time of the middle sample.
class SunTrack {
 public:
  explicit SunTrack(double middle) : middle_(middle) {
    for (int i = 0; i < 3; ++i) {
      const SunPosition sun = SunOfDate(middle + (i - 1));
      longitude_[i] = sun.longitudeDegrees;
      distance_[i] = sun.distanceAu;
    }
    // Unwrapped around the middle sample.
    longitude_[0] = longitude_[1] + Signed(longitude_[0] - longitude_[1]);
    longitude_[2] = longitude_[1] + Signed(longitude_[2] - longitude_[1]);
    const double t1900 = (middle + kJdJ2000 - kJd1900) / kJulianDaysPerCentury;
    const double obliquity = ObliquityDegrees(t1900) * kRadiansPerDegree;
    sinObliquity_ = std::sin(obliquity);
    cosObliquity_ = std::cos(obliquity);
    const double dayFraction = (middle + 0.5) - std::floor(middle + 0.5);
    siderealMiddle_ = SiderealTimeDegrees(t1900, 24.0 * dayFraction, 0.0);
  }

  struct Sky {
    double rightAscensionDeg;
    double sinDeclination, cosDeclination;
    double distanceAu;
  };

  // The Sun at day number d (UT): apparent right ascension and declination
  // of the mean equinox of the date.
  Sky At(double d) const {
    const double x = d - middle_;
    const double lambdaDeg =
        Interpolate(longitude_, x) -
        kAberrationArcsec / Interpolate(distance_, x) / kArcsecondsPerDegree;
    const double lambda = lambdaDeg * kRadiansPerDegree;
    const double sinLambda = std::sin(lambda);
    Sky sky;
    sky.rightAscensionDeg =
        std::atan2(cosObliquity_ * sinLambda, std::cos(lambda)) *
        kDegreesPerRadian;
    sky.sinDeclination = sinObliquity_ * sinLambda;
    sky.cosDeclination =
        std::sqrt(1.0 - sky.sinDeclination * sky.sinDeclination);
    sky.distanceAu = Interpolate(distance_, x);
    return sky;
  }

  // Greenwich mean sidereal time at day number d, degrees (not folded).
  double SiderealDegrees(double d) const {
    return siderealMiddle_ + kSiderealDegreesPerDay * (d - middle_);
  }

 private:
  // The parabola through the three samples at x = -1, 0, 1.
  static double Interpolate(const double (&y)[3], double x) {
    return y[1] + 0.5 * x * (y[2] - y[0]) +
           0.5 * x * x * (y[2] + y[0] - 2 * y[1]);
  }

  double middle_;
  double longitude_[3], distance_[3];
  double sinObliquity_, cosObliquity_;
  double siderealMiddle_;
};

// The altitude of the Sun's centre at the crossing, degrees.
double CrossingAltitude(HorizonAltitude altitude, double distanceAu) {
  if (altitude == HorizonAltitude::kCentre) return 0.0;
  return -(kHorizonRefractionArcmin / 60.0 +
           kSemiDiameterAt1AuArcsec / distanceAu / kArcsecondsPerDegree);
}

// The place, with the sines and cosines the hour angle needs.
struct Place {
  double sinLatitude, cosLatitude;
  double longitudeDeg;  // east positive
};

// Day number of the crossing Newton's steps reach from `start`, or nothing
// when the Sun does not reach the altitude.
std::optional<double> Crossing(Event event, HorizonAltitude altitude,
                               const SunTrack& track, double start,
                               const Place& place) {
  double d = start;
  for (int step = 0; step < kMaxSteps; ++step) {
    const SunTrack::Sky sun = track.At(d);
    const double h0 =
        CrossingAltitude(altitude, sun.distanceAu) * kRadiansPerDegree;
    const double cosH0 =
        (std::sin(h0) - place.sinLatitude * sun.sinDeclination) /
        (place.cosLatitude * sun.cosDeclination);
    if (!(std::fabs(cosH0) <= 1.0)) return std::nullopt;
    const double h0Degrees = std::acos(cosH0) * kDegreesPerRadian;
    const double target = event == Event::kRise ? -h0Degrees : h0Degrees;
    const double hourAngle =
        track.SiderealDegrees(d) + place.longitudeDeg - sun.rightAscensionDeg;
    const double delta = Signed(target - hourAngle);
    d += delta / kSiderealDegreesPerDay;
    if (std::fabs(delta) < kConvergedDegrees) return d;
  }
  return std::nullopt;
}

CivilDateTime ClockTime(double d, int utcOffsetSeconds) {
  const auto seconds =
      static_cast<std::int64_t>(std::llround(d * kSecondsPerDay));
  return AddSeconds(kJ2000Universal, seconds + utcOffsetSeconds);
}

bool SameDate(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The crossing on the clock date of `date`: searched from the clock's noon,
// and from a day later or earlier when a clock far from the place's own
// time puts the nearest one on another date.
std::optional<CivilDateTime> EventOnDate(Event event, HorizonAltitude altitude,
                                         const SunTrack& track, double noon,
                                         const CivilDateTime& date,
                                         const Place& place,
                                         int utcOffsetSeconds) {
  double start = noon;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const std::optional<double> d =
        Crossing(event, altitude, track, start, place);
    if (!d) return std::nullopt;
    const CivilDateTime clock = ClockTime(*d, utcOffsetSeconds);
    if (SameDate(clock, date)) return clock;
    start = noon + (clock < date ? 1.0 : -1.0);
  }
  return std::nullopt;
}

}  // namespace

RiseSet HorizonCrossings(HorizonAltitude altitude, const CivilDateTime& date,
                         double latitudeDegrees, double longitudeDegrees,
                         int utcOffsetSeconds) {
  const CivilDateTime day{date.year, date.month, date.day, 0, 0, 0};
  const double latitudeRad = latitudeDegrees * kRadiansPerDegree;
  const Place place{std::sin(latitudeRad), std::cos(latitudeRad),
                    longitudeDegrees};
  // The clock's noon of the date, as a day number (UT).
  const double noon = DayNumberJ2000(day.year, day.month, day.day, 12, 0, 0) -
                      utcOffsetSeconds / kSecondsPerDay;
  const SunTrack track(noon);
  RiseSet result;
  result.sunrise = EventOnDate(Event::kRise, altitude, track, noon, day, place,
                               utcOffsetSeconds);
  result.sunset = EventOnDate(Event::kSet, altitude, track, noon, day, place,
                              utcOffsetSeconds);
  return result;
}

}  // namespace tarvelin
