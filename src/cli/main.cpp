// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli: the Hora Lagna calculation from the command line.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "cli/batch.h"
#include "cli/birth_entry.h"
#include "cli/birth_place.h"
#include "cli/cli_options.h"
#include "cli/input_file.h"
#include "cli/library_commands.h"
#include "cli/output_stream.h"
#include "cli/page_output.h"
#include "present/explanation.h"
#include "present/hora_lagna_text.h"
#include "present/json_writer.h"
#include "present/result_json.h"
#include "present/terminal_text.h"
#include "present/text_report.h"

namespace tarvelin::cli {
namespace {

// One line on standard error. Messages echo names, places and file names as
// the user typed them: control characters in them are shown escaped.
void Complain(const std::string& message) {
  std::cerr << TerminalSafe(message) << "\n";
}

// The birth of the flags, or (--from-library) the saved one; nothing with
// the message printed and `status` set.
std::optional<Birth> SingleBirth(const CliOptions& options,
                                 std::optional<PlaceTaken>& place,
                                 int& status) {
  if (options.given.count("--from-library")) {
    return BirthFromLibrary(options, status);
  }
  status = kExitBadInput;
  if (options.given.count("--place")) {
    PlaceOutcome outcome =
        ApplyPlace(options.place, options.given, options.birth);
    if (!outcome.taken) {
      Complain(outcome.problem);
      return std::nullopt;
    }
    place = std::move(outcome.taken);
  }
  BirthEntry entry = ReadBirth(options.birth, place ? &place->values : nullptr);
  if (!entry.birth) {
    Complain(entry.problem);
    return std::nullopt;
  }
  return std::move(entry.birth);
}

int RunSingle(const CliOptions& options, std::ostream& out) {
  std::optional<PlaceTaken> place;
  int status = kExitOk;
  const std::optional<Birth> entry = SingleBirth(options, place, status);
  if (!entry) return status;
  const Birth& birth = *entry;
  // Warnings go to standard error, one line each; the result still comes.
  std::vector<std::string> warnings;
  if (place) warnings = PlaceWarnings(*place);
  if (const auto far = FarZoneWarning(birth)) warnings.push_back(*far);
  for (const std::string& line : warnings) Complain("tarvelin-cli: " + line);
  const ChartResult result = Calculate(birth, options.calculation);
  // The JSON keeps to English; the report and the page speak --lang.
  const ResultView view = PresentResult(birth, result);
  const ResultView shownView =
      options.language == Language::kEnglish
          ? view
          : PresentResult(birth, result, options.language);
  // The centre rule's sign is said in the texts and on the page only.
  const bool page = !options.pdfPath.empty() || !options.pngPath.empty();
  const HoraLagnaReading reading = ReadHoraLagna(
      birth, result, {options.timeUncertaintyMinutes, !options.json || page});
  const HoraLagnaTexts horaLagna =
      PresentHoraLagna(result, reading, options.language);
  // Coordinates without --place are named by the atlas place nearest them.
  const std::optional<NearPlace> near =
      place ? std::nullopt : NearestPlaceOf(birth);
  if (options.json) {
    // A clock time skipped or repeated is a notice for scripts too.
    ResultView shown = view;
    if (place && place->offsetFromAtlas) {
      if (const auto clock = ClockChangeNotice(place->place)) {
        shown.notice = view.notice ? *view.notice + " " + *clock : *clock;
      }
    }
    JsonWriter json(JsonLayout::kIndented);
    WriteResultJson(json, birth, result, shown, reading, [&](JsonWriter& out) {
      if (place) {
        WritePlaceJson(out, *place, birth);
      } else {
        WriteNearestPlaceJson(out, near);
      }
    });
    out << json.Text() << "\n";
  } else {
    if (place) out << PlaceReport(*place, birth) << "\n";
    out << NearestPlaceReport(near, options.language);
    out << TextReport(birth, result, shownView, horaLagna, options.chartStyle);
  }
  std::string problem;
  if (!WritePageFiles({shownView, HoraLagnaSummary(result, options.language),
                       HowItWasFound(birth, result, options.language),
                       options.chartStyle, horaLagna},
                      options.pdfPath, options.pngPath, problem)) {
    Complain("tarvelin-cli: " + problem);
    return kExitWriteError;
  }
  // Saved after the result is out: a library that cannot be used costs the
  // saving, never the chart.
  return options.save ? SaveToLibrary(options, birth) : kExitOk;
}

int RunPlaces(const CliOptions& options, std::ostream& out) {
  std::string problem;
  const std::string list = options.json
                               ? PlacesJson(options.placesQuery, problem)
                               : PlacesText(options.placesQuery, problem);
  if (list.empty()) {
    Complain(problem);
    return kExitBadInput;
  }
  out << list;
  return kExitOk;
}

int RunBatchFile(const CliOptions& options, OutputStream& out) {
  InputFile input(options.batchPath);
  if (input.error() != 0) {
    Complain("tarvelin-cli: " + input.Problem());
    return kExitBadInput;
  }
  const BatchSummary summary =
      RunBatch(input.stream(), out.stream(), options.jobs,
               {options.calculation, options.timeUncertaintyMinutes});
  // A failed output is reported by FinishOutput, and nothing else is.
  if (out.Flush() != 0) return kExitWriteError;
  switch (summary.stop) {
    case BatchStop::kNoHeader:
      Complain("tarvelin-cli: " + NoHeaderProblem(input.name()));
      return kExitBadInput;
    case BatchStop::kReadError:
      Complain("tarvelin-cli: " + input.Problem() + " (at line " +
               std::to_string(summary.stopLine) + ")");
      return kExitBadInput;
    case BatchStop::kNone:
    case BatchStop::kEnd:
      break;
  }
  if (summary.badRows > 0) {
    Complain("tarvelin-cli: " + std::to_string(summary.badRows) + " of " +
             std::to_string(summary.rows) + " rows could not be read");
    return kExitBadRows;
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args, OutputStream& out) {
  const ParseOutcome outcome = ParseCommandLine(args);
  if (!outcome.options) {
    Complain("tarvelin-cli: " + outcome.error);
    return kExitBadInput;
  }
  const CliOptions& options = *outcome.options;
  switch (options.mode) {
    case Mode::kHelp:
      out.stream() << HelpText();
      return kExitOk;
    case Mode::kVersion:
      out.stream() << VersionText();
      return kExitOk;
    case Mode::kZones:
      out.stream() << ZoneListText();
      return kExitOk;
    case Mode::kBatch:
      return RunBatchFile(options, out);
    case Mode::kPlaces:
      return RunPlaces(options, out.stream());
    case Mode::kLibraryList:
      return RunLibraryList(options, out.stream());
    case Mode::kLibraryExport:
      return RunLibraryExport(options, out.stream());
    case Mode::kLibraryImport:
      return RunLibraryImport(options, out.stream());
    case Mode::kSingle:
      return RunSingle(options, out.stream());
  }
  return kExitBadInput;
}

}  // namespace
}  // namespace tarvelin::cli

int main(int argc, char** argv) {
  using namespace tarvelin::cli;
  std::ios::sync_with_stdio(false);
  HoldClosedStandardDescriptors();
  // Standard output goes through write(2) so that no failed write passes
  // unnoticed; std::cout is not used.
  OutputStream out(1);
  const int status = Run(std::vector<std::string>(argv + 1, argv + argc), out);
  return FinishOutput(out, status);
}
