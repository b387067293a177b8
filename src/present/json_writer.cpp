// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "present/text_encoding.h"

namespace tarvelin {

namespace {

// Bytes that a JSON string can hold as they are: printable ASCII other than
// the quote and the backslash.
bool PassesUnchanged(unsigned char byte) {
  return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
}

// Whether none of the eight bytes of `w` needs a look: each is printable
// ASCII, not the quote, the backslash or DEL. (A byte is zero in x exactly
// when (x - 0x01..) & ~x & 0x80.. marks it.)
bool AllPlain(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const auto hasZero = [](std::uint64_t x) {
    return ((x - kOnes) & ~x & kHighs) != 0;
  };
  const bool below20 = ((w - 0x20 * kOnes) & ~w & kHighs) != 0;
  return !below20 && (w & kHighs) == 0 && !hasZero(w ^ ('"' * kOnes)) &&
         !hasZero(w ^ ('\\' * kOnes)) && !hasZero(w ^ (0x7F * kOnes));
}

// Length of the run of plain bytes at the start of `text`.
std::size_t PlainRun(std::string_view text) {
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, text.data() + i, 8);
    if (!AllPlain(w)) break;
  }
  while (i < text.size() &&
         PassesUnchanged(static_cast<unsigned char>(text[i])))
    ++i;
  return i;
}

}  // namespace

void JsonWriter::Grow(std::size_t more) {
  buffer_.resize(std::max(2 * buffer_.size(), size_ + more + 256));
}

void JsonWriter::PutString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  Put('"');
  std::size_t i = 0;
  while (i < text.size()) {
    // The longest run of plain bytes in one piece.
    const std::size_t run = PlainRun(text.substr(i));
    Put(text.substr(i, run));
    i += run;
    if (i == text.size()) break;

    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      // Valid UTF-8 as it is; any other byte taken as Latin-1.
      const int length = Utf8SequenceLength(text, i);
      if (length == 0) {
        std::string latin1;
        AppendLatin1AsUtf8(latin1, byte);
        Put(latin1);
        ++i;
      } else {
        Put(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        Put("\\\"");
        break;
      case '\\':
        Put("\\\\");
        break;
      case '\n':
        Put("\\n");
        break;
      case '\r':
        Put("\\r");
        break;
      case '\t':
        Put("\\t");
        break;
      case '\b':
        Put("\\b");
        break;
      case '\f':
        Put("\\f");
        break;
      default:  // other control characters and DEL
        Put("\\u00");
        Put(kHex[byte >> 4]);
        Put(kHex[byte & 0x0F]);
    }
    ++i;
  }
  Put('"');
}

void JsonWriter::Clear() {
  size_ = 0;
  empty_.clear();
  afterKey_ = false;
}

void JsonWriter::NewLine() {
  if (layout_ != JsonLayout::kIndented) return;
  Put('\n');
  for (std::size_t i = 0; i < empty_.size(); ++i) Put("  ");
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (empty_.empty()) return;  // the top-level value
  unsigned char& empty = empty_.back();
  if (!empty) {
    if (layout_ == JsonLayout::kOneLine) {
      Put(", ");
    } else {
      Put(',');
    }
  }
  empty = false;
  NewLine();
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  Put(bracket);
  empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (!wasEmpty) NewLine();
  Put(bracket);
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  PutString(name);
  Put(": ");
  afterKey_ = true;
}

void JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  Put(json);
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  PutString(text);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) {
    Put("null");
    return;
  }
  // Shortest text that reads back to the same double: 0.1 stays "0.1", 5.0
  // is "5", and no digits are lost.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  Put(std::string_view(buffer, result.ptr - buffer));
}

void JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  Put(std::string_view(buffer, result.ptr - buffer));
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  Put(value ? "true" : "false");
}

void JsonWriter::Null() {
  BeforeValue();
  Put("null");
}

void JsonWriter::OptionalString(const std::optional<std::string>& text) {
  if (text) {
    String(*text);
  } else {
    Null();
  }
}

}  // namespace tarvelin
