#include "present/json_writer.h"

#include <charconv>
#include <cmath>

#include "present/text_encoding.h"

namespace tarvelin {

namespace {

// Bytes that a JSON string can hold as they are: printable ASCII other than
// the quote and the backslash. A table, since every output byte is looked up.
struct PlainByteTable {
  bool plain[256] = {};
  constexpr PlainByteTable() {
    for (int b = 0x20; b < 0x7F; ++b) plain[b] = b != '"' && b != '\\';
  }
};
constexpr PlainByteTable kPlainBytes;

bool PassesUnchanged(unsigned char byte) { return kPlainBytes.plain[byte]; }

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out.push_back('"');
  std::size_t i = 0;
  while (i < text.size()) {
    // Copy the longest run of plain bytes in one go.
    std::size_t run = i;
    while (run < text.size() &&
           PassesUnchanged(static_cast<unsigned char>(text[run]))) {
      ++run;
    }
    out.append(text.data() + i, run - i);
    i = run;
    if (i == text.size()) break;

    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      const int length = Utf8SequenceLength(text, i);
      if (length == 0) {
        AppendLatin1AsUtf8(out, byte);
        ++i;
      } else {
        out.append(text.data() + i, length);
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:  // other control characters and DEL
        out += "\\u00";
        out.push_back(kHex[byte >> 4]);
        out.push_back(kHex[byte & 0x0F]);
    }
    ++i;
  }
  out.push_back('"');
}

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  // Shortest text that reads back to the same double: 0.1 stays "0.1", 5.0
  // is "5", and no digits are lost.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void JsonWriter::Clear() {
  out_.clear();
  empty_.clear();
  afterKey_ = false;
}

void JsonWriter::NewLine() {
  if (layout_ != JsonLayout::kIndented) return;
  out_.push_back('\n');
  out_.append(2 * empty_.size(), ' ');
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
      out_ += ", ";
    } else {
      out_.push_back(',');
    }
  }
  empty = false;
  NewLine();
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_.push_back(bracket);
  empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (!wasEmpty) NewLine();
  out_.push_back(bracket);
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  AppendJsonString(out_, name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  AppendJsonString(out_, text);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  AppendJsonNumber(out_, value);
}

void JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out_.append(buffer, result.ptr);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

void JsonWriter::OptionalString(const std::optional<std::string>& text) {
  if (text) {
    String(*text);
  } else {
    Null();
  }
}

}  // namespace tarvelin
