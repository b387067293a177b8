// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the generated letter and upper-case tables, and UTF-8.
#include <algorithm>

#include "rules/unicode_letters.h"

namespace tarvelin {
namespace {

constexpr char32_t kLargestCode = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;

}  // namespace

bool IsUnicodeLetter(char32_t code) {
  const LetterRange* end = kLetterRanges + kLetterRangeCount;
  // The first range that ends at or after `code`.
  const LetterRange* range = std::lower_bound(
      kLetterRanges, end, code,
      [](const LetterRange& r, char32_t c) { return r.last < c; });
  return range != end && range->first <= code;
}

char32_t UnicodeUpper(char32_t code) {
  const UpperRun* end = kUpperRuns + kUpperRunCount;
  const UpperRun* run = std::lower_bound(
      kUpperRuns, end, code,
      [](const UpperRun& r, char32_t c) { return r.last < c; });
  if (run == end || run->first > code ||
      (code - run->first) % static_cast<char32_t>(run->stride) != 0) {
    return code;
  }
  return static_cast<char32_t>(static_cast<std::int64_t>(code) + run->delta);
}

std::optional<std::u32string> DecodeUtf8(std::string_view text) {
  std::u32string codes;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;  // below it the form is overlong
    if (lead < 0x80) {
      length = 1;
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      code = lead & 0x1F;
      smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      code = lead & 0x0F;
      smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      code = lead & 0x07;
      smallest = 0x10000;
    } else {
      return std::nullopt;
    }
    if (text.size() - i < static_cast<std::size_t>(length)) return std::nullopt;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > kLargestCode ||
        (code >= kFirstSurrogate && code <= kLastSurrogate)) {
      return std::nullopt;
    }
    codes.push_back(code);
    i += static_cast<std::size_t>(length);
  }
  return codes;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace tarvelin
