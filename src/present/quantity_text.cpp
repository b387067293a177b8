// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/quantity_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "chart/birth.h"
#include "chart/birth_limits.h"
#include "present/report_words.h"

namespace tarvelin {
namespace {

constexpr char kDegreeSign[] = "\u00B0";

// Appends `value` in decimal, without leading zeros.
void AppendNumber(std::string& out, long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Appends `value` with at least `width` digits (leading zeros); a negative
// value keeps its sign before the digits.
void AppendPadded(std::string& out, long long value, int width) {
  if (value < 0) {
    out += '-';
    value = -value;
  }
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  for (long long n = end - digits; n < width; ++n) out += '0';
  out.append(digits, end);
}

// "00" .. "99".
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536"
    "37383940414243444546474849505152535455565758596061626364656667686970717273"
    "7475767778798081828384858687888990919293949596979899";

// Writes `value` (0 <= value < 10^digits, digits 2 or 4) as exactly
// `digits` digits.
void PutDigits(char* out, int value, int digits) {
  if (digits == 4) {
    std::memcpy(out, kDigitPairs + 2 * (value / 100), 2);
    out += 2;
    value %= 100;
  }
  std::memcpy(out, kDigitPairs + 2 * value, 2);
}

// The date and time parts fit their fixed widths: a year of four digits,
// the others of two (every date the program handles).
bool Plain(const CivilDateTime& t) {
  return t.year >= 0 && t.year <= 9999 && t.month >= 0 && t.month <= 99 &&
         t.day >= 0 && t.day <= 99 && t.hour >= 0 && t.hour <= 99 &&
         t.minute >= 0 && t.minute <= 99 && t.second >= 0 && t.second <= 99;
}

}  // namespace

std::string OffsetText(int offsetSeconds) {
  const long long size = std::llabs(static_cast<long long>(offsetSeconds));
  if (size >= 100 * 3600) {  // no offset is; written all the same
    std::string text(1, offsetSeconds < 0 ? '-' : '+');
    AppendPadded(text, size / 3600, 2);
    text += ':';
    AppendPadded(text, size / 60 % 60, 2);
    if (size % 60 != 0) {
      text += ':';
      AppendPadded(text, size % 60, 2);
    }
    return text;
  }
  char text[] = "+00:00:00";
  text[0] = offsetSeconds < 0 ? '-' : '+';
  PutDigits(text + 1, static_cast<int>(size / 3600), 2);
  PutDigits(text + 4, static_cast<int>(size / 60 % 60), 2);
  PutDigits(text + 7, static_cast<int>(size % 60), 2);
  return std::string(text, size % 60 != 0 ? 9 : 6);
}

std::string UtcOffsetText(int offsetSeconds) {
  return "UTC" + OffsetText(offsetSeconds);
}

std::string CoordinateText(double degrees, Axis axis, CoordinateStyle style,
                           Language language) {
  const bool longitude = axis == Axis::kLongitude;
  const DegreesMinutes angle = ToDegreesMinutes(
      degrees, longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees);
  // Degrees up to 179 and minutes up to 59: written in place.
  char text[32];
  char* out = text;
  const auto put = [&out](int value, bool twoDigits) {
    if (value >= 100) *out++ = static_cast<char>('0' + value / 100);
    if (value >= 10 || twoDigits) {
      *out++ = static_cast<char>('0' + value / 10 % 10);
    }
    *out++ = static_cast<char>('0' + value % 10);
  };
  put(angle.degrees, false);
  switch (style) {
    case CoordinateStyle::kEntry:
      *out++ = ':';
      put(angle.minutes, true);
      *out++ = longitude ? (angle.negative ? 'W' : 'E')
                         : (angle.negative ? 'S' : 'N');
      return std::string(text, out);
    case CoordinateStyle::kLabel: {
      const ReportWords& words = WordsIn(language);
      out = std::copy_n(kDegreeSign, 2, out);
      *out++ = ' ';
      put(angle.minutes, false);
      *out++ = '\'';
      std::string label(text, out);
      label += longitude ? (angle.negative ? words.west : words.east)
                         : (angle.negative ? words.south : words.north);
      return label;
    }
    case CoordinateStyle::kQuestion: {
      const ReportWords& words = WordsIn(language);
      out = std::copy_n(kDegreeSign, 2, out);
      put(angle.minutes, true);
      *out++ = '\'';
      // " E" in English: "77°12' E".
      return std::string(text, out) +
             (longitude ? (angle.negative ? words.west : words.east)
                        : (angle.negative ? words.south : words.north));
    }
  }
  return std::string(text, out);
}

std::string DateText(const CivilDateTime& t, DateStyle style,
                     Language language) {
  if (style == DateStyle::kIso) {
    if (Plain(t)) {
      char text[] = "0000-00-00";
      PutDigits(text, t.year, 4);
      PutDigits(text + 5, t.month, 2);
      PutDigits(text + 8, t.day, 2);
      return std::string(text, sizeof text - 1);
    }
    std::string text;
    AppendPadded(text, t.year, 4);
    text += '-';
    AppendPadded(text, t.month, 2);
    text += '-';
    AppendPadded(text, t.day, 2);
    return text;
  }
  const ReportWords& words = WordsIn(language);
  const std::string month =
      t.month >= 1 && t.month <= 12 ? words.monthName[t.month - 1] : "";
  return Fill(style == DateStyle::kLong ? words.longDate : words.formDate,
              {std::to_string(t.day), month, std::to_string(t.year)});
}

std::string TimeText(const CivilDateTime& t, TimeStyle style) {
  std::string text;
  if (style == TimeStyle::kForm) {
    AppendNumber(text, t.hour);
    text += ':';
    AppendNumber(text, t.minute);
    return text;
  }
  AppendPadded(text, t.hour, 2);
  text += ':';
  AppendPadded(text, t.minute, 2);
  if (style == TimeStyle::kHoursMinutes) return text;
  text += ':';
  AppendPadded(text, t.second, 2);
  return text;
}

std::string_view DateTimeText(const CivilDateTime& t, DateTimeBuffer& buffer) {
  char* const text = buffer.chars;
  if (!Plain(t)) {
    const std::string wide =
        DateText(t, DateStyle::kIso) + "T" + TimeText(t, TimeStyle::kClock);
    const std::size_t n = std::min(wide.size(), sizeof buffer.chars);
    wide.copy(text, n);
    return {text, n};
  }
  std::memcpy(text, "0000-00-00T00:00:00", 19);
  PutDigits(text, t.year, 4);
  PutDigits(text + 5, t.month, 2);
  PutDigits(text + 8, t.day, 2);
  PutDigits(text + 11, t.hour, 2);
  PutDigits(text + 14, t.minute, 2);
  PutDigits(text + 17, t.second, 2);
  return {text, 19};
}

std::string DateTimeText(const CivilDateTime& t) {
  DateTimeBuffer buffer;
  return std::string(DateTimeText(t, buffer));
}

}  // namespace tarvelin
