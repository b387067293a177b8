#include <gtest/gtest.h>

#include <array>
#include <string>

#include "chart/calculation.h"
#include "tables/house_significance.h"

namespace tarvelin {
namespace {

// Lagna longitudes are sums of a few doubles; they agree far below this.
constexpr double kDegreeTolerance = 1e-9;

// A calculation whose planet table puts every body in `signs` (chart
// notation, index 0 Sun ... 9 ascendant) with plain body names.
Calculation WithBodiesIn(const std::array<const char*, kBodyCount>& signs) {
  Calculation c;
  for (int i = 0; i < kBodyCount; ++i) {
    c.PlanetTable[i] = std::string("12 ") + signs[i] + " 34";
  }
  return c;
}

// Which marker cells hold at least one marker line.
std::array<int, 12> MarkerLineCounts(const ResultView& view) {
  std::array<int, 12> counts{};
  for (int s = 0; s < 12; ++s) {
    for (std::size_t at = view.lblArudha[s].find("\r\n");
         at != std::string::npos; at = view.lblArudha[s].find("\r\n", at + 2)) {
      ++counts[s];
    }
  }
  return counts;
}

std::array<int, 12> OnlyCells(std::initializer_list<int> cells) {
  std::array<int, 12> counts{};
  for (int cell : cells) ++counts[cell];
  return counts;
}

TEST(LagnaMarker, AppendsALineBreakThenTheTextAndIgnoresCellsOffTheChart) {
  Calculation c;
  c.LagnaMarker(3, "");
  c.LagnaMarker(3, "HL");
  c.LagnaMarker(-1, "");
  c.LagnaMarker(12, "HL");
  EXPECT_EQ(c.View.lblArudha[3], "\r\n\r\nHL");
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({3, 3}));
}

TEST(TimeBasedLagnas, MoveOneSignPer24MinutesPerHourAndPerTwoHours) {
  struct Case {
    const char* name;
    double sunAtSunrise;
    std::int64_t minutes;
    double ghati, hora, bhava;
    int horaSign;  // 1..12
  };
  const Case cases[] = {
      {"two hours after sunrise", 10, 120, 160, 70, 40, 3},
      // 2100 and 1050 fold down to 300 and 330; 700 to 340.
      {"long night", 350, 1400, 300, 330, 340, 12},
      {"at sunrise", 0, 0, 0, 0, 0, 1},
  };
  for (const Case& k : cases) {
    Calculation c;
    c.SunriseSunLongitude = k.sunAtSunrise;
    c.ElapsedMinutes = k.minutes;
    c.GhatiLagnaStep();
    c.HoraLagnaStep();
    c.BhavaLagnaStep();
    EXPECT_NEAR(c.GhatiLagna, k.ghati, kDegreeTolerance) << k.name;
    EXPECT_NEAR(c.HoraLagna, k.hora, kDegreeTolerance) << k.name;
    EXPECT_NEAR(c.BhavaLagna, k.bhava, kDegreeTolerance) << k.name;
    EXPECT_EQ(c.HoraLagnaWhole, k.hora) << k.name;
    EXPECT_EQ(c.HoraLagnaSign, k.horaSign) << k.name;
    EXPECT_EQ(c.HoraLagnaSignIndex, k.horaSign - 1) << k.name;
    EXPECT_NE(c.View.lblArudha[k.horaSign - 1].find("\r\nHL"),
              std::string::npos)
        << k.name << ": " << c.View.lblArudha[k.horaSign - 1];
  }
}

TEST(TimeBasedLagnas, GhatiHoraAndBhavaMarkTheirCells) {
  Calculation c;
  c.SunriseSunLongitude = 10;
  c.ElapsedMinutes = 120;
  c.GhatiLagnaStep();  // 160: Virgo
  c.HoraLagnaStep();   // 70: Gemini
  c.BhavaLagnaStep();  // 40: Taurus
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({5, 2, 1}));
  EXPECT_EQ(c.View.lblArudha[2], "\r\nHL");
}

TEST(TimeBasedLagnas, HoraLagnaOfExactly360HasNoSign) {
  Calculation c;
  c.HoraLagnaSign = 7;
  c.HoraLagnaSignIndex = 6;
  c.SunriseSunLongitude = 350;
  c.ElapsedMinutes = 20;  // 350 + 10 = 360: not folded, no sign
  c.HoraLagnaStep();
  EXPECT_EQ(c.HoraLagna, 360);
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({}));
  EXPECT_EQ(c.HoraLagnaSign, 7);
  EXPECT_EQ(c.HoraLagnaSignIndex, 6);
}

