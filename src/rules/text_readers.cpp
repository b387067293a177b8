// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/text_readers.h"

#include "chart/birth.h"
#include "chart/birth_limits.h"
#include "engine/civil_time.h"
#include "rules/birth_check.h"
#include "rules/validation.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

constexpr int kSecondsPerMinute = 60;

template <typename T>
Reading<T> Refused(InputProblem problem) {
  Reading<T> reading;
  reading.problem = std::move(problem);
  return reading;
}

template <typename T>
Reading<T> Read(T value) {
  Reading<T> reading;
  reading.value = std::move(value);
  return reading;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The value of 1..maxDigits decimal digits and nothing else, or nothing.
std::optional<int> Digits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Splits at `separator` into exactly `count` parts, or fewer/more: false.
template <std::size_t N>
bool SplitInto(std::string_view text, char separator,
               std::string_view (&parts)[N], std::size_t& count) {
  count = 0;
  while (true) {
    const std::size_t end = text.find(separator);
    if (count == N) return false;
    parts[count++] = text.substr(0, end);
    if (end == std::string_view::npos) return true;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

Reading<std::string> ReadName(std::string_view utf8) {
  const std::string_view trimmed = Trimmed(utf8);
  if (trimmed.find_first_not_of(' ') == std::string_view::npos) {
    return Refused<std::string>(EmptyNameProblem());
  }
  NameVerdict verdict = FilterNameText(trimmed);
  if (verdict.problem) return Refused<std::string>(*verdict.problem);
  if (NameCharacterCount(verdict.name) > kMaxNameCharacters) {
    return Refused<std::string>(NameTooLongProblem());
  }
  return Read(std::move(verdict.name));
}

Reading<CivilDate> ReadDate(std::string_view text) {
  std::string_view parts[3];
  std::size_t count = 0;
  std::optional<int> year, month, day;
  if (SplitInto(Trimmed(text), '-', parts, count) && count == 3 &&
      parts[0].size() == 4) {
    year = Digits(parts[0], 4);
    month = Digits(parts[1], 2);
    day = Digits(parts[2], 2);
  }
  if (!year || !month || !day) return Refused<CivilDate>(DateFormatProblem());
  if (auto problem = DateProblem(*year, *month, *day)) {
    return Refused<CivilDate>(std::move(*problem));
  }
  return Read(CivilDate{*year, *month, *day});
}

Reading<ClockTime> ReadClockTime(std::string_view text) {
  std::string_view parts[3];
  std::size_t count = 0;
  std::optional<int> values[3] = {0, 0, 0};
  bool wellFormed = SplitInto(Trimmed(text), ':', parts, count) && count >= 2;
  for (std::size_t i = 0; wellFormed && i < count; ++i) {
    values[i] = Digits(parts[i], 2);
    wellFormed = values[i].has_value();
  }
  if (!wellFormed) return Refused<ClockTime>(TimeFormatProblem());
  const ClockTime time{*values[0], *values[1], *values[2]};
  if (auto problem = ClockProblem(time.hour, time.minute, time.second)) {
    return Refused<ClockTime>(std::move(*problem));
  }
  return Read(time);
}

Reading<double> ReadCoordinate(std::string_view text, Axis axis) {
  const bool longitude = axis == Axis::kLongitude;
  const char positive = longitude ? 'E' : 'N';
  const char negative = longitude ? 'W' : 'S';
  text = Trimmed(text);
  const char letter =
      text.empty() ? '\0' : static_cast<char>(text.back() & ~0x20);
  std::string_view parts[2];
  std::size_t count = 0;
  if ((letter != positive && letter != negative) ||
      !SplitInto(text.substr(0, text.size() - 1), ':', parts, count) ||
      count != 2) {
    return Refused<double>(CoordinateFormatProblem(longitude));
  }
  for (const std::string_view part : parts) {
    for (const char c : part) {
      if (!IsDigit(c)) return Refused<double>(NumbersOnlyProblem());
    }
  }
  const std::size_t degreeDigits =
      longitude ? kLongitudeDegreeDigits : kLatitudeDegreeDigits;
  if (parts[0].size() > degreeDigits) {
    return Refused<double>(DegreeDigitsProblem(longitude, degreeDigits));
  }
  if (parts[1].size() > kMinuteDigits) {
    return Refused<double>(MinuteDigitsProblem(longitude, kMinuteDigits));
  }
  const std::optional<int> degrees = Digits(parts[0], degreeDigits);
  const std::optional<int> minutes = Digits(parts[1], kMinuteDigits);
  if (auto problem = AngleProblem(degrees, minutes, longitude)) {
    return Refused<double>(std::move(*problem));
  }
  return Read(DegreesFromEntry(*degrees, *minutes, letter == negative));
}

Reading<int> ReadUtcOffset(std::string_view text) {
  text = Trimmed(text);
  if (text.empty() || (text[0] != '+' && text[0] != '-')) {
    return Refused<int>(UtcOffsetFormatProblem());
  }
  const int sign = text[0] == '-' ? -1 : 1;
  std::string_view parts[3];
  std::size_t count = 0;
  if (!SplitInto(text.substr(1), ':', parts, count)) {
    return Refused<int>(UtcOffsetFormatProblem());
  }
  const std::optional<int> hours = Digits(parts[0], 2);
  int rest[2] = {0, 0};  // minutes, seconds
  bool wellFormed = hours.has_value();
  for (std::size_t i = 1; wellFormed && i < count; ++i) {
    const std::optional<int> value = Digits(parts[i], 2);
    wellFormed = value && parts[i].size() == 2 && *value <= kMaxAngleMinutes;
    if (wellFormed) rest[i - 1] = *value;
  }
  if (!wellFormed) return Refused<int>(UtcOffsetFormatProblem());
  const int seconds =
      sign * (*hours * 3600 + rest[0] * kSecondsPerMinute + rest[1]);
  if (seconds < kSmallestUtcOffsetSeconds ||
      seconds > kLargestUtcOffsetSeconds) {
    return Refused<int>(UtcOffsetFormatProblem());
  }
  return Read(seconds);
}

Reading<int> ReadZoneIndex(std::string_view text) {
  const std::optional<int> position = Digits(Trimmed(text), 2);
  if (!position || *position >= kZoneCount) {
    return Refused<int>(ZoneIndexProblem());
  }
  return Read(*position);
}

std::optional<int> ReadBoxNumber(std::string_view text, std::size_t maxDigits) {
  return Digits(Trimmed(text), maxDigits);
}

}  // namespace tarvelin
