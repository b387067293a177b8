#include "cli/library_commands.h"

#include <iostream>
#include <memory>

#include "cli/batch_input.h"
#include "cli/birth_place.h"
#include "cli/input_file.h"
#include "library/birth_library.h"
#include "library/library_exchange.h"
#include "present/terminal_text.h"

namespace tarvelin::cli {
namespace {

using library::BirthLibrary;
using library::Fault;

// For the commands that only read: a missing file is not made.
constexpr BirthLibrary::Options kNoCreate{5000, false};

QString LibraryPath(const CliOptions& options) {
  return options.libraryFile.empty()
             ? BirthLibrary::DefaultPath()
             : QString::fromStdString(options.libraryFile);
}

// One line on standard error; names and paths are shown escaped.
void Complain(const std::string& message) {
  std::cerr << TerminalSafe(message) << "\n";
}

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
  return status.fault == Fault::kNotFound || status.fault == Fault::kAmbiguous
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
  const auto opened = BirthLibrary::Open(LibraryPath(options), kNoCreate);
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
  const auto opened = BirthLibrary::Open(LibraryPath(options), kNoCreate);
  if (!opened) return Refuse(opened.status());
  const auto births =
      (*opened)->List(library::Order::kByName, options.libraryFilter);
  if (!births) return Refuse(births.status());
  const QString path = QString::fromStdString(options.exchangePath);
  const auto report = library::ExportBirths(*births, path);
  if (!report) return Refuse(report.status());
  for (const auto& skipped : report->skipped) {
    out << "left out " << TerminalSafe(library::Describe(skipped.birth)) << ": "
        << skipped.reason << "\n";
  }
  out << "Wrote " << report->written << " of " << births->size()
      << " births to " << TerminalSafe(options.exchangePath) << "\n";
  return report->skipped.empty() ? kExitOk : kExitBadRows;
}

int RunLibraryImport(const CliOptions& options, std::ostream& out) {
  const auto opened = BirthLibrary::Open(LibraryPath(options));
  if (!opened) return Refuse(opened.status());
  const QString path = QString::fromStdString(options.exchangePath);
  std::optional<std::vector<BirthLibrary::ImportRow>> rows;
  if (path.endsWith(".csv", Qt::CaseInsensitive)) {
    rows = CsvRows(options.exchangePath);
    if (!rows) return kExitBadInput;
  } else {
    auto json = library::ReadJsonRows(path);
    if (!json) return Refuse(json.status());
    rows = std::move(*json);
  }
  const auto results = (*opened)->Import(*rows);
  if (!results) return Refuse(results.status());
  int added = 0, duplicates = 0, refused = 0;
  for (const BirthLibrary::ImportResult& row : *results) {
    out << "row " << row.line
        << (row.name.empty() ? "" : " " + TerminalSafe(row.name)) << ": ";
    switch (row.outcome) {
      case BirthLibrary::ImportOutcome::kAdded:
        ++added;
        out << "added as #" << row.id << "\n";
        break;
      case BirthLibrary::ImportOutcome::kDuplicate:
        ++duplicates;
        out << "skipped as a duplicate (" << row.reason << ")\n";
        break;
      case BirthLibrary::ImportOutcome::kRefused:
        ++refused;
        out << "refused: " << TerminalSafe(row.reason) << "\n";
        break;
    }
  }
  out << added << " added, " << duplicates << " skipped as duplicates, "
      << refused << " refused\n";
  return refused == 0 ? kExitOk : kExitBadRows;
}

std::optional<Birth> BirthFromLibrary(const CliOptions& options,
                                      int& exitStatus) {
  const auto opened = BirthLibrary::Open(LibraryPath(options), kNoCreate);
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
  const auto opened = BirthLibrary::Open(LibraryPath(options));
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
