// SPDX-License-Identifier: GPL-3.0-or-later
// The Hora Lagna through the day the birth is timed in: the moments it
// enters each sign from the reference sunrise to the next, how close the
// birth stands to a change, which signs an uncertain birth time can give,
// and the sign the traditional Hindu sunrise would give.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "chart/birth.h"
#include "chart/calculation_options.h"
#include "engine/civil_time.h"

namespace tarvelin {

struct ChartResult;

// One sign of the day: the Hora Lagna stands in `signIndex` from
// `fromSeconds` after the reference sunrise until the next span's start
// (or the end of the day).
struct HoraLagnaSpan {
  int signIndex = 0;  // 0..11, Aries first
  std::int64_t fromSeconds = 0;
};

// The spans of one day. At half a degree a minute the Hora Lagna enters a
// new sign every hour: about 24 spans. A day of more than 48 hours (next
// to the polar circles) is cut there.
struct HoraLagnaDay {
  static constexpr int kMaxSpans = 50;
  std::array<HoraLagnaSpan, kMaxSpans> spans{};
  int count = 0;
  // The end of the day after the reference sunrise: the next sunrise, or
  // 24 hours where there is none.
  std::int64_t endSeconds = 0;
  int birthSpan = -1;  // the span the birth falls in
};

// HoraLagnaSignAt: the sign the calculation gives a birth timed from a
// sunrise the given number of seconds before it.
//
// Given:    sunriseSunLongitude, the Sun's sidereal longitude then,
//           degrees; rule, which counts whole minutes (classic: minute
//           boundaries, the sunrise being on a whole minute) or seconds;
//           elapsedSeconds >= 0
// Returned: sign index 0..11 (a longitude of exactly 360 is Aries)
int HoraLagnaSignAt(double sunriseSunLongitude, SunriseRule rule,
                    std::int64_t elapsedSeconds);

// SpansOfTheDay: the spans from a sunrise to `endSeconds` after it, and the
// one holding `birthSeconds`.
//
// Notes:    Each change is placed where HoraLagnaSignAt changes (whole
//           minutes under the classic rule, whole seconds otherwise), so the
//           table agrees with the calculation at every moment of the day.
HoraLagnaDay SpansOfTheDay(double sunriseSunLongitude, SunriseRule rule,
                           std::int64_t endSeconds, std::int64_t birthSeconds);

// HoraLagnaThroughTheDay: the spans of a result's day, from its reference
// sunrise to the next (24 hours where there is none); no spans without a
// Hora Lagna.
HoraLagnaDay HoraLagnaThroughTheDay(const ChartResult& result);

// The local clock time `seconds` after the reference sunrise of a result
// that has one.
CivilDateTime AfterReferenceSunrise(const ChartResult& result,
                                    std::int64_t seconds);

// How close the birth stands to a change of sign, on both sides.
struct HoraLagnaMargin {
  int signIndex = 0;
  CivilDateTime from, to;  // the birth's sign holds from `from` until `to`
  std::int64_t secondsSinceChange = 0;  // from `from` to the birth
  std::int64_t secondsToChange = 0;     // from the birth to `to`
  // The sign just before `from` and from `to` on; nothing where no sunrise
  // times a birth then (polar day or night).
  std::optional<int> signBefore, signAfter;
};

// MarginOfBirth: the margin of a result with a Hora Lagna; nothing without.
// A birth before the reference sunrise or from the next sunrise on is timed
// from that sunrise, and its Hora Lagna is most often in the same sign as
// just across it: where the birth's span touches a sunrise, the
// neighbouring day is calculated (Calculate with the same options) and the
// sign followed across.
std::optional<HoraLagnaMargin> MarginOfBirth(const Birth& birth,
                                             const ChartResult& result,
                                             const HoraLagnaDay& day);

// The share of a window of time in which the Hora Lagna stands in one sign.
struct SignShare {
  int signIndex = 0;
  double share = 0;  // 0..1
};

// The largest uncertainty of a birth time taken, minutes either side.
constexpr int kMaxTimeUncertaintyMinutes = 180;

// SignSharesInWindow: the signs a birth `minutes` earlier or later (1 ..
// kMaxTimeUncertaintyMinutes) can have, each with its share of the window,
// in the order they come. Parts of the window before the reference sunrise
// or from the next sunrise on are timed from that sunrise (Calculate for
// the window's ends). Empty when the result has no Hora Lagna or a part of
// the window has none (polar day or night).
std::vector<SignShare> SignSharesInWindow(const Birth& birth,
                                          const ChartResult& result,
                                          int minutes);

// CentreRuleSign: the Hora Lagna's sign under the centre rule, with the
// same ayanamsa, when the result was found under another rule and the two
// differ; nothing otherwise.
std::optional<int> CentreRuleSign(const Birth& birth,
                                  const ChartResult& result);

// What is said about the Hora Lagna beyond the chart, worked out from a
// result (and, across sunrises and for the other rule, from the
// neighbouring calculations).
struct HoraLagnaReading {
  HoraLagnaDay day;  // no spans without a Hora Lagna
  std::optional<HoraLagnaMargin> margin;
  int uncertaintyMinutes = 0;     // 0: the birth time is taken as exact
  std::vector<SignShare> shares;  // with an uncertainty
  std::optional<int> centreSign;  // when asked for and it differs
};

// What to work out beyond the day and the margin.
struct ReadingRequest {
  int uncertaintyMinutes = 0;  // 0 or 1 .. kMaxTimeUncertaintyMinutes
  bool centreRule = true;      // the sign under the centre rule
};

HoraLagnaReading ReadHoraLagna(const Birth& birth, const ChartResult& result,
                               const ReadingRequest& request);

}  // namespace tarvelin
