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

  void String(std::string_view text);
  void Number(double value);  // NaN and infinities are written as null
  void Integer(std::int64_t value);
  void Bool(bool value);
  void Null();
  void OptionalString(const std::optional<std::string>& text);

  // The text written so far; Clear() starts a new value in the same buffer.
  const std::string& Text() const { return out_; }
  void Clear();

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();

  JsonLayout layout_;
  std::string out_;
  // One entry per open object or array: true until its first member.
  std::vector<unsigned char> empty_;
  bool afterKey_ = false;
};

// Appends `text` as a quoted JSON string.
void AppendJsonString(std::string& out, std::string_view text);
// Appends the shortest round-trip text of `value` ("null" when not finite).
void AppendJsonNumber(std::string& out, double value);

}  // namespace tarvelin
