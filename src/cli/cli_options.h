// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tarvelin-cli: one table of flags (cli_options.cpp) read
// into CliOptions, plus the checks on which flags go together. A new flag is
// one row in that table and, if it starts a new kind of run, one Mode.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chart/calculation_options.h"
#include "cli/birth_entry.h"
#include "cli/exit_status.h"
#include "present/chart_model.h"
#include "tables/language.h"

namespace tarvelin::cli {

enum class Mode {
  kSingle,         // one birth from the birth flags
  kBatch,          // --batch FILE.csv
  kZones,          // --zones
  kPlaces,         // --places TEXT
  kHelp,           // --help
  kVersion,        // --version
  kLibraryList,    // --library [TEXT]
  kLibraryExport,  // --export-library FILE
  kLibraryImport,  // --import-library FILE
};

// The most threads --jobs takes.
constexpr int kMaxJobs = 256;

struct CliOptions {
  Mode mode = Mode::kSingle;
  bool json = false;
  BirthTexts birth;
  std::string batchPath;         // "-" reads standard input
  std::string jobsText;          // --jobs as given
  int jobs = 0;                  // batch threads; 0: one per core
  std::string place;             // --place: the atlas fills the place
  std::string placesQuery;       // --places: the atlas's matches are listed
  std::string pdfPath, pngPath;  // --pdf, --png: the result page as files
  // --lang, --chart: the language and chart style of the text report and
  // the page (the JSON stays English).
  std::string languageCode = "en", chartCode = "south";
  Language language = Language::kEnglish;
  ChartStyle chartStyle = ChartStyle::kSouth;
  std::set<std::string> given;  // every flag on the command line
  // The birth library (cli/library_commands.h).
  std::string libraryFile;    // --library-file; empty: the per-user one
  std::string libraryFilter;  // --library TEXT
  std::string libraryName;    // --from-library NAME
  std::string exchangePath;   // --export-library / --import-library FILE
  bool save = false;          // --save
  // How the birth is calculated (--sunrise, --ayanamsa) and how uncertain
  // its time is (--time-uncertainty, minutes either side; 0 for none).
  CalculationOptions calculation;
  std::string sunriseText, ayanamsaText, uncertaintyText;  // as given
  int timeUncertaintyMinutes = 0;
};

// The options, or one line saying what is wrong with the command line.
struct ParseOutcome {
  std::optional<CliOptions> options;
  std::string error;
};

// Reads the arguments after the program name. Flags take their value as the
// next argument or after "=" (--name=RAM).
ParseOutcome ParseCommandLine(const std::vector<std::string>& args);

// The text printed for --help.
std::string HelpText();

// The line printed for --version: "tarvelin-cli" and the version.
std::string VersionText();

}  // namespace tarvelin::cli
