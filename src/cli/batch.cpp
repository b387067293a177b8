// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "cli/batch_input.h"
#include "cli/birth_entry.h"
#include "cli/birth_place.h"
#include "present/result_json.h"

namespace tarvelin::cli {
namespace {

// Rows read and computed at a time: enough to keep every thread busy, few
// enough that memory stays small for a file of any length, and a failed
// output stops the batch within one chunk.
constexpr std::size_t kRowsPerChunk = 4096;

struct Answered {
  BatchRow row;
  std::string json;  // a result or an error object
  bool bad = false;
};

// One row's answer, computed on its own: the row holds everything it needs.
void Answer(Answered& a, JsonWriter& json,
            const BatchCalculation& calculation) {
  json.Clear();
  const RowBirth read = ReadRowBirth(a.row);
  if (const std::optional<Birth>& birth = read.entry.birth) {
    const ChartResult result = Calculate(*birth, calculation.options);
    ResultView view =
        PresentResult(*birth, result, Language::kEnglish, ViewUse::kJson);
    const std::optional<PlaceTaken>& place = read.place;
    // A clock time skipped or repeated is a notice, as for --place --json.
    if (place) {
      if (const auto clock = ClockChangeNotice(place->place)) {
        view.notice = view.notice ? *view.notice + " " + *clock : *clock;
      }
    }
    const HoraLagnaReading reading = ReadHoraLagna(
        *birth, result, {calculation.timeUncertaintyMinutes, false});
    WriteResultJson(json, *birth, result, view, reading, [&](JsonWriter& out) {
      if (place) {
        WritePlaceJson(out, *place, *birth);
      } else {
        WriteNearestPlaceJson(out, NearestPlaceOf(*birth));
      }
    });
  } else {
    a.bad = true;
    WriteRowErrorJson(json, a.row.line, read.entry.problem);
  }
  a.json = json.Text();
}

// Answers every row of a chunk on `jobs` threads, each taking every jobs-th
// row.
void AnswerAll(std::vector<Answered>& rows, std::size_t count, int jobs,
               const BatchCalculation& calculation) {
  jobs = std::max(1, std::min(jobs, static_cast<int>(count)));
  const auto work = [&rows, count, jobs, &calculation](int first) {
    JsonWriter json(JsonLayout::kOneLine);
    for (std::size_t i = first; i < count; i += jobs) {
      Answer(rows[i], json, calculation);
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < jobs; ++t) threads.emplace_back(work, t);
  work(0);
  for (std::thread& thread : threads) thread.join();
}

}  // namespace

BatchSummary RunBatch(std::istream& csv, std::ostream& out, int jobs,
                      const BatchCalculation& calculation) {
  if (jobs < 1) jobs = static_cast<int>(std::thread::hardware_concurrency());
  BatchSummary summary;
  BatchReader reader(csv);
  std::vector<Answered> rows(kRowsPerChunk);
  bool more = true;
  // A failed output stops the batch: the chunks left are not computed.
  while (more && out) {
    std::size_t count = 0;
    while (count < kRowsPerChunk && (more = reader.Next(rows[count].row))) {
      rows[count].bad = false;
      ++count;
    }
    AnswerAll(rows, count, jobs, calculation);
    for (std::size_t i = 0; i < count && out; ++i) {
      ++summary.rows;
      if (rows[i].bad) ++summary.badRows;
      out.write(rows[i].json.data(),
                static_cast<std::streamsize>(rows[i].json.size()));
      out.put('\n');
    }
  }
  if (out) {
    summary.stop = reader.Stop();
    summary.stopLine = reader.StopLine();
  }
  return summary;
}

}  // namespace tarvelin::cli
