// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/station_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "present/quantity_text.h"
#include "sunrise/retrograde.h"

namespace tarvelin {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kEndpointToleranceSeconds = 30 * 60;

// The long-standing station entries: month, day, year, hour, minute, each
// followed by a comma.
CivilDateTime FromEntryText(const std::string& text) {
  std::vector<std::string> fields;
  std::istringstream in(text);
  std::string field;
  while (std::getline(in, field, ',')) fields.push_back(field);
  EXPECT_EQ(fields.size(), 5u) << text;
  if (fields.size() != 5) return {};
  return {std::atoi(fields[2].c_str()), std::atoi(fields[0].c_str()),
          std::atoi(fields[1].c_str()), std::atoi(fields[3].c_str()),
          std::atoi(fields[4].c_str()), 0};
}

struct Expected {
  int periods;
  const char* firstRetrograde;
  const char* firstDirect;
  const char* lastRetrograde;
  const char* lastDirect;
  int shortestDays, longestDays;  // whole days of a retrograde period
};

// Index as kRetroPlanetNames.
const Expected kExpected[kRetroPlanetCount] = {
    {476, "3,15,1900,13,19,", "4,7,1900,18,42,", "12,1,2050,17,17,",
     "12,21,2050,11,33,", 19, 24},
    {95, "6,16,1900,22,56,", "7,30,1900,2,44,", "9,25,2050,22,15,",
     "11,6,2050,19,4,", 40, 43},
    {71, "1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,",
     "9,13,2050,9,41,", 59, 81},
    {139, "3,27,1900,20,39,", "7,29,1900,1,35,", "12,21,2050,13,21,",
     "4,21,2051,23,46,", 116, 124},
    {146, "4,14,1900,6,2,", "9,2,1900,14,39,", "5,18,2050,13,6,",
     "10,6,2050,11,5,", 133, 141},
    {150, "3,17,1900,17,36,", "8,17,1900,15,27,", "12,30,2050,15,40,",
     "5,29,2051,6,22,", 148, 154},
    {150, "10,2,1900,13,58,", "3,8,1901,0,45,", "8,31,2050,13,52,",
     "2,4,2051,10,41,", 155, 160},
    {151, "9,16,1899,5,48,", "2,27,1900,7,36,", "6,10,2050,3,49,",
     "11,21,2050,16,16,", 156, 164},
};

void ExpectNear(const char* what, const std::string& planet,
                const CivilDateTime& got, const char* wantText) {
  const CivilDateTime want = FromEntryText(wantText);
  const std::int64_t off = SecondsBetween(want, got);
  EXPECT_LE(std::llabs(off), kEndpointToleranceSeconds)
      << planet << " " << what << ": want " << DateTimeText(want) << " got "
      << DateTimeText(got) << " (" << off / 60 << " min)";
}

TEST(StationTable, PeriodCountsAndEndpoints) {
  std::size_t total = 0;
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    const std::string& planet = kRetroPlanetNames[k];
    const StationList list = StationsOf(k);
    ASSERT_EQ(list.count, static_cast<std::size_t>(kExpected[k].periods))
        << planet;
    total += 2 * list.count;
    const StationPeriod& first = list.periods[0];
    const StationPeriod& last = list.periods[list.count - 1];
    ExpectNear("first retrograde", planet, first.retrograde,
               kExpected[k].firstRetrograde);
    ExpectNear("first direct", planet, first.direct, kExpected[k].firstDirect);
    ExpectNear("last retrograde", planet, last.retrograde,
               kExpected[k].lastRetrograde);
    ExpectNear("last direct", planet, last.direct, kExpected[k].lastDirect);
  }
  EXPECT_EQ(total, 2756u);
}

TEST(StationTable, PeriodsAreOrderedAndOfPlausibleLength) {
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    const std::string& planet = kRetroPlanetNames[k];
    const StationList list = StationsOf(k);
    for (std::size_t i = 0; i < list.count; ++i) {
      const StationPeriod& p = list.periods[i];
      ASSERT_LT(p.retrograde, p.direct) << planet << " " << i;
      if (i + 1 < list.count) {
        ASSERT_LT(p.direct, list.periods[i + 1].retrograde)
            << planet << " " << i;
      }
      // Whole days elapsed from one station to the other.
      const std::int64_t days =
          SecondsBetween(p.retrograde, p.direct) / kSecondsPerDay;
      EXPECT_GE(days, kExpected[k].shortestDays)
          << planet << " " << DateTimeText(p.retrograde);
      EXPECT_LE(days, kExpected[k].longestDays)
          << planet << " " << DateTimeText(p.retrograde);
      for (const CivilDateTime& t : {p.retrograde, p.direct}) {
        EXPECT_TRUE(t.month >= 1 && t.month <= 12 && t.day >= 1 &&
                    t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 &&
                    t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
                    t.second == 0)
            << planet << " " << DateTimeText(t);
      }
    }
  }
}

TEST(StationTable, RetrogradeStationsSpanTheSupportedYears) {
  const CivilDateTime from{1900, 1, 1, 0, 0, 0};
  const CivilDateTime until{2051, 1, 1, 0, 0, 0};
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    const StationList list = StationsOf(k);
    // Pluto's list opens with the period running on 1 January 1900.
    const std::size_t firstInside = kRetroPlanetNames[k] == "Pluto" ? 1 : 0;
    EXPECT_LE(from, list.periods[firstInside].retrograde)
        << kRetroPlanetNames[k];
    EXPECT_LT(list.periods[list.count - 1].retrograde, until)
        << kRetroPlanetNames[k];
  }
  EXPECT_EQ(StationsOf(-1).count, 0u);
  EXPECT_EQ(StationsOf(kRetroPlanetCount).count, 0u);
}

}  // namespace
}  // namespace tarvelin
