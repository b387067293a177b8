// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/text_encoding.h"

namespace tarvelin {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

int Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) {
    return static_cast<unsigned char>(text[k]);
  };
  const unsigned char lead = at(i);
  if (lead < 0x80) return 1;
  int length = 0;
  // Bounds of the second byte; they exclude overlong forms, surrogates and
  // code points above U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (int k = 2; k < length; ++k) {
    if (!IsContinuation(at(i + k))) return 0;
  }
  return length;
}

void AppendLatin1AsUtf8(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out.push_back(static_cast<char>(byte));
    return;
  }
  out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
  out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
}

void AppendAsUtf8(std::string& out, std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const int length = Utf8SequenceLength(text, i);
    if (length == 0) {
      AppendLatin1AsUtf8(out, static_cast<unsigned char>(text[i]));
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
}

std::string AsUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendAsUtf8(out, text);
  return out;
}

}  // namespace tarvelin
