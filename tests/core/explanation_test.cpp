// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/explanation.h"

#include <gtest/gtest.h>

#include "present/result_view.h"  // kNoSunriseNotice

namespace tarvelin {
namespace {

// Births whose results are filled by hand, so the texts are checked against
// numbers chosen for their edges rather than against the calculation.
struct Case {
  const char* name;
  Birth birth;
  ChartResult result;
  std::string summary;
  std::vector<std::string> lines;
};

Birth MakeBirth(CivilDateTime local, int offset, int dst, int zoneIndex,
                const char* atlasZone = "") {
  Birth birth;
  birth.name = "RAM";
  birth.local = local;
  birth.utcOffsetSeconds = offset;
  birth.daylightSavingSeconds = dst;
  birth.zoneIndex = zoneIndex;
  birth.atlasZone = atlasZone;
  return birth;
}

ChartResult Timed(CivilDateTime sunrise, std::int64_t minutes, double sun,
                  double hora, int signIndex, int ascendant, int house) {
  ChartResult result;
  result.timing = ReferenceTiming{sunrise, minutes, minutes * 60};
  result.sunriseSunLongitude = sun;
  result.lagnas.hora = hora;
  result.horaLagna = HoraLagna{hora, signIndex, house};
  result.ascendantSignIndex = ascendant;
  result.ayanamsa = 23.5762;
  return result;
}

constexpr char kClassicRule[] =
    "Sunrise: the Sun's upper edge on the horizon, with refraction, to the "
    "minute (classic rule).";
constexpr char kClassicAyanamsa[] =
    "Ayanamsa: classic, 23\u00B0 34\u2032 at the birth.";

std::vector<Case> Cases() {
  std::vector<Case> cases;
  // Day: one circle folded away; the zone from the list, no daylight saving.
  cases.push_back(
      {"day",
       MakeBirth({1980, 3, 15, 10, 20, 45}, 19800, 0, 34),
       Timed({1980, 3, 15, 6, 37, 0}, 223, 331.2847, 82.7847, 2, 1, 2),
       "Hora Lagna: Gemini 22\u00B0 47\u2032 \u2014 2nd house from the "
       "ascendant (Taurus)",
       {"Birth: 15 March 1980, 10:20:45 local clock time.",
        "Zone offset: UTC+05:30 (zone-list entry \"Indian Time, IST, "
        "+5.3\"); daylight saving: none.",
        kClassicRule, kClassicAyanamsa,
        "Timed from the birth day's sunrise: 15 March 1980 at 06:37:00.",
        "The Sun's sidereal longitude at that sunrise: 331\u00B0 17\u2032 "
        "(Pisces 1\u00B0 17\u2032).",
        "Minutes elapsed from that sunrise to the birth: 223 (whole minutes; "
        "the seconds do not count).",
        "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna:",
        "331\u00B0 17\u2032 + 0.5\u00B0 \u00D7 223 = 331\u00B0 17\u2032 + "
        "111\u00B0 30\u2032 = 442\u00B0 47\u2032; less 360\u00B0 (whole "
        "circles) = 82\u00B0 47\u2032 = Gemini 22\u00B0 47\u2032.",
        "Counted from the ascendant's sign, Taurus, the Hora Lagna's sign "
        "Gemini is the 2nd house."}});
  // Evening, under daylight saving: two circles, and a Sun a fraction of a
  // second short of a whole degree is cut, not rounded, everywhere.
  cases.push_back(
      {"evening",
       MakeBirth({1980, 6, 15, 21, 5, 5}, -4 * 3600, 3600, 27),
       Timed({1980, 6, 15, 6, 37, 0}, 868, 331.99999, 45.99999, 1, 6, 8),
       "Hora Lagna: Taurus 15\u00B0 59\u2032 \u2014 8th house from the "
       "ascendant (Libra)",
       {"Birth: 15 June 1980, 21:05:05 local clock time.",
        "Zone offset: UTC-04:00 (zone-list entry \"Eastern Standard "
        "Time,EST,-5.0\"); daylight saving: +01:00 included, standard time "
        "UTC-05:00.",
        kClassicRule, kClassicAyanamsa,
        "Timed from the birth day's sunrise: 15 June 1980 at 06:37:00.",
        "The Sun's sidereal longitude at that sunrise: 331\u00B0 59\u2032 "
        "(Pisces 1\u00B0 59\u2032).",
        "Minutes elapsed from that sunrise to the birth: 868 (whole minutes; "
        "the seconds do not count).",
        "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna:",
        "331\u00B0 59\u2032 + 0.5\u00B0 \u00D7 868 = 331\u00B0 59\u2032 + "
        "434\u00B0 00\u2032 = 765\u00B0 59\u2032; less 720\u00B0 (whole "
        "circles) = 45\u00B0 59\u2032 = Taurus 15\u00B0 59\u2032.",
        "Counted from the ascendant's sign, Libra, the Hora Lagna's sign "
        "Taurus is the 8th house."}});
  // Before sunrise: the day before's sunrise; an atlas zone; nothing folded.
  cases.push_back(
      {"before sunrise",
       MakeBirth({1990, 1, 2, 3, 10, 30}, 3600, 0, Birth::kExactOffset,
                 "Europe/Berlin"),
       Timed({1990, 1, 1, 8, 12, 0}, 1138, 256.5, 825.5 - 720, 3, 3, 1),
       "Hora Lagna: Cancer 15\u00B0 30\u2032 \u2014 1st house from the "
       "ascendant (Cancer)",
       {"Birth: 2 January 1990, 03:10:30 local clock time.",
        "Zone offset: UTC+01:00 (Europe/Berlin); daylight saving: none.",
        kClassicRule, kClassicAyanamsa,
        "Born before the birth day's sunrise, so timed from the day before's "
        "sunrise: 1 January 1990 at 08:12:00.",
        "The Sun's sidereal longitude at that sunrise: 256\u00B0 30\u2032 "
        "(Sagittarius 16\u00B0 30\u2032).",
        "Minutes elapsed from that sunrise to the birth: 1138 (whole "
        "minutes; the seconds do not count).",
        "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna:",
        "256\u00B0 30\u2032 + 0.5\u00B0 \u00D7 1138 = 256\u00B0 30\u2032 + "
        "569\u00B0 00\u2032 = 825\u00B0 30\u2032; less 720\u00B0 (whole "
        "circles) = 105\u00B0 30\u2032 = Cancer 15\u00B0 30\u2032.",
        "Counted from the ascendant's sign, Cancer, the Hora Lagna's sign "
        "Cancer is the 1st house."}});
  // Polar night: no sunrise on the birth day, so nothing is timed.
  {
    ChartResult polar;
    polar.ascendantSignIndex = 4;
    polar.ayanamsa = 23.5762;
    cases.push_back(
        {"polar",
         MakeBirth({1990, 12, 21, 12, 0, 0}, 3600, 0, 20),
         polar,
         std::string("Hora Lagna: none \u2014 ") + kNoSunriseNotice,
         {"Birth: 21 December 1990, 12:00:00 local clock time.",
          "Zone offset: UTC+01:00 (zone-list entry \"Central European "
          "Time,CET,+1.0\"); daylight saving: none.",
          kClassicRule, kClassicAyanamsa,
          "The Sun does not rise at this place on the birth day, 21 December "
          "1990, so no sunrise times the birth.",
          kNoSunriseNotice}});
  }
  // The centre rule counts seconds; the ayanamsa is named.
  {
    ChartResult centre =
        Timed({1980, 3, 15, 6, 41, 12}, 219, 331.2847, 81.0597, 2, 1, 2);
    centre.options = {SunriseRule::kCentre, Ayanamsa::kLahiri};
    centre.timing->elapsedSeconds = 13173;
    centre.ayanamsa = 23.5871;
    cases.push_back(
        {"centre rule",
         MakeBirth({1980, 3, 15, 10, 20, 45}, 19800, 0, 34),
         centre,
         "Hora Lagna: Gemini 21\u00B0 03\u2032 \u2014 2nd house from the "
         "ascendant (Taurus)",
         {"Birth: 15 March 1980, 10:20:45 local clock time.",
          "Zone offset: UTC+05:30 (zone-list entry \"Indian Time, IST, "
          "+5.3\"); daylight saving: none.",
          "Sunrise: the centre of the Sun's disc on the horizon, without "
          "refraction, to the second (centre rule).",
          "Ayanamsa: Lahiri, 23\u00B0 35\u2032 at the birth.",
          "Timed from the birth day's sunrise: 15 March 1980 at 06:41:12.",
          "The Sun's sidereal longitude at that sunrise: 331\u00B0 17\u2032 "
          "(Pisces 1\u00B0 17\u2032).",
          "Time elapsed from that sunrise to the birth: 13173 seconds (219 "
          "minutes 33 seconds).",
          "Sun at sunrise + 0.5\u00B0 \u00D7 minutes (1/120\u00B0 a second) "
          "= Hora Lagna:",
          "331\u00B0 17\u2032 + 13173 s \u00F7 120 = 331\u00B0 17\u2032 + "
          "109\u00B0 46\u2032 = 441\u00B0 03\u2032; less 360\u00B0 (whole "
          "circles) = 81\u00B0 03\u2032 = Gemini 21\u00B0 03\u2032.",
          "Counted from the ascendant's sign, Taurus, the Hora Lagna's sign "
          "Gemini is the 2nd house."}});
  }
  return cases;
}

TEST(Explanation, SummaryAndHowItWasFound) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HoraLagnaSummary(c.result), c.summary);
    EXPECT_EQ(HowItWasFound(c.birth, c.result), c.lines);
  }
}

