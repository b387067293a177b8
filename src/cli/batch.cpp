#include "cli/batch.h"

#include <string>
#include <vector>

#include "chart/calculate.h"
#include "cli/birth_entry.h"
#include "present/result_json.h"

namespace tarvelin::cli {
namespace {

constexpr std::size_t kFieldCount = 7;  // name,date,time,lon,lat,zone,dst

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

}  // namespace

BirthEntry ReadBatchRow(const std::string& line) {
  BirthTexts texts;
  BirthEntry entry;
  if (!RowTexts(line, texts, entry.problem)) return entry;
  return ReadBirth(texts);
}

BatchSummary RunBatch(std::istream& csv, std::ostream& out) {
  BatchSummary summary;
  JsonWriter json(JsonLayout::kOneLine);
  std::string line;
  long lineNumber = 0;
  while (std::getline(csv, line)) {
    ++lineNumber;
    if (lineNumber == 1) continue;  // the header
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Trim(line).empty()) continue;
    ++summary.rows;

    json.Clear();
    BirthTexts texts;
    std::string problem;
    BirthEntry entry;
    if (RowTexts(line, texts, problem)) {
      entry = ReadBirth(texts);
      problem = entry.problem;
    }
    if (entry.birth) {
      const ChartResult result = Calculate(*entry.birth);
      WriteResultJson(json, *entry.birth, result,
                      PresentResult(*entry.birth, result));
    } else {
      ++summary.badRows;
      WriteRowErrorJson(json, lineNumber, problem);
    }
    out.write(json.Text().data(),
              static_cast<std::streamsize>(json.Text().size()));
    out.put('\n');
  }
  return summary;
}

}  // namespace tarvelin::cli
