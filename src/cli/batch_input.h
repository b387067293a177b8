// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a batch file, read with bounded work per line.
//
// Line 1 must be one of the headers below (any case, blanks around the
// names, a UTF-8 byte order mark before it); a file without one is refused,
// so no birth is ever taken for a header. The header says what each row
// holds:
//   name,date,time,lon,lat,zone,dst    a zone-list entry, daylight saving
//   name,date,time,lon,lat,utc_offset  the exact offset, ±HH:MM[:SS]
//   name,date,time,place               a place the atlas knows by its whole
//                                      name; it may hold commas
//                                      ("Springfield, IL") and may stand in
//                                      double quotes
// CR, LF and CRLF all end a line. Blank lines are skipped. A line is split
// at commas into at most one field more than its header has (that one
// already says "too many"), and a line longer than kMaxLineBytes is
// answered with its own error without being kept.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "cli/birth_entry.h"

namespace tarvelin::cli {

// The three kinds of batch file, by their headers.
enum class BatchFormat { kZone, kUtcOffset, kPlace };
constexpr char kBatchHeader[] = "name,date,time,lon,lat,zone,dst";
constexpr char kUtcOffsetBatchHeader[] = "name,date,time,lon,lat,utc_offset";
constexpr char kPlaceBatchHeader[] = "name,date,time,place";
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// One line that is not blank: the birth texts (and the place, for a file of
// places), or why the line is no birth (too long, the wrong number of
// fields, dst neither 0 nor 1, no place).
struct BatchRow {
  long line = 0;  // counting the header as line 1
  BirthTexts texts;
  std::string place;  // the place column, as written (quotes removed)
  std::string problem;
};

enum class BatchStop {
  kNone,       // still reading
  kEnd,        // the end of the file
  kNoHeader,   // line 1 is not the header (or the file is empty)
  kReadError,  // the stream failed (its buffer threw, or it was bad)
};

class BatchReader {
 public:
  explicit BatchReader(std::istream& in) : in_(in) {}

  // The next row; false when reading stopped (see Stop()).
  bool Next(BatchRow& row);

  BatchStop Stop() const { return stop_; }
  // What the header said the rows hold (kZone until it has been read).
  BatchFormat Format() const { return format_; }
  // The line being read when reading stopped (1 for a missing header).
  long StopLine() const {
    return stop_ == BatchStop::kNoHeader ? 1 : line_ + 1;
  }

 private:
  struct Line {
    std::vector<std::string> fields;  // at most `keptFields`
    std::size_t bytes = 0;            // without the line end
  };
  enum class Got { kLine, kEnd, kError };

  // Splits at commas into at most `keptFields` fields; with `lastTakesRest`
  // the last of them keeps its commas.
  Got ReadLine(Line& line, std::size_t keptFields, bool lastTakesRest);
  // Takes what the stream holds at once (at least a byte, waiting for it)
  // into chunk_; false at the end. Throws what the stream buffer throws.
  bool Refill(std::streambuf& buffer);
  bool ReadHeader();
  void ReadRow(BatchRow& row);

  std::istream& in_;
  long line_ = 0;  // lines read completely
  BatchStop stop_ = BatchStop::kNone;
  BatchFormat format_ = BatchFormat::kZone;
  Line current_;
  // Bytes taken from the stream and not read yet: chunk_[at_, end_).
  char chunk_[4096];
  std::size_t at_ = 0, end_ = 0;
};

// The message for BatchStop::kNoHeader, naming the file and showing the
// headers it may start with.
std::string NoHeaderProblem(const std::string& fileName);

}  // namespace tarvelin::cli
