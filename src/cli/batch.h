// --batch: one calculation per CSV row, one JSON line per row.
//
// The first line of the file is a header and is skipped. Every further line
// is name,date,time,lon,lat,zone,dst (dst 0 or 1); blanks around fields and
// a trailing "\r" are ignored, and blank lines give no output. A row that
// cannot be read gives {"line": N, "error": "message"} in its place, N
// counting the header as line 1; the other rows are still computed. Each row
// is computed on its own, as a single run of the tool would compute it.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "cli/birth_entry.h"

namespace tarvelin::cli {

struct BatchSummary {
  long rows = 0;     // rows read (computed or not), blank lines excluded
  long badRows = 0;  // rows answered with an error line
};

BatchSummary RunBatch(std::istream& csv, std::ostream& out);

// One row of a batch file (neither the header nor blank) as a birth, read
// by the batch's rules with its messages; --import-library reads CSV so.
BirthEntry ReadBatchRow(const std::string& line);

}  // namespace tarvelin::cli
