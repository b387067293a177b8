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

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if (!IsContinuationByte(c)) ++count;
  }
  return count;
}

// The last `n` characters of UTF-8 text (all of it when shorter).
std::string_view LastCharacters(std::string_view text, std::size_t n) {
  std::size_t start = text.size();
  std::size_t taken = 0;
  while (start > 0 && taken < n) {
    --start;
    if (!IsContinuationByte(text[start])) ++taken;
  }
  return text.substr(start);
}

// Leading and trailing blanks removed (blanks only, as the notation uses).
std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

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

// Appends a degrees or minutes text, with a leading "0" when it has one
// character or none.
void AppendTwoDigits(std::string& out, std::string_view text) {
  if (CharacterCount(text) <= 1) out += '0';
  out += text;
}

}  // namespace

namespace {

// Two decimal digits of 0..99 at `out`.
void WriteTwoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
}

// Position text -> chart notation (seconds dropped); empty for a text
// without the degree sign followed by the minutes mark.
std::string ToChartNotation(const std::string& positionText) {
  const std::string_view trimmed = TrimBlanks(positionText);
  const std::size_t p = trimmed.find(kDegreeSign);
  const std::size_t q = trimmed.find(kMinuteMark);
  // Not a position text: there is nothing to take degrees and minutes from.
  if (p == std::string_view::npos || q == std::string_view::npos || q < p) {
    return {};
  }
  const std::size_t afterDegreeSign = p + std::string_view(kDegreeSign).size();
  if (q < afterDegreeSign) return {};

  const std::string_view degrees = TrimBlanks(trimmed.substr(0, p));
  const std::string_view minutes =
      TrimBlanks(trimmed.substr(afterDegreeSign, q - afterDegreeSign));
  // The last three characters of the untrimmed text: normally the sign
  // abbreviation; for a longitude of 360 (no abbreviation) they are the
  // seconds, the seconds mark and a blank, which match no sign.
  const std::string_view lastThree = LastCharacters(positionText, 3);
  std::string chart;
  chart.reserve(16);
  AppendTwoDigits(chart, degrees);
  chart += ' ';
  chart += TrimBlanks(lastThree);
  chart += ' ';
  AppendTwoDigits(chart, minutes);
  return chart;
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
  // Inside one turn the position text always has a sign, degrees 0..29 and
  // minutes 0..59, so its chart notation can be written from the parts
  // directly. Anything else (360 and beyond, negative, not finite) takes the
  // text route, which handles every oddity of the texts.
  if (!(x >= 0.0 && x < 360.0)) return ToChartNotation(FormatSignPosition(x));
  const SignPosition parts = SplitSignPosition(x);
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
