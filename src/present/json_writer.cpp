// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/json_writer.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "present/shortest_number.h"
#include "present/text_encoding.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tarvelin {

namespace {

// Bytes that a JSON string can hold as they are: printable ASCII other than
// the quote and the backslash.
constexpr bool PassesUnchanged(unsigned char byte) {
  return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
}

struct PlainTable {
  bool plain[256];
  constexpr PlainTable() : plain() {
    for (int b = 0; b < 256; ++b) {
      plain[b] = PassesUnchanged(static_cast<unsigned char>(b));
    }
  }
};
constexpr PlainTable kPlain;

// The escape of each ASCII byte that needs one: "\\n" and its like, or
// "\\u00XX".
struct Escape {
  char text[6];
  unsigned char length;
};
struct EscapeTable {
  Escape of[128];
  EscapeTable() : of() {
    constexpr char kHex[] = "0123456789abcdef";
    for (int b = 0; b < 128; ++b) {
      Escape& e = of[b];
      char shorthand = 0;
      switch (b) {
        case '"':
          shorthand = '"';
          break;
        case '\\':
          shorthand = '\\';
          break;
        case '\n':
          shorthand = 'n';
          break;
        case '\r':
          shorthand = 'r';
          break;
        case '\t':
          shorthand = 't';
          break;
        case '\b':
          shorthand = 'b';
          break;
        case '\f':
          shorthand = 'f';
          break;
        default:
          break;
      }
      e.text[0] = '\\';
      if (shorthand != 0) {
        e.text[1] = shorthand;
        e.length = 2;
      } else {
        e.text[1] = 'u';
        e.text[2] = '0';
        e.text[3] = '0';
        e.text[4] = kHex[b >> 4];
        e.text[5] = kHex[b & 0x0F];
        e.length = 6;
      }
    }
  }
};
const EscapeTable kEscapes;

// How many of the bytes at `p` (up to `end`) pass unchanged. Bytes up to
// `limit` (>= end) may be read: a std::string's own buffer lets sixteen be
// looked at even when it holds fewer.
inline std::size_t PlainRun(const unsigned char* p, const unsigned char* end,
                            const unsigned char* limit) {
  const unsigned char* const start = p;
#ifdef __SSE2__
  // Sixteen at a time: a byte below 0x20 or from 0x80 (negative as a
  // signed byte), the quote, the backslash or DEL ends the run.
  const __m128i space = _mm_set1_epi8(0x20);
  const __m128i quote = _mm_set1_epi8('"');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i del = _mm_set1_epi8(0x7F);
  while (limit - p >= 16 && p < end) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i stop = _mm_or_si128(
        _mm_or_si128(_mm_cmplt_epi8(v, space), _mm_cmpeq_epi8(v, quote)),
        _mm_or_si128(_mm_cmpeq_epi8(v, backslash), _mm_cmpeq_epi8(v, del)));
    // The bytes past the end stop the run too, whatever they hold.
    const std::ptrdiff_t left = end - p;
    const unsigned inside = left >= 16 ? 0xFFFFu : (1u << left) - 1;
    const unsigned mask =
        (static_cast<unsigned>(_mm_movemask_epi8(stop)) & inside) | ~inside;
    if ((mask & 0xFFFFu) != 0) {
      return static_cast<std::size_t>(p - start) + __builtin_ctz(mask);
    }
    p += 16;
  }
#else
  (void)limit;
#endif
  while (p < end && kPlain.plain[*p]) ++p;
  return static_cast<std::size_t>(p - start);
}

}  // namespace

void JsonWriter::Grow(std::size_t more) {
  buffer_.resize(std::max(2 * buffer_.size(), size_ + more + 256));
}

void JsonWriter::PutString(std::string_view text, std::size_t readable) {
  // At most six bytes for each byte ("\u00XX"), and the two quotes: the
  // whole string is written with no further bounds checks.
  if (size_ + 6 * text.size() + 2 > buffer_.size()) {
    Grow(6 * text.size() + 2);
  }
  char* out = buffer_.data() + size_;
  *out++ = '"';
  const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = bytes + text.size();
  const auto* const limit = bytes + readable;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t run = PlainRun(bytes + i, end, limit);
    out = Copy(out, text.data() + i, run);
    i += run;
    if (i == text.size()) break;
    unsigned char byte = bytes[i];
    if (byte >= 0x80) {
      // Valid UTF-8 as it is ("°" at once); any other byte taken as
      // Latin-1.
      if (byte >= 0xC2 && byte <= 0xDF && i + 1 < text.size() &&
          (bytes[i + 1] & 0xC0) == 0x80) {
        *out++ = static_cast<char>(byte);
        *out++ = static_cast<char>(bytes[i + 1]);
        i += 2;
        continue;
      }
      const int length = Utf8SequenceLength(text, i);
      if (length == 0) {
        *out++ = static_cast<char>(0xC0 | (byte >> 6));
        *out++ = static_cast<char>(0x80 | (byte & 0x3F));
        ++i;
      } else {
        out = Copy(out, text.data() + i, static_cast<std::size_t>(length));
        i += static_cast<std::size_t>(length);
      }
      continue;
    }
    // Bytes below 0x20, the quote, the backslash or DEL, often several
    // together ("\r\n"): each its escape.
    do {
      const Escape& escape = kEscapes.of[byte];
      std::memcpy(out, escape.text, 6);
      out += escape.length;
      ++i;
    } while (i < text.size() && (byte = bytes[i]) < 0x80 &&
             !kPlain.plain[byte]);
  }
  *out++ = '"';
  size_ = static_cast<std::size_t>(out - buffer_.data());
}

void JsonWriter::Clear() {
  size_ = 0;
  empty_.clear();
  afterKey_ = false;
}

void JsonWriter::NewLine() {
  Put('\n');
  for (std::size_t i = 0; i < empty_.size(); ++i) Put("  ");
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  Put(bracket);
  empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
  const bool wasEmpty = empty_.back();
  empty_.pop_back();
  if (!wasEmpty && layout_ == JsonLayout::kIndented) NewLine();
  Put(bracket);
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::KeyAnyLayout(std::string_view name) {
  BeforeValue();
  Put('"');
  Put(name);
  Put("\": ");
  afterKey_ = true;
}

void JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  Put(json);
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  PutString(text, text.size());
}

void JsonWriter::String(std::string_view text, std::size_t readable) {
  BeforeValue();
  PutString(text, readable);
}

void JsonWriter::String(const std::string& text) {
  BeforeValue();
  // The string's buffer holds its capacity and a null.
  PutString(text, text.capacity() + 1);
}

char* JsonWriter::WriteNumber(char* out, double value) {
  if (!std::isfinite(value)) {
    std::memcpy(out, "null", 4);
    return out + 4;
  }
  // Shortest text that reads back to the same double: 0.1 stays "0.1", 5.0
  // is "5", and no digits are lost.
  return WriteShortestNumber(out, value);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (size_ + 48 > buffer_.size()) Grow(48);
  char* const out = buffer_.data() + size_;
  size_ += static_cast<std::size_t>(WriteNumber(out, value) - out);
}

std::string_view JsonWriter::NumberText(double value, NumberBuffer& buffer) {
  const char* const end = WriteNumber(buffer.chars, value);
  return {buffer.chars, static_cast<std::size_t>(end - buffer.chars)};
}

void JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  if (value >= 0 && value < 100) {  // most of a result's whole numbers
    if (value >= 10) Put(static_cast<char>('0' + value / 10));
    Put(static_cast<char>('0' + value % 10));
    return;
  }
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