TEST(TimeBasedLagnas, HoraMarkerFollowsTheMarkersBeforeItInItsCell) {
  // An arudha pada and the ghati lagna in Gemini, then the Hora Lagna
  // there: the "HL" line comes after their empty lines.
  Calculation c;
  c.LagnaMarker(2, "");
  c.SunriseSunLongitude = 20;
  c.ElapsedMinutes = 32;  // ghati 20 + 40 = 60: Gemini
  c.GhatiLagnaStep();
  c.ElapsedMinutes = 80;  // Hora 20 + 40 = 60: Gemini
  c.HoraLagnaStep();
  EXPECT_EQ(c.View.lblArudha[2], "\r\n\r\n\r\nHL");
}

TEST(ArudhaPada, FirstHouseMarksThePadaThenTheLordsSign) {
  // Ascendant in Aries, its lord Mars in Leo: d = 8, pada Sagittarius.
  Calculation c = WithBodiesIn(
      {"Can", "Tau", "Gem", "Gem", "Leo", "Cap", "Aqu", "Vir", "Pis", "Ari"});
  c.CalcArudhaPada("Mars");
  EXPECT_EQ(c.ArudhaCount, 1);
  EXPECT_EQ(c.HouseSign, 1);
  EXPECT_EQ(c.LordSign, 5);
  EXPECT_EQ(c.FirstLordSign, 5);
  EXPECT_EQ(c.InduBase, 1);
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({8, 4}));
}

TEST(ArudhaPada, PadaOnTheHouseOrItsSeventhSignMoves) {
  struct Case {
    const char* name;
    const char* marsSign;
    int padaCell;
  };
  const Case cases[] = {
      // d = 0: the tenth sign from the house.
      {"lord in its own house", "Ari", 9},
      // d = 12: the same.
      {"lord six signs away", "Lib", 9},
      // d = 6 puts the pada on the seventh sign: nine signs on, Cancer.
      {"lord three signs away", "Can", 3},
      {"lord three signs back", "Cap", 3},
  };
  for (const Case& k : cases) {
    Calculation c = WithBodiesIn({"Tau", "Tau", "Tau", "Tau", k.marsSign, "Tau",
                                  "Tau", "Tau", "Tau", "Ari"});
    c.CalcArudhaPada("Mars");
    // The lord's own marker goes to its sign after the pada's.
    const int lordCell = c.LordSign - 1;
    EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({k.padaCell, lordCell}))
        << k.name;
  }
}

TEST(ArudhaPada, RetrogradeLordIsStillFound) {
  Calculation c = WithBodiesIn(
      {"Ari", "Ari", "Ari", "Ari", "Ari", "Aqu", "Ari", "Ari", "Ari", "Sag"});
  c.PlanetNames[5] = "Jupiter (R) ";
  c.LordSign = 3;  // left by an earlier call
  c.CalcArudhaPada("Jupiter");
  EXPECT_EQ(c.LordSign, 11);
  // House Sagittarius (9), lord in Aquarius: d = 4, pada Aries.
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({0, 10}));
}

TEST(ArudhaPada, LaterHousesCountOnWithinTheTwelveSigns) {
  // Ascendant in Sagittarius; house 11 is Libra. Its lord Venus in
  // Capricorn gives d = 6, the seventh sign from Libra (Aries), so the pada
  // moves nine signs on to Capricorn.
  Calculation c = WithBodiesIn(
      {"Ari", "Ari", "Ari", "Cap", "Ari", "Ari", "Ari", "Ari", "Ari", "Sag"});
  c.ArudhaCount = 10;
  c.CalcArudhaPada("Venus");
  EXPECT_EQ(c.ArudhaCount, 11);
  EXPECT_EQ(c.HouseSign, 7);
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({9}));
}

TEST(ArudhaPada, TwelveHousesLeaveThirteenMarkers) {
  Calculation c = WithBodiesIn(
      {"Leo", "Can", "Vir", "Lib", "Sco", "Pis", "Cap", "Gem", "Sag", "Tau"});
  for (int h = 0; h < 12; ++h) c.CalcArudhaPada(c.SignLords[(1 + h) % 12]);
  int total = 0;
  for (int n : MarkerLineCounts(c.View)) total += n;
  EXPECT_EQ(total, 13);
  EXPECT_EQ(c.ArudhaCount, 12);
  EXPECT_EQ(c.HouseSign, 1);  // the twelfth house from Taurus
}

