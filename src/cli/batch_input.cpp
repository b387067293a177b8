#include "cli/batch_input.h"

#include <cctype>

namespace tarvelin::cli {
namespace {

constexpr std::size_t kFieldCount = 7;  // name,date,time,lon,lat,zone,dst
// Splitting stops at the eighth field: it already makes the row wrong.
constexpr std::size_t kKeptFields = kFieldCount + 1;
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
const char* const kColumnNames[kFieldCount] = {"name", "date", "time", "lon",
                                               "lat",  "zone", "dst"};

void Trim(std::string& text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  if (!text.empty() && !blank(text.front()) && !blank(text.back())) return;
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  const auto last = text.find_last_not_of(" \t");
  text.erase(last + 1);
  text.erase(0, first);
}

bool SameIgnoringCase(const std::string& text, const char* name) {
  std::size_t i = 0;
  for (; name[i] != '\0'; ++i) {
    if (i >= text.size() ||
        std::tolower(static_cast<unsigned char>(text[i])) != name[i]) {
      return false;
    }
  }
  return i == text.size();
}

// Whether trimmed fields are the column names, in any case.
bool IsHeader(const std::vector<std::string>& fields) {
  if (fields.size() != kFieldCount) return false;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    if (!SameIgnoringCase(fields[i], kColumnNames[i])) return false;
  }
  return true;
}

}  // namespace

BatchReader::Got BatchReader::ReadLine(Line& line) {
  line.fields.assign(1, std::string());
  line.bytes = 0;
  std::streambuf* buffer = in_.rdbuf();
  if (buffer == nullptr || in_.bad()) return Got::kError;
  using Traits = std::streambuf::traits_type;
  bool any = false;
  try {
    while (true) {
      const Traits::int_type next = buffer->sbumpc();
      if (Traits::eq_int_type(next, Traits::eof())) {
        return any ? Got::kLine : Got::kEnd;
      }
      any = true;
      const char c = Traits::to_char_type(next);
      if (c == '\n') return Got::kLine;
      if (c == '\r') {
        if (Traits::eq_int_type(buffer->sgetc(), Traits::to_int_type('\n'))) {
          buffer->sbumpc();
        }
        return Got::kLine;
      }
      // Past the limit or the eighth field the bytes are only counted.
      if (++line.bytes > kMaxLineBytes) continue;
      if (c == ',' && line.fields.size() < kKeptFields) {
        line.fields.emplace_back();
      } else if (line.fields.size() < kKeptFields) {
        line.fields.back().push_back(c);
      }
    }
  } catch (...) {
    return Got::kError;
  }
}

bool BatchReader::CheckHeader() {
  std::vector<std::string>& fields = current_.fields;
  if (current_.bytes > kMaxLineBytes || fields.size() != kFieldCount) {
    return false;
  }
  if (fields[0].rfind(kByteOrderMark, 0) == 0) fields[0].erase(0, 3);
  for (std::string& field : fields) Trim(field);
  return IsHeader(fields);
}

bool BatchReader::Next(BatchRow& row) {
  if (stop_ != BatchStop::kNone) return false;
  while (true) {
    const Got got = ReadLine(current_);
    if (got == Got::kError) {
      stop_ = BatchStop::kReadError;
      return false;
    }
    if (got == Got::kEnd) {
      stop_ = line_ == 0 ? BatchStop::kNoHeader : BatchStop::kEnd;
      return false;
    }
    ++line_;
    if (line_ == 1) {
      if (!CheckHeader()) {
        stop_ = BatchStop::kNoHeader;
        return false;
      }
      continue;
    }
    std::vector<std::string>& fields = current_.fields;
    for (std::string& field : fields) Trim(field);
    const bool tooLong = current_.bytes > kMaxLineBytes;
    if (!tooLong && fields.size() == 1 && fields[0].empty()) continue;

    row = BatchRow{};
    row.line = line_;
    if (tooLong) {
      row.problem =
          "line longer than " + std::to_string(kMaxLineBytes) + " bytes";
    } else if (fields.size() != kFieldCount) {
      row.problem = std::string("expected 7 fields ") + kBatchHeader +
                    ", found " +
                    (fields.size() < kKeptFields ? std::to_string(fields.size())
                                                 : std::string("more than 7"));
    } else if (IsHeader(fields)) {
      row.problem =
          "the header line again; only line 1 may hold the column names";
    } else if (fields[6] != "0" && fields[6] != "1") {
      row.problem = "dst must be 0 or 1";
    } else {
      BirthTexts& texts = row.texts;
      texts.name = std::move(fields[0]);
      texts.date = std::move(fields[1]);
      texts.time = std::move(fields[2]);
      texts.lon = std::move(fields[3]);
      texts.lat = std::move(fields[4]);
      texts.zone = std::move(fields[5]);
      texts.dst = fields[6] == "1";
    }
    return true;
  }
}

std::string NoHeaderProblem(const std::string& fileName) {
  return fileName + " does not start with the header line " + kBatchHeader +
         " (the column names, in this order)";
}

}  // namespace tarvelin::cli
