// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_input.h"

#include <algorithm>
#include <cctype>

namespace tarvelin::cli {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

struct FormatColumns {
  BatchFormat format;
  const char* header;
  std::vector<const char*> columns;
};
const FormatColumns kFormats[] = {
    {BatchFormat::kZone,
     kBatchHeader,
     {"name", "date", "time", "lon", "lat", "zone", "dst"}},
    {BatchFormat::kUtcOffset,
     kUtcOffsetBatchHeader,
     {"name", "date", "time", "lon", "lat", "utc_offset"}},
    {BatchFormat::kPlace, kPlaceBatchHeader, {"name", "date", "time", "place"}},
};
// The header line is split as far as the longest header and one more.
constexpr std::size_t kHeaderFields = 8;

const FormatColumns& ColumnsOf(BatchFormat format) {
  for (const FormatColumns& f : kFormats) {
    if (f.format == format) return f;
  }
  return kFormats[0];
}

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

// A field in double quotes loses them, and a doubled quote inside stands
// for one.
void Unquote(std::string& text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return;
  std::string plain;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    plain.push_back(text[i]);
    if (text[i] == '"' && text[i + 1] == '"') ++i;
  }
  text = plain;
}

// Whether trimmed fields are the column names of `format`, in any case.
bool IsHeader(const std::vector<std::string>& fields,
              const FormatColumns& format) {
  if (fields.size() != format.columns.size()) return false;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!SameIgnoringCase(fields[i], format.columns[i])) return false;
  }
  return true;
}

}  // namespace

bool BatchReader::Refill(std::streambuf& buffer) {
  using Traits = std::streambuf::traits_type;
  at_ = end_ = 0;
  if (Traits::eq_int_type(buffer.sgetc(), Traits::eof())) return false;
  // What the stream buffer holds now, without asking it for more.
  const std::streamsize held = std::max<std::streamsize>(buffer.in_avail(), 1);
  const std::streamsize got =
      buffer.sgetn(chunk_, std::min<std::streamsize>(held, sizeof chunk_));
  end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
  return end_ > 0;
}

BatchReader::Got BatchReader::ReadLine(Line& line, std::size_t keptFields,
                                       bool lastTakesRest) {
  line.fields.assign(1, std::string());
  line.bytes = 0;
  std::streambuf* buffer = in_.rdbuf();
  if (buffer == nullptr || in_.bad()) return Got::kError;
  bool any = false;
  try {
    while (true) {
      if (at_ == end_ && !Refill(*buffer)) {
        return any ? Got::kLine : Got::kEnd;
      }
      any = true;
      // A run of bytes up to the next line end or field-ending comma (once
      // the last field is reached commas are bytes like the others).
      const bool full = line.fields.size() == keptFields;
      std::size_t stop = at_;
      while (stop < end_) {
        const char c = chunk_[stop];
        if (c == '\n' || c == '\r' || (c == ',' && !full)) break;
        ++stop;
      }
      if (stop > at_) {
        // Past the limit or the last field kept the bytes are only counted.
        const std::size_t length = stop - at_;
        const std::size_t room =
            line.bytes < kMaxLineBytes ? kMaxLineBytes - line.bytes : 0;
        if (!full || lastTakesRest) {
          line.fields.back().append(chunk_ + at_, std::min(length, room));
        }
        line.bytes += length;
        at_ = stop;
        continue;
      }
      const char c = chunk_[at_++];
      if (c == '\n') return Got::kLine;
      if (c == '\r') {
        if (at_ == end_) Refill(*buffer);
        if (at_ < end_ && chunk_[at_] == '\n') ++at_;
        return Got::kLine;
      }
      if (++line.bytes > kMaxLineBytes) continue;  // a comma
      line.fields.emplace_back();
    }
  } catch (...) {
    return Got::kError;
  }
}

bool BatchReader::ReadHeader() {
  std::vector<std::string>& fields = current_.fields;
  if (current_.bytes > kMaxLineBytes) return false;
  if (fields[0].rfind(kByteOrderMark, 0) == 0) fields[0].erase(0, 3);
  for (std::string& field : fields) Trim(field);
  for (const FormatColumns& f : kFormats) {
    if (IsHeader(fields, f)) {
      format_ = f.format;
      return true;
    }
  }
  return false;
}

void BatchReader::ReadRow(BatchRow& row) {
  std::vector<std::string>& fields = current_.fields;
  const FormatColumns& f = ColumnsOf(format_);
  const std::size_t count = f.columns.size();
  if (current_.bytes > kMaxLineBytes) {
    row.problem =
        "line longer than " + std::to_string(kMaxLineBytes) + " bytes";
    return;
  }
  if (fields.size() != count) {
    row.problem =
        "expected " + std::to_string(count) + " fields " + f.header +
        ", found " +
        (fields.size() <= count ? std::to_string(fields.size())
                                : "more than " + std::to_string(count));
    return;
  }
  if (IsHeader(fields, f)) {
    row.problem =
        "the header line again; only line 1 may hold the column names";
    return;
  }
  BirthTexts& texts = row.texts;
  texts.name = std::move(fields[0]);
  texts.date = std::move(fields[1]);
  texts.time = std::move(fields[2]);
  switch (format_) {
    case BatchFormat::kZone:
      if (fields[6] != "0" && fields[6] != "1") {
        row.problem = "dst must be 0 or 1";
        return;
      }
      texts.lon = std::move(fields[3]);
      texts.lat = std::move(fields[4]);
      texts.zone = std::move(fields[5]);
      texts.dst = fields[6] == "1";
      return;
    case BatchFormat::kUtcOffset:
      texts.lon = std::move(fields[3]);
      texts.lat = std::move(fields[4]);
      texts.offsetGiven = true;
      texts.utcOffset = std::move(fields[5]);
      return;
    case BatchFormat::kPlace:
      Unquote(fields[3]);
      Trim(fields[3]);
      row.place = std::move(fields[3]);
      if (row.place.empty()) row.problem = "place is empty";
      return;
  }
}

bool BatchReader::Next(BatchRow& row) {
  if (stop_ != BatchStop::kNone) return false;
  while (true) {
    const bool header = line_ == 0;
    const std::size_t kept =
        header ? kHeaderFields : ColumnsOf(format_).columns.size() + 1;
    // In a file of places the place is the rest of the line, commas and all.
    const bool rest = !header && format_ == BatchFormat::kPlace;
    const Got got = ReadLine(current_, rest ? kept - 1 : kept, rest);
    if (got == Got::kError) {
      stop_ = BatchStop::kReadError;
      return false;
    }
    if (got == Got::kEnd) {
      stop_ = line_ == 0 ? BatchStop::kNoHeader : BatchStop::kEnd;
      return false;
    }
    ++line_;
    if (header) {
      if (!ReadHeader()) {
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
    ReadRow(row);
    return true;
  }
}

std::string NoHeaderProblem(const std::string& fileName) {
  return fileName + " does not start with a header line: " + kBatchHeader +
         ", " + kUtcOffsetBatchHeader + " or " + kPlaceBatchHeader +
         " (the column names, in this order)";
}

}  // namespace tarvelin::cli
