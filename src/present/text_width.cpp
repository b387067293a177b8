// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/text_width.h"

#include "present/text_encoding.h"

namespace tarvelin {
namespace {

// Code point of the valid UTF-8 sequence of `length` bytes at text[i].
char32_t CodePoint(std::string_view text, std::size_t i, int length) {
  const auto byte = [&](std::size_t k) {
    return static_cast<unsigned char>(text[i + k]);
  };
  switch (length) {
    case 1:
      return byte(0);
    case 2:
      return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
    case 3:
      return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 |
             (byte(2) & 0x3Fu);
    default:
      return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 |
             (byte(2) & 0x3Fu) << 6 | (byte(3) & 0x3Fu);
  }
}

// The non-spacing marks of the scripts Tarvelin writes (Unicode general
// category Mn), the combining diacritics and the zero-width joiners.
bool IsZeroWidth(char32_t c) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kRanges[] = {
      {0x0300, 0x036F},                    // combining diacritical marks
      {0x0900, 0x0902}, {0x093A, 0x093A},  // Devanagari
      {0x093C, 0x093C}, {0x0941, 0x0948}, {0x094D, 0x094D}, {0x0951, 0x0957},
      {0x0962, 0x0963}, {0x0B82, 0x0B82}, {0x0BC0, 0x0BC0},  // Tamil
      {0x0BCD, 0x0BCD}, {0x200B, 0x200D},  // zero-width space, non-joiner,
                                           // joiner
  };
  for (const Range& r : kRanges) {
    if (c >= r.first && c <= r.last) return true;
  }
  return false;
}

}  // namespace

std::vector<std::string> DisplayCells(std::string_view utf8) {
  std::vector<std::string> cells;
  for (std::size_t i = 0; i < utf8.size();) {
    const int length = Utf8SequenceLength(utf8, i);
    const std::size_t taken = length > 0 ? static_cast<std::size_t>(length) : 1;
    const bool joins = length > 0 && IsZeroWidth(CodePoint(utf8, i, length));
    if (joins && !cells.empty()) {
      cells.back().append(utf8.substr(i, taken));
    } else {
      cells.emplace_back(utf8.substr(i, taken));
    }
    i += taken;
  }
  return cells;
}

std::size_t DisplayWidth(std::string_view utf8) {
  return DisplayCells(utf8).size();
}

}  // namespace tarvelin
