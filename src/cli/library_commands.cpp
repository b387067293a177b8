#include "cli/library_commands.h"

#include <iostream>
#include <memory>

#include "cli/batch.h"
#include "library/birth_library.h"
#include "library/library_exchange.h"

namespace tarvelin::cli {
namespace {

using library::BirthLibrary;
using library::Fault;

QString LibraryPath(const CliOptions& options) {
  return options.libraryFile.empty()
             ? BirthLibrary::DefaultPath()
             : QString::fromStdString(options.libraryFile);
}

// For the commands that only read: a missing file is not made.
constexpr BirthLibrary::Options kNoCreate{5000, false};

// A CSV row read exactly as --batch reads it.
BirthLibrary::ImportRow ReadCsvRow(const std::string& line) {
  BirthLibrary::ImportRow row;
  row.name = line.substr(0, line.find(','));
  row.name.erase(0, row.name.find_first_not_of(" \t"));
  row.name.erase(row.name.find_last_not_of(" \t") + 1);
  BirthEntry entry = ReadBatchRow(line);
  if (entry.birth) {
    row.name = entry.birth->name;
    row.birth = library::SavedBirth{};
    row.birth->birth = std::move(*entry.birth);
  } else {
    row.refusal = entry.problem;
  }
  return row;
}

int Refuse(const library::Status& status) {
  std::cerr << "tarvelin-cli: " << status.message << "\n";
  return status.fault == Fault::kNotFound || status.fault == Fault::kAmbiguous
             ? kExitBadInput
             : kExitLibrary;
}

}  // namespace

int RunLibraryList(const CliOptions& options) {
  const auto opened = BirthLibrary::Open(LibraryPath(options), kNoCreate);
  if (!opened && opened.status().fault == Fault::kNotFound) {
    std::cerr << opened.status().message << "\n";
    return kExitOk;
  }
  if (!opened) return Refuse(opened.status());
  const auto births =
      (*opened)->List(library::Order::kByName, options.libraryFilter);
  if (!births) return Refuse(births.status());
  if (options.json) {
    std::cout << library::BirthsJson(*births).toStdString();
    return kExitOk;
  }
  if (births->empty()) {
    std::cerr << (options.libraryFilter.empty()
                      ? std::string("No births are saved.")
                      : "No saved birth has \"" + options.libraryFilter +
                            "\" in its name, place or date.")
              << "\n";
  }
  for (const library::SavedBirth& saved : *births) {
    std::cout << library::Describe(saved) << "\n";
  }
  return kExitOk;
}

int RunLibraryExport(const CliOptions& options) {
  const auto opened = BirthLibrary::Open(LibraryPath(options), kNoCreate);
  if (!opened) return Refuse(opened.status());
  const auto births =
      (*opened)->List(library::Order::kByName, options.libraryFilter);
  if (!births) return Refuse(births.status());
  const QString path = QString::fromStdString(options.exchangePath);
  const auto report = library::ExportBirths(*births, path);
  if (!report) return Refuse(report.status());
  for (const auto& skipped : report->skipped) {
    std::cout << "left out " << library::Describe(skipped.birth) << ": "
              << skipped.reason << "\n";
  }
  std::cout << "Wrote " << report->written << " of " << births->size()
            << " births to " << options.exchangePath << "\n";
  return report->skipped.empty() ? kExitOk : kExitBadRows;
}

int RunLibraryImport(const CliOptions& options) {
  const auto opened = BirthLibrary::Open(LibraryPath(options));
  if (!opened) return Refuse(opened.status());
  const auto results = library::ImportBirths(
      **opened, QString::fromStdString(options.exchangePath), &ReadCsvRow);
  if (!results) return Refuse(results.status());
  int added = 0, duplicates = 0, refused = 0;
  for (const BirthLibrary::ImportResult& row : *results) {
    std::cout << "row " << row.line << " " << row.name << ": ";
    switch (row.outcome) {
      case BirthLibrary::ImportOutcome::kAdded:
        ++added;
        std::cout << "added as #" << row.id << "\n";
        break;
      case BirthLibrary::ImportOutcome::kDuplicate:
        ++duplicates;
        std::cout << "skipped as a duplicate (" << row.reason << ")\n";
        break;
      case BirthLibrary::ImportOutcome::kRefused:
        ++refused;
        std::cout << "refused: " << row.reason << "\n";
        break;
    }
  }
  std::cout << added << " added, " << duplicates << " skipped as duplicates, "
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
    std::cerr << "Saved as " << library::Describe(*saved) << "\n";
    return kExitOk;
  }
  if (saved.status().fault == Fault::kDuplicate) {
    std::cerr << saved.status().message << "\n";
    return kExitOk;
  }
  return Refuse(saved.status());
}

}  // namespace tarvelin::cli
