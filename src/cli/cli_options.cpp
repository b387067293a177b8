// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_options.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "chart/birth_limits.h"
#include "chart/hora_lagna_day.h"
#include "rules/text_readers.h"
#include "tarvelin_version.h"

namespace tarvelin::cli {
namespace {

// Which kind of run a flag belongs to; used to refuse mixtures.
enum class Group {
  kBirth,
  kOutput,
  kPage,
  kLook,  // the language and chart style of the report and page
  kBatch,
  kPlaces,
  kAlone,
  kLibrary,      // a run on the birth library
  kFromLibrary,  // the birth comes from the library
  kLibraryFile,  // which library file, with any library flag
  kCalculation,  // how a birth is calculated: with a birth or a batch
};

struct FlagRule {
  const char* flag;
  const char* valueName;  // nullptr: no value; "[...]": a value may follow
  Group group;
  const char* help;
  void (*apply)(CliOptions& options, const std::string& value);
};

const std::string kDateHelpText = "date of birth, " +
                                  std::to_string(kFirstBirthYear) + ".." +
                                  std::to_string(kLastBirthYear);
const char* const kDateHelp = kDateHelpText.c_str();

// Flags whose value names a file: an empty value names none.
const char* const kFileFlags[] = {
    "--pdf",          "--png",  "--export-library", "--import-library",
    "--library-file", "--batch"};

// Every flag tarvelin-cli knows, in the order --help lists them.
const FlagRule kFlags[] = {
    {"--name", "TEXT", Group::kBirth, "name: letters and blanks (upper-cased)",
     [](CliOptions& o, const std::string& v) { o.birth.name = v; }},
    {"--date", "YYYY-MM-DD", Group::kBirth, kDateHelp,
     [](CliOptions& o, const std::string& v) { o.birth.date = v; }},
    {"--time", "HH:MM[:SS]", Group::kBirth, "local clock time of birth",
     [](CliOptions& o, const std::string& v) { o.birth.time = v; }},
    {"--lon", "DDD:MM{E|W}", Group::kBirth, "longitude, e.g. 77:12E",
     [](CliOptions& o, const std::string& v) { o.birth.lon = v; }},
    {"--lat", "DD:MM{N|S}", Group::kBirth, "latitude, e.g. 28:36N",
     [](CliOptions& o, const std::string& v) { o.birth.lat = v; }},
    {"--zone", "INDEX", Group::kBirth, "time zone by list index (see --zones)",
     [](CliOptions& o, const std::string& v) { o.birth.zone = v; }},
    {"--dst", nullptr, Group::kBirth, "an hour of daylight saving on the zone",
     [](CliOptions& o, const std::string&) { o.birth.dst = true; }},
    {"--no-dst", nullptr, Group::kBirth,
     "no daylight saving, whatever the atlas says",
     [](CliOptions& o, const std::string&) { o.birth.dst = false; }},
    {"--utc-offset", "+HH:MM[:SS]", Group::kBirth,
     "exact UTC offset, saving included, for --zone/--dst",
     [](CliOptions& o, const std::string& v) {
       o.birth.offsetGiven = true;
       o.birth.utcOffset = v;
     }},
    {"--city", "TEXT", Group::kBirth, "city of birth (shown only)",
     [](CliOptions& o, const std::string& v) { o.birth.city = v; }},
    {"--state", "TEXT", Group::kBirth, "state of birth (shown only)",
     [](CliOptions& o, const std::string& v) { o.birth.state = v; }},
    {"--country", "TEXT", Group::kBirth, "country of birth (shown only)",
     [](CliOptions& o, const std::string& v) { o.birth.country = v; }},
    {"--place", "TEXT", Group::kBirth,
     "place from the atlas: \"City[, State][, Country]\"",
     [](CliOptions& o, const std::string& v) { o.place = v; }},
    {"--sunrise", "RULE", Group::kCalculation,
     "sunrise rule: classic (default), limb or centre",
     [](CliOptions& o, const std::string& v) { o.sunriseText = v; }},
    {"--ayanamsa", "NAME", Group::kCalculation,
     "classic (default), lahiri, raman, krishnamurti or fagan-bradley",
     [](CliOptions& o, const std::string& v) { o.ayanamsaText = v; }},
    {"--time-uncertainty", "MINUTES", Group::kCalculation,
     "the signs the Hora Lagna takes within MINUTES either side",
     [](CliOptions& o, const std::string& v) { o.uncertaintyText = v; }},
    {"--json", nullptr, Group::kOutput, "write the result as JSON",
     [](CliOptions& o, const std::string&) { o.json = true; }},
    {"--pdf", "FILE", Group::kPage,
     "also write the result page as a one-page PDF",
     [](CliOptions& o, const std::string& v) { o.pdfPath = v; }},
    {"--png", "FILE", Group::kPage, "also write the result page as a PNG image",
     [](CliOptions& o, const std::string& v) { o.pngPath = v; }},
    {"--lang", "en|hi|ta", Group::kLook,
     "report and page in English, Hindi or Tamil",
     [](CliOptions& o, const std::string& v) { o.languageCode = v; }},
    {"--chart", "south|north|east", Group::kLook,
     "chart style of the page; north: in the report too",
     [](CliOptions& o, const std::string& v) { o.chartCode = v; }},
    {"--batch", "FILE.csv", Group::kBatch,
     "one JSON line per row of FILE (\"-\": standard input)",
     [](CliOptions& o, const std::string& v) {
       o.mode = Mode::kBatch;
       o.batchPath = v;
     }},
    {"--jobs", "N", Group::kBatch,
     "batch rows on N threads (default: one per core)",
     [](CliOptions& o, const std::string& v) { o.jobsText = v; }},
    {"--places", "TEXT", Group::kPlaces,
     "list the atlas's cities that match TEXT",
     [](CliOptions& o, const std::string& v) {
       o.mode = Mode::kPlaces;
       o.placesQuery = v;
     }},
    {"--save", nullptr, Group::kBirth,
     "also save the birth in the birth library",
     [](CliOptions& o, const std::string&) { o.save = true; }},
    {"--from-library", "NAME", Group::kFromLibrary,
     "compute a saved birth (NAME or #ID, see --library)",
     [](CliOptions& o, const std::string& v) { o.libraryName = v; }},
    {"--library", "[TEXT]", Group::kLibrary,
     "list saved births (with TEXT in name, place or date)",
     [](CliOptions& o, const std::string& v) {
       if (o.mode == Mode::kSingle) o.mode = Mode::kLibraryList;
       o.libraryFilter = v;
     }},
    {"--export-library", "FILE", Group::kLibrary,
     "write saved births to FILE.csv or FILE.json",
     [](CliOptions& o, const std::string& v) {
       o.mode = Mode::kLibraryExport;
       o.exchangePath = v;
     }},
    {"--import-library", "FILE", Group::kLibrary,
     "add the births of FILE.csv or FILE.json",
     [](CliOptions& o, const std::string& v) {
       o.mode = Mode::kLibraryImport;
       o.exchangePath = v;
     }},
    {"--library-file", "PATH", Group::kLibraryFile,
     "the birth library to use (default: the per-user one)",
     [](CliOptions& o, const std::string& v) { o.libraryFile = v; }},
    {"--zones", nullptr, Group::kAlone, "list the 71 time zones with indexes",
     [](CliOptions& o, const std::string&) { o.mode = Mode::kZones; }},
    {"--help", nullptr, Group::kAlone, "show this help",
     [](CliOptions& o, const std::string&) { o.mode = Mode::kHelp; }},
    {"--version", nullptr, Group::kAlone, "show the version",
     [](CliOptions& o, const std::string&) { o.mode = Mode::kVersion; }},
};

// The short forms, as other command-line programs have them.
struct ShortFlag {
  const char* shortFlag;
  const char* flag;
};
const ShortFlag kShortFlags[] = {
    {"-h", "--help"}, {"-V", "--version"}, {"-v", "--version"}};

// --help fits a terminal of 80 columns.
constexpr std::size_t kHelpColumns = 80;

// Flags a single birth cannot do without. A missing --name is left to the
// form's own check ("Please Enter Name").
const char* const kRequiredBirthFlags[] = {"--date", "--time", "--lon", "--lat",
                                           "--zone"};
// Flags that --place can stand in for.
const char* const kPlaceFilledFlags[] = {"--lon", "--lat", "--zone"};

const FlagRule* FindFlag(const std::string& flag) {
  for (const FlagRule& rule : kFlags) {
    if (flag == rule.flag) return &rule;
  }
  return nullptr;
}

ParseOutcome Fail(const std::string& error) { return {std::nullopt, error}; }

// "a, b or c" of a list of names.
template <std::size_t N>
std::string NameList(const std::array<const char*, N>& names) {
  std::string list;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) list += i + 1 < N ? ", " : " or ";
    list += names[i];
  }
  return list;
}

