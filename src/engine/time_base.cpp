// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/time_base.h"

#include <cmath>

namespace tarvelin {
namespace {

constexpr double kJd1900 = 2415020.0;  // JD of 1900 January 0.5 (B1900 base)

// Last Julian day number read in the Julian calendar: 15 October 1582 as a
// Julian-calendar date (the Gregorian reform followed 4 October 1582).
constexpr double kLastJulianCalendarDay = 2299171.0;

double Centuries(const UniversalInstant& instant, double epoch) {
  // The day number belongs to noon, so the Julian date of the instant is
  // JDN - 0.5 + UT / 24.
  return (instant.julianDayNumber - epoch + instant.universalHours / 24.0 -
          0.5) /
         kJulianDaysPerCentury;
}

}  // namespace

UniversalInstant InstantOf(const CivilDateTime& local,
                           const ClockOffset& offset) {
  double localHours = local.hour + local.minute / 60.0;
  if (local.second != 0) localHours += local.second / 3600.0;
  UniversalInstant instant;
  instant.julianDayNumber = JulianDayNumber(local.month, local.day, local.year);
  instant.universalHours = UniversalHours(localHours, offset);
  instant.universal = AddSeconds(local, -offset.utcOffsetSeconds);
  return instant;
}

double JulianDate(const UniversalInstant& instant) {
  return instant.julianDayNumber - 0.5 + instant.universalHours / 24.0;
}

double JulianDayNumber(int month, int day, int year) {
  // Months counted from March of the year -4800, so that the leap day falls
  // at the end of each counted year.
  const double m = 12.0 * (year + 4800) + month - 3;
  const double r = m - 12.0 * std::floor(m / 12.0);
  double j = std::floor((365.0 * m + 2.0 * r + 7.0) / 12.0) + day +
             std::floor(m / 48.0) - 32083.0;
  if (j > kLastJulianCalendarDay) {
    // Gregorian: drop the century leap days that are not divisible by 400.
    j = j + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
  }
  return j;
}

double UniversalHours(double localHours, const ClockOffset& offset) {
  // What to add to the standard clock for universal time, split into hours,
  // minutes and seconds that all carry its sign.
  const int toAdd = -(offset.utcOffsetSeconds - offset.daylightSavingSeconds);
  const int hours = toAdd / 3600;
  const int minutes = toAdd % 3600 / 60;
  const int seconds = toAdd % 60;
  double ut = localHours + hours + minutes / 60.0;
  if (seconds != 0) ut += seconds / 3600.0;
  return ut - offset.daylightSavingSeconds / 3600.0;
}

double CenturiesSince1900(const UniversalInstant& instant) {
  return Centuries(instant, kJd1900);
}

double CenturiesSinceJ2000(const UniversalInstant& instant) {
  return Centuries(instant, kJdJ2000);
}

double DayNumberJ2000(int year, int month, int day, int hour, int minute,
                      int second) {
  // Day count with a leap year every fourth year; 730531.5 puts its zero at
  // 2000 January 1, 12:00 UT.
  const double y = year;
  const double m = month;
  const double d = 367.0 * y -
                   std::floor(7.0 * (y + std::floor((m + 9.0) / 12.0)) / 4.0) +
                   std::floor(275.0 * m / 9.0) + day - 730531.5;
  return d + (hour + minute / 60.0 + second / 3600.0) / 24.0;
}

double DayNumberJ2000(const UniversalInstant& instant) {
  const CivilDateTime& t = instant.universal;
  return DayNumberJ2000(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

double SiderealTimeDegrees(double t1900, double universalHours,
                           double westLongitudeDeg) {
  const double s = 15.0 * (6.6460656 + 2400.0513 * t1900 +
                           0.0000258 * t1900 * t1900 + universalHours) -
                   westLongitudeDeg;
  return s >= 360.0 ? std::fmod(s, 360.0) : s;
}

}  // namespace tarvelin
