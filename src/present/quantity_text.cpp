// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/quantity_text.h"

#include <charconv>
#include <cstdlib>

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

}  // namespace

std::string OffsetText(int offsetSeconds) {
  const long long size = std::llabs(offsetSeconds);
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

std::string UtcOffsetText(int offsetSeconds) {
  return "UTC" + OffsetText(offsetSeconds);
}

std::string CoordinateText(double degrees, Axis axis, CoordinateStyle style,
                           Language language) {
  const bool longitude = axis == Axis::kLongitude;
  const DegreesMinutes angle = ToDegreesMinutes(
      degrees, longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees);
  const char hemisphere =
      longitude ? (angle.negative ? 'W' : 'E') : (angle.negative ? 'S' : 'N');
  std::string text;
  AppendNumber(text, angle.degrees);
  switch (style) {
    case CoordinateStyle::kEntry:
      text += ':';
      AppendPadded(text, angle.minutes, 2);
      text += hemisphere;
      break;
    case CoordinateStyle::kLabel: {
      const ReportWords& words = WordsIn(language);
      text += kDegreeSign;
      text += ' ';
      AppendNumber(text, angle.minutes);
      text += '\'';
      text += longitude ? (angle.negative ? words.west : words.east)
                        : (angle.negative ? words.south : words.north);
      break;
    }
    case CoordinateStyle::kQuestion:
      text += kDegreeSign;
      AppendPadded(text, angle.minutes, 2);
      text += "' ";
      text += hemisphere;
      break;
  }
  return text;
}

std::string DateText(const CivilDateTime& t, DateStyle style,
                     Language language) {
  if (style == DateStyle::kIso) {
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

std::string DateTimeText(const CivilDateTime& t) {
  std::string text = DateText(t, DateStyle::kIso);
  text += 'T';
  text += TimeText(t, TimeStyle::kClock);
  return text;
}

}  // namespace tarvelin
