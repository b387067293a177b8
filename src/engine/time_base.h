// SPDX-License-Identifier: GPL-3.0-or-later
// Time arguments of the position formulas: the instant of a clock reading in
// universal time, the Julian day number, Julian centuries from 1900 and from
// J2000.0, the day number from J2000.0 and the local sidereal time. Plain
// functions without state.
//
// Time scale: universal time throughout. The formulas take it where their
// sources take dynamical time (no delta T): over 1901..2050 delta T is at
// most about 100 s, in which the Sun moves 4" and the Moon 55".
#pragma once

#include "engine/civil_time.h"

namespace tarvelin {

constexpr double kJulianDaysPerCentury = 36525.0;
constexpr double kJdJ2000 = 2451545.0;  // JD of 2000 January 1.5 (J2000.0)

// How far a local clock runs ahead of universal time.
struct ClockOffset {
  int utcOffsetSeconds = 0;       // east positive, daylight saving included
  int daylightSavingSeconds = 0;  // the daylight-saving part of it
};

// One instant in universal time, in the forms the formulas take it. It is
// worked out once from a clock reading (InstantOf) and handed to every
// formula that needs the time.
struct UniversalInstant {
  // A two-part Julian date: the Julian day number of the clock's calendar
  // date (a whole number, belonging to noon) and the universal time in
  // hours counted from 0h UT of that date, not folded into [0, 24) (-2.5 for
  // 03:00 at UTC+05:30). The Julian date is julianDayNumber - 0.5 +
  // universalHours / 24.
  double julianDayNumber = 0;
  double universalHours = 0;
  // The same instant as a universal calendar date and time, whole seconds.
  CivilDateTime universal;
};

// The instant of a local clock reading (seconds included) on a clock
// `offset` ahead of universal time.
UniversalInstant InstantOf(const CivilDateTime& local,
                           const ClockOffset& offset);

// The Julian date (UT) of an instant: days from 4713 BC January 1, 12h.
double JulianDate(const UniversalInstant& instant);

// JulianDayNumber: the Julian day number of a calendar date.
//
// Given:    month 1..12, day 1..31, year (four digits)
// Returned: the Julian day number (noon of that date), a whole number held
//           in a double
// Notes:    A date up to 15 October 1582 is read in the Julian calendar, a
//           later one in the Gregorian calendar. An impossible date (30
//           February) is carried on arithmetically.
// Source:   the integer day count of months from March of -4800, with the
//           Gregorian correction of the century years (the classic digits).
double JulianDayNumber(int month, int day, int year);

// UniversalHours: universal time of a local clock time.
//
// Given:    localHours, the clock time in hours from the clock's midnight;
//           offset, how far the clock runs ahead of universal time
// Returned: universal time in hours from 0h UT of the clock's date, not
//           folded into [0, 24)
// Notes:    The standard part of the offset is taken off in whole hours,
//           then minutes, then seconds, and the daylight-saving part last:
//           in that order every result keeps its last bit.
double UniversalHours(double localHours, const ClockOffset& offset);

// CenturiesSince1900, CenturiesSinceJ2000: Julian centuries of an instant.
//
// Given:    instant (UT)
// Returned: Julian centuries of 36525 days from JD 2415020.0 (1900 January
//           0.5, the epoch of Newcomb's expressions) or from JD 2451545.0
//           (J2000.0), computed from the two-part Julian date
double CenturiesSince1900(const UniversalInstant& instant);
double CenturiesSinceJ2000(const UniversalInstant& instant);

// DayNumberJ2000: days from J2000.0 of a calendar instant.
//
// Given:    year, month, day, hour, minute, second of a universal calendar
//           date and time
// Returned: days from 2000 January 1, 12h UT (0 then)
// Notes:    A leap year every fourth year: agrees with the Gregorian
//           calendar from 1900 March 1 to 2100 February 28.
// Source:   the day-number formula of the approximate planetary elements,
//           367 Y - 7 (Y + (M + 9) / 12) / 4 + 275 M / 9 + D - 730531.5.
double DayNumberJ2000(int year, int month, int day, int hour, int minute,
                      int second = 0);
double DayNumberJ2000(const UniversalInstant& instant);

// SiderealTimeDegrees: local mean sidereal time.
//
// Given:    t1900, Julian centuries from JD 2415020.0 (UT, time of day
//           included); universalHours, as in UniversalInstant;
//           westLongitudeDeg, the longitude in degrees, west positive
// Returned: local mean sidereal time in degrees; folded below 360, a
//           negative value stays (only its sine, cosine and tangent are
//           used)
// Source:   Newcomb's Greenwich mean sidereal time at 0h UT,
//           6h 38m 45.836s + 8640184.542s T + 0.0929s T^2 (Explanatory
//           Supplement to the Astronomical Ephemeris, 1961). T1900 already
//           holds the time of day, so UT is added at the rate 1.
double SiderealTimeDegrees(double t1900, double universalHours,
                           double westLongitudeDeg);

}  // namespace tarvelin
