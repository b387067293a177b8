// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tarvelin {
namespace {

constexpr char kLonDegMessage[] =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr char kLonMinMessage[] =
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr char kLatDegMessage[] =
    "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr char kLatMinMessage[] =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr char kFebruaryMessage[] = "Please Enter Correct Date Or Month!";
constexpr char kThirtyDayMessage[] = "Please Enter Correct Date Or Month !";

constexpr int kJanuary = 0, kFebruary = 1, kApril = 3, kMay = 4, kJune = 5,
              kSeptember = 8, kNovember = 10;

// Entries that pass every check; each case changes what it tests.
FormEntries ValidEntries() {
  FormEntries e;
  e.name = "RAM";
  e.lonDeg = "77";
  e.lonMin = "13";
  e.latDeg = "28";
  e.latMin = "40";
  e.monthPosition = kJanuary;
  e.dayPosition = 0;
  e.year = 1970;
  return e;
}

std::string Describe(const std::optional<InputProblem>& p) {
  return p ? "\"" + p->message + "\"" : std::string("(passes)");
}

// The first failing check in order, or nothing when all pass.
std::optional<InputProblem> ValidateInput(const FormEntries& entries) {
  const Reading<FormNumbers> reading = ReadFormEntries(entries);
  if (reading) return std::nullopt;
  return reading.problem;
}

// What passes is what is computed: the boxes' numbers with the hemispheres,
// blanks around a number allowed, a south or west zero kept apart.
TEST(ReadFormEntries, GivesTheNumbersTheBoxesHold) {
  const struct {
    const char *lonDeg, *lonMin, *latDeg, *latMin;
    bool west, south;
    double longitude, latitude;
  } cases[] = {
      {"77", "13", "28", "40", false, false, 77 + 13 / 60.0, 28 + 40 / 60.0},
      {" 58", "22 ", "34", "36", true, true, -(58 + 22 / 60.0),
       -(34 + 36 / 60.0)},
      {"179", "59", "89", "59", true, false, -(179 + 59 / 60.0),
       89 + 59 / 60.0},
      {"0", "0", "0", "00", true, true, -0.0, -0.0},
  };
  for (const auto& c : cases) {
    FormEntries entries = ValidEntries();
    entries.lonDeg = c.lonDeg;
    entries.lonMin = c.lonMin;
    entries.latDeg = c.latDeg;
    entries.latMin = c.latMin;
    entries.west = c.west;
    entries.south = c.south;
    const Reading<FormNumbers> read = ReadFormEntries(entries);
    ASSERT_TRUE(read) << c.lonDeg << ":" << c.lonMin << " "
                      << Describe(read.problem);
    EXPECT_EQ(read->longitudeDegrees, c.longitude) << c.lonDeg;
    EXPECT_EQ(read->latitudeDegrees, c.latitude) << c.latDeg;
    EXPECT_EQ(std::signbit(read->longitudeDegrees), c.west) << c.lonDeg;
    EXPECT_EQ(std::signbit(read->latitudeDegrees), c.south) << c.latDeg;
  }
}

struct FieldCase {
  const char* label;
  std::string FormEntries::*field;
  const char* text;
  const char* message;  // nullptr: passes
  InputField focus;
};

TEST(ValidateInput, ChecksEachFieldWithItsMessageAndFocus) {
  const FieldCase cases[] = {
      {"empty name", &FormEntries::name, "", "Please Enter Name",
       InputField::Name},
      {"blank name", &FormEntries::name, "   ", "Please Enter Name",
       InputField::Name},
      {"lon 179", &FormEntries::lonDeg, "179", nullptr, InputField::None},
      {"lon 180", &FormEntries::lonDeg, "180", kLonDegMessage,
       InputField::LonDeg},
      {"lon empty", &FormEntries::lonDeg, "", kLonDegMessage,
       InputField::LonDeg},
      {"lon blanks", &FormEntries::lonDeg, "  ", kLonDegMessage,
       InputField::LonDeg},
      {"lon 0", &FormEntries::lonDeg, "0", nullptr, InputField::None},
      {"lon negative", &FormEntries::lonDeg, "-1", kLonDegMessage,
       InputField::LonDeg},
      // Read strictly: what passes is the number computed with (a pasted
      // "12x9" is no 12).
      {"lon blanks around", &FormEntries::lonDeg, " 12 ", nullptr,
       InputField::None},
      {"lon not only digits", &FormEntries::lonDeg, "12x9", kLonDegMessage,
       InputField::LonDeg},
      {"lon no number", &FormEntries::lonDeg, "x", kLonDegMessage,
       InputField::LonDeg},
      {"lon four digits", &FormEntries::lonDeg, "0012", kLonDegMessage,
       InputField::LonDeg},
      {"lon fraction", &FormEntries::lonDeg, "12.5", kLonDegMessage,
       InputField::LonDeg},
      {"lon min 59", &FormEntries::lonMin, "59", nullptr, InputField::None},
      {"lon min 60", &FormEntries::lonMin, "60", kLonMinMessage,
       InputField::LonMin},
      {"lon min empty", &FormEntries::lonMin, "", kLonMinMessage,
       InputField::LonMin},
      {"lon min not a number", &FormEntries::lonMin, "5x", kLonMinMessage,
       InputField::LonMin},
      {"lon min blanks around", &FormEntries::lonMin, " 5 ", nullptr,
       InputField::None},
      {"lat 89", &FormEntries::latDeg, "89", nullptr, InputField::None},
      {"lat 90", &FormEntries::latDeg, "90", kLatDegMessage,
       InputField::LatDeg},
      {"lat empty", &FormEntries::latDeg, "", kLatDegMessage,
       InputField::LatDeg},
      {"lat min 59", &FormEntries::latMin, "59", nullptr, InputField::None},
      {"lat min 60", &FormEntries::latMin, "60", kLatMinMessage,
       InputField::LatMin},
      {"lat min 59.5", &FormEntries::latMin, "59.5", kLatMinMessage,
       InputField::LatMin},
      {"lat min empty", &FormEntries::latMin, "", kLatMinMessage,
       InputField::LatMin},
      {"lat min huge exponent", &FormEntries::latMin, "9e999", kLatMinMessage,
       InputField::LatMin},
      {"lat min fraction below 59", &FormEntries::latMin, "30.5",
       kLatMinMessage, InputField::LatMin},
  };
  for (const FieldCase& c : cases) {
    FormEntries entries = ValidEntries();
    entries.*c.field = c.text;
    const std::optional<InputProblem> got = ValidateInput(entries);
    if (!c.message) {
      EXPECT_FALSE(got.has_value()) << c.label << ": got " << Describe(got);
      continue;
    }
    ASSERT_TRUE(got.has_value()) << c.label << ": passed";
    EXPECT_EQ(got->message, c.message) << c.label;
    EXPECT_EQ(got->icon, MessageIcon::Error) << c.label;
    EXPECT_EQ(got->focus, c.focus) << c.label;
  }
}

TEST(ValidateInput, ReportsOnlyTheFirstProblem) {
  FormEntries entries = ValidEntries();
  entries.name = "";
  entries.lonDeg = "500";
  entries.latMin = "";
  entries.monthPosition = kApril;
  entries.dayPosition = 30;
  const std::optional<InputProblem> got = ValidateInput(entries);
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(got->message, "Please Enter Name");

  entries.name = "SITA";
  EXPECT_EQ(ValidateInput(entries)->message, kLonDegMessage);
  entries.lonDeg = "5";
  EXPECT_EQ(ValidateInput(entries)->message, kLatMinMessage);
  entries.latMin = "0";
  EXPECT_EQ(ValidateInput(entries)->message, kThirtyDayMessage);
}

struct DateCase {
  int month;  // list position
  int day;    // day of month
  int year;
  const char* message;  // nullptr: passes
};

TEST(ValidateInput, RefusesImpossibleDates) {
  const DateCase cases[] = {
      {kFebruary, 29, 2000, nullptr},
      {kFebruary, 29, 2004, nullptr},
      {kFebruary, 28, 1999, nullptr},
      {kFebruary, 29, 1999, kFebruaryMessage},
      {kFebruary, 30, 2000, kFebruaryMessage},
      {kFebruary, 31, 2000, kFebruaryMessage},
      {kFebruary, 31, 1901, kFebruaryMessage},
      {kApril, 31, 2000, kThirtyDayMessage},
      {kJune, 31, 1999, kThirtyDayMessage},
      {kSeptember, 31, 2050, kThirtyDayMessage},
      {kNovember, 31, 1901, kThirtyDayMessage},
      {kApril, 30, 2000, nullptr},
      {kMay, 31, 2000, nullptr},
      {kJanuary, 31, 1901, nullptr},
  };
  for (const DateCase& c : cases) {
    FormEntries entries = ValidEntries();
    entries.monthPosition = c.month;
    entries.dayPosition = c.day - 1;
    entries.year = c.year;
    const std::optional<InputProblem> got = ValidateInput(entries);
    const std::string label = "month position " + std::to_string(c.month) +
                              " day " + std::to_string(c.day) + " " +
                              std::to_string(c.year);
    if (!c.message) {
      EXPECT_FALSE(got.has_value()) << label << ": got " << Describe(got);
      continue;
    }
    ASSERT_TRUE(got.has_value()) << label << ": passed";
    EXPECT_EQ(got->message, c.message) << label;
    EXPECT_EQ(got->icon, MessageIcon::Information) << label;
    EXPECT_EQ(got->focus, InputField::Day) << label;
  }
}

struct KeyCase {
  int code;
  int expected;  // 0: refused
};

// Letters of every script pass, upper-cased the same way in any locale;
// everything that is not a letter is refused with the one message.
TEST(FilterNameKey, UpperCasesLettersAndRefusesTheRest) {
  const KeyCase cases[] = {
      {'A', 'A'},
      {'Z', 'Z'},
      {'a', 'A'},
      {'z', 'Z'},
      {' ', ' '},
      {13, 13},
      {8, 8},
      {0xE9, 0xC9},  // é -> É
      {0xEB, 0xCB},  // ë -> Ë
      {0xC9, 0xC9},
      {0xFF, 0x178},  // ÿ -> Ÿ
      {0xDF, 0xDF},   // ß has no one-letter capital
      {'i', 'I'},
      {0x131, 'I'},    // dotless ı, not Turkish rules
      {0x3C9, 0x3A9},  // ω -> Ω
      {0x436, 0x416},  // ж -> Ж
      {0x928, 0x928},
      {0x93E, 0x93E},  // न, and the vowel sign ा
      {0x301, 0x301},  // a combining acute accent
      {0x5D0, 0x5D0},
      {0x4E2D, 0x4E2D},    // א, 中
      {0x20000, 0x20000},  // beyond two UTF-16 units
      {'0', 0},
      {'9', 0},
      {'-', 0},
      {'.', 0},
      {'@', 0},
      {'[', 0},
      {'`', 0},
      {'{', 0},
      {9, 0},
      {27, 0},
      {0xD7, 0},    // ×
      {0x2019, 0},  // ’
      {0x966, 0},   // Devanagari digit zero
      {0xA0, 0},
      {0xD800, 0},  // no-break space, surrogate
      {-1, 0},
      {0x110000, 0},
  };
  for (const KeyCase& c : cases) {
    const KeyVerdict v = FilterNameKey(c.code);
    EXPECT_EQ(v.code, c.expected) << "code " << c.code;
    if (c.expected != 0) {
      EXPECT_FALSE(v.problem.has_value()) << "code " << c.code;
      continue;
    }
    ASSERT_TRUE(v.problem.has_value()) << "code " << c.code;
    EXPECT_EQ(v.problem->message, "Please Enter only Letters");
    EXPECT_EQ(v.problem->icon, MessageIcon::Information);
  }
}

TEST(FilterNameText, NamesAsTextFollowTheKeyFilter) {
  struct Case {
    const char* text;
    const char* name;  // nullptr: refused with "Please Enter only Letters"
  };
  const Case cases[] = {
      {"jos\xC3\xA9", "JOS\xC3\x89"},  // josé
      {"Zo\xC3\xAB", "ZO\xC3\x8B"},    // Zoë
      {"sita  devi", "SITA  DEVI"},
      {"\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE",  // राम
       "\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE"},
      {"\xF0\xA0\x80\x80", "\xF0\xA0\x80\x80"},  // U+20000
      {"", ""},
      {"R2D2", nullptr},
      {"RAM-LAL", nullptr},
      {"RAM\r", nullptr},
      {"RA\bM", nullptr},
      {"JOS\xC3", nullptr},           // cut off in the middle of é
      {"JOS\xE9", nullptr},           // Latin-1, not UTF-8
      {"\xC0\x81", nullptr},          // an overlong 'A'
      {"\xED\xA0\x80", nullptr},      // a surrogate written as UTF-8
      {"\xF4\x90\x80\x80", nullptr},  // beyond U+10FFFF
  };
  for (const Case& c : cases) {
    const NameVerdict v = FilterNameText(c.text);
    if (c.name) {
      EXPECT_FALSE(v.problem) << c.text;
      EXPECT_EQ(v.name, c.name) << c.text;
      continue;
    }
    ASSERT_TRUE(v.problem) << c.text;
    EXPECT_EQ(v.problem->message, "Please Enter only Letters");
    EXPECT_EQ(v.name, "") << c.text;
  }
}

TEST(FilterNumberKey, AcceptsDigitsAndBackspaceOnly) {
  const KeyCase cases[] = {
      {'0', '0'}, {'5', '5'}, {'9', '9'}, {8, 8},  {'-', 0}, {'.', 0}, {'+', 0},
      {'a', 0},   {'E', 0},   {' ', 0},   {13, 0}, {'/', 0}, {':', 0},
  };
  for (const KeyCase& c : cases) {
    const KeyVerdict v = FilterNumberKey(c.code);
    EXPECT_EQ(v.code, c.expected) << "code " << c.code;
    if (c.expected != 0) {
      EXPECT_FALSE(v.problem.has_value()) << "code " << c.code;
      continue;
    }
    ASSERT_TRUE(v.problem.has_value()) << "code " << c.code;
    EXPECT_EQ(v.problem->message, "Only Numbers Are Accepted");
    EXPECT_EQ(v.problem->icon, MessageIcon::Error);
  }
}

}  // namespace
}  // namespace tarvelin
