#include "engine/position_text.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <vector>

namespace tarvelin {

const char kSignAbbreviations[] = "AriTauGemCanLeoVirLibScoSagCapAquPis";

namespace {

constexpr int kSignCount = 12;
constexpr const char* kDegreeSign = "\u00B0";  // UTF-8, two bytes
constexpr char kMinuteMark = '\'';
constexpr char kSecondsMark = '"';

// Splits UTF-8 text into its characters (one code point each), so that
// "characters 4 to 6" and "the last three characters" count characters and
// not bytes even when a degree sign is present.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> chars;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    if (i + length > text.size()) length = text.size() - i;
    chars.push_back(text.substr(i, length));
    i += length;
  }
  return chars;
}

std::size_t CharacterCount(const std::string& text) {
  return Characters(text).size();
}

// Leading and trailing blanks removed (blanks only, as the notation uses).
std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A whole number held in a double, in its shortest decimal form.
std::string WholeNumberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

std::string TwoDigits(const std::string& text) {
  return CharacterCount(text) <= 1 ? "0" + text : text;
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
  const std::string abbreviation =
      (sign >= 0.0 && sign < kSignCount)
          ? SignAbbreviation(static_cast<int>(sign))
          : std::string();
  return WholeNumberText(degrees) + kDegreeSign + " " +
         WholeNumberText(minutes) + kMinuteMark + " " +
         WholeNumberText(seconds) + kSecondsMark + " " + abbreviation;
}

std::string ToChartNotation(const std::string& positionText) {
  const std::string trimmed = TrimBlanks(positionText);
  const std::size_t p = trimmed.find(kDegreeSign);
  const std::size_t q = trimmed.find(kMinuteMark);
  // Not a position text: there is nothing to take degrees and minutes from.
  if (p == std::string::npos || q == std::string::npos || q < p) return {};
  const std::size_t afterDegreeSign = p + std::string(kDegreeSign).size();
  if (q < afterDegreeSign) return {};

  const std::string degrees = TrimBlanks(trimmed.substr(0, p));
  const std::string minutes =
      TrimBlanks(trimmed.substr(afterDegreeSign, q - afterDegreeSign));
  // The last three characters of the untrimmed text: normally the sign
  // abbreviation; for a longitude of 360 (no abbreviation) they are the
  // seconds, the seconds mark and a blank, which match no sign.
  const std::vector<std::string> chars = Characters(positionText);
  std::string lastThree;
  for (std::size_t i = chars.size() >= 3 ? chars.size() - 3 : 0;
       i < chars.size(); ++i) {
    lastThree += chars[i];
  }
  return TwoDigits(degrees) + " " + TrimBlanks(lastThree) + " " +
         TwoDigits(minutes);
}

std::string ChartSignText(const std::string& chartNotation) {
  const std::vector<std::string> chars = Characters(chartNotation);
  if (chars.size() < 6) return {};
  return chars[3] + chars[4] + chars[5];
}

int SignIndexOfChartText(const std::string& chartNotation) {
  const std::string text = ChartSignText(chartNotation);
  if (text.empty()) return -1;
  for (int s = 0; s < kSignCount; ++s) {
    if (text == SignAbbreviation(s)) return s;
  }
  return -1;
}

double ArcTan2(double y, double x) {
  const double pi = std::acos(-1.0);
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
