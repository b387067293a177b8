// SPDX-License-Identifier: GPL-3.0-or-later
// A small streaming JSON writer: objects, arrays, strings, numbers, booleans
// and null, written into one text buffer. Numbers are written as the shortest
// text that reads back to the same double (integers without a fraction);
// strings are escaped and always valid UTF-8 (see text_encoding.h).
#pragma once

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelin {

enum class JsonLayout {
  kIndented,  // one member per line, two blanks per level
  kOneLine,   // the whole value on one line, ", " and ": " between parts
};

class JsonWriter {
 public:
  explicit JsonWriter(JsonLayout layout) : layout_(layout) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next object member: letters, digits and underscores,
  // as every key of the program's JSON is. It is written as it is, without
  // escaping (the checked build asserts that it needs none). Inline: a
  // batch row has a hundred keys, each a literal of known length.
  void Key(std::string_view name) {
    assert(std::all_of(name.begin(), name.end(), [](char c) {
      return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\' &&
             c != 0x7F;
    }));
    if (layout_ != JsonLayout::kOneLine || empty_.empty()) {
      KeyAnyLayout(name);
      return;
    }
    // On one line: the separator, the key and its colon in one piece.
    if (size_ + name.size() + 6 > buffer_.size()) Grow(name.size() + 6);
    char* out = buffer_.data() + size_;
    unsigned char& empty = empty_.back();
    if (!empty) {
      *out++ = ',';
      *out++ = ' ';
    }
    empty = false;
    *out++ = '"';
    out = Copy(out, name.data(), name.size());
    *out++ = '"';
    *out++ = ':';
    *out++ = ' ';
    size_ = static_cast<std::size_t>(out - buffer_.data());
    afterKey_ = true;
  }
  // A value already written as JSON in this writer's layout, at the top
  // level of a writer of its own (see Fragment).
  void Raw(std::string_view json);

  void String(std::string_view text);
  void String(const std::string& text);
  // `text` lies in a buffer of which `readable` bytes may be read from
  // text.data() on (at least text.size()).
  void String(std::string_view text, std::size_t readable);
  void String(const char* text) { String(std::string_view(text)); }
  void Number(double value);  // NaN and infinities are written as null
  // The text Number writes for `value`, made in `buffer`: for a number
  // written more than once, then each time with Raw.
  struct NumberBuffer {
    char chars[48];
  };
  static std::string_view NumberText(double value, NumberBuffer& buffer);
  void Integer(std::int64_t value);
  void Bool(bool value);
  void Null();
  void OptionalString(const std::optional<std::string>& text);

  JsonLayout layout() const { return layout_; }
  // The text written so far (valid until the next call); Clear() starts a
  // new value in the same buffer.
  std::string_view Text() const { return {buffer_.data(), size_}; }
  void Clear();

 private:
  // Before every value: nothing after a key; otherwise the separator from
  // the previous member and, indented, the new line.
  void BeforeValue() {
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
    if (layout_ == JsonLayout::kIndented) NewLine();
  }
  void KeyAnyLayout(std::string_view name);
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();
  // Number's text at `out` (48 bytes free); the end of it.
  static char* WriteNumber(char* out, double value);
  // `readable` (at least text.size()) bytes at text.data() may be read.
  void PutString(std::string_view text, std::size_t readable);

  // Copies `n` bytes; a batch row is a few hundred small pieces, for which
  // a loop is cheaper than a call.
  // (Two copies of a fixed size that overlap in the middle stand for one
  // of any size up to twice theirs.)
  static char* Copy(char* out, const char* in, std::size_t n) {
    if (n >= 8) {
      if (n > 16) {
        std::memcpy(out, in, n);
      } else {
        std::memcpy(out, in, 8);
        std::memcpy(out + n - 8, in + n - 8, 8);
      }
    } else if (n >= 4) {
      std::memcpy(out, in, 4);
      std::memcpy(out + n - 4, in + n - 4, 4);
    } else if (n > 0) {
      out[0] = in[0];
      out[n / 2] = in[n / 2];
      out[n - 1] = in[n - 1];
    }
    return out + n;
  }
  // Appends to the buffer: a bounds check and a copy.
  void Put(std::string_view text) {
    if (size_ + text.size() > buffer_.size()) Grow(text.size());
    Copy(buffer_.data() + size_, text.data(), text.size());
    size_ += text.size();
  }
  void Put(char c) {
    if (size_ + 1 > buffer_.size()) Grow(1);
    buffer_[size_++] = c;
  }
  void Grow(std::size_t more);

  JsonLayout layout_;
  std::string buffer_;  // the text is its first size_ bytes
  std::size_t size_ = 0;
  // One entry per open object or array: true until its first member.
  std::vector<unsigned char> empty_;
  bool afterKey_ = false;
};

}  // namespace tarvelin
