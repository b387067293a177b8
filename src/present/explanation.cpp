#include "present/explanation.h"

#include <cmath>

#include "present/chart_text.h"  // SignName
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/result_view.h"  // kNoSunriseNotice
#include "tables/zone_table.h"

namespace tarvelin {

const char kHowItWasFoundTitle[] = "How it was found";

namespace {

// The Hora Lagna moves half a degree for every minute after sunrise.
constexpr const char kRuleText[] =
    "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna";
constexpr const char kDegree[] = "\u00B0";
constexpr const char kDash[] = " \u2014 ";

std::string NameOfSign(int signIndex) { return SignName(signIndex); }

std::string Ordinal(int n) {
  const int lastTwo = n % 100;
  const char* suffix = "th";
  if (lastTwo < 11 || lastTwo > 13) {
    switch (n % 10) {
      case 1:
        suffix = "st";
        break;
      case 2:
        suffix = "nd";
        break;
      case 3:
        suffix = "rd";
        break;
      default:
        break;
    }
  }
  return std::to_string(n) + suffix;
}

std::string ZoneLine(const Birth& birth) {
  std::string line = "Zone offset: " + UtcOffsetText(birth.utcOffsetSeconds);
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    line += std::string(" (zone-list entry \"") +
            kZoneTable[static_cast<std::size_t>(birth.zoneIndex)].text + "\")";
  } else if (!birth.atlasZone.empty()) {
    line += " (" + birth.atlasZone + ")";
  }
  line += "; daylight saving: ";
  if (birth.daylightSavingSeconds == 0) return line + "none.";
  const int dst = birth.daylightSavingSeconds;
  return line + OffsetText(dst) + " included, standard time " +
         UtcOffsetText(birth.utcOffsetSeconds - dst) + ".";
}

std::string LongDate(const CivilDateTime& t) {
  return DateText(t, DateStyle::kLong);
}

std::string ClockTime(const CivilDateTime& t) {
  return TimeText(t, TimeStyle::kClock);
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
std::string MissingEventLine(const Birth& birth, const ChartResult& result) {
  const CivilDateTime& born = birth.local;
  const RiseSet& day = result.birthDay;
  if (!day.sunrise) {
    return "The Sun does not rise at this place on the birth day, " +
           LongDate(born) + ", so no sunrise times the birth.";
  }
  if (!(WholeMinute(born) < WholeMinute(*day.sunrise))) {
    if (!day.sunset) {
      return "The Sun rises on the birth day at " + ClockTime(*day.sunrise) +
             " but does not set, so the birth's day cannot be measured.";
    }
  } else if (!result.dayBefore.sunrise) {
    return "The birth is before the birth day's sunrise (" +
           ClockTime(*day.sunrise) +
           "), and the Sun does not rise on the day before, " +
           LongDate(AddDays(born, -1)) + ".";
  }
  return "No sunrise from which to time the birth was found.";
}

}  // namespace

std::string HoraLagnaSummary(const ChartResult& result) {
  if (!result.timing || !result.horaLagna) {
    return std::string("Hora Lagna: none") + kDash + kNoSunriseNotice;
  }
  const HoraLagna& hl = *result.horaLagna;
  return "Hora Lagna: " + SignArcText(hl.longitude) + kDash +
         Ordinal(hl.house) + " house from the ascendant (" +
         NameOfSign(result.ascendantSignIndex) + ")";
}

std::vector<std::string> HowItWasFound(const Birth& birth,
                                       const ChartResult& result) {
  std::vector<std::string> lines;
  lines.push_back("Birth: " + LongDate(birth.local) + ", " +
                  ClockTime(birth.local) + " local clock time.");
  lines.push_back(ZoneLine(birth));
  if (!result.timing || !result.horaLagna) {
    lines.push_back(MissingEventLine(birth, result));
    lines.push_back(kNoSunriseNotice);
    return lines;
  }

  const ReferenceTiming& timing = *result.timing;
  const std::string when =
      LongDate(timing.sunrise) + " at " + ClockTime(timing.sunrise);
  if (SameDate(timing.sunrise, birth.local)) {
    lines.push_back("Timed from the birth day's sunrise: " + when + ".");
  } else {
    lines.push_back(
        "Born before the birth day's sunrise, so timed from the day "
        "before's sunrise: " +
        when + ".");
  }
  const double sun = result.sunriseSunLongitude;
  lines.push_back("The Sun's sidereal longitude at that sunrise: " +
                  ArcText(sun) + " (" + SignArcText(sun) + ").");
  lines.push_back("Minutes elapsed from that sunrise to the birth: " +
                  std::to_string(timing.elapsedMinutes) +
                  " (whole minutes; the seconds do not count).");

  lines.push_back(std::string(kRuleText) + ":");
  const double added = 0.5 * static_cast<double>(timing.elapsedMinutes);
  const double sum = sun + added;
  std::string arithmetic = ArcText(sun) + " + 0.5" + kDegree + " \u00D7 " +
                           std::to_string(timing.elapsedMinutes) + " = " +
                           ArcText(sun) + " + " + ArcText(added) + " = " +
                           ArcText(sum);
  const double hora = result.lagnas.hora;
  const long long circles = std::llround((sum - hora) / 360.0);
  if (circles > 0) {
    arithmetic += "; less " + std::to_string(360 * circles) + kDegree +
                  " (whole circles) = " + ArcText(hora);
  }
  lines.push_back(arithmetic + " = " + SignArcText(hora) + ".");
  lines.push_back("Counted from the ascendant's sign, " +
                  NameOfSign(result.ascendantSignIndex) +
                  ", the Hora Lagna's sign " +
                  NameOfSign(result.horaLagna->signIndex) + " is the " +
                  Ordinal(result.horaLagna->house) + " house.");
  return lines;
}

}  // namespace tarvelin
