#include "sunrise/retrograde.h"

#include <gtest/gtest.h>

#include "chart/calculation.h"
#include "sunrise/station_table.h"

namespace tarvelin {
namespace {

TEST(IsRetrograde, StrictlyBetweenTheStationDays) {
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
    EXPECT_EQ(IsRetrograde(c.moment, "Mercury"), c.retrograde)
        << IsoText(c.moment);
  }
}

TEST(IsRetrograde, NamesAreExactAndDatesOutsideTheTablesAreDirect) {
  const CivilDateTime inside{1900, 3, 20, 12, 0, 0};
  EXPECT_TRUE(IsRetrograde(inside, "Mercury"));
  for (const char* name : {"mercury", "MERCURY", " Mercury", "Mercury ", "Sun",
                           "Moon", "Rahu", ""}) {
    EXPECT_FALSE(IsRetrograde(inside, name)) << '"' << name << '"';
  }
  for (const std::string& planet : kRetroPlanetNames) {
    EXPECT_FALSE(IsRetrograde({1850, 1, 1, 0, 0, 0}, planet)) << planet;
    EXPECT_FALSE(IsRetrograde({2100, 1, 1, 0, 0, 0}, planet)) << planet;
  }
}

TEST(IsRetrograde, CountsTheInnerDaysOfEveryPeriod) {
  // Walking 1899..2051 day by day finds, per planet, exactly the days that
  // lie strictly between the station days of one of its periods.
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    const StationList list = StationsOf(k);
    std::int64_t innerDays = 0;
    for (std::size_t i = 0; i < list.count; ++i) {
      innerDays += CalendarDaysBetween(list.periods[i].retrograde,
                                       list.periods[i].direct) -
                   1;
    }
    std::int64_t retrogradeDays = 0;
    for (CivilDateTime day{1899, 1, 1, 23, 59, 0}; day.year <= 2051;
         day = AddDays(day, 1)) {
      if (IsRetrograde(day, kRetroPlanetNames[k])) ++retrogradeDays;
    }
    EXPECT_EQ(retrogradeDays, innerDays) << kRetroPlanetNames[k];
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

TEST(MarkRetrogrades, SecondCalculationKeepsOnlyItsOwnMarks) {
  Calculation calc;
  calc.BirthRecord.Year = 1900;
  calc.BirthRecord.Month = 3;
  calc.BirthRecord.Day = 16;
  calc.BirthRecord.Hour = 5;
  calc.MarkRetrogrades();
  EXPECT_EQ(calc.PlanetNames[2], "Mercury (R) ");
  EXPECT_TRUE(calc.RetroFlags[0]);

  // 10 April 1900: Mercury direct again since the 7th; Jupiter retrograde
  // since 27 March; Uranus since 17 March (flagged, never shown).
  calc.BirthRecord.Month = 4;
  calc.BirthRecord.Day = 10;
  calc.MarkRetrogrades();
  PlanetNameTable expected = PlainPlanetNames();
  expected[5] = "Jupiter (R) ";
  EXPECT_EQ(calc.PlanetNames, expected);
  const RetroFlagTable flags{false, false, false, true,
                             false, true,  false, false};
  EXPECT_EQ(calc.RetroFlags, flags);
}

TEST(MonthNumber, ReadsOnlyMonthFields) {
  struct Case {
    const char* field;
    int month;
  };
  const Case cases[] = {{"1", 1},  {"3", 3},   {"12", 12}, {"0", 0},
                        {"13", 0}, {"", 0},    {"x", 0},   {"1x", 0},
                        {"-1", 0}, {"123", 0}, {" 3", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(MonthNumber(c.field), c.month) << '"' << c.field << '"';
  }
}

}  // namespace
}  // namespace tarvelin
