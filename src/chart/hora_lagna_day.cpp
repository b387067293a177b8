// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/hora_lagna_day.h"

#include <algorithm>
#include <cmath>

#include "chart/calculate.h"
#include "chart/chart_result.h"
#include "chart/special_lagnas.h"
#include "engine/angles.h"

namespace tarvelin {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kMaxDaySeconds = 48 * 3600;
// A change of sign this far (in steps) from a whole step needs no check
// against the calculation's own sign.
constexpr double kClearOfAStep = 1e-6;

// The time since sunrise as the rule counts it, in the steps it counts.
std::int64_t StepSeconds(SunriseRule rule) {
  return CountsSeconds(rule) ? 1 : kSecondsPerMinute;
}

// Degrees the Hora Lagna moves in one step.
double DegreesPerStep(SunriseRule rule) {
  return CountsSeconds(rule) ? 0.5 / 60.0 : 0.5;
}

int SignAfterSteps(double sun, SunriseRule rule, std::int64_t steps) {
  const double minutes = CountsSeconds(rule) ? static_cast<double>(steps) / 60.0
                                             : static_cast<double>(steps);
  const int sign = SignIndexOfLongitude(HoraLagnaStep(sun, minutes));
  return sign < 0 ? 0 : sign;  // exactly 360 is 0° Aries
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

// The birth moved by `seconds`, everything else kept.
Birth Moved(const Birth& birth, std::int64_t seconds) {
  Birth moved = birth;
  moved.local = AddSeconds(birth.local, seconds);
  return moved;
}

std::optional<int> SignOfBirth(const ChartResult& result) {
  if (!result.horaLagna) return std::nullopt;
  return result.horaLagna->signIndex;
}

// A stretch of local clock time in one sign.
struct Stretch {
  std::int64_t from, to;  // seconds from one origin, `to` not included
  int signIndex;
};

// The spans of a result's day as stretches, in seconds from `origin`.
void AppendStretches(const ChartResult& result, const HoraLagnaDay& day,
                     const CivilDateTime& origin, std::vector<Stretch>& out) {
  const std::int64_t start = SecondsBetween(origin, result.timing->sunrise);
  for (int i = 0; i < day.count; ++i) {
    const std::int64_t to =
        i + 1 < day.count ? day.spans[i + 1].fromSeconds : day.endSeconds;
    out.push_back(
        {start + day.spans[i].fromSeconds, start + to, day.spans[i].signIndex});
  }
}

}  // namespace

int HoraLagnaSignAt(double sunriseSunLongitude, SunriseRule rule,
                    std::int64_t elapsedSeconds) {
  return SignAfterSteps(sunriseSunLongitude, rule,
                        FloorDiv(elapsedSeconds, StepSeconds(rule)));
}

HoraLagnaDay SpansOfTheDay(double sun, SunriseRule rule,
                           std::int64_t endSeconds, std::int64_t birthSeconds) {
  HoraLagnaDay day;
  const std::int64_t step = StepSeconds(rule);
  const double perStep = DegreesPerStep(rule);
  day.endSeconds = std::min(endSeconds, kMaxDaySeconds);
  const std::int64_t lastStep = (day.endSeconds + step - 1) / step;

  std::int64_t at = 0;  // steps since sunrise
  int sign = SignAfterSteps(sun, rule, 0);
  while (at < lastStep && day.count < HoraLagnaDay::kMaxSpans) {
    day.spans[day.count++] = {sign, at * step};
    // The next multiple of 30 degrees above the longitude now, and the
    // first step at or past it; then moved onto the step where the sign
    // as the calculation finds it really changes.
    const double now = sun + perStep * static_cast<double>(at);
    const double boundary = (std::floor(now / 30.0) + 1.0) * 30.0;
    const double steps = (boundary - sun) / perStep;
    std::int64_t next = static_cast<std::int64_t>(std::ceil(steps));
    if (next <= at) next = at + 1;
    if (std::fabs(steps - std::round(steps)) > kClearOfAStep && next > at + 1) {
      // Clear of a step either way: the rounding of the calculation's own
      // sum (1e-13 degree) cannot move the change.
      at = next;
      sign = static_cast<int>(boundary / 30.0) % 12;
      continue;
    }
    while (next < lastStep && SignAfterSteps(sun, rule, next) == sign) ++next;
    while (next - 1 > at && SignAfterSteps(sun, rule, next - 1) != sign) --next;
    at = next;
    sign = SignAfterSteps(sun, rule, at);
  }
  if (at < lastStep) day.endSeconds = at * step;  // cut at kMaxSpans
  for (int i = 0; i < day.count; ++i) {
    const std::int64_t to =
        i + 1 < day.count ? day.spans[i + 1].fromSeconds : day.endSeconds;
    if (birthSeconds >= day.spans[i].fromSeconds && birthSeconds < to) {
      day.birthSpan = i;
    }
  }
  return day;
}

HoraLagnaDay HoraLagnaThroughTheDay(const ChartResult& result) {
  if (!result.timing || !result.horaLagna) return {};
  const ReferenceTiming& timing = *result.timing;
  // The next sunrise: the day after's for a birth timed from its own day's
  // sunrise, the birth day's for one timed from the day before's.
  const bool fromBirthDay = timing.sunrise == result.birthDay.sunrise;
  const std::optional<CivilDateTime>& next =
      fromBirthDay ? result.dayAfter.sunrise : result.birthDay.sunrise;
  constexpr std::int64_t kDaySeconds = 24 * 3600;
  std::int64_t end = next ? SecondsBetween(timing.sunrise, *next) : 0;
  if (end <= timing.elapsedSeconds) end = kDaySeconds;
  return SpansOfTheDay(result.sunriseSunLongitude, result.options.sunrise, end,
                       timing.elapsedSeconds);
}

CivilDateTime AfterReferenceSunrise(const ChartResult& result,
                                    std::int64_t seconds) {
  return AddSeconds(result.timing->sunrise, seconds);
}

std::optional<HoraLagnaMargin> MarginOfBirth(const Birth& birth,
                                             const ChartResult& result,
                                             const HoraLagnaDay& day) {
  if (!result.timing || !result.horaLagna || day.birthSpan < 0) {
    return std::nullopt;
  }
  const int i = day.birthSpan;
  if (i > 0 && i + 1 < day.count) {
    // Inside the day: the spans before and after are the neighbours.
    const std::int64_t from = day.spans[i].fromSeconds;
    const std::int64_t to = day.spans[i + 1].fromSeconds;
    const std::int64_t born = result.timing->elapsedSeconds;
    HoraLagnaMargin m;
    m.signIndex = day.spans[i].signIndex;
    m.from = AfterReferenceSunrise(result, from);
    m.to = AfterReferenceSunrise(result, to);
    m.secondsSinceChange = born - from;
    m.secondsToChange = to - born;
    m.signBefore = day.spans[i - 1].signIndex;
    m.signAfter = day.spans[i + 1].signIndex;
    return m;
  }
  // The stretches of the birth's day in seconds from the birth, and, where
  // the birth's sign touches a sunrise, those of the day across it: a birth
  // there is timed from that other sunrise, and its sign may well be the
  // same.
  const CivilDateTime& origin = birth.local;
  std::vector<Stretch> stretches;
  AppendStretches(result, day, origin, stretches);
  if (day.birthSpan == 0) {
    const std::int64_t sunrise = stretches.front().from;
    const ChartResult before =
        Calculate(Moved(birth, sunrise - 1), result.options);
    if (before.horaLagna) {
      std::vector<Stretch> earlier;
      AppendStretches(before, HoraLagnaThroughTheDay(before), origin, earlier);
      stretches.insert(stretches.begin(), earlier.begin(), earlier.end());
    }
  }
  if (day.birthSpan == day.count - 1) {
    const std::int64_t nextSunrise = stretches.back().to;
    const ChartResult after =
        Calculate(Moved(birth, nextSunrise), result.options);
    if (after.horaLagna) {
      AppendStretches(after, HoraLagnaThroughTheDay(after), origin, stretches);
    }
  }
  // One sign without a break is one stretch.
  std::vector<Stretch> merged;
  for (const Stretch& s : stretches) {
    if (!merged.empty() && merged.back().to >= s.from) {
      if (merged.back().signIndex == s.signIndex) {
        merged.back().to = std::max(merged.back().to, s.to);
        continue;
      }
      if (merged.back().to > s.from) continue;  // overlaps: the first holds
    }
    merged.push_back(s);
  }
  const auto at = std::find_if(merged.begin(), merged.end(),
                               [](const Stretch& s) { return s.to > 0; });
  HoraLagnaMargin m;
  m.signIndex = at->signIndex;
  m.from = AddSeconds(origin, at->from);
  m.to = AddSeconds(origin, at->to);
  m.secondsSinceChange = -at->from;
  m.secondsToChange = at->to;
  if (at != merged.begin() && (at - 1)->to == at->from) {
    m.signBefore = (at - 1)->signIndex;
  }
  if (at + 1 != merged.end() && (at + 1)->from == at->to) {
    m.signAfter = (at + 1)->signIndex;
  }
  return m;
}

std::vector<SignShare> SignSharesInWindow(const Birth& birth,
                                          const ChartResult& result,
                                          int minutes) {
  if (!result.timing || !result.horaLagna || minutes < 1 ||
      minutes > kMaxTimeUncertaintyMinutes) {
    return {};
  }
  const std::int64_t half = minutes * kSecondsPerMinute;
  const CivilDateTime& origin = birth.local;  // the window is [-half, half)
  std::vector<Stretch> stretches;
  AppendStretches(result, HoraLagnaThroughTheDay(result), origin, stretches);
  // Where the window reaches past the birth's day, the days of its ends.
  if (stretches.front().from > -half) {
    const ChartResult earlier = Calculate(Moved(birth, -half), result.options);
    if (!earlier.horaLagna) return {};
    AppendStretches(earlier, HoraLagnaThroughTheDay(earlier), origin,
                    stretches);
  }
  if (stretches.back().to < half) {
    const ChartResult later = Calculate(Moved(birth, half - 1), result.options);
    if (!later.horaLagna) return {};
    AppendStretches(later, HoraLagnaThroughTheDay(later), origin, stretches);
  }
  std::sort(stretches.begin(), stretches.end(),
            [](const Stretch& a, const Stretch& b) { return a.from < b.from; });

  std::vector<SignShare> shares;
  std::int64_t covered = -half;  // the window is covered up to here
  for (const Stretch& s : stretches) {
    const std::int64_t from = std::max(s.from, covered);
    const std::int64_t to = std::min(s.to, half);
    if (to <= from) continue;
    if (from != covered) return {};  // a gap: no sunrise times that part
    const double share = static_cast<double>(to - from) / (2.0 * half);
    const auto same = std::find_if(
        shares.begin(), shares.end(),
        [&s](const SignShare& x) { return x.signIndex == s.signIndex; });
    if (same != shares.end()) {
      same->share += share;
    } else {
      shares.push_back({s.signIndex, share});
    }
    covered = to;
  }
  if (covered != half) return {};
  return shares;
}

std::optional<int> CentreRuleSign(const Birth& birth,
                                  const ChartResult& result) {
  if (result.options.sunrise == SunriseRule::kCentre || !result.horaLagna) {
    return std::nullopt;
  }
  CalculationOptions centre = result.options;
  centre.sunrise = SunriseRule::kCentre;
  const std::optional<int> sign = SignOfBirth(Calculate(birth, centre));
  if (!sign || *sign == result.horaLagna->signIndex) return std::nullopt;
  return sign;
}

HoraLagnaReading ReadHoraLagna(const Birth& birth, const ChartResult& result,
                               const ReadingRequest& request) {
  HoraLagnaReading reading;
  reading.day = HoraLagnaThroughTheDay(result);
  reading.margin = MarginOfBirth(birth, result, reading.day);
  if (request.uncertaintyMinutes > 0) {
    reading.uncertaintyMinutes = request.uncertaintyMinutes;
    reading.shares =
        SignSharesInWindow(birth, result, request.uncertaintyMinutes);
  }
  if (request.centreRule) reading.centreSign = CentreRuleSign(birth, result);
  return reading;
}

}  // namespace tarvelin
