// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/library_commands.h"

#include <QFile>
#include <iostream>
#include <memory>

#include "cli/batch_input.h"
#include "cli/birth_place.h"
#include "cli/file_output.h"
#include "cli/input_file.h"
#include "cli/output_stream.h"
#include "library/birth_library.h"
#include "library/library_exchange.h"
#include "present/terminal_text.h"

namespace tarvelin::cli {
namespace {

using library::BirthLibrary;
using library::Fault;

// For the commands that only read: a missing file is not made.
constexpr BirthLibrary::Options kNoCreate{5000, false};

// The library's path as the bytes the user gave (or the per-user one's).
std::string LibraryPath(const CliOptions& options) {
  return options.libraryFile.empty()
             ? QFile::encodeName(BirthLibrary::DefaultPath()).toStdString()
             : options.libraryFile;
}

auto OpenLibrary(const CliOptions& options,
                 BirthLibrary::Options open = BirthLibrary::Options{}) {
  return BirthLibrary::OpenFile(LibraryPath(options), open);
}

// One line on standard error; names and paths are shown escaped.
void Complain(const std::string& message) {
  std::cerr << TerminalSafe(message) << "\n";
}

// A file that cannot be read, or holds no births, is input that is wrong;
// anything else the library answers is the library failing.
int Refuse(const library::Status& status) {
  // A message may list births, one a line.
  std::string::size_type start = 0, end = 0;
  std::string prefix = "tarvelin-cli: ";
  while ((end = status.message.find('\n', start)) != std::string::npos) {
    Complain(prefix + status.message.substr(start, end - start));
    prefix.clear();
    start = end + 1;
  }
  Complain(prefix + status.message.substr(start));
  return status.fault == Fault::kNotFound ||
                 status.fault == Fault::kAmbiguous ||
                 status.fault == Fault::kFile
             ? kExitBadInput
             : kExitLibrary;
}

// The rows of a CSV file, read as --batch reads them; nothing, with the
// message printed, when the file cannot be read or has no header.
std::optional<std::vector<BirthLibrary::ImportRow>> CsvRows(
    const std::string& path) {
  InputFile input(path);
  if (input.error() != 0) {
    Complain("tarvelin-cli: " + input.Problem());
    return std::nullopt;
  }
  BatchReader reader(input.stream());
  std::vector<BirthLibrary::ImportRow> rows;
  BatchRow row;
  while (reader.Next(row)) {
    BirthLibrary::ImportRow& imported = rows.emplace_back();
    imported.line = static_cast<int>(row.line);
    imported.name = row.texts.name;
    imported.refusal = row.problem;
    if (!row.problem.empty()) continue;
    BirthEntry entry = ReadRowBirth(row).entry;
    if (entry.birth) {
      imported.birth = library::SavedBirth{};
      imported.birth->birth = std::move(*entry.birth);
    } else {
      imported.refusal = entry.problem;
    }
  }
  switch (reader.Stop()) {
    case BatchStop::kNoHeader:
      Complain("tarvelin-cli: " + NoHeaderProblem(input.name()));
      return std::nullopt;
    case BatchStop::kReadError:
      Complain("tarvelin-cli: " + input.Problem() + " (at line " +
               std::to_string(reader.StopLine()) + ")");
      return std::nullopt;
    case BatchStop::kNone:
    case BatchStop::kEnd:
      break;
  }
  return rows;
}

}  // namespace

int RunLibraryList(const CliOptions& options, std::ostream& out) {
  const auto opened = OpenLibrary(options, kNoCreate);
  if (!opened && opened.status().fault == Fault::kNotFound) {
    Complain(opened.status().message);
    return kExitOk;
  }
  if (!opened) return Refuse(opened.status());
  const auto births =
      (*opened)->List(library::Order::kByName, options.libraryFilter);
  if (!births) return Refuse(births.status());
  if (options.json) {
    out << library::BirthsJson(*births).toStdString();
    return kExitOk;
  }
  if (births->empty()) {
    Complain(options.libraryFilter.empty()
                 ? std::string("No births are saved.")
                 : "No saved birth has \"" + options.libraryFilter +
                       "\" in its name, place or date.");
  }
  for (const library::SavedBirth& saved : *births) {
    out << TerminalSafe(library::Describe(saved)) << "\n";
  }
  return kExitOk;
}

int RunLibraryExport(const CliOptions& options, std::ostream& out) {
  const auto opened = OpenLibrary(options, kNoCreate);
  if (!opened) return Refuse(opened.status());
  const auto births =
      (*opened)->List(library::Order::kByName, options.libraryFilter);
  if (!births) return Refuse(births.status());
  const auto file = library::ExportBytes(*births, options.exchangePath);
  if (!file) return Refuse(file.status());
  std::string problem;
  if (!WriteFileReplacing(options.exchangePath, file->bytes, problem)) {
    Complain("tarvelin-cli: " + problem);
    return kExitWriteError;
  }
  for (const auto& skipped : file->report.skipped) {
    Complain("tarvelin-cli: left out " + library::Describe(skipped.birth) +
             ": " + skipped.reason);
  }
  out << "Wrote " << file->report.written << " of " << births->size()
      << " births to " << TerminalSafe(options.exchangePath) << "\n";
  return file->report.skipped.empty() ? kExitOk : kExitBadRows;
}

int RunLibraryImport(const CliOptions& options, std::ostream& out) {
  const auto opened = OpenLibrary(options);
  if (!opened) return Refuse(opened.status());
  const std::string& path = options.exchangePath;
  std::optional<std::vector<BirthLibrary::ImportRow>> rows;
  if (library::FormatOf(path) == library::ExchangeFormat::kCsv) {
    rows = CsvRows(path);
    if (!rows) return kExitBadInput;
  } else {
    std::string bytes, problem;
    if (!ReadWholeFile(path, bytes, problem)) {
      Complain("tarvelin-cli: " + problem);
      return kExitBadInput;
    }
    auto json = library::JsonRows(bytes, path);
    if (!json) return Refuse(json.status());
    rows = std::move(*json);
  }
  const auto results = (*opened)->Import(*rows);
  if (!results) return Refuse(results.status());
  // What was done goes to the output; each row refused, to standard error.
  int added = 0, duplicates = 0, refused = 0;
  for (const BirthLibrary::ImportResult& row : *results) {
    const std::string head = "row " + std::to_string(row.line) +
                             (row.name.empty() ? "" : " " + row.name) + ": ";
    switch (row.outcome) {
      case BirthLibrary::ImportOutcome::kAdded:
        ++added;
        out << TerminalSafe(head) << "added as #" << row.id << "\n";
        break;
      case BirthLibrary::ImportOutcome::kDuplicate:
        ++duplicates;
        out << TerminalSafe(head) << "skipped as a duplicate (" << row.reason
            << ")\n";
        break;
      case BirthLibrary::ImportOutcome::kRefused:
        ++refused;
        Complain("tarvelin-cli: " + head + "refused: " + row.reason);
        break;
    }
  }
  out << added << " added, " << duplicates << " skipped as duplicates, "
      << refused << " refused\n";
  return refused == 0 ? kExitOk : kExitBadRows;
}

std::optional<Birth> BirthFromLibrary(const CliOptions& options,
                                      int& exitStatus) {
  const auto opened = OpenLibrary(options, kNoCreate);
  if (!opened) {
    exitStatus = Refuse(opened.status());
    return std::nullopt;
  }
  const auto saved = (*opened)->Resolve(options.libraryName);
  if (!saved) {
    exitStatus = Refuse(saved.status());
    return std::nullopt;
  }
  // The order of use is a convenience: a read-only or busy library still
  // gives its birth.
  (*opened)->MarkUsed(saved->id);
  exitStatus = kExitOk;
  return saved->birth;
}

int SaveToLibrary(const CliOptions& options, const Birth& birth) {
  const auto opened = OpenLibrary(options);
  if (!opened) return Refuse(opened.status());
  const auto saved =
      (*opened)->Save(birth, std::nullopt, library::OnDuplicate::kRefuse);
  if (saved) {
    Complain("Saved as " + library::Describe(*saved));
    return kExitOk;
  }
  if (saved.status().fault == Fault::kDuplicate) {
    Complain(saved.status().message);
    return kExitOk;
  }
  return Refuse(saved.status());
}

}  // namespace tarvelin::cli
