// SPDX-License-Identifier: GPL-3.0-or-later
// What a birth may hold: the one place for the ranges that the input form,
// the command-line tool, the batch, the birth library and its files, the
// readers and the check of a birth all keep to.
#pragma once

#include <cstddef>

namespace tarvelin {

// The years the form's list offers. The calendar is Gregorian throughout;
// in these years "divisible by 4" is the whole leap-year rule.
constexpr int kFirstBirthYear = 1901;
constexpr int kLastBirthYear = 2050;

// The largest coordinates the form's boxes take: 179°59' of longitude and
// 89°59' of latitude, east or west, north or south.
constexpr int kMaxLongitudeDegrees = 179;
constexpr int kMaxLatitudeDegrees = 89;
constexpr int kMaxAngleMinutes = 59;
// Most digits of the degree boxes (longitude three, latitude two) and of
// the minute boxes.
constexpr std::size_t kLongitudeDegreeDigits = 3;
constexpr std::size_t kLatitudeDegreeDigits = 2;
constexpr std::size_t kMinuteDigits = 2;

// The offsets from universal time a person may give, in seconds east:
// -12:00 .. +14:00 (the Line Islands keep +14), and the daylight saving in
// one: up to two hours either way (double summer time).
constexpr int kSmallestUtcOffsetSeconds = -12 * 3600;
constexpr int kLargestUtcOffsetSeconds = 14 * 3600;
constexpr int kMaxDaylightSavingSeconds = 2 * 3600;

// The longest name, in characters (code points, the marks written on
// letters included). A batch line or an exported row always has room for
// it.
constexpr std::size_t kMaxNameCharacters = 100;

}  // namespace tarvelin
