// SPDX-License-Identifier: GPL-3.0-or-later
// The input form's checks: ValidateInput over the texts of its boxes, and
// the key filters of the name box and the degree/minute boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/input_problem.h"
#include "rules/text_readers.h"

namespace tarvelin {

// What ReadFormEntries reads: the raw texts of the boxes, the hemispheres the
// option buttons choose, the month and day by list position (0 = January /
// day 1) and the year the year list holds.
struct FormEntries {
  std::string name;
  std::string lonDeg, lonMin, latDeg, latMin;
  bool west = false, south = false;
  int monthPosition = 0;  // 0..11
  int dayPosition = 0;    // 0..30
  int year = 0;
};

// The numbers the boxes stand for, once every check has passed.
struct FormNumbers {
  double longitudeDegrees = 0;  // east positive
  double latitudeDegrees = 0;   // north positive
};

// The checks in the form's order: the name (not blank), the longitude's
// degrees and minutes, the latitude's, then the day of the month. The
// degree and minute boxes are read strictly (digits only, blanks around),
// so that what passes is exactly the number computed with. On the first
// failure, that check's problem.
Reading<FormNumbers> ReadFormEntries(const FormEntries& entries);

// Key filters. A key code goes in; the code to insert comes out (0 = the key
// is discarded, with `problem` set to the message to show).
struct KeyVerdict {
  int code = 0;
  std::optional<InputProblem> problem;
};
// Letters of any script, upper-cased without a locale ("é" -> "É"), with
// the marks written on them; space, Enter, Backspace. `code` is a Unicode
// code point.
KeyVerdict FilterNameKey(int code);
KeyVerdict FilterNumberKey(int code);  // digits, Backspace

// A name given as UTF-8 text as the name box would hold it: each character
// through FilterNameKey, Enter and Backspace refused (they are editing keys,
// not content). On the first refusal, or text that is not UTF-8, `name` is
// empty and `problem` set. (ReadName adds the blank and length checks.)
struct NameVerdict {
  std::string name;
  std::optional<InputProblem> problem;
};
NameVerdict FilterNameText(std::string_view utf8);

}  // namespace tarvelin
