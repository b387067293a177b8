// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a whole birth over its numbers: what every Birth must pass
// before it is computed, saved or written to a file, whichever road it came
// by (the form, a flag, a batch row, an import, a saved file, a program).
// The parts it is made of serve the readers and the form's check too, so
// that a range is tested one way everywhere.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "chart/birth.h"
#include "rules/input_problem.h"

namespace tarvelin {

// The first problem, in the form's order and with its messages where it has
// one: the name (not empty, letters of any script and blanks, at most
// kMaxNameCharacters), the longitude and the latitude (at most 179°59' and
// 89°59' to the nearest minute), the date (a year of the form's list, a day
// the month has), the clock time, and the offset (within -12:00 .. +14:00
// with up to two hours of daylight saving; with a zone-list entry, that
// entry's offset and none or one hour of saving). Nothing when it passes.
std::optional<InputProblem> CheckBirth(const Birth& birth);

// The degree and minute values of one coordinate, as the form's boxes hold
// them (nothing: the box holds no number): degrees 0 .. 179 (longitude) or
// 0 .. 89 (latitude), then minutes 0 .. 59.
std::optional<InputProblem> AngleProblem(std::optional<int> degrees,
                                         std::optional<int> minutes,
                                         bool longitude);

// A date of the form's years, months 1..12 and a day the month has; the
// first part that is wrong ("Year must be between 1901 and 2050", ...).
std::optional<InputProblem> DateProblem(int year, int month, int day);

// A clock time 00:00:00 .. 23:59:59; the first part that is wrong.
std::optional<InputProblem> ClockProblem(int hour, int minute, int second);

// A day the month does not have (30 February, 31 April), with the form's
// two messages; month and day are taken to be 1..12 and 1..31.
std::optional<InputProblem> DayOfMonthProblem(int year, int month, int day);

// The characters (code points) of a valid UTF-8 text.
std::size_t NameCharacterCount(std::string_view utf8);

}  // namespace tarvelin
