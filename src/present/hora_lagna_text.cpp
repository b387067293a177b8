#include "present/hora_lagna_text.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "present/chart_text.h"   // SignName
#include "present/explanation.h"  // LongDateText, ClockTimeText
#include "present/result_json.h"  // DateTimeText

namespace tarvelin {

const std::array<const char*, kSunriseRuleCount> kSunriseRuleDescriptions = {
    "The Sun's upper edge on the horizon, with refraction, from the classic "
    "low-precision model, to the minute (as always).",
    "The Sun's upper edge on the horizon, with 34\u2032 of refraction and the "
    "Sun's semi-diameter, to the second.",
    "The centre of the Sun's disc on the horizon, without refraction, to the "
    "second: the traditional Hindu sunrise."};

const std::array<const char*, kAyanamsaCount> kAyanamsaDescriptions = {
    "Tarvelin's own ayanamsa, as always (within a few seconds of arc of "
    "Lahiri).",
    "Chitrapaksha: 23\u00B0 15\u2032 00.658\u2033 on 21 March 1956, the "
    "Indian Astronomical Ephemeris's.",
    "21\u00B0 00\u2032 52\u2033 at the start of 1900.",
    "22\u00B0 21\u2032 50\u2033 at the start of 1900 (the KP ayanamsa).",
    "24\u00B0 02\u2032 31.36\u2033 in 1950, the western sidereal zodiac."};

const std::array<const char*, kAyanamsaCount> kAyanamsaTitles = {
    "classic", "Lahiri", "Raman", "Krishnamurti", "Fagan-Bradley"};

const char kThroughTheDayTitle[] = "The Hora Lagna through the day";
const char kOtherLagnasTitle[] = "Other special lagnas";
const char kDayFromCaption[] = "From";
const char kDayToCaption[] = "To";
const char kDaySignCaption[] = "Sign";
const char kBirthRowMark[] = "birth";

namespace {

// The lines that name the rule in "How it was found", in the order of the
// rules.
constexpr std::array<const char*, kSunriseRuleCount> kSunriseRuleLines = {
    "Sunrise: the Sun's upper edge on the horizon, with refraction, to the "
    "minute (classic rule)",
    "Sunrise: the Sun's upper edge on the horizon, with 34\u2032 refraction "
    "and the Sun's semi-diameter, to the second (limb rule)",
    "Sunrise: the centre of the Sun's disc on the horizon, without "
    "refraction, to the second (centre rule)"};
constexpr std::array<const char*, kSunriseRuleCount> kSunriseRuleShort = {
    "classic rule", "limb rule", "centre rule"};

constexpr char kAyanamsaLine[] = "Ayanamsa: %1, %2 at the birth";
constexpr char kOptionsLine[] =
    "Sunrise: %1 \u00B7 Ayanamsa: %2, %3 at the birth";
constexpr char kMarginAlone[] =
    "The Hora Lagna stays in %1 for births from %2 to %3.";
constexpr char kMarginEarlier[] =
    "The Hora Lagna stays in %1 for births from %2 to %3; %4 minutes "
    "earlier it is %5.";
constexpr char kMarginEarlierOne[] =
    "The Hora Lagna stays in %1 for births from %2 to %3; 1 minute earlier "
    "it is %5.";
constexpr char kMarginLater[] =
    "The Hora Lagna stays in %1 for births from %2 to %3; %4 minutes later "
    "it is %5.";
constexpr char kMarginLaterOne[] =
    "The Hora Lagna stays in %1 for births from %2 to %3; 1 minute later it "
    "is %5.";
constexpr char kUncertainty[] =
    "With the birth time uncertain by \u00B1 %1 minutes, the Hora Lagna is "
    "%2.";
constexpr char kUncertaintyUnknown[] =
    "With the birth time uncertain by \u00B1 %1 minutes, the Hora Lagna "
    "cannot be found for all of that time: no sunrise times part of it.";
constexpr char kCentreRule[] =
    "Under the traditional Hindu sunrise (disc centre, no refraction) it is "
    "%1.";

constexpr char kDegree[] = "\u00B0";
constexpr char kPrime[] = "\u2032";

// A template with %1 .. %9 replaced by the texts given, in order.
std::string Fill(const char* pattern, std::initializer_list<std::string> args) {
  std::string out;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      const std::size_t k = static_cast<std::size_t>(p[1] - '1');
      if (k < args.size()) out += *(args.begin() + k);
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

std::string TwoDigits(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", value);
  return text;
}

// Whole degrees and whole minutes, both cut: "23° 35′".
std::string DegreesMinutesText(double x) {
  const double degrees = std::floor(x);
  const int minutes = static_cast<int>(std::floor(60.0 * (x - degrees)));
  return std::to_string(static_cast<long long>(degrees)) + kDegree + " " +
         TwoDigits(minutes) + kPrime;
}

// "Leo 12° 34′": the sign and the degrees within it; a lagna of exactly 360
// is 0° Aries.
std::string SignDegreesText(double x) {
  const double within = x >= 360.0 ? x - 360.0 : x;
  const int sign = static_cast<int>(std::floor(within / 30.0));
  if (sign < 0 || sign > 11) return DegreesMinutesText(x);
  return std::string(SignName(sign)) + " " +
         DegreesMinutesText(within - 30.0 * sign);
}

bool SameDate(const CivilDateTime& a, const CivilDateTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string MarginText(const HoraLagnaMargin& m) {
  const std::string sign = SignName(m.signIndex);
  const std::string from = ClockTimeText(m.from), to = ClockTimeText(m.to);
  // The nearer change: how far a birth must move to cross it.
  const bool earlier = m.secondsSinceChange < m.secondsToChange;
  const std::optional<int>& other = earlier ? m.signBefore : m.signAfter;
  if (!other) return Fill(kMarginAlone, {sign, from, to});
  const std::int64_t minutes =
      earlier ? m.secondsSinceChange / 60 + 1 : (m.secondsToChange + 59) / 60;
  const char* pattern =
      earlier ? (minutes == 1 ? kMarginEarlierOne : kMarginEarlier)
              : (minutes == 1 ? kMarginLaterOne : kMarginLater);
  return Fill(pattern,
              {sign, from, to, std::to_string(minutes), SignName(*other)});
}

void DateTime(JsonWriter& out, const CivilDateTime& t) {
  out.String(DateTimeText(t));
}

// The clock times at which the day's spans start, and the day's end.
std::vector<CivilDateTime> SpanBoundaries(const ChartResult& result,
                                          const HoraLagnaDay& day) {
  const std::int64_t sunrise = SecondsFromCivil(result.timing->sunrise);
  std::vector<CivilDateTime> times;
  times.reserve(static_cast<std::size_t>(day.count) + 1);
  for (int i = 0; i < day.count; ++i) {
    times.push_back(CivilFromSeconds(sunrise + day.spans[i].fromSeconds));
  }
  times.push_back(CivilFromSeconds(sunrise + day.endSeconds));
  return times;
}

// The day's array as the one-line writer would write it, put together
// directly: a batch writes one per row, some 25 objects of three members,
// and the writer's member-by-member path would cost most of the row. The
// sign names and the times need no escaping.
std::string DayArrayOneLine(const ChartResult& result,
                            const HoraLagnaDay& day) {
  const std::vector<CivilDateTime> times = SpanBoundaries(result, day);
  std::string text;
  text.reserve(static_cast<std::size_t>(day.count) * 80);
  text += '[';
  for (int i = 0; i < day.count; ++i) {
    if (i > 0) text += ", ";
    text += "{\"sign\": \"";
    text += SignName(day.spans[i].signIndex);
    text += "\", \"from\": \"";
    AppendDateTimeText(text, times[i]);
    text += "\", \"to\": \"";
    AppendDateTimeText(text, times[i + 1]);
    text += "\"}";
  }
  text += ']';
  return text;
}

// Minutes to two decimals, as a number.
double Minutes(std::int64_t seconds) {
  return std::round(static_cast<double>(seconds) / 60.0 * 100.0) / 100.0;
}

}  // namespace

std::string SunriseRuleLine(SunriseRule rule) {
  return kSunriseRuleLines[static_cast<int>(rule)];
}

std::string AyanamsaLine(const ChartResult& result) {
  return Fill(kAyanamsaLine,
              {kAyanamsaTitles[static_cast<int>(result.options.ayanamsa)],
               DegreesMinutesText(result.ayanamsa)});
}

std::string OptionsLine(const ChartResult& result) {
  return Fill(kOptionsLine,
              {kSunriseRuleShort[static_cast<int>(result.options.sunrise)],
               kAyanamsaTitles[static_cast<int>(result.options.ayanamsa)],
               DegreesMinutesText(result.ayanamsa)});
}

std::string SharesText(const std::vector<SignShare>& shares) {
  std::string text;
  for (const SignShare& s : shares) {
    if (!text.empty()) text += ", ";
    const long percent = std::lround(100.0 * s.share);
    text += std::string(SignName(s.signIndex)) + " " +
            (percent == 0 ? std::string("<1") : std::to_string(percent)) + " %";
  }
  return text;
}

HoraLagnaTexts PresentHoraLagna(const ChartResult& result,
                                const HoraLagnaReading& reading) {
  HoraLagnaTexts texts;
  if (reading.margin) texts.margin = MarginText(*reading.margin);
  if (reading.uncertaintyMinutes > 0 && result.horaLagna) {
    const std::string minutes = std::to_string(reading.uncertaintyMinutes);
    texts.uncertainty =
        reading.shares.empty()
            ? Fill(kUncertaintyUnknown, {minutes})
            : Fill(kUncertainty, {minutes, SharesText(reading.shares)});
  }
  if (reading.centreSign) {
    texts.centreRule = Fill(kCentreRule, {SignName(*reading.centreSign)});
  }

  const HoraLagnaDay& day = reading.day;
  for (int i = 0; i < day.count; ++i) {
    const CivilDateTime from =
        AfterReferenceSunrise(result, day.spans[i].fromSeconds);
    const std::int64_t toSeconds =
        i + 1 < day.count ? day.spans[i + 1].fromSeconds : day.endSeconds;
    DayRowText row;
    row.sign = SignName(day.spans[i].signIndex);
    row.from = ClockTimeText(from);
    row.to = ClockTimeText(AfterReferenceSunrise(result, toSeconds));
    const CivilDateTime before =
        i == 0 ? result.timing->sunrise
               : AfterReferenceSunrise(result, day.spans[i - 1].fromSeconds);
    if (i > 0 && !SameDate(before, from)) row.date = LongDateText(from);
    row.birth = i == day.birthSpan;
    texts.day.push_back(std::move(row));
  }

  const SpecialLagnas& l = result.lagnas;
  const bool timed = result.timing.has_value();
  const auto sign = [](int index) {
    return index >= 0 && index < 12 ? std::string(SignName(index))
                                    : std::string("none");
  };
  if (timed) {
    texts.otherLagnas.push_back({"Ghati Lagna", SignDegreesText(l.ghati)});
    texts.otherLagnas.push_back({"Bhava Lagna", SignDegreesText(l.bhava)});
    texts.otherLagnas.push_back({"Varnada Lagna", SignDegreesText(l.varnada)});
  }
  texts.otherLagnas.push_back({"Sree Lagna", SignDegreesText(l.sree)});
  texts.otherLagnas.push_back({"Indu Lagna", sign(l.induSignIndex)});
  if (timed) {
    texts.otherLagnas.push_back({"Pranapada", sign(l.pranapadaSignIndex)});
  }
  return texts;
}

void WriteHoraLagnaJson(JsonWriter& out, const ChartResult& result,
                        const HoraLagnaReading& reading) {
  out.Key("options");
  out.BeginObject();
  out.Key("sunrise");
  out.String(NameOf(result.options.sunrise));
  out.Key("ayanamsa");
  out.String(NameOf(result.options.ayanamsa));
  out.Key("ayanamsa_degrees");
  out.Number(result.ayanamsa);
  out.EndObject();

  out.Key("hora_lagna_day");
  if (reading.day.count == 0) {
    out.Null();
  } else if (out.layout() == JsonLayout::kOneLine) {
    out.Raw(DayArrayOneLine(result, reading.day));
  } else {
    const HoraLagnaDay& day = reading.day;
    const std::vector<CivilDateTime> times = SpanBoundaries(result, day);
    out.BeginArray();
    for (int i = 0; i < day.count; ++i) {
      out.BeginObject();
      out.Key("sign");
      out.String(SignName(day.spans[i].signIndex));
      out.Key("from");
      DateTime(out, times[i]);
      out.Key("to");
      DateTime(out, times[i + 1]);
      out.EndObject();
    }
    out.EndArray();
  }

  out.Key("hora_lagna_margin");
  if (!reading.margin) {
    out.Null();
  } else {
    const HoraLagnaMargin& m = *reading.margin;
    out.BeginObject();
    out.Key("from");
    DateTime(out, m.from);
    out.Key("to");
    DateTime(out, m.to);
    out.Key("minutes_to_previous");
    out.Number(Minutes(m.secondsSinceChange));
    out.Key("minutes_to_next");
    out.Number(Minutes(m.secondsToChange));
    out.EndObject();
  }

  if (reading.uncertaintyMinutes > 0) {
    out.Key("hora_lagna_uncertainty");
    out.BeginObject();
    out.Key("minutes");
    out.Integer(reading.uncertaintyMinutes);
    out.Key("signs");
    if (reading.shares.empty()) {
      out.Null();
    } else {
      out.BeginArray();
      for (const SignShare& s : reading.shares) {
        out.BeginObject();
        out.Key("sign");
        out.String(SignName(s.signIndex));
        out.Key("share");
        out.Number(s.share);
        out.EndObject();
      }
      out.EndArray();
    }
    out.EndObject();
  }
}

}  // namespace tarvelin
