#include "cli/birth_entry.h"

#include <cctype>
#include <vector>

#include "rules/validation.h"
#include "tables/zone_table.h"

namespace tarvelin::cli {
namespace {

// The year list of the input form.
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Most characters the form's boxes take: longitude degrees three, latitude
// degrees and both minutes two.
constexpr std::size_t kLonDegreeDigits = 3;
constexpr std::size_t kLatDegreeDigits = 2;
constexpr std::size_t kMinuteDigits = 2;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool AllDigits(const std::string& text) {
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Integer value of 1..`maxDigits` decimal digits, or nothing.
std::optional<int> SmallNumber(const std::string& text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits || !AllDigits(text)) {
    return std::nullopt;
  }
  return std::stoi(text);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// The degree and minute texts of one coordinate, as the form's two boxes
// would hold them, and its hemisphere.
struct Coordinate {
  std::string degrees, minutes;
  bool secondHemisphere = false;  // West or South
};

// Reads "DDD:MMx" where x is one of the two hemisphere letters. The degree
// and minute texts go through the boxes' key filter ("Only Numbers Are
// Accepted") and their length limit; their ranges are left to ValidateInput.
std::optional<Coordinate> ReadCoordinate(const std::string& raw,
                                         const char* what, char first,
                                         char second, std::size_t degreeDigits,
                                         const char* example,
                                         std::string& problem) {
  const std::string text = Trim(raw);
  const std::string format = std::string(what) + " must look like " + example +
                             " (degrees:minutes then " + first + " or " +
                             second + ")";
  if (text.empty()) {
    problem = format;
    return std::nullopt;
  }
  const char letter =
      static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  const auto parts = Split(text.substr(0, text.size() - 1), ':');
  if ((letter != first && letter != second) || parts.size() != 2) {
    problem = format;
    return std::nullopt;
  }
  for (const std::string& part : parts) {
    for (const char c : part) {
      // Backspace passes the key filter as an editing key; in a text it is
      // a character like any other non-digit.
      const int code = c == '\b' ? 0 : static_cast<unsigned char>(c);
      const KeyVerdict verdict = FilterNumberKey(code);
      if (verdict.code == 0) {
        problem = verdict.problem ? verdict.problem->message
                                  : "Only Numbers Are Accepted";
        return std::nullopt;
      }
    }
  }
  if (parts[0].size() > degreeDigits) {
    problem = std::string(what) + " degrees take at most " +
              std::to_string(degreeDigits) + " digits";
    return std::nullopt;
  }
  if (parts[1].size() > kMinuteDigits) {
    problem = std::string(what) + " minutes take at most " +
              std::to_string(kMinuteDigits) + " digits";
    return std::nullopt;
  }
  return Coordinate{parts[0], parts[1], letter == second};
}

std::optional<int> ReadZone(const std::string& raw, std::string& problem) {
  const auto position = SmallNumber(Trim(raw), 2);
  if (!position || *position >= kZoneCount) {
    problem = "Zone must be a list index from 0 to " +
              std::to_string(kZoneCount - 1) + " (see --zones)";
    return std::nullopt;
  }
  return position;
}

}  // namespace

std::optional<DateParts> ReadDate(const std::string& raw,
                                  std::string& problem) {
  const auto parts = Split(Trim(raw), '-');
  std::optional<int> year, month, day;
  if (parts.size() == 3 && parts[0].size() == 4) {
    year = SmallNumber(parts[0], 4);
    month = SmallNumber(parts[1], 2);
    day = SmallNumber(parts[2], 2);
  }
  if (!year || !month || !day) {
    problem = "Date must look like YYYY-MM-DD, e.g. 1980-03-15";
    return std::nullopt;
  }
  if (*year < kFirstYear || *year > kLastYear) {
    problem = "Year must be between " + std::to_string(kFirstYear) + " and " +
              std::to_string(kLastYear);
    return std::nullopt;
  }
  if (*month < 1 || *month > 12) {
    problem = "Month must be between 1 and 12";
    return std::nullopt;
  }
  if (*day < 1 || *day > 31) {
    problem = "Day must be between 1 and 31";
    return std::nullopt;
  }
  return DateParts{*year, *month, *day};
}

std::optional<ClockTime> ReadTime(const std::string& raw,
                                  std::string& problem) {
  const auto parts = Split(Trim(raw), ':');
  std::optional<int> values[3] = {0, 0, 0};
  bool wellFormed = parts.size() == 2 || parts.size() == 3;
  for (std::size_t i = 0; wellFormed && i < parts.size(); ++i) {
    values[i] = SmallNumber(parts[i], 2);
    wellFormed = values[i].has_value();
  }
  if (!wellFormed) {
    problem = "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30";
    return std::nullopt;
  }
  if (*values[0] > 23) {
    problem = "Hour must be between 0 and 23";
    return std::nullopt;
  }
  if (*values[1] > 59) {
    problem = "Minute must be between 0 and 59";
    return std::nullopt;
  }
  if (*values[2] > 59) {
    problem = "Second must be between 0 and 59";
    return std::nullopt;
  }
  return ClockTime{*values[0], *values[1], *values[2]};
}

std::string NormalizeName(const std::string& text, std::string& problem) {
  std::string name;
  for (const char c : Trim(text)) {
    // Enter and Backspace pass the name box's filter as editing keys; in a
    // name given as text they are not letters.
    const int code =
        (c == '\r' || c == '\b') ? 0 : static_cast<unsigned char>(c);
    const KeyVerdict verdict = FilterNameKey(code);
    if (verdict.code == 0) {
      problem = verdict.problem ? verdict.problem->message
                                : "Please Enter only Letters";
      return "";
    }
    name.push_back(static_cast<char>(verdict.code));
  }
  return name;
}

BirthEntry ReadBirth(const BirthTexts& texts) {
  BirthEntry entry;
  std::string& problem = entry.problem;

  const std::string name = NormalizeName(texts.name, problem);
  if (!problem.empty()) return entry;
  const auto lon = ReadCoordinate(texts.lon, "Longitude", 'E', 'W',
                                  kLonDegreeDigits, "77:12E", problem);
  if (!lon) return entry;
  const auto lat = ReadCoordinate(texts.lat, "Latitude", 'N', 'S',
                                  kLatDegreeDigits, "28:36N", problem);
  if (!lat) return entry;
  const auto date = ReadDate(texts.date, problem);
  if (!date) return entry;
  const auto time = ReadTime(texts.time, problem);
  if (!time) return entry;
  const auto zone = ReadZone(texts.zone, problem);
  if (!zone) return entry;

  FormEntries form;
  form.name = name;
  form.lonDeg = lon->degrees;
  form.lonMin = lon->minutes;
  form.latDeg = lat->degrees;
  form.latMin = lat->minutes;
  form.monthPosition = date->month - 1;
  form.dayPosition = date->day - 1;
  form.yearText = std::to_string(date->year);
  if (const auto formProblem = ValidateInput(form)) {
    problem = formProblem->message;
    return entry;
  }

  Birth birth;
  birth.name = name;
  birth.local = {date->year, date->month,  date->day,
                 time->hour, time->minute, time->second};
  // ValidateInput has passed, so both texts hold a number in range.
  birth.longitudeDegrees = DegreesFromEntry(
      std::stoi(lon->degrees), std::stoi(lon->minutes), lon->secondHemisphere);
  birth.latitudeDegrees = DegreesFromEntry(
      std::stoi(lat->degrees), std::stoi(lat->minutes), lat->secondHemisphere);
  birth = WithZoneEntry(birth, *zone, texts.dst);
  birth.city = texts.city;
  birth.state = texts.state;
  birth.country = texts.country;
  entry.birth = birth;
  return entry;
}

}  // namespace tarvelin::cli
