#include "cli/batch.h"

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "chart/calculate.h"
#include "cli/birth_entry.h"
#include "present/result_json.h"

namespace tarvelin::cli {
namespace {

constexpr std::size_t kFieldCount = 7;  // name,date,time,lon,lat,zone,dst

// Rows read and computed at a time: enough to keep every thread busy, few
// enough that memory stays small for a file of any length.
constexpr std::size_t kRowsPerChunk = 4096;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  while (true) {
    const auto end = line.find(',', start);
    fields.push_back(Trim(line.substr(start, end - start)));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

// The birth texts of one row, or the problem with its shape.
bool RowTexts(const std::string& line, BirthTexts& texts,
              std::string& problem) {
  const auto fields = Fields(line);
  if (fields.size() != kFieldCount) {
    problem = "expected 7 fields name,date,time,lon,lat,zone,dst, found " +
              std::to_string(fields.size());
    return false;
  }
  if (fields[6] != "0" && fields[6] != "1") {
    problem = "dst must be 0 or 1";
    return false;
  }
  texts.name = fields[0];
  texts.date = fields[1];
  texts.time = fields[2];
  texts.lon = fields[3];
  texts.lat = fields[4];
  texts.zone = fields[5];
  texts.dst = fields[6] == "1";
  return true;
}

struct Row {
  long lineNumber = 0;
  std::string text;
  std::string json;  // the answer: a result or an error object
  bool bad = false;
};

// One row's answer, computed on its own: the row holds everything it needs.
void Answer(Row& row, JsonWriter& json) {
  json.Clear();
  BirthTexts texts;
  std::string problem;
  BirthEntry entry;
  if (RowTexts(row.text, texts, problem)) {
    entry = ReadBirth(texts);
    problem = entry.problem;
  }
  if (entry.birth) {
    const ChartResult result = Calculate(*entry.birth);
    WriteResultJson(json, *entry.birth, result,
                    PresentResult(*entry.birth, result));
  } else {
    row.bad = true;
    WriteRowErrorJson(json, row.lineNumber, problem);
  }
  row.json = json.Text();
}

// Answers every row of the chunk on `jobs` threads, each taking every
// jobs-th row.
void AnswerAll(std::vector<Row>& rows, int jobs) {
  const auto work = [&rows, jobs](int first) {
    JsonWriter json(JsonLayout::kOneLine);
    for (std::size_t i = first; i < rows.size(); i += jobs)
      Answer(rows[i], json);
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < jobs; ++t) threads.emplace_back(work, t);
  work(0);
  for (std::thread& thread : threads) thread.join();
}

}  // namespace

BatchSummary RunBatch(std::istream& csv, std::ostream& out, int jobs) {
  if (jobs < 1) jobs = static_cast<int>(std::thread::hardware_concurrency());
  jobs = std::max(jobs, 1);
  BatchSummary summary;
  std::vector<Row> rows;
  std::string line;
  long lineNumber = 0;
  bool more = true;
  while (more) {
    rows.clear();
    while (rows.size() < kRowsPerChunk &&
           (more = bool(std::getline(csv, line)))) {
      ++lineNumber;
      if (lineNumber == 1) continue;  // the header
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (Trim(line).empty()) continue;
      rows.push_back({lineNumber, std::move(line), {}, false});
    }
    AnswerAll(rows, std::max(1, std::min(jobs, static_cast<int>(rows.size()))));
    for (const Row& row : rows) {
      ++summary.rows;
      if (row.bad) ++summary.badRows;
      out.write(row.json.data(), static_cast<std::streamsize>(row.json.size()));
      out.put('\n');
    }
  }
  return summary;
}

}  // namespace tarvelin::cli
