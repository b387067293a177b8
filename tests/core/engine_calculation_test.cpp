#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chart/calculation.h"
#include "engine/planets.h"
#include "engine/position_text.h"
#include "engine/time_base.h"

namespace tarvelin {
namespace {

struct Birth {
  int year, month, day, hour, minute;
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
  int zoneOffsetHours, zoneOffsetMinutes;
  bool dst;
};

void Load(Calculation& c, const Birth& b) {
  BirthRecord& r = c.BirthRecord;
  r.Year = static_cast<std::int16_t>(b.year);
  r.Month = static_cast<std::int16_t>(b.month);
  r.Day = static_cast<std::int16_t>(b.day);
  r.Hour = static_cast<std::int16_t>(b.hour);
  r.Minute = static_cast<std::int16_t>(b.minute);
  r.LatDeg = static_cast<std::int16_t>(b.latDeg);
  r.LatMin = static_cast<std::int16_t>(b.latMin);
  r.IsSouth = b.south;
  r.LonDeg = static_cast<std::int16_t>(b.lonDeg);
  r.LonMin = static_cast<std::int16_t>(b.lonMin);
  r.IsEast = b.east;
  r.ZoneHours = static_cast<std::int16_t>(std::abs(b.zoneOffsetHours));
  r.ZoneMinutes = static_cast<std::int16_t>(std::abs(b.zoneOffsetMinutes));
  r.HasDST = b.dst;
  c.ZoneOffsetHours = static_cast<std::int16_t>(b.zoneOffsetHours);
  c.ZoneOffsetMinutes = static_cast<std::int16_t>(b.zoneOffsetMinutes);
}

void BirthRun(Calculation& c, const Birth& b) {
  Load(c, b);
  c.SunrisePass = false;
  c.CalcAscendant();
  c.CalcMoon();
  ASSERT_TRUE(c.CalcPlanets());
}

// New Delhi, 15 June 1901, 12:00 Indian time ("Indian Time, IST, +5.3").
const Birth kDelhi1901{1901,  6,  15, 12,   0,  28,  36,
                       false, 77, 12, true, -5, -30, false};

TEST(EngineCalculation, SunOf1901AgreesWithAHighPrecisionSiderealPlace) {
  // A high-precision ephemeris with the Lahiri ayanamsa puts this Sun at
  // 60.954 degrees; referred to the equinox of J2000.0 instead of the date
  // it would come out near 62.3.
  constexpr double kToleranceDeg = 0.05;
  Calculation c;
  BirthRun(c, kDelhi1901);
  EXPECT_DOUBLE_EQ(c.UniversalTime, 6.5);
  EXPECT_NEAR(c.BirthLongitudes[0], 60.954, kToleranceDeg)
      << "sidereal Sun " << c.BirthLongitudes[0];
  EXPECT_EQ(c.PlanetTable[0].substr(0, 6), "00 Gem");
}

TEST(EngineCalculation, BirthRunFillsTheTableAndTheBirthLongitudes) {
  Calculation c;
  BirthRun(c, kDelhi1901);
  EXPECT_EQ(c.BirthLongitudes[1], c.MoonLongitude);
  EXPECT_EQ(c.BirthLongitudes[9], c.SiderealAscendant);
  EXPECT_EQ(c.PlanetTable[1], ToChartNotation(c.MoonText));
  EXPECT_EQ(c.PlanetTable[9], ToChartNotation(c.AscendantText));
  for (int i = 0; i < kBodyCount; ++i) {
    EXPECT_EQ(SignIndexOfChartText(c.PlanetTable[i]),
              static_cast<int>(c.BirthLongitudes[i] / 30))
        << "slot " << i << ": " << c.PlanetTable[i];
  }
  // The birth run leaves the sunrise outputs alone.
  EXPECT_EQ(c.SunriseSunLongitude, 0.0);
  EXPECT_EQ(c.SunriseSunText, "");
}

// The old hemisphere rule: the zone magnitude with the direction of the
// longitude's hemisphere, daylight saving widening or narrowing it.
double HemisphereRule(const Birth& b) {
  const double west =
      b.east ? -(b.lonDeg + b.lonMin / 60.0) : b.lonDeg + b.lonMin / 60.0;
  double zone =
      std::abs(b.zoneOffsetHours) + std::abs(b.zoneOffsetMinutes) / 60.0;
  if (b.dst) zone += west < 0 ? 1 : -1;
  const double local = b.hour + b.minute / 60.0;
  return west < 0 ? local - zone : local + zone;
}

TEST(EngineCalculation,
     SameSideOfGreenwichWithoutDaylightSavingMatchesOldRules) {
  const Birth cases[] = {
      kDelhi1901,
      {1980, 3, 15, 9, 5, 40, 43, false, 74, 0, false, 5, 0, false},  // NY
      {1975, 12, 31, 23, 50, 33, 52, true, 151, 13, true, -10, 0, false},
      {1962, 1, 1, 0, 15, 47, 34, false, 52, 43, false, 3, 30, false},
  };
  for (const Birth& b : cases) {
    Calculation c;
    BirthRun(c, b);
    const double hemisphere = HemisphereRule(b);
    EXPECT_DOUBLE_EQ(c.UniversalTime, hemisphere) << b.year;
    // The planets' calendar rule lands on the same instant: their d equals
    // the one of the Julian day number and the hemisphere universal time.
    const double dFromHemisphere = JulianDayNumber(b.month, b.day, b.year) -
                                   2451545.0 - 0.5 + hemisphere / 24.0;
    const PlanetOutputs planets =
        CalcPlanets(PlanetInstant{b.year, b.month, b.day, b.hour, b.minute},
                    b.zoneOffsetHours, b.zoneOffsetMinutes, b.dst,
                    c.SiderealCorrection, c.MoonText, c.AscendantText);
    EXPECT_NEAR(planets.UniversalDayNumber, dFromHemisphere, 1e-9) << b.year;
    EXPECT_EQ(planets.PlanetTable, c.PlanetTable) << b.year;
  }
}

TEST(EngineCalculation, LondonInSummerTakesUniversalTimeOneHourBehind) {
  // 15 July 1990, 14:30 by the clock in London (51° 30' N, 0° 07' W).
  const Birth bstZone{
      1990,  7, 15, 14,    30, 51, 30,
      false, 0, 7,  false, -1, 0,  false};  // "British Summer Time,BST,+1.0"
  const Birth gmtWithDst{
      1990,  7, 15, 14,    30, 51, 30,
      false, 0, 7,  false, 0,  0,  true};  // GMT zone, daylight saving ticked
  const Birth atGreenwichTime{
      1990,  7, 15, 13,    30, 51, 30,
      false, 0, 7,  false, 0,  0,  false};  // the same instant in UT
  Calculation reference;
  BirthRun(reference, atGreenwichTime);
  for (const Birth& b : {bstZone, gmtWithDst}) {
    Calculation c;
    BirthRun(c, b);
    EXPECT_DOUBLE_EQ(c.UniversalTime, 13.5);
    EXPECT_DOUBLE_EQ(c.SiderealAscendant, reference.SiderealAscendant);
    EXPECT_DOUBLE_EQ(c.MoonLongitude, reference.MoonLongitude);
    EXPECT_EQ(c.BirthLongitudes, reference.BirthLongitudes);
    EXPECT_EQ(c.PlanetTable, reference.PlanetTable);
  }
  // The hemisphere rule would have put the BST birth at 15:30 UT.
  EXPECT_DOUBLE_EQ(HemisphereRule(bstZone), 15.5);
}

TEST(EngineCalculation, SunriseRunReadsTheFiveSunriseTexts) {
  Calculation c;
  BirthRun(c, kDelhi1901);
  const auto birthTable = c.PlanetTable;
  const auto birthLongitudes = c.BirthLongitudes;

  c.SunrisePass = true;
  c.SunriseParts = {"15", "June", "1901", "5", "23"};
  ASSERT_TRUE(c.CalcPlanets());
  const PlanetOutputs want =
      CalcPlanets(PlanetInstant{1901, 6, 15, 5, 23}, -5, -30, false,
                  c.SiderealCorrection, c.MoonText, c.AscendantText);
  EXPECT_EQ(c.SunriseSunLongitude, want.Longitudes[0]);
  EXPECT_EQ(c.SunriseSunText, want.PlanetTable[0]);
  EXPECT_EQ(c.PlanetTable, want.PlanetTable);
  // Moon and ascendant slots are rebuilt from the birth texts; the birth
  // longitudes stay those of the birth.
  EXPECT_EQ(c.PlanetTable[1], birthTable[1]);
  EXPECT_EQ(c.PlanetTable[9], birthTable[9]);
  EXPECT_EQ(c.BirthLongitudes, birthLongitudes);
  // 6 h 37 min before the birth, at about 0.955 degree a day.
  EXPECT_NEAR(birthLongitudes[0] - c.SunriseSunLongitude, 0.955 * 397 / 1440,
              0.005);
}

TEST(EngineCalculation, UnreadableSunriseTextsWriteNothing) {
  const std::array<std::string, 5> bad[] = {
      {"", "", "", "", ""},
      {"15", "Jun", "1901", "5", "23"},
      {"31", "June", "1901", "5", "23"},
      {"29", "February", "1901", "5", "23"},
      {"15", "June", "1901", "24", "0"},
      {"15", "June", "1901", "5", "60"},
      {"15", "June", "19o1", "5", "23"},
      {"-1", "June", "1901", "5", "23"},
  };
  Calculation c;
  BirthRun(c, kDelhi1901);
  c.SunrisePass = true;
  c.SunriseParts = {" 15 ", "June", "1901", "5", "23"};  // blanks allowed
  ASSERT_TRUE(c.CalcPlanets());
  const auto table = c.PlanetTable;
  const double sunriseSun = c.SunriseSunLongitude;
  const std::string sunriseText = c.SunriseSunText;
  for (const auto& parts : bad) {
    c.SunriseParts = parts;
    EXPECT_FALSE(c.CalcPlanets())
        << parts[0] << " " << parts[1] << " " << parts[2] << " " << parts[3]
        << ":" << parts[4];
    EXPECT_EQ(c.PlanetTable, table);
    EXPECT_EQ(c.SunriseSunLongitude, sunriseSun);
    EXPECT_EQ(c.SunriseSunText, sunriseText);
  }
}

}  // namespace
}  // namespace tarvelin
