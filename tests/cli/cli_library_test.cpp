// tarvelin-cli and the birth library (--library-file in a temporary folder):
// an imported list is listed and exported so that --batch computes it as it
// computes the original, a damaged library gets one message and exit status
// 3 and is left alone, and flags that do not go together are refused.
#include <gtest/gtest.h>
#include <stdlib.h>

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
  EXPECT_EQ(imported.status, 1);  // a row was refused
  EXPECT_EQ(Lines(imported.out),
            (std::vector<std::string>{
                "row 2 RAM: added as #1", "row 3 SITA: added as #2",
                "row 4 UMA: added as #3",
                "row 5 RAM: skipped as a duplicate (same name, date, time "
                "and place as #1)",
                "row 6 GITA: refused: Please Enter Correct Date Or Month!",
                "row 8 GITA: refused: Please Enter Value Between 0 And 59 in "
                "the  Minute of Longitude",
                "row 9 GITA2: refused: Please Enter only Letters",
                "row 10 GITA: refused: Zone must be a list index from 0 to 70 "
                "(see --zones)",
                "row 11: refused: expected 7 fields "
                "name,date,time,lon,lat,zone,dst, found 4",
                "3 added, 1 skipped as duplicates, 5 refused"}));

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
