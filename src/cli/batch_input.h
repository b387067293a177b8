// The rows of a batch file, read with bounded work per line.
//
// Line 1 must be the header name,date,time,lon,lat,zone,dst (any case, blanks
// around the names, a UTF-8 byte order mark before it); a file without it is
// refused, so no birth is ever taken for a header. CR, LF and CRLF all end a
// line. Blank lines are skipped. A line is split at commas into at most
// eight fields (eight already says "too many"), and a line longer than
// kMaxLineBytes is answered with its own error without being kept.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "cli/birth_entry.h"

namespace tarvelin::cli {

constexpr char kBatchHeader[] = "name,date,time,lon,lat,zone,dst";
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// One line that is not blank: the birth texts, or why the line is no birth
// (too long, the wrong number of fields, dst neither 0 nor 1).
struct BatchRow {
  long line = 0;  // counting the header as line 1
  BirthTexts texts;
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
  // The line being read when reading stopped (1 for a missing header).
  long StopLine() const {
    return stop_ == BatchStop::kNoHeader ? 1 : line_ + 1;
  }

 private:
  struct Line {
    std::vector<std::string> fields;  // at most kKeptFields
    std::size_t bytes = 0;            // without the line end
  };
  enum class Got { kLine, kEnd, kError };

  Got ReadLine(Line& line);
  bool CheckHeader();

  std::istream& in_;
  long line_ = 0;  // lines read completely
  BatchStop stop_ = BatchStop::kNone;
  Line current_;
};

// The message for BatchStop::kNoHeader, naming the file and showing the
// header it must start with.
std::string NoHeaderProblem(const std::string& fileName);

}  // namespace tarvelin::cli
