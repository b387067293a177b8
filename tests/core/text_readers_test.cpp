// SPDX-License-Identifier: GPL-3.0-or-later
// The strict readers and CheckBirth: each quantity is read one way and
// written one way, and the two agree; a birth that passes the readers passes
// the check over its numbers, and the check refuses what the readers would.
#include "rules/text_readers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/birth_limits.h"
#include "rules/birth_check.h"

namespace tarvelin {
namespace {

constexpr char kLonDegMessage[] =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr char kLatMinMessage[] =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr char kOffsetFormat[] =
    "UTC offset must look like +05:45 or -04:30 or +05:53:20, between "
    "-12:00 and +14:00";

template <typename T>
std::string Got(const Reading<T>& reading) {
  return reading ? std::string("(read)") : reading.problem.message;
}

// Texts with junk around or inside are refused whole, never read in part.
TEST(TextReaders, TakeTheWholeTextOrNothing) {
  struct Case {
    const char* text;
    const char* message;  // nullptr: read
  };
  const Case dates[] = {
      {"1980-03-15", nullptr},
      {" 1980-3-5\t", nullptr},
      {"2000-02-29", nullptr},
      {"1980-3-5junk", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"1980-03-15-01", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"80-03-15", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"+980-03-15", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"1980-003-15", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"", "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {"1900-12-31", "Year must be between 1901 and 2050"},
      {"1980-00-10", "Month must be between 1 and 12"},
      {"1980-01-00", "Day must be between 1 and 31"},
      {"1999-02-29", "Please Enter Correct Date Or Month!"},
      {"1980-06-31", "Please Enter Correct Date Or Month !"},
  };
  for (const Case& c : dates) {
    EXPECT_EQ(Got(ReadDate(c.text)), c.message ? c.message : "(read)")
        << c.text;
  }
  const Case times[] = {
      {"21:05:30", nullptr},
      {"9:5", nullptr},
      {"21:05:30 and more",
       "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"21:05:30:00", "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"21", "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"21:5.5", "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"-1:00", "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {"24:00", "Hour must be between 0 and 23"},
      {"23:59:60", "Second must be between 0 and 59"},
  };
  for (const Case& c : times) {
    EXPECT_EQ(Got(ReadClockTime(c.text)), c.message ? c.message : "(read)")
        << c.text;
  }
  const Case offsets[] = {
      {"+05:45", nullptr},
      {"-4:30", nullptr},
      {" +5 ", nullptr},
      {"+14:00", nullptr},
      {"-12:00", nullptr},
      {"", kOffsetFormat},
      {"05:30", kOffsetFormat},
      {"+5:3", kOffsetFormat},
      {"+05:60", kOffsetFormat},
      {"+05:30:", kOffsetFormat},
      {"+123", kOffsetFormat},
      {"+14:00:01", kOffsetFormat},
      {"-12:00:01", kOffsetFormat},
      {"+5.5", kOffsetFormat},
      {"++5", kOffsetFormat},
      {"+05:30:00:00", kOffsetFormat},
  };
  for (const Case& c : offsets) {
    EXPECT_EQ(Got(ReadUtcOffset(c.text)), c.message ? c.message : "(read)")
        << c.text;
  }
  const Case longitudes[] = {
      {"77:12E", nullptr},
      {"179:59w", nullptr},
      {"0:0E", nullptr},
      {"180:00E", kLonDegMessage},
      {":30W", kLonDegMessage},
      {"77:E",
       "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
      {"-77:12E", "Only Numbers Are Accepted"},
      {"77:12:00E",
       "Longitude must look like 77:12E (degrees:minutes then E or W)"},
      {"77:12N",
       "Longitude must look like 77:12E (degrees:minutes then E or W)"},
      {"1234:00E", "Longitude degrees take at most 3 digits"},
      {"77:123E", "Longitude minutes take at most 2 digits"},
  };
  for (const Case& c : longitudes) {
    EXPECT_EQ(Got(ReadCoordinate(c.text, Axis::kLongitude)),
              c.message ? c.message : "(read)")
        << c.text;
  }
  EXPECT_EQ(Got(ReadCoordinate("28:60S", Axis::kLatitude)), kLatMinMessage);
  EXPECT_EQ(Got(ReadZoneIndex("71")),
            "Zone must be a list index from 0 to 70 (see --zones)");
  EXPECT_EQ(Got(ReadZoneIndex("3x")),
            "Zone must be a list index from 0 to 70 (see --zones)");
  EXPECT_EQ(*ReadZoneIndex(" 70 "), 70);
}

// What a formatter writes, the reader of the quantity reads back exactly:
// every day of the form's years, offsets to the second, coordinates to the
// minute with their hemispheres.
TEST(TextReaders, ReadBackWhatTheFormattersWrite) {
  CivilDateTime day{kFirstBirthYear, 1, 1, 0, 0, 0};
  int days = 0;
  for (; day.year <= kLastBirthYear; day = AddDays(day, 1), ++days) {
    const Reading<CivilDate> read = ReadDate(DateText(day, DateStyle::kIso));
    ASSERT_TRUE(read) << DateText(day, DateStyle::kIso) << ": "
                      << read.problem.message;
    ASSERT_EQ(read->day, day.day);
    ASSERT_EQ(read->month, day.month);
    ASSERT_EQ(read->year, day.year);
  }
  EXPECT_EQ(days, 54787);  // 150 years, 37 of them leap years

  for (int s = kSmallestUtcOffsetSeconds; s <= kLargestUtcOffsetSeconds;
       s += 7) {
    const Reading<int> read = ReadUtcOffset(OffsetText(s));
    ASSERT_TRUE(read) << OffsetText(s);
    ASSERT_EQ(*read, s) << OffsetText(s);
  }

  for (const Axis axis : {Axis::kLongitude, Axis::kLatitude}) {
    const int maxDegrees =
        axis == Axis::kLongitude ? kMaxLongitudeDegrees : kMaxLatitudeDegrees;
    for (int minutes = -(maxDegrees * 60 + 59); minutes <= maxDegrees * 60 + 59;
         minutes += 13) {
      const double degrees = minutes / 60.0;
      const std::string text =
          CoordinateText(degrees, axis, CoordinateStyle::kEntry);
      const Reading<double> read = ReadCoordinate(text, axis);
      ASSERT_TRUE(read) << text << ": " << read.problem.message;
      ASSERT_NEAR(*read, degrees, 1e-12) << text;
      ASSERT_FALSE(CheckBirth([&] {
        Birth b;
        b.name = "RAM";
        b.zoneIndex = 29;  // GMT
        (axis == Axis::kLongitude ? b.longitudeDegrees : b.latitudeDegrees) =
            *read;
        return b;
      }()))
          << text;
    }
  }
  // South of the equator at 0°00' stays south.
  const Reading<double> south = ReadCoordinate("0:00S", Axis::kLatitude);
  ASSERT_TRUE(south);
  EXPECT_TRUE(std::signbit(*south));
  EXPECT_EQ(CoordinateText(*south, Axis::kLatitude, CoordinateStyle::kEntry),
            "0:00S");
}

Birth GoodBirth() {
  Birth b;
  b.name = "RAM";
  b.local = {1980, 3, 15, 21, 5, 30};
  b.latitudeDegrees = 28.6;
  b.longitudeDegrees = 77.2;
  return WithZoneEntry(b, 34, false);
}

// The check over numbers refuses what no reader would let through, with the
// same messages, first problem first.
TEST(CheckBirth, RefusesEachFaultWithItsMessage) {
  EXPECT_FALSE(CheckBirth(GoodBirth()));
  struct Case {
    const char* what;
    void (*change)(Birth&);
    const char* message;
  };
  const Case cases[] = {
      {"blank name", [](Birth& b) { b.name = "  "; }, "Please Enter Name"},
      {"digit", [](Birth& b) { b.name = "R2"; }, "Please Enter only Letters"},
      {"not UTF-8", [](Birth& b) { b.name = "JOS\xE9"; },
       "Please Enter only Letters"},
      {"longitude rounds to 180°00'",
       [](Birth& b) { b.longitudeDegrees = -179.9999; }, kLonDegMessage},
      {"longitude not a number",
       [](Birth& b) { b.longitudeDegrees = std::nan(""); }, kLonDegMessage},
      {"latitude 90", [](Birth& b) { b.latitudeDegrees = 90; },
       "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
      {"year 2051", [](Birth& b) { b.local.year = 2051; },
       "Year must be between 1901 and 2050"},
      {"31 April", [](Birth& b) { b.local = {1980, 4, 31, 0, 0, 0}; },
       "Please Enter Correct Date Or Month !"},
      {"second 60", [](Birth& b) { b.local.second = 60; },
       "Second must be between 0 and 59"},
      {"offset not the entry's", [](Birth& b) { b.utcOffsetSeconds += 60; },
       "The UTC offset +05:31 is not that of zone-list entry 34 (+05:30)"},
      {"two hours on an entry",
       [](Birth& b) { b.daylightSavingSeconds = 7200; },
       "With a zone-list entry, daylight saving is one hour or none"},
      {"no such entry", [](Birth& b) { b.zoneIndex = 71; },
       "Zone must be a list index from 0 to 70 (see --zones)"},
      {"exact offset +14:00:01",
       [](Birth& b) {
         b.zoneIndex = Birth::kExactOffset;
         b.utcOffsetSeconds = 14 * 3600 + 1;
       },
       "The UTC offset must be between -12:00 and +14:00"},
      {"three hours of saving",
       [](Birth& b) {
         b.zoneIndex = Birth::kExactOffset;
         b.daylightSavingSeconds = -3 * 3600;
       },
       "Daylight saving must be between -02:00 and +02:00"},
      {"name before date",
       [](Birth& b) {
         b.name = "";
         b.local.month = 13;
       },
       "Please Enter Name"},
  };
  for (const Case& c : cases) {
    Birth birth = GoodBirth();
    c.change(birth);
    const std::optional<InputProblem> got = CheckBirth(birth);
    ASSERT_TRUE(got) << c.what;
    EXPECT_EQ(got->message, c.message) << c.what;
  }
}

// One limit for a name, counted in characters, in the reader and the check.
TEST(CheckBirth, NameLimitIsTheReadersToTheCharacter) {
  std::string longest;
  for (std::size_t i = 0; i < kMaxNameCharacters; ++i) longest += "\xC3\x89";
  const Reading<std::string> read = ReadName(" " + longest + " ");
  ASSERT_TRUE(read) << read.problem.message;
  Birth birth = GoodBirth();
  birth.name = *read;
  EXPECT_FALSE(CheckBirth(birth));

  const std::string message = "A name may have at most " +
                              std::to_string(kMaxNameCharacters) +
                              " letters and blanks";
  EXPECT_EQ(Got(ReadName(longest + "A")), message);
  birth.name = longest + "A";
  ASSERT_TRUE(CheckBirth(birth));
  EXPECT_EQ(CheckBirth(birth)->message, message);
  EXPECT_EQ(Got(ReadName(" \t ")), "Please Enter Name");
  EXPECT_EQ(*ReadName("  sita devi "), "SITA DEVI");
}

}  // namespace
}  // namespace tarvelin
