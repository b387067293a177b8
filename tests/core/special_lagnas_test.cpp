// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/special_lagnas.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tarvelin {
namespace {

// Lagna longitudes are sums of a few doubles; they agree far below this.
constexpr double kDegreeTolerance = 1e-9;

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

TEST(TimeBasedLagnas, MoveOneSignPer24MinutesPerHourAndPerTwoHours) {
  struct Case {
    const char* name;
    double sunAtSunrise;
    std::int64_t minutes;
    double ghati, hora, bhava;
  };
  const Case cases[] = {
      {"two hours after sunrise", 10, 120, 160, 70, 40},
      // 2100 and 1050 fold down to 300 and 330; 700 to 340.
      {"long night", 350, 1400, 300, 330, 340},
      {"at sunrise", 0, 0, 0, 0, 0},
      // 350 + 10 = 360: folded only while above 360, so it stays.
      {"exactly 360", 350, 20, 375 - 360, 360, 355},
  };
  for (const Case& k : cases) {
    EXPECT_NEAR(GhatiLagnaStep(k.sunAtSunrise, k.minutes), k.ghati,
                kDegreeTolerance)
        << k.name;
    EXPECT_NEAR(HoraLagnaStep(k.sunAtSunrise, k.minutes), k.hora,
                kDegreeTolerance)
        << k.name;
    EXPECT_NEAR(BhavaLagnaStep(k.sunAtSunrise, k.minutes), k.bhava,
                kDegreeTolerance)
        << k.name;
  }
}

BodySigns AllIn(Sign sign) {
  BodySigns signs;
  signs.fill(sign);
  return signs;
}

TEST(ArudhaPada, FirstHouseFromTheLordOfTheAscendant) {
  struct Case {
    const char* name;
    Sign ascendant, mars;
    Sign pada;
  };
  const Case cases[] = {
      // Mars, lord of Aries, in Leo: d = 8, pada Sagittarius.
      {"lord four signs on", Ari, Leo, Sag},
      // d = 0 and d = 12: the tenth sign from the house.
      {"lord in its own house", Ari, Ari, Cap},
      {"lord six signs away", Ari, Lib, Cap},
      // d = 6 puts the pada on the seventh sign: nine signs on, Cancer.
      {"lord three signs away", Ari, Can, Can},
      {"lord three signs back", Ari, Cap, Can},
  };
  for (const Case& k : cases) {
    BodySigns signs = AllIn(Tau);
    signs[kAscendant] = k.ascendant;
    signs[kMars] = k.mars;
    const ArudhaPadas padas = CalcArudhaPadas(signs);
    EXPECT_EQ(padas.pada[0], k.pada) << k.name;
    EXPECT_EQ(padas.firstLordSign, k.mars) << k.name;
  }
}

TEST(ArudhaPada, LaterHousesCountOnWithinTheTwelveSigns) {
  // Ascendant in Sagittarius; house 11 is Libra. Its lord Venus in
  // Capricorn gives d = 6, the seventh sign from Libra (Aries), so the pada
  // moves nine signs on to Capricorn.
  BodySigns signs = AllIn(Ari);
  signs[kVenus] = Cap;
  signs[kAscendant] = Sag;
  EXPECT_EQ(CalcArudhaPadas(signs).pada[10], Cap);
  // House 10 from Sagittarius is Virgo, lord Mercury in Aries: d = 2 x (1 -
  // 6) + 12 = 2, Scorpio.
  EXPECT_EQ(CalcArudhaPadas(signs).pada[9], Sco);
}

TEST(InduLagna, CountsTheKalaRemainderFromTheAscendant) {
  struct Case {
    const char* name;
    Sign ascendant, moon, indu;
  };
  const Case cases[] = {
      // 10 + 1 = 11: eleventh sign from Aries.
      {"Aries, Moon in Taurus", Ari, Tau, Aqu},
      // 6 + 6 = 12, remainder 0: one sign before Leo.
      {"Leo, Moon in Pisces", Leo, Pis, Can},
      // 30 + 16 = 46, remainder 10: tenth sign from Sagittarius.
      {"Sagittarius, Moon in Scorpio", Sag, Sco, Vir},
      // 10 + 10 = 20, remainder 8.
      {"Aries, Moon in Cancer", Ari, Can, Sco},
      // 8 + 16 = 24, remainder 0, one sign before Libra.
      {"Libra, Moon in Scorpio", Lib, Sco, Vir},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(InduLagnaStep(k.ascendant, k.moon), k.indu) << k.name;
  }
}

TEST(VarnadaLagna, CombinesAscendantAndHoraByOddAndEvenSigns) {
  struct Case {
    const char* name;
    double ascendant, hora, varnada;
  };
  const Case cases[] = {
      // 15 odd, 45 even as 315: |15 - 315| = 300.
      {"odd ascendant, even Hora", 15, 45, 300},
      // 315 and 15: 300, ascendant even so 360 - 300.
      {"even ascendant, odd Hora", 45, 15, 60},
      // 15 + 75 = 90.
      {"both odd", 15, 75, 90},
      // 315 + 260 = 575 folds to 215, then 360 - 215.
      {"both even", 45, 100, 145},
  };
  for (const Case& k : cases) {
    EXPECT_NEAR(VarnadaLagnaStep(k.ascendant, k.hora), k.varnada,
                kDegreeTolerance)
        << k.name;
  }
}

TEST(SreeLagna, AddsTheMoonsNakshatraFractionOfTheCircle) {
  // 5 degrees into the nakshatra: 5 x 0.075 x 360 = 135.
  EXPECT_NEAR(SreeLagnaStep(10, 18.33, 13.33), 145, 1e-9);
  EXPECT_NEAR(SreeLagnaStep(300, 18.33, 13.33), 75, 1e-9);  // 435 folds
}

TEST(Vighati2Degree, SplitsVighatisIntoSignsDegreesMinutes) {
  struct Case {
    double x;
    double signs, degrees, minutes;
  };
  const Case cases[] = {
      {30, 2, 0, 0},       // three hours after sunrise
      {30.5, 2, 15, 0},    // the fraction counts thirty degrees
      {14.75, 0, 22, 30},  // whole part below 15: no sign
      {-45.25, 3, 7, 30},  // the magnitude is used
  };
  for (const Case& k : cases) {
    const PranaParts p = Vighati2Degree(k.x);
    EXPECT_EQ(p.signs, k.signs) << "x = " << k.x;
    EXPECT_EQ(p.degrees, k.degrees) << "x = " << k.x;
    EXPECT_EQ(p.minutes, k.minutes) << "x = " << k.x;
  }
}

TEST(Pranapada, StartsFromTheSunsSignByItsKind) {
  struct Case {
    const char* name;
    std::int64_t seconds;
    double sun;
    Sign pranapada;
  };
  const Case cases[] = {
      // 10800 s: v = 30, two signs; Aries is movable.
      {"three hours, Sun in Aries", 10800, 10.5, Gem},
      // 5400 s: v = 15, one sign; Taurus is fixed: 1 + 1 + 8.
      {"ninety minutes, Sun in Taurus", 5400, 59 + 50 / 60.0, Aqu},
      // Pisces is dual: 2 + 11 + 4 = 17, less 12.
      {"three hours, Sun in Pisces", 10800, 333, Vir},
      // v = 30.25 gives 7 degrees 30 minutes; 28 + 7 carries one sign.
      {"carry into the next sign", 10890, 28 + 10 / 60.0, Can},
      // 29° 59' 59.6": the Sun's whole degrees and minutes, never rounded
      // up into Taurus (which would give Pisces).
      {"Sun at the very end of Aries", 10800, 30 - 0.4 / 3600, Gem},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(PranapadaStep(k.seconds, k.sun), k.pranapada) << k.name;
  }
}

}  // namespace
}  // namespace tarvelin
