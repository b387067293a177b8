// SPDX-License-Identifier: GPL-3.0-or-later
// Civil (proleptic Gregorian) date-times and the calendar arithmetic the
// engine, the sunrise step and the pipeline share: adding days, minutes and
// seconds with carries both ways, differences, weekday and day of the year.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvelin {

struct CivilDateTime {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
};

bool operator==(const CivilDateTime& a, const CivilDateTime& b);
bool operator!=(const CivilDateTime& a, const CivilDateTime& b);
bool operator<(const CivilDateTime& a, const CivilDateTime& b);
bool operator<=(const CivilDateTime& a, const CivilDateTime& b);
bool operator>(const CivilDateTime& a, const CivilDateTime& b);

// Days since 1970-01-01 of a civil date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);
// Seconds since 1970-01-01 00:00:00 of a civil date-time.
std::int64_t SecondsFromCivil(const CivilDateTime& t);
CivilDateTime CivilFromSeconds(std::int64_t seconds);

CivilDateTime AddDays(const CivilDateTime& t, std::int64_t days);
CivilDateTime AddMinutes(const CivilDateTime& t, std::int64_t minutes);
CivilDateTime AddSeconds(const CivilDateTime& t, std::int64_t seconds);

// to - from, in whole seconds.
std::int64_t SecondsBetween(const CivilDateTime& from, const CivilDateTime& to);
// Minute boundaries from `from` to `to`: both are cut to the whole minute
// first, so the seconds of either instant do not count.
std::int64_t MinuteBoundariesBetween(const CivilDateTime& from,
                                     const CivilDateTime& to);

bool IsGregorianLeapYear(int year);
int DaysInMonth(int year, int month);
// 1 for 1 January.
int DayOfYear(int year, int month, int day);

// "January" ... "December".
extern const std::array<const char*, 12> kMonthNames;

}  // namespace tarvelin
