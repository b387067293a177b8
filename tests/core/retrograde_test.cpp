// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/retrograde.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "present/quantity_text.h"
#include "present/result_view.h"
#include "sunrise/station_table.h"

namespace tarvelin {
namespace {

TEST(RetroFlagsAt, StrictlyBetweenTheStationDays) {
  // Mercury's first period: stationary retrograde on 15 March 1900,
  // stationary direct on 7 April 1900.
  struct Case {
    CivilDateTime moment;
    bool retrograde;
  };
  const Case cases[] = {
      {{1900, 3, 14, 23, 59, 0}, false}, {{1900, 3, 15, 0, 0, 0}, false},
      {{1900, 3, 15, 13, 30, 0}, false}, {{1900, 3, 15, 23, 59, 0}, false},
      {{1900, 3, 16, 0, 0, 0}, true},    {{1900, 3, 16, 12, 0, 0}, true},
      {{1900, 4, 6, 23, 59, 0}, true},   {{1900, 4, 7, 0, 0, 0}, false},
      {{1900, 4, 7, 12, 0, 0}, false},   {{1900, 4, 7, 23, 59, 0}, false},
      {{1900, 4, 8, 0, 0, 0}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RetroFlagsAt(c.moment)[0], c.retrograde)
        << DateTimeText(c.moment);
  }
}

TEST(RetroFlagsAt, DatesOutsideTheTablesAreDirect) {
  EXPECT_EQ(RetroFlagsAt({1850, 1, 1, 0, 0, 0}), RetroFlagTable{});
  EXPECT_EQ(RetroFlagsAt({2100, 1, 1, 0, 0, 0}), RetroFlagTable{});
}

TEST(RetroFlagsAt, CountsTheInnerDaysOfEveryPeriod) {
  // Walking 1899..2051 day by day finds, per planet, exactly the days that
  // lie strictly between the station days of one of its periods.
  std::array<std::int64_t, kRetroPlanetCount> retrogradeDays{};
  for (CivilDateTime day{1899, 1, 1, 23, 59, 0}; day.year <= 2051;
       day = AddDays(day, 1)) {
    const RetroFlagTable flags = RetroFlagsAt(day);
    for (int k = 0; k < kRetroPlanetCount; ++k) retrogradeDays[k] += flags[k];
  }
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    const StationList list = StationsOf(k);
    std::int64_t innerDays = 0;
    for (std::size_t i = 0; i < list.count; ++i) {
      const CivilDateTime& from = list.periods[i].retrograde;
      const CivilDateTime& to = list.periods[i].direct;
      innerDays += DaysFromCivil(to.year, to.month, to.day) -
                   DaysFromCivil(from.year, from.month, from.day) - 1;
    }
    EXPECT_EQ(retrogradeDays[k], innerDays) << kRetroPlanetNames[k];
  }
}

TEST(MarkRetrogrades, OnlyMercuryToSaturnCarryTheMark) {
  RetroFlagTable all{};
  all.fill(true);
  const PlanetNameTable names = MarkedPlanetNames(all);
  const PlanetNameTable plain = PlainPlanetNames();
  for (int i = 0; i < kBodyCount; ++i) {
    const bool marked = i >= 2 && i <= 6;
    EXPECT_EQ(names[i], marked ? plain[i] + " (R) " : plain[i]) << i;
  }
  EXPECT_EQ(MarkedPlanetNames(RetroFlagTable{}), plain);
}

}  // namespace
}  // namespace tarvelin
