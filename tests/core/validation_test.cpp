#include "rules/validation.h"

#include <gtest/gtest.h>

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
  e.yearText = "1970";
  return e;
}

std::string Describe(const std::optional<InputProblem>& p) {
  return p ? "\"" + p->message + "\"" : std::string("(passes)");
}

TEST(ValidateInput, AcceptsAnOrdinaryBirth) {
  EXPECT_FALSE(ValidateInput(ValidEntries()).has_value())
      << Describe(ValidateInput(ValidEntries()));
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
      {"lon leading number", &FormEntries::lonDeg, " 12x9 ", nullptr,
       InputField::None},
      {"lon leading 181", &FormEntries::lonDeg, "181x", kLonDegMessage,
       InputField::LonDeg},
      {"lon no number is 0", &FormEntries::lonDeg, "x", nullptr,
       InputField::None},
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
  const char* year;
  const char* message;  // nullptr: passes
};

TEST(ValidateInput, RefusesImpossibleDates) {
  const DateCase cases[] = {
      {kFebruary, 29, "2000", nullptr},
      {kFebruary, 29, "2004", nullptr},
      {kFebruary, 28, "1999", nullptr},
      {kFebruary, 29, "1999", kFebruaryMessage},
      {kFebruary, 30, "2000", kFebruaryMessage},
      {kFebruary, 31, "2000", kFebruaryMessage},
      {kFebruary, 31, "1901", kFebruaryMessage},
      {kApril, 31, "2000", kThirtyDayMessage},
      {kJune, 31, "1999", kThirtyDayMessage},
      {kSeptember, 31, "2050", kThirtyDayMessage},
      {kNovember, 31, "1901", kThirtyDayMessage},
      {kApril, 30, "2000", nullptr},
      {kMay, 31, "2000", nullptr},
      {kJanuary, 31, "1901", nullptr},
  };
  for (const DateCase& c : cases) {
    FormEntries entries = ValidEntries();
    entries.monthPosition = c.month;
    entries.dayPosition = c.day - 1;
    entries.yearText = c.year;
    const std::optional<InputProblem> got = ValidateInput(entries);
    const std::string label = "month position " + std::to_string(c.month) +
                              " day " + std::to_string(c.day) + " " + c.year;
    if (!c.message) {
      EXPECT_FALSE(got.has_value()) << label << ": got " << Describe(got);
      continue;
    }
    ASSERT_TRUE(got.has_value()) << label << ": passed";
    EXPECT_EQ(got->message, c.message) << label;
    EXPECT_EQ(got->icon, MessageIcon::Information) << label;
    EXPECT_EQ(got->focus, InputField::None) << label;
  }
}

struct KeyCase {
  int code;
  int expected;  // 0: refused
};

TEST(FilterNameKey, UpperCasesLettersAndRefusesTheRest) {
  const KeyCase cases[] = {
      {'A', 'A'}, {'Z', 'Z'}, {'a', 'A'}, {'r', 'R'}, {'z', 'Z'},
      {' ', ' '}, {13, 13},   {8, 8},     {'0', 0},   {'9', 0},
      {'-', 0},   {'.', 0},   {'@', 0},   {'[', 0},   {'`', 0},
      {'{', 0},   {9, 0},     {0xE9, 0},  {27, 0},
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
