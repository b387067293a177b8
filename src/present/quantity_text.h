// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a birth's quantities, each written here and nowhere else: the
// offset from universal time, a coordinate, a date and a clock time. Every
// window, report, page, JSON document, file and message that shows one of
// them takes it from these functions, so that they agree to the second and
// to the minute of arc. (Positions on the zodiac: position_text.h.)
#pragma once

#include <string>

#include "engine/civil_time.h"
#include "tables/language.h"

namespace tarvelin {

// "+05:30", "-03:30", "+00:00"; the seconds of an old local mean time are
// written too ("+05:53:20").
std::string OffsetText(int offsetSeconds);
// "UTC" and the offset: "UTC+05:30", "UTC+05:53:20".
std::string UtcOffsetText(int offsetSeconds);

enum class Axis { kLongitude, kLatitude };

enum class CoordinateStyle {
  kEntry,     // "77:12E", "0:08W": as --lon and --lat take it, and the CSV
  kLabel,     // "28° 36' N": the result form's label
  kQuestion,  // "77°12' E": the form's question about a far zone
};

// A coordinate in degrees (north and east positive) to the nearest minute,
// at most 179°59' of longitude or 89°59' of latitude. A value that rounds
// to 0°00' is north or east, except -0.0, which keeps the hemisphere that
// was chosen. The label names the hemisphere in `language`.
std::string CoordinateText(double degrees, Axis axis, CoordinateStyle style,
                           Language language = Language::kEnglish);

enum class DateStyle {
  kIso,   // "1980-03-15"
  kLong,  // "15 March 1980"
  kForm,  // "March/15/1980": the result form's label
};
// The month's name in `language` for the long and the form's dates.
std::string DateText(const CivilDateTime& t, DateStyle style,
                     Language language = Language::kEnglish);

enum class TimeStyle {
  kClock,         // "21:05:30"
  kForm,          // "21:5": the result form's label, hours and minutes
  kHoursMinutes,  // "21:05"
};
std::string TimeText(const CivilDateTime& t, TimeStyle style);

// "1980-03-15T21:05:30".
std::string DateTimeText(const CivilDateTime& t);
// The same written into `buffer`, for callers that write many (a batch row
// has seven); the text lives as long as the buffer.
struct DateTimeBuffer {
  char chars[80];
};
std::string_view DateTimeText(const CivilDateTime& t, DateTimeBuffer& buffer);

}  // namespace tarvelin
