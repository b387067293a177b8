// SPDX-License-Identifier: GPL-3.0-or-later
// The strict readers of the texts people and files give: one per quantity,
// used wherever a birth comes in as text (the command-line flags, a batch
// row, --place, an import file, the input form's boxes and its offset
// prompt). Each takes the whole text or refuses it with the message that
// says what is wrong; blanks and tabs around the text are allowed, nothing
// else is guessed. Their ranges are those of chart/birth_limits.h. A value
// that is already a number is never turned into text to come through here:
// CheckBirth (birth_check.h) checks it as it is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "present/quantity_text.h"  // Axis
#include "rules/input_problem.h"

namespace tarvelin {

// A value read, or the problem that kept it from being read.
template <typename T>
struct Reading {
  std::optional<T> value;
  InputProblem problem;  // meaningful only without a value

  explicit operator bool() const { return value.has_value(); }
  const T& operator*() const { return *value; }
  const T* operator->() const { return &*value; }
};

struct CivilDate {
  int year = 0, month = 0, day = 0;
};
struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};

// A name as the name box would hold it: blanks around removed, each
// character through the box's key filter (letters of any script, upper
// case, and blanks), at most kMaxNameCharacters of them. Empty: "Please
// Enter Name"; another character, or text that is not UTF-8: "Please Enter
// only Letters".
Reading<std::string> ReadName(std::string_view utf8);

// "1980-03-15": four digits of year, one or two of month and day; a year of
// the form's list, and a day the month has (the form's two messages).
Reading<CivilDate> ReadDate(std::string_view text);

// "21:05", "21:05:30", "9:5": hours 0..23, minutes and seconds 0..59, one
// or two digits each.
Reading<ClockTime> ReadClockTime(std::string_view text);

// "77:12E", "28:36s": degrees, ':', minutes (digits only, as many as the
// form's boxes take) and the hemisphere letter of the axis, either case.
// Degrees (north and east positive; "0:00S" is -0.0). The ranges give the
// form's messages.
Reading<double> ReadCoordinate(std::string_view text, Axis axis);

// "+05:45", "-4:30", "+05:53:20", "+5": the sign, hours of one or two
// digits, then ":MM" and ":SS" of two digits each; within -12:00 .. +14:00.
// Seconds east of Greenwich.
Reading<int> ReadUtcOffset(std::string_view text);

// A position in the zone list, 0 .. kZoneCount - 1, in decimal digits.
Reading<int> ReadZoneIndex(std::string_view text);

// A whole number as the form's degree and minute boxes and the command
// line's counts (--jobs, --time-uncertainty) take it: decimal digits only,
// blanks around allowed, at most `maxDigits` of them; nothing for anything
// else.
std::optional<int> ReadBoxNumber(std::string_view text, std::size_t maxDigits);

}  // namespace tarvelin
