// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli's checks: bad flags and bad births end with one line on
// standard error and exit status 2; the input form's messages are exact.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace tarvelin::cli_test {
namespace {

struct Birth {
  std::string name = "RAM", date = "1980-03-15", time = "21:05:30",
              lon = "77:12E", lat = "28:36N", zone = "34";
  std::vector<std::string> Args() const {
    return {"--name", name, "--date", date, "--time", time,
            "--lon",  lon,  "--lat",  lat,  "--zone", zone};
  }
};

struct BadBirth {
  const char* what;
  Birth birth;
  const char* message;
};

Birth With(void (*change)(Birth&)) {
  Birth b;
  change(b);
  return b;
}

TEST(CliInput, EachBadBirthGivesItsMessageAndStatus2) {
  const BadBirth cases[] = {
      {"31 April", With([](Birth& b) { b.date = "1980-04-31"; }),
       "Please Enter Correct Date Or Month !"},
      {"30 February of a leap year",
       With([](Birth& b) { b.date = "2000-02-30"; }),
       "Please Enter Correct Date Or Month!"},
      {"29 February 1999", With([](Birth& b) { b.date = "1999-02-29"; }),
       "Please Enter Correct Date Or Month!"},
      {"empty name", With([](Birth& b) { b.name = ""; }), "Please Enter Name"},
      {"blank name", With([](Birth& b) { b.name = "   "; }),
       "Please Enter Name"},
      {"digit in name", With([](Birth& b) { b.name = "R2D2"; }),
       "Please Enter only Letters"},
      {"hyphen in name", With([](Birth& b) { b.name = "RAM-LAL"; }),
       "Please Enter only Letters"},
      {"empty name wins over bad longitude", With([](Birth& b) {
         b.name = "";
         b.lon = "180:00E";
       }),
       "Please Enter Name"},
      {"longitude 180", With([](Birth& b) { b.lon = "180:00E"; }),
       "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
      {"longitude without degrees", With([](Birth& b) { b.lon = ":30W"; }),
       "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
      {"longitude minute 60", With([](Birth& b) { b.lon = "77:60E"; }),
       "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
      {"longitude without minutes", With([](Birth& b) { b.lon = "77:E"; }),
       "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
      {"latitude 90", With([](Birth& b) { b.lat = "90:00N"; }),
       "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
      {"latitude minute 60", With([](Birth& b) { b.lat = "28:60S"; }),
       "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
      {"minus sign in longitude", With([](Birth& b) { b.lon = "-77:12E"; }),
       "Only Numbers Are Accepted"},
      {"decimal point in latitude", With([](Birth& b) { b.lat = "28.5:00N"; }),
       "Only Numbers Are Accepted"},
      {"four longitude digits", With([](Birth& b) { b.lon = "1234:00E"; }),
       "Longitude degrees take at most 3 digits"},
      {"no hemisphere", With([](Birth& b) { b.lon = "77:12"; }),
       "Longitude must look like 77:12E (degrees:minutes then E or W)"},
      {"latitude with E", With([](Birth& b) { b.lat = "28:36E"; }),
       "Latitude must look like 28:36N (degrees:minutes then N or S)"},
      {"year 1900", With([](Birth& b) { b.date = "1900-12-31"; }),
       "Year must be between 1901 and 2050"},
      {"year 2051", With([](Birth& b) { b.date = "2051-01-01"; }),
       "Year must be between 1901 and 2050"},
      {"month 13", With([](Birth& b) { b.date = "1980-13-01"; }),
       "Month must be between 1 and 12"},
      {"day 32", With([](Birth& b) { b.date = "1980-01-32"; }),
       "Day must be between 1 and 31"},
      {"day-first date", With([](Birth& b) { b.date = "15-03-1980"; }),
       "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"hour 24", With([](Birth& b) { b.time = "24:00"; }),
       "Hour must be between 0 and 23"},
      {"minute 60", With([](Birth& b) { b.time = "12:60"; }),
       "Minute must be between 0 and 59"},
      {"second 60", With([](Birth& b) { b.time = "12:00:60"; }),
       "Second must be between 0 and 59"},
      {"time without minutes", With([](Birth& b) { b.time = "12"; }),
       "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"zone 71", With([](Birth& b) { b.zone = "71"; }),
       "Zone must be a list index from 0 to 70 (see --zones)"},
      {"zone by name", With([](Birth& b) { b.zone = "IST"; }),
       "Zone must be a list index from 0 to 70 (see --zones)"},
      {"a name one letter too long",
       With([](Birth& b) { b.name = std::string(101, 'A'); }),
       "A name may have at most 100 letters and blanks"},
  };
  for (const BadBirth& c : cases) {
    const CliRun run = RunCli(c.birth.Args());
    EXPECT_EQ(run.status, 2) << c.what;
    EXPECT_EQ(run.err, std::string(c.message) + "\n") << c.what;
    EXPECT_TRUE(run.out.empty()) << c.what << ": " << run.out;
  }
  // An empty offset is an offset that is wrong, not a missing zone.
  Birth offset;
  std::vector<std::string> args = offset.Args();
  args.resize(args.size() - 2);  // no --zone
  args.push_back("--utc-offset=");
  const CliRun empty = RunCli(args);
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err,
            "UTC offset must look like +05:45 or -04:30 or +05:53:20, between "
            "-12:00 and +14:00\n");
}

TEST(CliInput, BoundaryValuesPass) {
  const Birth cases[] = {
      With([](Birth& b) { b.date = "2000-02-29"; }),
      With([](Birth& b) { b.date = "2004-02-29"; }),
      With([](Birth& b) { b.date = "1980-05-31"; }),
      With([](Birth& b) { b.date = "1980-04-30"; }),
      With([](Birth& b) {
        b.date = "1901-01-01";
        b.time = "0:00";
      }),
      With([](Birth& b) {
        b.date = "2050-12-31";
        b.time = "23:59:59";
      }),
      With([](Birth& b) {
        b.lon = "179:59w";
        b.lat = "89:59s";
        b.zone = "0";
      }),
      With([](Birth& b) {
        b.lon = "0:0E";
        b.lat = "0:0N";
        b.zone = "70";
      }),
      With([](Birth& b) { b.name = "  sita  devi "; }),
  };
  for (const Birth& b : cases) {
    const CliRun run = RunCli(b.Args());
    EXPECT_EQ(run.status, 0) << b.date << " " << b.time << " " << b.lon << " "
                             << b.lat << " " << b.name << ": " << run.err;
  }
}

TEST(CliInput, BadCommandLinesGiveOneLineAndStatus2) {
  const Birth ok;
  struct Case {
    const char* what;
    std::vector<std::string> args;
  };
  auto plus = [&](std::vector<std::string> extra) {
    auto args = ok.Args();
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const Case cases[] = {
      {"unknown flag", plus({"--frobnicate"})},
      {"positional argument", plus({"extra"})},
      {"flag given twice", plus({"--date", "1980-03-16"})},
      {"value missing at the end", plus({"--city"})},
      {"flag where a value belongs", {"--name", "--date", "1980-03-15"}},
      {"value given to a switch", plus({"--dst=1"})},
      {"missing date and zone",
       {"--name", "RAM", "--time", "10:00", "--lon", "77:12E", "--lat",
        "28:36N"}},
      {"nothing at all", {}},
      {"zones with other flags", {"--zones", "--json"}},
      {"batch with birth flags", {"--batch", "x.csv", "--name", "RAM"}},
      {"batch file that does not exist",
       {"--batch", "/nonexistent/births.csv"}},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args);
    EXPECT_EQ(run.status, 2) << c.what;
    EXPECT_EQ(Lines(run.err).size(), 1u) << c.what << ": " << run.err;
    EXPECT_EQ(run.err.rfind("tarvelin-cli: ", 0), 0u)
        << c.what << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.what;
  }
}

TEST(CliInput, FlagValuesMayFollowAnEqualsSign) {
  const CliRun run =
      RunCli({"--name=RAM", "--date=1980-03-15", "--time=21:05", "--lon=77:12E",
              "--lat=28:36N", "--zone=34", "--dst", "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"dst\": true"), std::string::npos);
}

}  // namespace
}  // namespace tarvelin::cli_test
