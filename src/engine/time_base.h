// Time arguments of the position formulas: Julian day number, universal time,
// Julian centuries from 1900 and from J2000.0, day number from J2000.0 and
// local sidereal time. Plain functions without state.
#pragma once

namespace tarvelin {

// Julian day number (noon of the civil date) as a whole number in a double.
// A date up to 15 October 1582 is read in the Julian calendar, a later one in
// the Gregorian calendar.
double JulianDayNumber(int month, int day, int year);

// How far a local clock runs ahead of universal time.
struct ClockOffset {
  int utcOffsetSeconds = 0;       // east positive, daylight saving included
  int daylightSavingSeconds = 0;  // the daylight-saving part of it
};

// Universal time in hours of a local clock time in hours. The standard part
// of the offset is taken off in whole hours, then minutes, then seconds, and
// the daylight-saving part last: in that order every result keeps its last
// bit. Not folded into [0, 24).
double UniversalHours(double localHours, const ClockOffset& offset);

// Julian centuries from JD 2415020.0 and from JD 2451545.0 of the instant
// given by a Julian day number and a universal time in hours.
double CenturiesSince1900(double julianDayNumber, double universalHours);
double CenturiesSinceJ2000(double julianDayNumber, double universalHours);

// Days from JD 2451545.0 of a universal calendar instant (a leap year every
// fourth year; agrees with the Gregorian calendar 1900-03-01 .. 2100-02-28).
double DayNumberJ2000(int year, int month, int day, int hour, int minute,
                      int second = 0);

// Local sidereal time in degrees (Newcomb), from T1900, universal hours and
// the longitude in degrees positive west. Not folded below 0.
double SiderealTimeDegrees(double t1900, double universalHours,
                           double westLongitudeDeg);

}  // namespace tarvelin