// A count that ends on exactly a full circle is 0° Aries, as the chart has
// it, not a position past Pisces.
TEST(Explanation, AFullCircleIsAriesNought) {
  const Birth birth = MakeBirth({1980, 3, 15, 8, 37, 0}, 19800, 0, 34);
  const ChartResult result =
      Timed({1980, 3, 15, 6, 37, 0}, 120, 300.0, 360.0, 0, 0, 1);
  EXPECT_EQ(HoraLagnaSummary(result),
            "Hora Lagna: Aries 0\u00B0 00\u2032 \u2014 1st house from the "
            "ascendant (Aries)");
  EXPECT_EQ(HowItWasFound(birth, result).at(8),
            "300\u00B0 00\u2032 + 0.5\u00B0 \u00D7 120 = 300\u00B0 00\u2032 + "
            "60\u00B0 00\u2032 = 360\u00B0 00\u2032 = Aries 0\u00B0 00\u2032.");
}

// A birth before a sunrise that exists, where the day before has none, and
// a day that rises but does not set: each names the event that is missing.
TEST(Explanation, NamesTheMissingSunriseOrSunset) {
  const Birth birth =
      MakeBirth({1990, 5, 20, 1, 0, 0}, 7200, 3600, Birth::kExactOffset);
  ChartResult beforeSunrise;
  beforeSunrise.birthDay.sunrise = CivilDateTime{1990, 5, 20, 2, 14, 0};
  beforeSunrise.birthDay.sunset = CivilDateTime{1990, 5, 20, 23, 50, 0};
  EXPECT_EQ(HowItWasFound(birth, beforeSunrise).at(4),
            "The birth is before the birth day's sunrise (02:14:00), and the "
            "Sun does not rise on the day before, 19 May 1990.");

  ChartResult noSunset;
  noSunset.birthDay.sunrise = CivilDateTime{1990, 5, 20, 0, 30, 0};
  noSunset.dayBefore.sunrise = CivilDateTime{1990, 5, 19, 0, 40, 0};
  EXPECT_EQ(HowItWasFound(birth, noSunset).at(4),
            "The Sun rises on the birth day at 00:30:00 but does not set, so "
            "the birth's day cannot be measured.");
  EXPECT_EQ(HoraLagnaSummary(noSunset),
            std::string("Hora Lagna: none \u2014 ") + kNoSunriseNotice);
}

}  // namespace
}  // namespace tarvelin
