// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/terminal_text.h"

#include <cstdio>

#include "present/text_encoding.h"

namespace tarvelin {
namespace {

void AppendHex(std::string& out, const char* format, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, format, value);
  out += text;
}

// The code point of the UTF-8 sequence of `length` bytes at text[i].
unsigned CodePoint(std::string_view text, std::size_t i, int length) {
  const auto byte = [&](std::size_t k) {
    return static_cast<unsigned char>(text[i + k]);
  };
  if (length == 2) return (byte(0) & 0x1Fu) << 6 | (byte(1) & 0x3Fu);
  if (length == 3) {
    return (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
  }
  return (byte(0) & 0x07u) << 18 | (byte(1) & 0x3Fu) << 12 |
         (byte(2) & 0x3Fu) << 6 | (byte(3) & 0x3Fu);
}

// C1 controls, and the marks that reorder text on display (LRE..RLO,
// LRI..PDI): they could make a line read other than it is.
bool IsHiddenControl(unsigned code) {
  return (code >= 0x80 && code <= 0x9F) || (code >= 0x202A && code <= 0x202E) ||
         (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

std::string TerminalSafe(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const int length = Utf8SequenceLength(text, i);
    if (length == 1) {
      if (byte == '\n') {
        out += "\\n";
      } else if (byte == '\r') {
        out += "\\r";
      } else if (byte == '\t') {
        out += "\\t";
      } else if (byte < 0x20 || byte == 0x7F) {
        AppendHex(out, "\\x%02x", byte);
      } else {
        out.push_back(static_cast<char>(byte));
      }
      ++i;
    } else if (length == 0) {
      if (byte <= 0x9F) {
        AppendHex(out, "\\x%02x", byte);
      } else {
        AppendLatin1AsUtf8(out, byte);
      }
      ++i;
    } else {
      const unsigned code = CodePoint(text, i, length);
      if (IsHiddenControl(code)) {
        AppendHex(out, "\\u%04x", code);
      } else {
        out.append(text.substr(i, static_cast<std::size_t>(length)));
      }
      i += static_cast<std::size_t>(length);
    }
  }
  return out;
}

}  // namespace tarvelin
