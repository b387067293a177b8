// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/validation.h"

#include "chart/birth.h"
#include "chart/birth_limits.h"
#include "rules/birth_check.h"
#include "rules/unicode_letters.h"

namespace tarvelin {
namespace {

// Key codes the filters know.
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kSpace = 32;

Reading<FormNumbers> Refused(InputProblem problem) {
  Reading<FormNumbers> reading;
  reading.problem = std::move(problem);
  return reading;
}

}  // namespace

Reading<FormNumbers> ReadFormEntries(const FormEntries& entries) {
  if (entries.name.find_first_not_of(' ') == std::string::npos) {
    return Refused(EmptyNameProblem());
  }
  const std::optional<int> lonDeg =
      ReadBoxNumber(entries.lonDeg, kLongitudeDegreeDigits);
  const std::optional<int> lonMin =
      ReadBoxNumber(entries.lonMin, kMinuteDigits);
  if (auto problem = AngleProblem(lonDeg, lonMin, true)) {
    return Refused(std::move(*problem));
  }
  const std::optional<int> latDeg =
      ReadBoxNumber(entries.latDeg, kLatitudeDegreeDigits);
  const std::optional<int> latMin =
      ReadBoxNumber(entries.latMin, kMinuteDigits);
  if (auto problem = AngleProblem(latDeg, latMin, false)) {
    return Refused(std::move(*problem));
  }
  if (auto problem = DayOfMonthProblem(entries.year, entries.monthPosition + 1,
                                       entries.dayPosition + 1)) {
    return Refused(std::move(*problem));
  }
  Reading<FormNumbers> reading;
  reading.value =
      FormNumbers{DegreesFromEntry(*lonDeg, *lonMin, entries.west),
                  DegreesFromEntry(*latDeg, *latMin, entries.south)};
  return reading;
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
  // Most names are ASCII letters and blanks: upper-cased as they are.
  verdict.name.assign(utf8);
  bool ascii = true;
  for (char& c : verdict.name) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - ('a' - 'A'));
    } else if (!((c >= 'A' && c <= 'Z') || c == ' ')) {
      ascii = false;
      break;
    }
  }
  if (ascii) return verdict;
  verdict.name.clear();
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
  return KeyVerdict{0, NumbersOnlyProblem()};
}

}  // namespace tarvelin
