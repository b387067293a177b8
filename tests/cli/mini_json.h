// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON reader for checking tarvelin-cli's output: the whole grammar
// (objects keep their member order), \u escapes decoded to UTF-8.
#pragma once

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelin::cli_test {

struct Json {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;

  bool Is(Kind k) const { return kind == k; }
  // The member named `key`, or nullptr.
  const Json* Find(const std::string& key) const {
    for (const auto& [name, value] : members) {
      if (name == key) return &value;
    }
    return nullptr;
  }
  // The member named `key`; a null value when there is none.
  const Json& operator[](const std::string& key) const {
    static const Json kMissing;
    const Json* found = Find(key);
    return found ? *found : kMissing;
  }
  bool operator==(const Json& o) const {
    return kind == o.kind && boolean == o.boolean && number == o.number &&
           text == o.text && items == o.items && members == o.members;
  }
};

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : s_(text) {}

  // The value that fills the whole text, or nothing (see Error()).
  std::optional<Json> ReadDocument() {
    Json value;
    if (!ReadValue(value)) return std::nullopt;
    SkipBlanks();
    if (pos_ != s_.size()) return Fail("text after the value");
    return value;
  }
  const std::string& Error() const { return error_; }

 private:
  std::nullopt_t Fail(const std::string& what) {
    if (error_.empty()) error_ = what + " at offset " + std::to_string(pos_);
    return std::nullopt;
  }
  void SkipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\n' ||
                                s_[pos_] == '\r' || s_[pos_] == '\t')) {
      ++pos_;
    }
  }
  bool Literal(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  bool ReadValue(Json& v) {
    SkipBlanks();
    if (pos_ >= s_.size()) return Fail("end of text"), false;
    const char c = s_[pos_];
    if (c == '{') return ReadObject(v);
    if (c == '[') return ReadArray(v);
    if (c == '"') {
      v.kind = Json::Kind::kString;
      return ReadString(v.text);
    }
    if (Literal("null")) return v.kind = Json::Kind::kNull, true;
    if (Literal("true")) {
      v.kind = Json::Kind::kBool;
      return v.boolean = true;
    }
    if (Literal("false")) {
      v.kind = Json::Kind::kBool;
      v.boolean = false;
      return true;
    }
    return ReadNumber(v);
  }
  bool ReadNumber(Json& v) {
    const std::size_t start = pos_;
    auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
    if (!digits()) return Fail("bad value"), false;
    if (s_[start] == '0' || (s_[start] == '-' && s_[start + 1] == '0')) {
      if (pos_ - start > (s_[start] == '-' ? 2u : 1u)) {
        return Fail("leading zero"), false;
      }
    }
    if (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      if (!digits()) return Fail("bad fraction"), false;
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      if (!digits()) return Fail("bad exponent"), false;
    }
    v.kind = Json::Kind::kNumber;
    v.number = std::strtod(std::string(s_.substr(start, pos_ - start)).c_str(),
                           nullptr);
    return true;
  }
  static void AppendUtf8(std::string& out, unsigned code) {
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
  bool Hex4(unsigned& code) {
    if (pos_ + 4 > s_.size()) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = s_[pos_++];
      code <<= 4;
      if (h >= '0' && h <= '9') {
        code |= h - '0';
      } else if (h >= 'a' && h <= 'f') {
        code |= h - 'a' + 10;
      } else if (h >= 'A' && h <= 'F') {
        code |= h - 'A' + 10;
      } else {
        return false;
      }
    }
    return true;
  }
  bool ReadString(std::string& out) {
    ++pos_;  // opening quote
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) {
        return Fail("raw control character in a string"), false;
      }
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (pos_ >= s_.size()) break;
      const char e = s_[pos_++];
      switch (e) {
        case '"':
          out.push_back('"');
          break;
        case '\\':
          out.push_back('\\');
          break;
        case '/':
          out.push_back('/');
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u': {
          unsigned code = 0;
          if (!Hex4(code)) return Fail("bad \\u escape"), false;
          if (code >= 0xD800 && code < 0xDC00) {
            unsigned low = 0;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) {
              return Fail("lone surrogate"), false;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          AppendUtf8(out, code);
          break;
        }
        default:
          return Fail("bad escape"), false;
      }
    }
    return Fail("unterminated string"), false;
  }
  bool ReadArray(Json& v) {
    v.kind = Json::Kind::kArray;
    ++pos_;
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
    while (true) {
      Json item;
      if (!ReadValue(item)) return false;
      v.items.push_back(std::move(item));
      SkipBlanks();
      if (pos_ < s_.size() && s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
      return Fail("expected , or ]"), false;
    }
  }
  bool ReadObject(Json& v) {
    v.kind = Json::Kind::kObject;
    ++pos_;
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
    while (true) {
      SkipBlanks();
      std::string key;
      if (pos_ >= s_.size() || s_[pos_] != '"' || !ReadString(key)) {
        return Fail("expected a member name"), false;
      }
      SkipBlanks();
      if (pos_ >= s_.size() || s_[pos_++] != ':') {
        return Fail("expected :"), false;
      }
      Json value;
      if (!ReadValue(value)) return false;
      v.members.emplace_back(std::move(key), std::move(value));
      SkipBlanks();
      if (pos_ < s_.size() && s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
      return Fail("expected , or }"), false;
    }
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  std::string error_;
};

}  // namespace tarvelin::cli_test
