#include "cli/batch.h"

#include <memory>

#include "chart/calculation.h"
#include "cli/batch_input.h"
#include "cli/birth_entry.h"
#include "cli/result_json.h"

namespace tarvelin::cli {

BatchSummary RunBatch(std::istream& csv, std::ostream& out) {
  BatchSummary summary;
  // Every row starts from the state of a fresh calculation, so values the
  // desktop program keeps from one calculation to the next cannot leak from
  // row to row. Copying a pristine state over the working object reuses the
  // working object's string buffers, which is cheaper than building and
  // freeing a whole new object per row.
  const auto pristine = std::make_unique<Calculation>();
  const auto calc = std::make_unique<Calculation>();

  JsonWriter json(JsonLayout::kOneLine);
  BatchReader reader(csv);
  BatchRow row;
  // A failed output stops the batch: the rows left are not computed.
  while (out && reader.Next(row)) {
    ++summary.rows;

    json.Clear();
    std::string problem = row.problem;
    BirthEntry entry;
    if (problem.empty()) {
      entry = ReadBirth(row.texts);
      problem = entry.problem;
    }
    if (entry.birth) {
      *calc = *pristine;
      calc->Calculate(*entry.birth);
      WriteResultJson(json, *entry.birth, *calc);
    } else {
      ++summary.badRows;
      WriteRowErrorJson(json, row.line, problem);
    }
    out.write(json.Text().data(),
              static_cast<std::streamsize>(json.Text().size()));
    out.put('\n');
  }
  summary.stop = reader.Stop();
  summary.stopLine = reader.StopLine();
  return summary;
}

}  // namespace tarvelin::cli
