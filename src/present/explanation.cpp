#include "present/explanation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "present/report_words.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"

namespace tarvelin {

const char kHowItWasFoundTitle[] = "How it was found";

namespace {

constexpr const char kDegree[] = "\u00B0";
constexpr const char kPrime[] = "\u2032";  // the minutes of an angle
constexpr const char kDash[] = " \u2014 ";

std::string TwoDigits(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", value);
  return text;
}

// Whole degrees and whole minutes, both cut, never rounded (as every
// position the program shows): "331° 17′". Works past 360 for the sums.
struct DegreesMinutes {
  long long degrees;
  int minutes;
};
DegreesMinutes Split(double x) {
  const double degrees = std::floor(x);
  const int minutes = static_cast<int>(std::floor(60.0 * (x - degrees)));
  return {static_cast<long long>(degrees), minutes};
}

std::string AngleText(double x) {
  const DegreesMinutes dm = Split(x);
  return std::to_string(dm.degrees) + kDegree + " " + TwoDigits(dm.minutes) +
         kPrime;
}

// "Leo 12° 34′": the sign and the degrees within it. A count that ends on
// exactly 360 is 0° Aries.
std::string SignPositionText(double x, Language language) {
  const DegreesMinutes dm = Split(x >= 360.0 ? x - 360.0 : x);
  const int sign = static_cast<int>(dm.degrees / 30);
  if (sign < 0 || sign > 11) return AngleText(x);
  return SignNameIn(sign, language) + " " +
         std::to_string(dm.degrees - 30LL * sign) + kDegree + " " +
         TwoDigits(dm.minutes) + kPrime;
}

// "UTC+05:30", "UTC-03:30".
std::string OffsetText(int seconds) {
  const int magnitude = std::abs(seconds) / 60;
  return std::string("UTC") + (seconds < 0 ? "-" : "+") +
         TwoDigits(magnitude / 60) + ":" + TwoDigits(magnitude % 60);
}

std::string ZoneLine(const Birth& birth, Language language) {
  const ReportWords& words = WordsIn(language);
  std::string source;
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    source =
        Fill(words.zoneFromList, {ZoneEntryText(birth.zoneIndex, language)});
  } else if (!birth.atlasZone.empty()) {
    source = Fill(words.zoneFromAtlas, {birth.atlasZone});
  }
  std::string saving = words.savingNone;
  if (const int dst = birth.daylightSavingSeconds; dst != 0) {
    saving = Fill(words.savingIncluded,
                  {(dst < 0 ? "-" : "+") + TwoDigits(std::abs(dst) / 3600) +
                       ":" + TwoDigits(std::abs(dst) % 3600 / 60),
                   OffsetText(birth.utcOffsetSeconds - dst)});
  }
  return Fill(words.zoneLine,
              {OffsetText(birth.utcOffsetSeconds), source, saving});
}

bool SameDate(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The whole minute of an instant, for comparing as the timing does.
CivilDateTime WholeMinute(CivilDateTime t) {
  t.second = 0;
  return t;
}

// Why no sunrise times the birth: which sunrise or sunset is missing.
std::string MissingEventLine(const Birth& birth, const ChartResult& result,
                             Language language) {
  const ReportWords& words = WordsIn(language);
  const CivilDateTime& born = birth.local;
  const RiseSet& day = result.birthDay;
  if (!day.sunrise) {
    return Fill(words.noSunriseOnBirthDay, {LongDateText(born, language)});
  }
  if (!(WholeMinute(born) < WholeMinute(*day.sunrise))) {
    if (!day.sunset) {
      return Fill(words.noSunsetOnBirthDay, {ClockTimeText(*day.sunrise)});
    }
  } else if (!result.dayBefore.sunrise) {
    return Fill(words.noSunriseDayBefore,
                {ClockTimeText(*day.sunrise),
                 LongDateText(AddDays(born, -1), language)});
  }
  return words.noTimingSunrise;
}

}  // namespace

std::string LongDateText(const CivilDateTime& t, Language language) {
  const ReportWords& words = WordsIn(language);
  const std::string month =
      t.month >= 1 && t.month <= 12 ? words.monthName[t.month - 1] : "";
  return Fill(words.longDate,
              {std::to_string(t.day), month, std::to_string(t.year)});
}

std::string ClockTimeText(const CivilDateTime& t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
         TwoDigits(t.second);
}

std::string HoraLagnaSummary(const ChartResult& result, Language language) {
  const ReportWords& words = WordsIn(language);
  if (!result.timing || !result.horaLagna) {
    return Fill(words.summaryNone, {words.noSunriseNotice});
  }
  const HoraLagna& hl = *result.horaLagna;
  return Fill(words.summary, {SignPositionText(hl.longitude, language),
                              HouseOrdinal(hl.house, language),
                              SignNameIn(result.ascendantSignIndex, language)});
}

std::vector<std::string> HowItWasFound(const Birth& birth,
                                       const ChartResult& result,
                                       Language language) {
  const ReportWords& words = WordsIn(language);
  std::vector<std::string> lines;
  lines.push_back(Fill(words.birthLine, {LongDateText(birth.local, language),
                                         ClockTimeText(birth.local)}));
  lines.push_back(ZoneLine(birth, language));
  if (!result.timing || !result.horaLagna) {
    lines.push_back(MissingEventLine(birth, result, language));
    lines.push_back(words.noSunriseNotice);
    return lines;
  }

  const ReferenceTiming& timing = *result.timing;
  const std::string when = Fill(
      words.dateAtTime,
      {LongDateText(timing.sunrise, language), ClockTimeText(timing.sunrise)});
  lines.push_back(Fill(SameDate(timing.sunrise, birth.local)
                           ? words.timedFromBirthDay
                           : words.timedFromDayBefore,
                       {when}));
  const double sun = result.sunriseSunLongitude;
  lines.push_back(Fill(words.sunAtSunrise,
                       {AngleText(sun), SignPositionText(sun, language)}));
  lines.push_back(
      Fill(words.minutesElapsed, {std::to_string(timing.elapsedMinutes)}));

  lines.push_back(std::string(words.rule) + ":");
  const double added = 0.5 * static_cast<double>(timing.elapsedMinutes);
  const double sum = sun + added;
  std::string arithmetic = AngleText(sun) + " + 0.5" + kDegree + " \u00D7 " +
                           std::to_string(timing.elapsedMinutes) + " = " +
                           AngleText(sun) + " + " + AngleText(added) + " = " +
                           AngleText(sum);
  const double hora = result.lagnas.hora;
  const long long circles = std::llround((sum - hora) / 360.0);
  if (circles > 0) {
    arithmetic += Fill(words.lessWholeCircles,
                       {std::to_string(360 * circles), AngleText(hora)});
  }
  lines.push_back(arithmetic + " = " + SignPositionText(hora, language) +
                  words.fullStop);
  lines.push_back(Fill(words.countedFromAscendant,
                       {SignNameIn(result.ascendantSignIndex, language),
                        SignNameIn(result.horaLagna->signIndex, language),
                        HouseOrdinal(result.horaLagna->house, language)}));
  return lines;
}

}  // namespace tarvelin
