#include "engine/position_text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace tarvelin {

const char kSignAbbreviations[] = "AriTauGemCanLeoVirLibScoSagCapAquPis";

namespace {

constexpr int kSignCount = 12;
constexpr const char* kDegreeSign = "\u00B0";  // UTF-8, two bytes
constexpr char kMinuteMark = '\'';
constexpr char kSecondsMark = '"';

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset where character `index` (counted from 0) of UTF-8 text
// starts, so that "characters 4 to 6" and "the last three characters" count
// characters and not bytes even when a degree sign is present. Returns the
// text's size when it has fewer characters.
std::size_t CharacterOffset(const std::string& text, std::size_t index) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (seen == index) return i;
    ++seen;
  }
  return text.size();
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

std::string SignAbbreviation(int signIndex) {
  if (signIndex < 0 || signIndex >= kSignCount) return {};
  return std::string(kSignAbbreviations + 3 * signIndex, 3);
}

std::string FormatSignPosition(double x) {
  // Every part is truncated (floor), never rounded, so a longitude just
  // below a sign boundary stays in its sign at 29° 59' 59".
  const double a = std::fabs(x);
  double degrees = std::floor(a);
  const double minutesExact = 60.0 * (a - degrees);
  const double minutes = std::floor(minutesExact);
  const double seconds = std::floor(60.0 * (minutesExact - minutes));
  const double sign = std::floor(degrees / 30.0);
  degrees -= 30.0 * sign;
  const std::string_view abbreviation =
      (sign >= 0.0 && sign < kSignCount)
          ? std::string_view(kSignAbbreviations + 3 * static_cast<int>(sign), 3)
          : std::string_view();
  std::string text;
  text.reserve(24);
  AppendWholeNumber(text, degrees);
  text += kDegreeSign;
  text += ' ';
  AppendWholeNumber(text, minutes);
  text += kMinuteMark;
  text += ' ';
  AppendWholeNumber(text, seconds);
  text += kSecondsMark;
  text += ' ';
  text += abbreviation;
  return text;
}

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

std::string ChartSignText(const std::string& chartNotation) {
  if (CharacterCount(chartNotation) < 6) return {};
  const std::size_t from = CharacterOffset(chartNotation, 3);
  return chartNotation.substr(from, CharacterOffset(chartNotation, 6) - from);
}

int SignIndexOfChartText(const std::string& chartNotation) {
  const std::string text = ChartSignText(chartNotation);
  if (text.size() != 3) return -1;
  for (int s = 0; s < kSignCount; ++s) {
    if (text.compare(0, 3, kSignAbbreviations + 3 * s, 3) == 0) return s;
  }
  return -1;
}

double ArcTan2(double y, double x) {
  constexpr double pi = 3.14159265358979323846;  // full-precision pi
  if (x > 0) return std::atan(y / x);
  if (x == 0) {
    if (y > 0) return pi / 2;
    if (y < 0) return -pi / 2;
    return 0;
  }
  const double angle = pi - std::atan(std::fabs(y / x));
  return y >= 0 ? angle : -angle;
}

}  // namespace tarvelin
