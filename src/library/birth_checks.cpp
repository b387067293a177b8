#include "library/birth_checks.h"

#include <QChar>
#include <QString>
#include <cmath>
#include <cstdio>

#include "rules/validation.h"
#include "tables/zone_table.h"

namespace tarvelin::library {
namespace {

// Whole degrees and whole minutes of an angle's size, as the form's two
// boxes would hold it; a value that is not a finite number becomes a degree
// text the form's range check refuses.
void AngleTexts(double degrees, std::string& degreeText,
                std::string& minuteText) {
  const double size = std::fabs(degrees);
  if (!std::isfinite(size) || size >= 1000) {
    degreeText = "1000";
    minuteText = "0";
    return;
  }
  const double whole = std::floor(size);
  degreeText = std::to_string(static_cast<int>(whole));
  minuteText =
      std::to_string(static_cast<int>(std::floor((size - whole) * 60)));
}

// Letters of any script and blanks; otherwise the name box's message.
std::optional<std::string> NameCharactersProblem(const std::string& name) {
  for (const QChar c : QString::fromStdString(name)) {
    if (c == u' ' || c.isLetter() || c.isMark()) continue;
    return FilterNameKey(0).problem->message;
  }
  return std::nullopt;
}

std::string Between(const char* what, int low, int high) {
  return std::string(what) + " must be between " + std::to_string(low) +
         " and " + std::to_string(high);
}

}  // namespace

namespace {

std::string CoordinateText(double degrees, char positive, char negative) {
  const long long minutes = std::llround(std::fabs(degrees) * 60);
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld%c", minutes / 60, minutes % 60,
                std::signbit(degrees) ? negative : positive);
  return text;
}

}  // namespace

std::string LongitudeText(double degrees) {
  return CoordinateText(degrees, 'E', 'W');
}

std::string LatitudeText(double degrees) {
  return CoordinateText(degrees, 'N', 'S');
}

std::string DateText(const CivilDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

std::string TimeText(const CivilDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute,
                t.second);
  return text;
}

int ZoneEntryFor(const Birth& b) {
  if (b.zoneIndex != Birth::kExactOffset) return b.zoneIndex;
  if (b.daylightSavingSeconds != 0 &&
      b.daylightSavingSeconds != kSecondsPerHour) {
    return -1;
  }
  for (int zone = 0; zone < kZoneCount; ++zone) {
    if (WithZoneEntry(b, zone, b.daylightSavingSeconds != 0).utcOffsetSeconds ==
        b.utcOffsetSeconds) {
      return zone;
    }
  }
  return -1;
}

std::string OffsetText(int seconds) {
  const int size = std::abs(seconds);
  char text[16];
  if (size % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%02d:%02d", seconds < 0 ? '-' : '+',
                  size / 3600, size / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%c%02d:%02d:%02d",
                  seconds < 0 ? '-' : '+', size / 3600, size / 60 % 60,
                  size % 60);
  }
  return text;
}

std::optional<std::string> BirthProblem(const Birth& birth) {
  const CivilDateTime& t = birth.local;
  // What the form's boxes cannot hold, in tarvelin-cli's words.
  if (t.year < kFirstYear || t.year > kLastYear) {
    return Between("Year", kFirstYear, kLastYear);
  }
  if (t.month < 1 || t.month > 12) return Between("Month", 1, 12);
  if (t.day < 1 || t.day > 31) return Between("Day", 1, 31);
  if (t.hour < 0 || t.hour > 23) return Between("Hour", 0, 23);
  if (t.minute < 0 || t.minute > 59) return Between("Minute", 0, 59);
  if (t.second < 0 || t.second > 59) return Between("Second", 0, 59);

  // The form's checks in its order: name, coordinates, days of the month.
  FormEntries form;
  form.name = birth.name;
  AngleTexts(birth.longitudeDegrees, form.lonDeg, form.lonMin);
  AngleTexts(birth.latitudeDegrees, form.latDeg, form.latMin);
  form.monthPosition = t.month - 1;
  form.dayPosition = t.day - 1;
  form.yearText = std::to_string(t.year);
  if (const auto problem = ValidateInput(form)) {
    // An empty name is reported before the name's characters, as the form
    // does (it never lets a wrong character in).
    return problem->message;
  }
  if (const auto problem = NameCharactersProblem(birth.name)) return problem;

  if (birth.zoneIndex == Birth::kExactOffset) {
    if (birth.utcOffsetSeconds < kMinOffsetSeconds ||
        birth.utcOffsetSeconds > kMaxOffsetSeconds) {
      return "The UTC offset must be between " + OffsetText(kMinOffsetSeconds) +
             " and " + OffsetText(kMaxOffsetSeconds);
    }
    if (std::abs(birth.daylightSavingSeconds) > kMaxDaylightSavingSeconds) {
      return "Daylight saving must be between " +
             OffsetText(-kMaxDaylightSavingSeconds) + " and " +
             OffsetText(kMaxDaylightSavingSeconds);
    }
    return std::nullopt;
  }
  if (birth.zoneIndex < 0 || birth.zoneIndex >= kZoneCount) {
    return "Zone must be a list index from 0 to " +
           std::to_string(kZoneCount - 1) + " (see --zones)";
  }
  if (birth.daylightSavingSeconds != 0 &&
      birth.daylightSavingSeconds != kSecondsPerHour) {
    return "With a zone-list entry, daylight saving is one hour or none";
  }
  const Birth expected =
      WithZoneEntry(birth, birth.zoneIndex, birth.daylightSavingSeconds != 0);
  if (expected.utcOffsetSeconds != birth.utcOffsetSeconds) {
    return "The UTC offset " + OffsetText(birth.utcOffsetSeconds) +
           " is not that of zone-list entry " +
           std::to_string(birth.zoneIndex) + " (" +
           OffsetText(expected.utcOffsetSeconds) + ")";
  }
  return std::nullopt;
}

}  // namespace tarvelin::library