// Reads --sunrise, --ayanamsa and --time-uncertainty into the options; the
// message when one of them is wrong.
std::string ReadCalculationFlags(CliOptions& options) {
  if (options.given.count("--sunrise")) {
    const auto rule = SunriseRuleNamed(options.sunriseText);
    if (!rule) {
      return "--sunrise takes " + NameList(kSunriseRuleNames) + ", not '" +
             options.sunriseText + "'";
    }
    options.calculation.sunrise = *rule;
  }
  if (options.given.count("--ayanamsa")) {
    const auto ayanamsa = AyanamsaNamed(options.ayanamsaText);
    if (!ayanamsa) {
      return "--ayanamsa takes " + NameList(kAyanamsaNames) + ", not '" +
             options.ayanamsaText + "'";
    }
    options.calculation.ayanamsa = *ayanamsa;
  }
  if (options.given.count("--time-uncertainty")) {
    options.timeUncertaintyMinutes =
        ReadBoxNumber(options.uncertaintyText, 3).value_or(0);
    if (options.timeUncertaintyMinutes < 1 ||
        options.timeUncertaintyMinutes > kMaxTimeUncertaintyMinutes) {
      return "--time-uncertainty takes a whole number of minutes from 1 to " +
             std::to_string(kMaxTimeUncertaintyMinutes);
    }
  }
  return {};
}

