// One birth given as texts (command-line flags or a batch row) and the rules
// that turn it into a Birth: the input form's own checks and messages
// (the name box's key filter, ValidateInput) and, for what the form cannot
// express (a malformed date, a year outside 1901..2050, an hour above 23, a
// zone index outside 0..70, ...), clear messages of this tool.
#pragma once

#include <optional>
#include <string>

#include "chart/birth.h"

namespace tarvelin::cli {

// The texts of one birth, as typed.
struct BirthTexts {
  std::string name;
  std::string date;  // YYYY-MM-DD
  std::string time;  // HH:MM or HH:MM:SS, local clock time
  std::string lon;   // DDD:MM followed by E or W, e.g. 77:12E
  std::string lat;   // DD:MM followed by N or S, e.g. 28:36N
  std::string zone;  // position in the zone list, 0..70
  bool dst = false;
  std::string city, state, country;
};

// A birth ready for the calculation, or the one message that says what is
// wrong with it (exactly as the input form would show it where the form has
// such a message).
struct BirthEntry {
  std::optional<Birth> birth;
  std::string problem;  // set when `birth` is empty
};

// Checks in this order: the name's characters, the longitude and latitude
// formats, the date, the time and the zone, then ValidateInput (empty name,
// coordinate ranges, days of the month).
BirthEntry ReadBirth(const BirthTexts& texts);

// A date given as YYYY-MM-DD, in the form's year range 1901..2050, and a
// local clock time given as HH:MM or HH:MM:SS; or nothing, with `problem`
// set to what is wrong with the text.
struct DateParts {
  int year = 0, month = 0, day = 0;
};
std::optional<DateParts> ReadDate(const std::string& raw, std::string& problem);
struct ClockTime {
  int hour = 0, minute = 0, second = 0;
};
std::optional<ClockTime> ReadTime(const std::string& raw, std::string& problem);

// The name as the name box leaves it: outer blanks removed, letters upper
// case. Empty with `problem` set when a character is neither a letter nor a
// blank.
std::string NormalizeName(const std::string& text, std::string& problem);

}  // namespace tarvelin::cli
