#include "cli/batch.h"

#include "chart/calculate.h"
#include "cli/batch_input.h"
#include "cli/birth_entry.h"
#include "present/result_json.h"

namespace tarvelin::cli {

BatchSummary RunBatch(std::istream& csv, std::ostream& out) {
  BatchSummary summary;
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
      const ChartResult result = Calculate(*entry.birth);
      WriteResultJson(json, *entry.birth, result,
                      PresentResult(*entry.birth, result));
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
