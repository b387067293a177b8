// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli and the birth library (--library-file in a temporary folder):
// an imported list is listed and exported so that --batch computes it as it
// computes the original, a damaged library gets one message and exit status
// 3 and is left alone, and flags that do not go together are refused.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli_runner.h"

namespace tarvelin::cli_test {
namespace {

class CliLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/tarvelin_cli_library_XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    dir_ = name;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  CliRun Run(std::vector<std::string> args) const {
    args.push_back("--library-file");
    args.push_back(Path("births.sqlite"));
    return RunCli(args);
  }

  std::string dir_;
};

const char kGoodRows[] =
    "RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0\n"
    "SITA,1975-07-04,06:15:00,74:00W,40:43S,27,1\n"
    "UMA,1901-01-01,00:00:00,0:00W,0:00S,29,0\n";

TEST_F(CliLibrary, AnExportedListRunsThroughBatchAsTheOriginalDoes) {
  Write("in.csv", std::string("name,date,time,lon,lat,zone,dst\n") + kGoodRows +
                      "RAM,1980-03-15,21:05:30,77:12E,28:36N,34,0\n"
                      "GITA,1975-02-30,06:00,85:19E,27:42N,34,0\n"
                      "\r\n"
                      "GITA,1975-07-01,06:00,85:E,27:42N,34,0\r\n"
                      " GITA2 ,1975-07-01,06:00,85:19E,27:42N,34,0\n"
                      "GITA,1975-07-01,06:00,85:19E,27:42N,71,0\n"
                      "GITA,1975-07-01,06:00,85:19E\n");
  const CliRun imported = Run({"--import-library", Path("in.csv")});
  // What was done on the output; each refused row on standard error.
  EXPECT_EQ(imported.status, 1);
  EXPECT_EQ(Lines(imported.out),
            (std::vector<std::string>{
                "row 2 RAM: added as #1", "row 3 SITA: added as #2",
                "row 4 UMA: added as #3",
                "row 5 RAM: skipped as a duplicate (same name, date, time "
                "and place as #1)",
                "3 added, 1 skipped as duplicates, 5 refused"}));
  EXPECT_EQ(Lines(imported.err),
            (std::vector<std::string>{
                "tarvelin-cli: row 6 GITA: refused: Please Enter Correct Date "
                "Or Month!",
                "tarvelin-cli: row 8 GITA: refused: Please Enter Value Between "
                "0 And 59 in the  Minute of Longitude",
                "tarvelin-cli: row 9 GITA2: refused: Please Enter only Letters",
                "tarvelin-cli: row 10 GITA: refused: Zone must be a list index "
                "from 0 to 70 (see --zones)",
                "tarvelin-cli: row 11: refused: expected 7 fields "
                "name,date,time,lon,lat,zone,dst, found 4"}));

  const CliRun listed = Run({"--library", "s"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, "#2 SITA, 1975-07-04 06:15:00, (40:43S 74:00W)\n");

  // Exported in name order: RAM, SITA, UMA, the order of the original.
  const CliRun exported = Run({"--export-library", Path("out.csv")});
  EXPECT_EQ(exported.status, 0) << exported.err;
  Write("original.csv",
        std::string("name,date,time,lon,lat,zone,dst\n") + kGoodRows);
  const CliRun fromExport = RunCli({"--batch", Path("out.csv")});
  const CliRun fromOriginal = RunCli({"--batch", Path("original.csv")});
  EXPECT_EQ(fromExport.status, 0) << fromExport.out;
  EXPECT_EQ(Lines(fromExport.out).size(), 3u);
  EXPECT_EQ(fromExport.out, fromOriginal.out);
}

TEST_F(CliLibrary, ASavedBirthComputesAsTheCommandThatSavedIt) {
  const std::vector<std::string> birth = {
      "--name", "ram",    "--date",   "1975-07-04", "--time", "06:15:09",
      "--lon",  "74:00W", "--lat",    "0:00S",      "--zone", "27",
      "--dst",  "--city", "New York", "--json"};
  std::vector<std::string> save = birth;
  save.push_back("--save");
  const CliRun saved = Run(save);
  const CliRun original = RunCli(birth);
  EXPECT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(saved.out, original.out);
  EXPECT_EQ(saved.err,
            "Saved as #1 RAM, 1975-07-04 06:15:09, New York (0:00S 74:00W)\n");
  EXPECT_EQ(Run({"--library"}).out,
            "#1 RAM, 1975-07-04 06:15:09, New York (0:00S 74:00W)\n");

  const CliRun reopened = Run({"--from-library", "Ram", "--json"});
  EXPECT_EQ(reopened.status, 0) << reopened.err;
  EXPECT_EQ(reopened.out, original.out);

  // Saving again keeps the saved birth; a second RAM makes the name
  // ambiguous, and #ID still picks one.
  EXPECT_NE(Run(save).err.find("saved already: #1"), std::string::npos);
  std::vector<std::string> other = save;
  other[5] = "06:16";
  EXPECT_EQ(Run(other).status, 0);
  const CliRun ambiguous = Run({"--from-library", "RAM"});
  EXPECT_EQ(ambiguous.status, 2);
  EXPECT_EQ(Lines(ambiguous.err).size(), 3u) << ambiguous.err;
  EXPECT_EQ(Run({"--from-library", "#1", "--json"}).out, original.out);
}

TEST_F(CliLibrary, ADamagedLibraryIsReportedAndLeftAlone) {
  const std::string junk(5000, 'x');
  Write("births.sqlite", junk);
  for (const auto& args : {std::vector<std::string>{"--library"},
                           {"--import-library", Path("none.csv")},
                           {"--export-library", Path("out.json")}}) {
    const CliRun run = Run(args);
    EXPECT_EQ(run.status, 3) << args[0];
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find("is damaged"), std::string::npos) << run.err;
  }
  // A birth to save is still computed and printed.
  const std::vector<std::string> birth = {
      "--name", "RAM",    "--date", "1980-03-15", "--time", "21:05:30",
      "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};
  std::vector<std::string> save = birth;
  save.push_back("--save");
  const CliRun saved = Run(save);
  EXPECT_EQ(saved.status, 3);
  EXPECT_EQ(saved.out, RunCli(birth).out);
  EXPECT_NE(saved.err.find("is damaged"), std::string::npos) << saved.err;
  EXPECT_EQ(ReadWhole(Path("births.sqlite")), junk);

  // A library that is not there yet is not made by a listing.
  const CliRun listed =
      RunCli({"--library", "--library-file", Path("missing/births.sqlite")});
  EXPECT_EQ(listed.status, 0);
  EXPECT_NE(listed.err.find("no birth library"), std::string::npos);
  EXPECT_NE(system(("test -e '" + Path("missing") + "'").c_str()), 0);
}

const std::vector<std::string> kRam = {
    "--name", "RAM",    "--date", "1980-03-15", "--time", "21:05:30",
    "--lon",  "77:12E", "--lat",  "28:36N",     "--zone", "34"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Import and export: 2 for a file given that cannot be read or is wrong,
// 1 when not everything went out (each birth or row named on standard
// error), with the system's reason in every message.
TEST_F(CliLibrary, ImportAndExportFollowTheExitRule) {
  ASSERT_EQ(Run(With(kRam, {"--save"})).status, 0);
  ASSERT_EQ(Run({"--name", "NEPAL", "--date", "1980-03-15", "--time",
                 "21:05:30", "--lon", "85:19E", "--lat", "27:42N",
                 "--utc-offset", "+05:45", "--save"})
                .status,
            0);
  ASSERT_EQ(mkdir(Path("folder.json").c_str(), 0755), 0);
  Write("junk.json", "{\"births\": [");
  const struct {
    const char* what;
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {"missing JSON",
       {"--import-library", Path("none.json")},
       2,
       "tarvelin-cli: cannot read " + Path("none.json") +
           ": No such file or directory\n"},
      {"missing CSV",
       {"--import-library", Path("none.csv")},
       2,
       "tarvelin-cli: cannot read " + Path("none.csv") +
           ": No such file or directory\n"},
      {"JSON that cannot be read",
       {"--import-library", Path("folder.json")},
       2,
       "tarvelin-cli: cannot read " + Path("folder.json") +
           ": Is a directory\n"},
      {"no JSON",
       {"--import-library", Path("junk.json")},
       2,
       "tarvelin-cli: " + Path("junk.json") +
           " is not JSON (unterminated array at byte 12)\n"},
      {"export into no folder",
       {"--export-library", Path("no/out.csv")},
       1,
       "tarvelin-cli: cannot write " + Path("no/out.csv") +
           ": No such file or directory\n"},
      {"export leaving a birth out",
       {"--export-library", Path("out.csv")},
       1,
       "tarvelin-cli: left out #2 NEPAL, 1980-03-15 21:05:30, (27:42N "
       "85:19E): the exact UTC offset +05:45 is no zone-list entry's, so "
       "the --batch columns cannot hold it (export to JSON keeps it)\n"},
  };
  for (const auto& c : cases) {
    const CliRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status) << c.what;
    EXPECT_EQ(run.err, c.err) << c.what;
  }
  EXPECT_EQ(Lines(ReadWhole(Path("out.csv"))).size(), 2u);
}

// Reading a library needs no write access; saving says why it cannot save.
// Run as a user without root's rights where the test runs as root.
TEST_F(CliLibrary, AReadOnlyFolderIsReadAndSavingSaysWhy) {
  std::vector<std::string> asUser;
  if (geteuid() == 0) {
    asUser = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534",
              "--clear-groups", TARVELIN_CLI};
  }
  const std::string folder = Path("shelf");
  ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
  ASSERT_EQ(mkdir(folder.c_str(), 0777), 0);
  ASSERT_EQ(chmod(folder.c_str(), 0777), 0);
  const auto run = [&](std::vector<std::string> args) {
    args.push_back("--library-file");
    args.push_back(folder + "/births.sqlite");
    if (asUser.empty()) return RunCli(args);
    return RunCommand(With(asUser, args));
  };
  ASSERT_EQ(run(With(kRam, {"--save"})).status, 0);
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  const CliRun listed = run({"--library"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.out, "#1 RAM, 1980-03-15 21:05:30, (28:36N 77:12E)\n");
  const CliRun opened = run({"--from-library", "RAM", "--json"});
  EXPECT_EQ(opened.status, 0) << opened.err;
  EXPECT_EQ(opened.out, RunCli(With(kRam, {"--json"})).out);
  const CliRun saved =
      run({"--name", "SITA", "--date", "1980-03-15", "--time", "21:05:30",
           "--lon", "77:12E", "--lat", "28:36N", "--zone", "34", "--save"});
  EXPECT_EQ(saved.status, 3);
  EXPECT_EQ(saved.err, "tarvelin-cli: The birth library \"" + folder +
                           "/births.sqlite\" can be read but not changed: its "
                           "folder is read-only, and SQLite keeps its journal "
                           "there; nothing is saved.\n");
  chmod(folder.c_str(), 0755);
}

// File names are the bytes given, UTF-8 or not.
TEST_F(CliLibrary, FileNamesKeepTheirBytes) {
  const std::string library = Path(
      "b\xe9"
      "b\xff.sqlite");
  ASSERT_EQ(RunCli(With(kRam, {"--save", "--library-file", library})).status,
            0);
  EXPECT_EQ(ReadWhole(library).substr(0, 15), "SQLite format 3");
  const std::string exported = Path("out\xfe.json");
  const CliRun run =
      RunCli({"--export-library", exported, "--library-file", library});
  EXPECT_EQ(run.status, 0) << run.err;
  const CliRun imported = RunCli(
      {"--import-library", exported, "--library-file", Path("other.sqlite")});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out,
            "row 1 RAM: added as #1\n1 added, 0 skipped as "
            "duplicates, 0 refused\n");
}

TEST_F(CliLibrary, FlagsThatDoNotGoTogetherAreRefused) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--library", "--name", "RAM"}, "take no birth"},
      {{"--from-library", "RAM", "--zone", "34"}, "takes no birth flags"},
      {{"--from-library", "RAM", "--save"}, "no --save"},
      {{"--export-library", "a.csv", "--import-library", "b.csv"},
       "one at a time"},
      {{"--export-library", "a.csv", "--json"}, "--json goes with --library"},
      {{"--library", "--batch", "x.csv"}, "no --batch"},
      {{"--zones"}, "--zones takes no other flags"},
      {{"--save", "--name", "RAM"}, "missing --date"},
      {{}, "--library-file goes with a flag of the birth library"}};
  for (const auto& [args, error] : cases) {
    const CliRun run = Run(args);
    EXPECT_EQ(run.status, 2) << error;
    EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tarvelin::cli_test
