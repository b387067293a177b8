// SPDX-License-Identifier: GPL-3.0-or-later
// Which code points are letters, and their upper case, without a locale:
// tables generated from the Unicode database (tools/unicode/gen_letters.py)
// and the few functions that read them, with UTF-8 decoding and encoding for
// names given as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelin {

// A run of code points [first, last].
struct LetterRange {
  char32_t first, last;
};
// Every stride-th code point from first to last upper-cases to itself +
// delta.
struct UpperRun {
  char32_t first, last;
  std::int32_t delta;
  std::int32_t stride;
};

// Sorted and disjoint; generated.
extern const LetterRange kLetterRanges[];
extern const std::size_t kLetterRangeCount;
extern const UpperRun kUpperRuns[];
extern const std::size_t kUpperRunCount;

// True for a letter of any script (general category L) and for the marks
// written with letters (category M: accents, Indic vowel signs), which an
// input method or a pasted decomposed "É" sends as code points of their own.
bool IsUnicodeLetter(char32_t code);

// The upper case of `code` by the simple one-to-one mapping ("é" -> "É",
// "ß" stays "ß"); the code itself when it has none.
char32_t UnicodeUpper(char32_t code);

// The code points of a UTF-8 text, or nothing when it is not valid UTF-8
// (overlong forms, surrogates and values above U+10FFFF are refused).
std::optional<std::u32string> DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t code);

}  // namespace tarvelin
