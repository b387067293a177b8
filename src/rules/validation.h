// The checks that keep the birth data usable: ValidateInput over the form's
// texts, and the key filters of the name box and the degree/minute boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvelin {

enum class MessageIcon { Error, Information };

// The box that gets the keyboard focus after a message.
enum class InputField { None, Name, LonDeg, LonMin, LatDeg, LatMin, Day };

struct InputProblem {
  std::string message;  // exactly as shown to the user
  MessageIcon icon;
  InputField focus;
};

// What ValidateInput reads: the raw texts of the boxes, the month and day by
// list position (0 = January / day 1) and the year text.
struct FormEntries {
  std::string name;
  std::string lonDeg, lonMin, latDeg, latMin;
  int monthPosition = 0;  // 0..11
  int dayPosition = 0;    // 0..30
  std::string yearText;
};

// The first failing check in order, or nothing when all pass.
std::optional<InputProblem> ValidateInput(const FormEntries& entries);

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

// A name given as UTF-8 text (the command-line tool, the batch, birth files)
// as the name box would hold it: each character through FilterNameKey, Enter
// and Backspace refused (they are editing keys, not content). On the first
// refusal, or text that is not UTF-8, `name` is empty and `problem` set.
struct NameVerdict {
  std::string name;
  std::optional<InputProblem> problem;
};
NameVerdict FilterNameText(std::string_view utf8);

}  // namespace tarvelin
