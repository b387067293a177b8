#include "rules/validation.h"

#include <cctype>
#include <cmath>
#include <string_view>

#include "rules/unicode_letters.h"

namespace tarvelin {
namespace {

// The texts shown to the user, exactly; the two minutes messages carry two
// blanks before "Minute", and the two date messages differ by the blank
// before "!".
constexpr char kNameMessage[] = "Please Enter Name";
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
constexpr char kLettersOnlyMessage[] = "Please Enter only Letters";
constexpr char kNumbersOnlyMessage[] = "Only Numbers Are Accepted";

constexpr double kMaxLongitudeDegrees = 179;
constexpr double kMaxLatitudeDegrees = 89;
constexpr double kMaxMinutes = 59;

constexpr int kFebruary = 1;  // list position of the month
// List positions of April, June, September and November.
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10};
constexpr int kDay29 = 28, kDay30 = 29, kDay31 = 30;  // list positions

// Key codes the filters know.
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kSpace = 32;

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)); }

// Scans a decimal number (sign, digits, fraction, exponent) at the start of
// `text`; returns how many characters it spans (0 when none) and its value.
std::size_t ScanNumber(std::string_view text, double& value) {
  std::size_t i = 0;
  double sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') sign = -1;
    ++i;
  }
  double mantissa = 0;
  bool anyDigit = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    mantissa = mantissa * 10 + (text[i] - '0');
    anyDigit = true;
  }
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10) {
      mantissa += (text[i] - '0') * scale;
      anyDigit = true;
    }
  }
  if (!anyDigit) {
    value = 0;
    return 0;
  }
  int exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    int exponentSign = 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      if (text[j] == '-') exponentSign = -1;
      ++j;
    }
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (exponent < 1000) exponent = exponent * 10 + (text[j] - '0');
      }
      exponent *= exponentSign;
      i = j;
    }
  }
  value = mantissa == 0 ? 0 : sign * mantissa * std::pow(10.0, exponent);
  return i;
}

// The leading number of a text; 0 when it does not begin with one.
double LeadingNumber(std::string_view text) {
  double value = 0;
  ScanNumber(text, value);
  return value;
}

// The number the whole text stands for, or nothing.
std::optional<double> WholeNumber(std::string_view text) {
  double value = 0;
  if (text.empty() || ScanNumber(text, value) != text.size()) {
    return std::nullopt;
  }
  return value;
}

bool DegreesOutside(const std::string& text, double maxDegrees) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.empty()) return true;
  const double degrees = LeadingNumber(trimmed);
  // Written so that a number too large to represent also fails.
  return !(degrees >= 0 && degrees <= maxDegrees);
}

bool MinutesOutside(const std::string& text) {
  const std::optional<double> minutes = WholeNumber(TrimBlanks(text));
  return !minutes || !(*minutes >= 0 && *minutes <= kMaxMinutes);
}

// Divisible by 4: the year list spans 1901..2050, where this is the
// Gregorian rule. A year text that is not a number counts as a common year.
bool IsLeapYear(const std::string& yearText) {
  const std::optional<double> year = WholeNumber(TrimBlanks(yearText));
  if (!year) return false;
  return std::fmod(std::nearbyint(*year), 4.0) == 0;
}

InputProblem FieldError(const char* message, InputField focus) {
  return InputProblem{message, MessageIcon::Error, focus};
}

InputProblem LettersOnlyProblem() {
  return InputProblem{kLettersOnlyMessage, MessageIcon::Information,
                      InputField::None};
}

// An impossible date is mended in the day list.
InputProblem DateProblem(const char* message) {
  return InputProblem{message, MessageIcon::Information, InputField::Day};
}

}  // namespace

std::optional<InputProblem> ValidateInput(const FormEntries& entries) {
  if (TrimBlanks(entries.name).empty()) {
    return FieldError(kNameMessage, InputField::Name);
  }
  if (DegreesOutside(entries.lonDeg, kMaxLongitudeDegrees)) {
    return FieldError(kLonDegMessage, InputField::LonDeg);
  }
  if (MinutesOutside(entries.lonMin)) {
    return FieldError(kLonMinMessage, InputField::LonMin);
  }
  if (DegreesOutside(entries.latDeg, kMaxLatitudeDegrees)) {
    return FieldError(kLatDegMessage, InputField::LatDeg);
  }
  if (MinutesOutside(entries.latMin)) {
    return FieldError(kLatMinMessage, InputField::LatMin);
  }

  const int day = entries.dayPosition;
  if (entries.monthPosition == kFebruary) {
    const bool tooLate =
        IsLeapYear(entries.yearText)
            ? (day == kDay30 || day == kDay31)
            : (day == kDay29 || day == kDay30 || day == kDay31);
    if (tooLate) return DateProblem(kFebruaryMessage);
  }
  for (const int month : kThirtyDayMonths) {
    if (entries.monthPosition == month && day == kDay31) {
      return DateProblem(kThirtyDayMessage);
    }
  }
  return std::nullopt;
}

KeyVerdict FilterNameKey(int code) {
  if (code == kSpace || code == kEnter || code == kBackspace) {
    return KeyVerdict{code, std::nullopt};
  }
  if (code > 0 && IsUnicodeLetter(static_cast<char32_t>(code))) {
    return KeyVerdict{
        static_cast<int>(UnicodeUpper(static_cast<char32_t>(code))), {}};
  }
  return KeyVerdict{0, LettersOnlyProblem()};
}

NameVerdict FilterNameText(std::string_view utf8) {
  NameVerdict verdict;
  const std::optional<std::u32string> codes = DecodeUtf8(utf8);
  if (!codes) {
    verdict.problem = LettersOnlyProblem();
    return verdict;
  }
  for (const char32_t code : *codes) {
    const int key = static_cast<int>(code);
    const KeyVerdict typed = key == kEnter || key == kBackspace
                                 ? FilterNameKey(0)
                                 : FilterNameKey(key);
    if (typed.code == 0) {
      verdict.name.clear();
      verdict.problem = typed.problem;
      return verdict;
    }
    AppendUtf8(verdict.name, static_cast<char32_t>(typed.code));
  }
  return verdict;
}

KeyVerdict FilterNumberKey(int code) {
  if ((code >= '0' && code <= '9') || code == kBackspace) {
    return KeyVerdict{code, std::nullopt};
  }
  return KeyVerdict{0, InputProblem{kNumbersOnlyMessage, MessageIcon::Error,
                                    InputField::None}};
}

}  // namespace tarvelin
