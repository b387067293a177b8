// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/position_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/angles.h"
#include "present/report_words.h"  // SignNameIn
#include "tables/bodies.h"

namespace tarvelin {

namespace {

constexpr const char* kDegreeSign = "\u00B0";  // UTF-8, two bytes
constexpr char kMinuteMark = '\'';
constexpr char kSecondsMark = '"';

// Appends a whole number held in a double in its shortest decimal form.
void AppendWholeNumber(std::string& out, double value) {
  char buffer[64];
  // Degrees, minutes and seconds are small whole numbers: write them as
  // integers; anything else (NaN, huge values) goes through printf.
  if (value >= 0.0 && value < 1e15) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer,
                                      static_cast<long long>(value));
    out.append(buffer, result.ptr);
    return;
  }
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  out += buffer;
}

// Appends a whole number held in a double as AppendWholeNumber does, with a
// leading "0" below ten.
void AppendTwoDigits(std::string& out, double value) {
  std::string digits;
  AppendWholeNumber(digits, value);
  if (digits.size() <= 1) out += '0';
  out += digits;
}

// Two decimal digits of 0..99 at `out`.
void WriteTwoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
}

}  // namespace

std::string_view FormatSignPosition(double x, PositionBuffer& buffer) {
  if (!(x >= 0.0 && x < 360.0)) {
    buffer.other = FormatSignPosition(x);
    return buffer.other;
  }
  // Inside one turn the parts are small whole numbers and the sign has its
  // abbreviation: the text is written in place, digit by digit.
  const SignPosition parts = SplitSignPosition(x);
  char* out = buffer.chars;
  const auto put = [&out](int value) {
    if (value >= 10) *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
  };
  put(static_cast<int>(parts.degrees));
  out = std::copy_n(kDegreeSign, 2, out);
  *out++ = ' ';
  put(static_cast<int>(parts.minutes));
  *out++ = kMinuteMark;
  *out++ = ' ';
  put(static_cast<int>(parts.seconds));
  *out++ = kSecondsMark;
  *out++ = ' ';
  out = std::copy_n(kSignNames[static_cast<int>(parts.sign)], 3, out);
  return {buffer.chars, static_cast<std::size_t>(out - buffer.chars)};
}

std::string FormatSignPosition(double x) {
  if (x >= 0.0 && x < 360.0) {
    PositionBuffer buffer;
    return std::string(FormatSignPosition(x, buffer));
  }
  const SignPosition parts = SplitSignPosition(x);
  const double sign = parts.sign;
  const std::string_view abbreviation =
      (sign >= 0.0 && sign < kSignCount)
          ? std::string_view(kSignNames[static_cast<int>(sign)], 3)
          : std::string_view();
  std::string text;
  text.reserve(24);
  AppendWholeNumber(text, parts.degrees);
  text += kDegreeSign;
  text += ' ';
  AppendWholeNumber(text, parts.minutes);
  text += kMinuteMark;
  text += ' ';
  AppendWholeNumber(text, parts.seconds);
  text += kSecondsMark;
  text += ' ';
  text += abbreviation;
  return text;
}

std::string ChartNotationOf(double x) {
  const SignPosition parts = SplitSignPosition(x);
  if (!(x >= 0.0 && x < 360.0)) {
    // Negative (the parts of its size), a turn and beyond (no sign) or not
    // a number: the same parts as the position text, the sign's
    // abbreviation only where there is one.
    std::string chart;
    AppendTwoDigits(chart, parts.degrees);
    chart += ' ';
    if (parts.sign >= 0.0 && parts.sign < kSignCount) {
      chart.append(kSignNames[static_cast<int>(parts.sign)], 3);
    }
    chart += ' ';
    AppendTwoDigits(chart, parts.minutes);
    return chart;
  }
  // Inside one turn: degrees 0..29, a sign and minutes 0..59, in place.
  // Filled in place: two-digit degrees, the sign, two-digit minutes.
  char chart[] = "dd Sss mm";
  WriteTwoDigits(chart, static_cast<int>(parts.degrees));
  std::memcpy(chart + 3, kSignNames[static_cast<int>(parts.sign)], 3);
  WriteTwoDigits(chart + 7, static_cast<int>(parts.minutes));
  return std::string(chart, sizeof chart - 1);
}

namespace {

constexpr char kPrime[] = "\u2032";  // the minutes of an arc

// Whole degrees and whole minutes, both cut.
struct CutArc {
  long long degrees;
  int minutes;
};
CutArc Cut(double x) {
  const double degrees = std::floor(x);
  const int minutes = static_cast<int>(std::floor(60.0 * (x - degrees)));
  return {static_cast<long long>(degrees), minutes};
}

std::string ArcOf(long long degrees, int minutes) {
  std::string text = std::to_string(degrees);
  text += kDegreeSign;
  text += ' ';
  char two[2];
  WriteTwoDigits(two, minutes);
  text.append(two, 2);
  text += kPrime;
  return text;
}

}  // namespace

std::string ArcText(double degrees) {
  const CutArc arc = Cut(degrees);
  return ArcOf(arc.degrees, arc.minutes);
}

std::string SignArcText(double longitude, Language language) {
  const CutArc arc = Cut(longitude >= 360.0 ? longitude - 360.0 : longitude);
  const int sign = static_cast<int>(arc.degrees / 30);
  if (sign < 0 || sign > 11) return ArcText(longitude);
  return SignNameIn(sign, language) + " " +
         ArcOf(arc.degrees - 30LL * sign, arc.minutes);
}

std::string_view SignAbbreviation(int signIndex) {
  if (signIndex < 0 || signIndex >= kSignCount) return {};
  return std::string_view(kSignNames[static_cast<std::size_t>(signIndex)], 3);
}

}  // namespace tarvelin