TEST(ArudhaPada, SignsFoundOnceGiveWhatEachCallWouldFind) {
  // Bodies without a sign in their text (an unknown abbreviation, a short
  // text, no text) keep being skipped when the signs are found up front.
  const std::array<const char*, kBodyCount> tables[] = {
      {"Leo", "Can", "Vir", "Lib", "Sco", "Pis", "Cap", "Gem", "Sag", "Tau"},
      {"Ari", "Xyz", "Ari", "Cap", "Ari", "Ari", "Ari", "Ari", "Ari", "Sag"},
      {"Tau", "Tau", "Tau", "Tau", "Xyz", "Tau", "Tau", "Tau", "Tau", "Xyz"},
  };
  for (const auto& signs : tables) {
    for (const char* odd : {"", "12 Ar", "12 Leo 34"}) {
      Calculation each = WithBodiesIn(signs);
      each.PlanetTable[6] = odd;
      each.PlanetNames[4] = "Mars (R) ";
      Calculation once = each;
      const Calculation::BodySignTable bodySigns = once.BodySigns();
      for (int h = 0; h < 12; ++h) {
        const std::string& lord = each.SignLords[(3 + h) % 12];
        each.CalcArudhaPada(lord);
        once.CalcArudhaPada(lord, bodySigns);
        const std::string label = std::string(signs[9]) + " / \"" + odd +
                                  "\" house " + std::to_string(h + 1);
        EXPECT_EQ(once.HouseSign, each.HouseSign) << label;
        EXPECT_EQ(once.LordSign, each.LordSign) << label;
        EXPECT_EQ(once.FirstLordSign, each.FirstLordSign) << label;
        EXPECT_EQ(once.InduBase, each.InduBase) << label;
        EXPECT_EQ(once.MoonKala, each.MoonKala) << label;
        EXPECT_EQ(once.AscendantKala, each.AscendantKala) << label;
        EXPECT_EQ(once.View.lblArudha, each.View.lblArudha) << label;
      }
    }
  }
}

TEST(InduLagna, CountsTheKalaRemainderFromTheAscendant) {
  struct Case {
    const char* name;
    const char* ascendant;
    const char* moon;
    int cell;
  };
  const Case cases[] = {
      // 10 + 1 = 11: eleventh sign from Aries.
      {"Aries, Moon in Taurus", "Ari", "Tau", 10},
      // 6 + 6 = 12, remainder 0: one sign before Leo.
      {"Leo, Moon in Pisces", "Leo", "Pis", 3},
      // 30 + 16 = 46, remainder 10: tenth sign from Sagittarius.
      {"Sagittarius, Moon in Scorpio", "Sag", "Sco", 5},
  };
  for (const Case& k : cases) {
    Calculation c = WithBodiesIn({"Ari", k.moon, "Ari", "Ari", "Ari", "Ari",
                                  "Ari", "Ari", "Ari", k.ascendant});
    c.CalcArudhaPada("Nobody");
    c.View = ResultView{};
    c.InduLagnaStep();
    EXPECT_EQ(c.InduSignIndex, k.cell) << k.name;
    EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({k.cell})) << k.name;
  }
}

TEST(InduLagna, RemainderZeroFromAriesWrapsToPisces) {
  for (int kalaSum : {12, 24}) {
    Calculation c;
    c.InduBase = 1;
    c.AscendantKala = 10;
    c.MoonKala = static_cast<std::int16_t>(kalaSum - 10);
    c.InduLagnaStep();
    EXPECT_EQ(c.InduBase, 12) << "kala sum " << kalaSum;
    EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({11}))
        << "kala sum " << kalaSum;
  }
}

TEST(VarnadaLagna, CombinesAscendantAndHoraByOddAndEvenSigns) {
  struct Case {
    const char* name;
    double ascendant, hora, varnada;
    int cell;
  };
  const Case cases[] = {
      // 15 odd, 45 even as 315: |15 - 315| = 300.
      {"odd ascendant, even Hora", 15, 45, 300, 10},
      // 315 and 15: 300, ascendant even so 360 - 300.
      {"even ascendant, odd Hora", 45, 15, 60, 2},
      // 15 + 75 = 90.
      {"both odd", 15, 75, 90, 3},
      // 315 + 260 = 575 folds to 215, then 360 - 215.
      {"both even", 45, 100, 145, 4},
  };
  for (const Case& k : cases) {
    Calculation c;
    c.AscendantWholeDegrees = k.ascendant;
    c.HoraLagnaWhole = k.hora;
    c.VarnadaLagnaStep();
    EXPECT_NEAR(c.VarnadaLagna, k.varnada, kDegreeTolerance) << k.name;
    EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({k.cell})) << k.name;
  }
}

