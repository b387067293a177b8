// SPDX-License-Identifier: GPL-3.0-or-later
// A small streaming JSON writer: objects, arrays, strings, numbers, booleans
// and null, written into one text buffer. Numbers are written as the shortest
// text that reads back to the same double (integers without a fraction);
// strings are escaped and always valid UTF-8 (see text_encoding.h).
#pragma once

#include <cstdint>
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
  // The name of the next object member.
  void Key(std::string_view name);
  // A value already written as JSON in this writer's layout, at the top
  // level of a writer of its own (see Fragment).
  void Raw(std::string_view json);

  void String(std::string_view text);
  void Number(double value);  // NaN and infinities are written as null
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
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();
  void PutString(std::string_view text);

  // Appends to the buffer. A batch row is a few hundred small pieces: kept
  // inline, each is a bounds check and a copy.
  void Put(std::string_view text) {
    if (size_ + text.size() > buffer_.size()) Grow(text.size());
    text.copy(buffer_.data() + size_, text.size());
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