// Flags missing from a single birth, for its error message; --place stands
// in for the coordinates and the zone.
std::string MissingBirthFlags(const CliOptions& options) {
  const bool placeGiven = options.given.count("--place") > 0;
  const bool offsetGiven = options.given.count("--utc-offset") > 0;
  std::string missing;
  for (const char* flag : kRequiredBirthFlags) {
    // --utc-offset stands for the zone.
    if (offsetGiven && std::string(flag) == "--zone") continue;
    const bool filledByPlace =
        placeGiven &&
        std::find_if(std::begin(kPlaceFilledFlags), std::end(kPlaceFilledFlags),
                     [flag](const char* f) {
                       return std::string(f) == flag;
                     }) != std::end(kPlaceFilledFlags);
    if (!options.given.count(flag) && !filledByPlace) {
      missing += missing.empty() ? "" : ", ";
      missing += flag;
    }
  }
  return missing;
}

// The library's flags go with each other as follows: --library lists (or,
// beside --export-library, chooses what is written); --export-library and
// --import-library go alone; --from-library replaces the birth flags;
// --save goes with a birth given by its flags; --library-file with any of
// them. --json goes with a birth and with --library.
ParseOutcome CheckLibraryFlags(const CliOptions& options,
                               const std::set<Group>& groups) {
  const bool birthFlags = std::any_of(
      options.given.begin(), options.given.end(), [](const std::string& f) {
        return f != "--save" && FindFlag(f)->group == Group::kBirth;
      });
  if (groups.count(Group::kBatch) || groups.count(Group::kPlaces)) {
    return Fail("the birth library's flags go with no --batch or --places");
  }
  if (options.given.count("--export-library") &&
      options.given.count("--import-library")) {
    return Fail("--export-library and --import-library go one at a time");
  }
  if (groups.count(Group::kLibrary)) {
    if (groups.count(Group::kCalculation)) {
      return Fail(
          "--sunrise, --ayanamsa and --time-uncertainty go with a birth or "
          "--batch");
    }
    if (birthFlags || groups.count(Group::kFromLibrary) || options.save) {
      return Fail(
          "--library, --export-library and --import-library take no birth");
    }
    if (options.json && options.mode != Mode::kLibraryList) {
      return Fail("--json goes with --library, not with the file flags");
    }
    return {options, ""};
  }
  if (groups.count(Group::kFromLibrary)) {
    if (birthFlags || options.save) {
      return Fail(
          "--from-library takes the whole birth from the library; "
          "it takes no birth flags and no --save");
    }
    return {options, ""};
  }
  if (!options.save) {
    return Fail("--library-file goes with a flag of the birth library");
  }
  const std::string missing = MissingBirthFlags(options);
  if (!missing.empty()) return Fail("missing " + missing + " (try --help)");
  return {options, ""};
}

}  // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& args) {
  CliOptions options;
  std::set<Group> groups;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    for (const ShortFlag& alias : kShortFlags) {
      if (arg == alias.shortFlag) arg = alias.flag;
    }
    if (arg.rfind("--", 0) != 0) {
      return Fail("unexpected argument '" + arg + "' (try --help)");
    }
    const auto equals = arg.find('=');
    const std::string flag = arg.substr(0, equals);
    const FlagRule* rule = FindFlag(flag);
    if (rule == nullptr) {
      return Fail("unknown flag '" + flag + "' (try --help)");
    }
    if (!options.given.insert(flag).second) {
      return Fail(flag + " is given twice");
    }
    std::string value;
    if (rule->valueName == nullptr) {
      if (equals != std::string::npos) {
        return Fail(flag + " takes no value");
      }
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
      value = args[++i];
    } else if (rule->valueName[0] == '[') {
      value.clear();  // the value is optional
    } else {
      return Fail(flag + " needs a value " + rule->valueName);
    }
    for (const char* fileFlag : kFileFlags) {
      if (flag == fileFlag && value.empty()) {
        return Fail(flag + " needs a file name");
      }
    }
    rule->apply(options, value);
    groups.insert(rule->group);
  }

  if (options.given.count("--help")) {
    options.mode = Mode::kHelp;
    return {options, ""};
  }
  if (options.given.count("--version")) {
    options.mode = Mode::kVersion;
    return {options, ""};
  }
  if (options.mode == Mode::kZones) {
    if (options.given.size() > 1) return Fail("--zones takes no other flags");
    return {options, ""};
  }
  if (groups.count(Group::kLook)) {
    const auto language = LanguageFromCode(options.languageCode);
    if (!language || options.languageCode.size() != 2) {
      return Fail("--lang takes en, hi or ta");
    }
    const auto style = ChartStyleFromCode(options.chartCode);
    if (!style) return Fail("--chart takes south, north or east");
    options.language = *language;
    options.chartStyle = *style;
    if (options.mode != Mode::kSingle) {
      return Fail("--lang and --chart go with a single birth");
    }
    if (options.json && options.pdfPath.empty() && options.pngPath.empty()) {
      return Fail(
          "--lang and --chart change the text report and the page; the "
          "JSON stays English");
    }
  }
  if (options.mode != Mode::kSingle && groups.count(Group::kPage)) {
    return Fail("--pdf and --png write the page of a single birth");
  }
  if (groups.count(Group::kCalculation)) {
    const std::string problem = ReadCalculationFlags(options);
    if (!problem.empty()) return Fail(problem);
  }
  if (options.given.count("--jobs")) {
    options.jobs = ReadBoxNumber(options.jobsText, 3).value_or(0);
    if (options.jobs < 1 || options.jobs > kMaxJobs) {
      return Fail("--jobs takes a whole number from 1 to " +
                  std::to_string(kMaxJobs));
    }
    if (options.mode != Mode::kBatch) return Fail("--jobs goes with --batch");
  }
  if (groups.count(Group::kLibrary) || groups.count(Group::kFromLibrary) ||
      groups.count(Group::kLibraryFile) || options.save) {
    return CheckLibraryFlags(options, groups);
  }
  if (options.mode == Mode::kBatch) {
    if (groups.count(Group::kBirth)) {
      return Fail(
          "--batch reads the births from the file; it takes no "
          "birth flags");
    }
    return {options, ""};
  }
  if (options.mode == Mode::kPlaces) {
    if (groups.count(Group::kBirth) || groups.count(Group::kBatch) ||
        groups.count(Group::kCalculation)) {
      return Fail("--places takes no other flags than --json");
    }
    return {options, ""};
  }
  const bool offsetGiven = options.given.count("--utc-offset") > 0;
  if (options.given.count("--dst") && options.given.count("--no-dst")) {
    return Fail("--dst and --no-dst contradict each other");
  }
  if (offsetGiven) {
    for (const char* flag : {"--zone", "--dst", "--no-dst"}) {
      if (options.given.count(flag)) {
        return Fail(std::string("--utc-offset is given in place of ") + flag +
                    " (it includes any daylight saving)");
      }
    }
  }
  const std::string missing = MissingBirthFlags(options);
  if (!missing.empty()) {
    return Fail("missing " + missing + " (try --help)");
  }
  return {options, ""};
}

