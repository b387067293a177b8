#include "present/explanation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "present/chart_text.h"       // SignName
#include "present/hora_lagna_text.h"  // SunriseRuleLine, AyanamsaLine
#include "present/result_view.h"      // kNoSunriseNotice
#include "tables/zone_table.h"

namespace tarvelin {

const char kHowItWasFoundTitle[] = "How it was found";

namespace {

// The Hora Lagna moves half a degree for every minute after sunrise.
constexpr const char kRuleText[] =
    "Sun at sunrise + 0.5\u00B0 \u00D7 minutes = Hora Lagna";
// ... counted to the second under the limb and centre rules.
constexpr const char kRuleTextSeconds[] =
    "Sun at sunrise + 0.5\u00B0 \u00D7 minutes (1/120\u00B0 a second) = "
    "Hora Lagna";
constexpr const char kDegree[] = "\u00B0";
constexpr const char kPrime[] = "\u2032";  // the minutes of an angle
constexpr const char kDash[] = " \u2014 ";

std::string TwoDigits(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", value);
  return text;
}

std::string NameOfSign(int signIndex) { return SignName(signIndex); }

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
std::string SignPositionText(double x) {
  const DegreesMinutes dm = Split(x >= 360.0 ? x - 360.0 : x);
  const int sign = static_cast<int>(dm.degrees / 30);
  if (sign < 0 || sign > 11) return AngleText(x);
  return NameOfSign(sign) + " " + std::to_string(dm.degrees - 30LL * sign) +
         kDegree + " " + TwoDigits(dm.minutes) + kPrime;
}

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

// "UTC+05:30", "UTC-03:30".
std::string OffsetText(int seconds) {
  const int magnitude = std::abs(seconds) / 60;
  return std::string("UTC") + (seconds < 0 ? "-" : "+") +
         TwoDigits(magnitude / 60) + ":" + TwoDigits(magnitude % 60);
}

std::string ZoneLine(const Birth& birth) {
  std::string line = "Zone offset: " + OffsetText(birth.utcOffsetSeconds);
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    line += std::string(" (zone-list entry \"") +
            kZoneTable[static_cast<std::size_t>(birth.zoneIndex)].text + "\")";
  } else if (!birth.atlasZone.empty()) {
    line += " (" + birth.atlasZone + ")";
  }
  line += "; daylight saving: ";
  if (birth.daylightSavingSeconds == 0) return line + "none.";
  const int dst = birth.daylightSavingSeconds;
  return line + (dst < 0 ? "-" : "+") + TwoDigits(std::abs(dst) / 3600) + ":" +
         TwoDigits(std::abs(dst) % 3600 / 60) + " included, standard time " +
         OffsetText(birth.utcOffsetSeconds - dst) + ".";
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
           LongDateText(born) + ", so no sunrise times the birth.";
  }
  if (!(WholeMinute(born) < WholeMinute(*day.sunrise))) {
    if (!day.sunset) {
      return "The Sun rises on the birth day at " +
             ClockTimeText(*day.sunrise) +
             " but does not set, so the birth's day cannot be measured.";
    }
  } else if (!result.dayBefore.sunrise) {
    return "The birth is before the birth day's sunrise (" +
           ClockTimeText(*day.sunrise) +
           "), and the Sun does not rise on the day before, " +
           LongDateText(AddDays(born, -1)) + ".";
  }
  return "No sunrise from which to time the birth was found.";
}

}  // namespace

std::string LongDateText(const CivilDateTime& t) {
  return std::to_string(t.day) + " " + MonthName(t.month) + " " +
         std::to_string(t.year);
}

std::string ClockTimeText(const CivilDateTime& t) {
  return TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
         TwoDigits(t.second);
}

std::string HoraLagnaSummary(const ChartResult& result) {
  if (!result.timing || !result.horaLagna) {
    return std::string("Hora Lagna: none") + kDash + kNoSunriseNotice;
  }
  const HoraLagna& hl = *result.horaLagna;
  return "Hora Lagna: " + SignPositionText(hl.longitude) + kDash +
         Ordinal(hl.house) + " house from the ascendant (" +
         NameOfSign(result.ascendantSignIndex) + ")";
}

std::vector<std::string> HowItWasFound(const Birth& birth,
                                       const ChartResult& result) {
  std::vector<std::string> lines;
  lines.push_back("Birth: " + LongDateText(birth.local) + ", " +
                  ClockTimeText(birth.local) + " local clock time.");
  lines.push_back(ZoneLine(birth));
  lines.push_back(SunriseRuleLine(result.options.sunrise) + ".");
  lines.push_back(AyanamsaLine(result) + ".");
  if (!result.timing || !result.horaLagna) {
    lines.push_back(MissingEventLine(birth, result));
    lines.push_back(kNoSunriseNotice);
    return lines;
  }

  const ReferenceTiming& timing = *result.timing;
  const std::string when =
      LongDateText(timing.sunrise) + " at " + ClockTimeText(timing.sunrise);
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
                  AngleText(sun) + " (" + SignPositionText(sun) + ").");
  double added = 0;
  std::string arithmetic;
  if (CountsSeconds(result.options.sunrise)) {
    const std::int64_t seconds = timing.elapsedSeconds;
    lines.push_back("Time elapsed from that sunrise to the birth: " +
                    std::to_string(seconds) + " seconds (" +
                    std::to_string(seconds / 60) + " minutes " +
                    std::to_string(seconds % 60) + " seconds).");
    lines.push_back(std::string(kRuleTextSeconds) + ":");
    added = static_cast<double>(seconds) / 120.0;
    arithmetic = AngleText(sun) + " + " + std::to_string(seconds) +
                 " s \u00F7 120 = " + AngleText(sun) + " + " +
                 AngleText(added) + " = " + AngleText(sun + added);
  } else {
    lines.push_back("Minutes elapsed from that sunrise to the birth: " +
                    std::to_string(timing.elapsedMinutes) +
                    " (whole minutes; the seconds do not count).");
    lines.push_back(std::string(kRuleText) + ":");
    added = 0.5 * static_cast<double>(timing.elapsedMinutes);
    arithmetic = AngleText(sun) + " + 0.5" + kDegree + " \u00D7 " +
                 std::to_string(timing.elapsedMinutes) + " = " +
                 AngleText(sun) + " + " + AngleText(added) + " = " +
                 AngleText(sun + added);
  }
  const double sum = sun + added;
  const double hora = result.lagnas.hora;
  const long long circles = std::llround((sum - hora) / 360.0);
  if (circles > 0) {
    arithmetic += "; less " + std::to_string(360 * circles) + kDegree +
                  " (whole circles) = " + AngleText(hora);
  }
  lines.push_back(arithmetic + " = " + SignPositionText(hora) + ".");
  lines.push_back("Counted from the ascendant's sign, " +
                  NameOfSign(result.ascendantSignIndex) +
                  ", the Hora Lagna's sign " +
                  NameOfSign(result.horaLagna->signIndex) + " is the " +
                  Ordinal(result.horaLagna->house) + " house.");
  return lines;
}

}  // namespace tarvelin
