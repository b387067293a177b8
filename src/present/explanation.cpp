// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/explanation.h"

#include <cmath>

#include "present/hora_lagna_text.h"  // the rule and ayanamsa lines
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/report_words.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"

namespace tarvelin {

const char kHowItWasFoundTitle[] = "How it was found";

namespace {

constexpr const char kDegree[] = "\u00B0";

std::string LongDate(const CivilDateTime& t, Language language) {
  return DateText(t, DateStyle::kLong, language);
}

std::string Clock(const CivilDateTime& t) {
  return TimeText(t, TimeStyle::kClock);
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
    saving =
        Fill(words.savingIncluded,
             {OffsetText(dst), UtcOffsetText(birth.utcOffsetSeconds - dst)});
  }
  return Fill(words.zoneLine,
              {UtcOffsetText(birth.utcOffsetSeconds), source, saving});
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
    return Fill(words.noSunriseOnBirthDay, {LongDate(born, language)});
  }
  if (!(WholeMinute(born) < WholeMinute(*day.sunrise))) {
    if (!day.sunset) {
      return Fill(words.noSunsetOnBirthDay, {Clock(*day.sunrise)});
    }
  } else if (!result.dayBefore.sunrise) {
    return Fill(words.noSunriseDayBefore,
                {Clock(*day.sunrise), LongDate(AddDays(born, -1), language)});
  }
  return words.noTimingSunrise;
}

}  // namespace

std::string HoraLagnaSummary(const ChartResult& result, Language language) {
  const ReportWords& words = WordsIn(language);
  if (!result.timing || !result.horaLagna) {
    return Fill(words.summaryNone, {words.noSunriseNotice});
  }
  const HoraLagna& hl = *result.horaLagna;
  return Fill(words.summary, {SignArcText(hl.longitude, language),
                              HouseOrdinal(hl.house, language),
                              SignNameIn(result.ascendantSignIndex, language)});
}

std::vector<std::string> HowItWasFound(const Birth& birth,
                                       const ChartResult& result,
                                       Language language) {
  const ReportWords& words = WordsIn(language);
  std::vector<std::string> lines;
  lines.push_back(Fill(words.birthLine,
                       {LongDate(birth.local, language), Clock(birth.local)}));
  lines.push_back(ZoneLine(birth, language));
  lines.push_back(SunriseRuleLine(result.options.sunrise, language) +
                  words.fullStop);
  lines.push_back(AyanamsaLine(result, language) + words.fullStop);
  if (!result.timing || !result.horaLagna) {
    lines.push_back(MissingEventLine(birth, result, language));
    lines.push_back(words.noSunriseNotice);
    return lines;
  }

  const ReferenceTiming& timing = *result.timing;
  const std::string when =
      Fill(words.dateAtTime,
           {LongDate(timing.sunrise, language), Clock(timing.sunrise)});
  lines.push_back(Fill(SameDate(timing.sunrise, birth.local)
                           ? words.timedFromBirthDay
                           : words.timedFromDayBefore,
                       {when}));
  const double sun = result.sunriseSunLongitude;
  lines.push_back(
      Fill(words.sunAtSunrise, {ArcText(sun), SignArcText(sun, language)}));
  double added = 0;
  std::string arithmetic;
  if (CountsSeconds(result.options.sunrise)) {
    // Limb and centre rules: to the second, 1/120 degree a second.
    const std::int64_t seconds = timing.elapsedSeconds;
    lines.push_back(SecondsElapsedLine(seconds, language));
    lines.push_back(RuleSecondsText(language) + ":");
    added = static_cast<double>(seconds) / 120.0;
    arithmetic = ArcText(sun) + " + " + std::to_string(seconds) + " " +
                 SecondsUnit(language) + " \u00F7 120 = " + ArcText(sun) +
                 " + " + ArcText(added) + " = " + ArcText(sun + added);
  } else {
    lines.push_back(
        Fill(words.minutesElapsed, {std::to_string(timing.elapsedMinutes)}));
    lines.push_back(std::string(words.rule) + ":");
    added = 0.5 * static_cast<double>(timing.elapsedMinutes);
    arithmetic = ArcText(sun) + " + 0.5" + kDegree + " \u00D7 " +
                 std::to_string(timing.elapsedMinutes) + " = " + ArcText(sun) +
                 " + " + ArcText(added) + " = " + ArcText(sun + added);
  }
  const double sum = sun + added;
  const double hora = result.lagnas.hora;
  const long long circles = std::llround((sum - hora) / 360.0);
  if (circles > 0) {
    arithmetic += Fill(words.lessWholeCircles,
                       {std::to_string(360 * circles), ArcText(hora)});
  }
  lines.push_back(arithmetic + " = " + SignArcText(hora, language) +
                  words.fullStop);
  lines.push_back(Fill(words.countedFromAscendant,
                       {SignNameIn(result.ascendantSignIndex, language),
                        SignNameIn(result.horaLagna->signIndex, language),
                        HouseOrdinal(result.horaLagna->house, language)}));
  return lines;
}

}  // namespace tarvelin