std::string HelpText() {
  std::ostringstream out;
  out << "Usage:\n"
         "  tarvelin-cli --name TEXT --date YYYY-MM-DD --time HH:MM[:SS]\n"
         "               --lon DDD:MM{E|W} --lat DD:MM{N|S}\n"
         "               {--zone INDEX [--dst] | --utc-offset +HH:MM[:SS]}\n"
         "               [--city TEXT --state TEXT --country TEXT] [--json]\n"
         "               [--pdf FILE] [--png FILE]\n"
         "               [--sunrise RULE] [--ayanamsa NAME]\n"
         "               [--time-uncertainty MINUTES]\n"
         "               [--lang en|hi|ta] [--chart south|north|east]\n"
         "  tarvelin-cli --name TEXT --date YYYY-MM-DD --time HH:MM[:SS]\n"
         "               --place TEXT [any flag above] [--json]\n"
         "  tarvelin-cli --batch FILE.csv [--jobs N] [--sunrise RULE]\n"
         "               [--ayanamsa NAME] [--time-uncertainty MINUTES] "
         "[--json]\n"
         "  tarvelin-cli --places TEXT [--json]\n"
         "  tarvelin-cli [a birth as above] --save [--json]\n"
         "  tarvelin-cli --from-library NAME [--json]\n"
         "  tarvelin-cli --library [TEXT] [--json]\n"
         "  tarvelin-cli --export-library FILE.csv|FILE.json [--library TEXT]\n"
         "  tarvelin-cli --import-library FILE.csv|FILE.json\n"
         "  tarvelin-cli --zones\n"
         "  tarvelin-cli -h | --help\n"
         "  tarvelin-cli -V | -v | --version\n"
         "\n"
         "Computes the Hora Lagna of a birth: the chart, the planetary\n"
         "positions, the house and the sign attributes of the Hora Lagna.\n"
         "\n"
         "Flags:\n";
  // "  FLAG VALUE  help", the help wrapped under itself within 80 columns.
  std::size_t width = 0;
  auto head = [](const FlagRule& rule) {
    std::string text;
    for (const ShortFlag& alias : kShortFlags) {
      if (std::string(alias.flag) == rule.flag) {
        text += std::string(alias.shortFlag) + ", ";
      }
    }
    return text + rule.flag +
           (rule.valueName ? std::string(" ") + rule.valueName : "");
  };
  for (const FlagRule& rule : kFlags)
    width = std::max(width, head(rule).size());
  const std::size_t helpColumn = 2 + width + 2;
  for (const FlagRule& rule : kFlags) {
    const std::string h = head(rule);
    std::string line = "  " + h + std::string(helpColumn - 2 - h.size(), ' ');
    std::istringstream words(rule.help);
    std::string word;
    bool lineEmpty = true;
    while (words >> word) {
      if (!lineEmpty && line.size() + 1 + word.size() > kHelpColumns) {
        out << line << "\n";
        line = std::string(helpColumn, ' ');
        lineEmpty = true;
      }
      line += (lineEmpty ? "" : " ") + word;
      lineEmpty = false;
    }
    out << line << "\n";
  }
  out << "\n"
         "--place fills the longitude, latitude, the exact offset from UTC\n"
         "at the birth (as a zone-list entry and daylight saving where the\n"
         "list has one) and city, state and country from the offline atlas\n"
         "and time-zone database; flags given explicitly win, --dst and\n"
         "--no-dst too. It takes whole names (\"Springfield, Illinois\",\n"
         "\"Bombay\"); of several cities of one name the most populous is\n"
         "taken, and standard error says so. Standard error also warns of a\n"
         "clock time skipped or repeated at a change of the clocks and of a\n"
         "zone whose meridian is more than 45 degrees from the longitude.\n"
         "\n"
         "--sunrise chooses the sunrise that times the birth: classic (the\n"
         "default: the Sun's upper edge with refraction from the classic\n"
         "model, to the minute), limb (the upper edge with 34' of refraction\n"
         "and the Sun's semi-diameter, to the second) or centre (the disc's\n"
         "centre on the horizon without refraction, to the second: the\n"
         "traditional Hindu sunrise). --ayanamsa chooses the ayanamsa the\n"
         "positions are taken from. --time-uncertainty lists every sign the\n"
         "Hora Lagna takes for a birth up to MINUTES (1..180) earlier or "
         "later,\n"
         "with its share of that time. With --batch they hold for every row.\n"
         "\n"
         "A batch file starts with the header line\n"
         "  name,date,time,lon,lat,zone,dst\n"
         "and every further line is such a row, with dst 0 or 1, e.g.\n"
         "  RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0\n"
         "Each row gives one JSON line; a row that cannot be read gives\n"
         "{\"line\": N, \"error\": \"...\"} (N counts the header as line 1).\n"
         "Rows are computed on every core (--jobs to choose); the output is\n"
         "the same, in the same order, whatever the number of jobs.\n"
         "\n"
         "The birth library is one SQLite file (--library-file PATH, or the\n"
         "per-user one); --save keeps a birth already saved as it is. An\n"
         "exported CSV runs through --batch; births it cannot hold (an exact\n"
         "UTC offset no zone-list entry has) are left out and named. An\n"
         "import says of every row whether it was added, skipped as a\n"
         "duplicate, or refused and why.\n"
         "\n"
         "Exit status: 0 done; 1 not everything went out: the output or a\n"
         "file (--pdf, --png, --export-library) could not be written, or\n"
         "batch rows, import rows or exported births were refused or left\n"
         "out; 2 the input given is wrong or cannot be read: a bad flag or\n"
         "birth, an unknown place or saved name, a batch or import file that\n"
         "cannot be read; 3 the birth library could not be used (a birth\n"
         "given by its flags is still computed and printed); 141 the reader\n"
         "closed the pipe. Each failure gets one line on standard error.\n";
  return out.str();
}

std::string VersionText() {
  return std::string("tarvelin-cli ") + TARVELIN_VERSION + "\n";
}

}  // namespace tarvelin::cli
