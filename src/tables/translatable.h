// SPDX-License-Identifier: GPL-3.0-or-later
// Marks an English text that the desktop program shows in the user's
// language through Qt's translations; the text itself is left as it is.
// lupdate collects the texts so marked under their context
// (translations/CMakeLists.txt), and the window translates them with
// QCoreApplication::translate(context, text). For the layers that know
// nothing of Qt.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#define TARVELIN_TEXT(context, text) text

namespace tarvelin {

// A message made from a marked pattern, "%1" ... standing for the
// arguments in turn: the layers without Qt give the English filled in
// (Filled), a window its translation with the same arguments. An argument
// whose bit is set in `translatedArguments` (bit 0: "%1") is itself a
// marked text of the same context ("Bombay Time").
struct PatternText {
  const char* context = "";
  const char* pattern = "";
  std::vector<std::string> arguments;
  unsigned translatedArguments = 0;
};

// `pattern` with "%1" ... "%9" replaced by `arguments` (a "%n" without an
// argument is left as it is).
inline std::string FillPattern(const char* pattern,
                               const std::vector<std::string>& arguments) {
  std::string text;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
        static_cast<std::size_t>(p[1] - '1') < arguments.size()) {
      text += arguments[static_cast<std::size_t>(p[1] - '1')];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

inline std::string Filled(const PatternText& text) {
  return FillPattern(text.pattern, text.arguments);
}

}  // namespace tarvelin
