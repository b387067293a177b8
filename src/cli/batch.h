// SPDX-License-Identifier: GPL-3.0-or-later
// --batch: one calculation per CSV row, one JSON line per row.
//
// The first line of the file is the header name,date,time,lon,lat,zone,dst
// and every further line such a row (dst 0 or 1); batch_input.h reads them.
// Blanks around fields are ignored, and blank lines give no output. A row
// that cannot be read gives {"line": N, "error": "message"} in its place, N
// counting the header as line 1; the other rows are still computed. Each row
// is computed on its own, as a single run of the tool would compute it, on
// `jobs` threads (0: one per core); the output is the same, in the same
// order, for any number of jobs. Reading stops at a missing header or a read
// error, and when `out` fails.
#pragma once

#include <istream>
#include <ostream>

#include "chart/calculation_options.h"
#include "cli/batch_input.h"

namespace tarvelin::cli {

// How every row of a batch is calculated: the options and the uncertainty
// of the birth times (minutes either side; 0 for none).
struct BatchCalculation {
  CalculationOptions options;
  int timeUncertaintyMinutes = 0;
};

struct BatchSummary {
  long rows = 0;     // rows read (computed or not), blank lines excluded
  long badRows = 0;  // rows answered with an error line
  BatchStop stop = BatchStop::kNone;  // kNone: `out` failed first
  long stopLine = 0;                  // the line where reading stopped
};

BatchSummary RunBatch(std::istream& csv, std::ostream& out, int jobs = 1,
                      const BatchCalculation& calculation = {});

}  // namespace tarvelin::cli
