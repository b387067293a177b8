// tarvelin-cli: the Hora Lagna calculation from the command line.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "chart/calculate.h"
#include "cli/batch.h"
#include "cli/birth_entry.h"
#include "cli/birth_place.h"
#include "cli/cli_options.h"
#include "cli/library_commands.h"
#include "present/json_writer.h"
#include "present/result_json.h"
#include "present/text_report.h"

namespace tarvelin::cli {
namespace {

// The birth of the flags, or (--from-library) the saved one; nothing with
// the message printed and `status` set.
std::optional<Birth> SingleBirth(const CliOptions& options,
                                 std::optional<PlaceTaken>& place,
                                 int& status) {
  if (options.given.count("--from-library")) {
    return BirthFromLibrary(options, status);
  }
  BirthTexts texts = options.birth;
  status = kExitBadInput;
  if (options.given.count("--place")) {
    PlaceOutcome outcome = ApplyPlace(options.place, options.given, texts);
    if (!outcome.taken) {
      std::cerr << outcome.problem << "\n";
      return std::nullopt;
    }
    place = std::move(outcome.taken);
  }
  BirthEntry entry = ReadBirth(texts);
  if (!entry.birth) std::cerr << entry.problem << "\n";
  return std::move(entry.birth);
}

int RunSingle(const CliOptions& options) {
  std::optional<PlaceTaken> place;
  int status = kExitOk;
  const std::optional<Birth> entry = SingleBirth(options, place, status);
  if (!entry) return status;
  const Birth& birth = *entry;
  const ChartResult result = Calculate(birth);
  const ResultView view = PresentResult(birth, result);
  if (options.json) {
    JsonWriter json(JsonLayout::kIndented);
    WriteResultJson(json, birth, result, view, [&place](JsonWriter& out) {
      if (place) WritePlaceJson(out, *place);
    });
    std::cout << json.Text() << "\n";
  } else {
    if (place) std::cout << PlaceReport(*place) << "\n";
    std::cout << TextReport(birth, result, view);
  }
  // Saved after the result is out: a library that cannot be used costs the
  // saving, never the chart.
  return options.save ? SaveToLibrary(options, birth) : kExitOk;
}

int RunPlaces(const CliOptions& options) {
  std::string problem;
  const std::string list = options.json
                               ? PlacesJson(options.placesQuery, problem)
                               : PlacesText(options.placesQuery, problem);
  if (list.empty()) {
    std::cerr << problem << "\n";
    return kExitBadInput;
  }
  std::cout << list;
  return kExitOk;
}

int RunBatchFile(const CliOptions& options) {
  std::ifstream file;
  std::istream* csv = &std::cin;
  if (options.batchPath != "-") {
    file.open(options.batchPath, std::ios::binary);
    if (!file) {
      std::cerr << "tarvelin-cli: cannot open " << options.batchPath << "\n";
      return kExitBadInput;
    }
    csv = &file;
  }
  const BatchSummary summary = RunBatch(*csv, std::cout);
  std::cout.flush();
  if (summary.badRows > 0) {
    std::cerr << "tarvelin-cli: " << summary.badRows << " of " << summary.rows
              << " rows could not be read\n";
    return kExitBadRows;
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args) {
  const ParseOutcome outcome = ParseCommandLine(args);
  if (!outcome.options) {
    std::cerr << "tarvelin-cli: " << outcome.error << "\n";
    return kExitBadInput;
  }
  const CliOptions& options = *outcome.options;
  switch (options.mode) {
    case Mode::kHelp:
      std::cout << HelpText();
      return kExitOk;
    case Mode::kZones:
      std::cout << ZoneListText();
      return kExitOk;
    case Mode::kBatch:
      return RunBatchFile(options);
    case Mode::kPlaces:
      return RunPlaces(options);
    case Mode::kLibraryList:
      return RunLibraryList(options);
    case Mode::kLibraryExport:
      return RunLibraryExport(options);
    case Mode::kLibraryImport:
      return RunLibraryImport(options);
    case Mode::kSingle:
      return RunSingle(options);
  }
  return kExitBadInput;
}

}  // namespace
}  // namespace tarvelin::cli

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return tarvelin::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
