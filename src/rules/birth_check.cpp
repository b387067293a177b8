// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/birth_check.h"

#include <algorithm>
#include <cmath>

#include "chart/birth_limits.h"
#include "engine/civil_time.h"
#include "rules/unicode_letters.h"
#include "tables/utc_offset.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

// Within [low, high], written so that NaN is outside.
bool Within(double value, double low, double high) {
  return value >= low && value <= high;
}

std::optional<InputProblem> NameProblem(const std::string& name) {
  if (name.find_first_not_of(' ') == std::string::npos) {
    return EmptyNameProblem();
  }
  // ASCII letters and blanks, the most names, need no decoding.
  if (std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ';
      })) {
    if (name.size() > kMaxNameCharacters) return NameTooLongProblem();
    return std::nullopt;
  }
  const std::optional<std::u32string> codes = DecodeUtf8(name);
  if (!codes) return LettersOnlyProblem();
  for (const char32_t code : *codes) {
    if (code != U' ' && !IsUnicodeLetter(code)) return LettersOnlyProblem();
  }
  if (codes->size() > kMaxNameCharacters) return NameTooLongProblem();
  return std::nullopt;
}

// A coordinate to the nearest minute, within the form's largest.
std::optional<InputProblem> CoordinateProblem(double degrees, bool longitude) {
  const int maxDegrees = longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees;
  const double maxMinutes = maxDegrees * 60.0 + kMaxAngleMinutes;
  if (!Within(std::round(std::fabs(degrees) * 60.0), 0, maxMinutes)) {
    return DegreesProblem(longitude);
  }
  return std::nullopt;
}

std::optional<InputProblem> DateTimeProblem(const CivilDateTime& t) {
  if (auto problem = DateProblem(t.year, t.month, t.day)) return problem;
  return ClockProblem(t.hour, t.minute, t.second);
}

std::optional<InputProblem> OffsetProblem(const Birth& birth) {
  if (birth.zoneIndex == Birth::kExactOffset) {
    if (birth.utcOffsetSeconds < kSmallestUtcOffsetSeconds ||
        birth.utcOffsetSeconds > kLargestUtcOffsetSeconds) {
      return UtcOffsetRangeProblem();
    }
    if (std::abs(birth.daylightSavingSeconds) > kMaxDaylightSavingSeconds) {
      return DaylightSavingProblem();
    }
    return std::nullopt;
  }
  if (birth.zoneIndex < 0 || birth.zoneIndex >= kZoneCount) {
    return ZoneIndexProblem();
  }
  if (birth.daylightSavingSeconds != 0 &&
      birth.daylightSavingSeconds != kSecondsPerHour) {
    return ZoneEntrySavingProblem();
  }
  const int entryOffset =
      EntryOffsetSeconds(
          kZoneTable[static_cast<std::size_t>(birth.zoneIndex)]) +
      birth.daylightSavingSeconds;
  if (birth.utcOffsetSeconds != entryOffset) {
    return ZoneEntryOffsetProblem(birth.zoneIndex, birth.utcOffsetSeconds,
                                  entryOffset);
  }
  return std::nullopt;
}

}  // namespace

std::optional<InputProblem> AngleProblem(std::optional<int> degrees,
                                         std::optional<int> minutes,
                                         bool longitude) {
  const int maxDegrees = longitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees;
  if (!degrees || *degrees < 0 || *degrees > maxDegrees) {
    return DegreesProblem(longitude);
  }
  if (!minutes || *minutes < 0 || *minutes > kMaxAngleMinutes) {
    return MinutesProblem(longitude);
  }
  return std::nullopt;
}

std::optional<InputProblem> DayOfMonthProblem(int year, int month, int day) {
  if (day <= DaysInMonth(year, month)) return std::nullopt;
  return month == 2 ? FebruaryProblem() : ThirtyDayMonthProblem();
}

std::size_t NameCharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char c : utf8) {
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::optional<InputProblem> DateProblem(int year, int month, int day) {
  const struct {
    const char* what;
    int value, low, high;
  } parts[] = {{"Year", year, kFirstBirthYear, kLastBirthYear},
               {"Month", month, 1, 12},
               {"Day", day, 1, 31}};
  for (const auto& part : parts) {
    if (part.value < part.low || part.value > part.high) {
      return BetweenProblem(part.what, part.low, part.high);
    }
  }
  return DayOfMonthProblem(year, month, day);
}

std::optional<InputProblem> ClockProblem(int hour, int minute, int second) {
  const struct {
    const char* what;
    int value, high;
  } parts[] = {
      {"Hour", hour, 23}, {"Minute", minute, 59}, {"Second", second, 59}};
  for (const auto& part : parts) {
    if (part.value < 0 || part.value > part.high) {
      return BetweenProblem(part.what, 0, part.high);
    }
  }
  return std::nullopt;
}

std::optional<InputProblem> CheckBirth(const Birth& birth) {
  if (auto problem = NameProblem(birth.name)) return problem;
  if (auto problem = CoordinateProblem(birth.longitudeDegrees, true)) {
    return problem;
  }
  if (auto problem = CoordinateProblem(birth.latitudeDegrees, false)) {
    return problem;
  }
  if (auto problem = DateTimeProblem(birth.local)) return problem;
  return OffsetProblem(birth);
}

}  // namespace tarvelin