TEST(SreeLagna, AddsTheMoonsNakshatraFractionOfTheCircle) {
  Calculation c;
  c.SiderealAscendant = 10;
  c.MoonLongitude = 18.33;
  c.MoonNakshatraStart = 13.33;
  c.SreeLagnaStep();  // 5 x 0.075 x 360 = 135
  EXPECT_NEAR(c.SreeLagna, 145, 1e-9);
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({4}));

  c.SiderealAscendant = 300;
  c.SreeLagnaStep();  // 435 folds to 75
  EXPECT_NEAR(c.SreeLagna, 75, 1e-9);
}

TEST(MoonSunMarkers, SunNeedsAReferenceSunrise) {
  Calculation c = WithBodiesIn(
      {"Ari", "Leo", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari"});
  c.ReferenceSunrise = CivilDateTime{1980, 3, 15, 6, 30, 0};
  c.MoonSunMarkers();
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({4, 0}));

  c.View = ResultView{};
  c.ReferenceSunrise.reset();
  c.MoonSunMarkers();
  EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({4}));
}

TEST(Vighati2Degree, SplitsVighatisIntoSignsDegreesMinutesSeconds) {
  struct Case {
    double x;
    double signs, degrees, minutes, seconds;
  };
  const Case cases[] = {
      {30, 2, 0, 0, 0},       // three hours after sunrise
      {30.5, 2, 15, 0, 0},    // the fraction counts thirty degrees
      {14.75, 0, 22, 30, 0},  // whole part below 15: no sign
      {-45.25, 3, 7, 30, 0},  // the magnitude is used
  };
  for (const Case& k : cases) {
    Calculation c;
    c.Vighati2Degree(k.x);
    EXPECT_EQ(c.PranaSigns, k.signs) << "x = " << k.x;
    EXPECT_EQ(c.PranaDegrees, k.degrees) << "x = " << k.x;
    EXPECT_EQ(c.PranaMinutes, k.minutes) << "x = " << k.x;
    EXPECT_EQ(c.PranaSeconds, k.seconds) << "x = " << k.x;
  }
}

TEST(Pranapada, StartsFromTheSunsSignByItsKind) {
  struct Case {
    const char* name;
    std::int64_t seconds;
    const char* sun;
    double signs;
    int cell;
  };
  const Case cases[] = {
      // 10800 s: v = 30, two signs; Aries is movable.
      {"three hours, Sun in Aries", 10800, "10 Ari 30", 2, 2},
      // 5400 s: v = 15, one sign; Taurus is fixed: 1 + 1 + 8.
      {"ninety minutes, Sun in Taurus", 5400, "29 Tau 50", 1, 10},
      // Pisces is dual: 2 + 11 + 4 = 17, less 12.
      {"three hours, Sun in Pisces", 10800, "03 Pis 00", 2, 5},
      // v = 30.25 gives 7 degrees 30 minutes; 28 + 7 carries one sign.
      {"carry into the next sign", 10890, "28 Ari 10", 3, 3},
  };
  for (const Case& k : cases) {
    Calculation c;
    c.ElapsedSeconds = k.seconds;
    c.SunriseSunText = k.sun;
    c.PranapadaStep();
    EXPECT_EQ(c.PranaSigns, k.signs) << k.name;
    EXPECT_EQ(c.PranapadaSignIndex, k.cell) << k.name;
    EXPECT_EQ(MarkerLineCounts(c.View), OnlyCells({k.cell})) << k.name;
  }
}

TEST(HouseStep, CountsTheHoraLagnaHouseFromTheAscendant) {
  struct Case {
    int ascendant, hora, house;
  };
  const Case cases[] = {{5, 5, 1}, {12, 1, 2}, {1, 12, 12}, {3, 1, 11}};
  for (const Case& k : cases) {
    Calculation c;
    c.AscendantSign = k.ascendant;
    c.HoraLagnaSign = static_cast<std::int16_t>(k.hora);
    c.HouseStep();
    EXPECT_EQ(c.HoraLagnaHouse, k.house)
        << "ascendant " << k.ascendant << ", Hora " << k.hora;
    EXPECT_EQ(c.View.lblHoraDesc, kHouseSignificance[k.house - 1]);
  }
}

}  // namespace
}  // namespace tarvelin
