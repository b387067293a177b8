// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/special_lagnas.h"

#include <cmath>

#include "engine/angles.h"
#include "tables/bodies.h"

namespace tarvelin {
namespace {

// The value of the lord of the ninth sign counted from each sign, Aries
// first: Jupiter 10, Saturn 1, Mars 6, Mercury 8, Moon 16, Sun 30, and Venus
// (ninth lord of Virgo and of Aquarius) also 10.
constexpr std::array<int, 12> kKalaBySign = {10, 1,  1,  10, 6,  10,
                                             8,  16, 30, 8,  10, 6};

// Degrees the time-based lagnas move per minute after sunrise: one sign
// (30 degrees) per 24 minutes, per hour and per two hours.
constexpr double kGhatiDegreesPerMinute = 1.25;
constexpr double kHoraDegreesPerMinute = 0.5;
constexpr double kBhavaDegreesPerMinute = 0.25;

// While v > 360, v -= 360. The test is strict, so 360 itself stays 360 (and
// then has no sign), and a value is never raised.
double FoldDown(double v) {
  while (v > 360) v -= 360;
  return v;
}

// A sign number 1..12 moved into 1..12.
int WrapSignNumber(int n) {
  while (n > 12) n -= 12;
  while (n < 1) n += 12;
  return n;
}

}  // namespace

ArudhaPadas CalcArudhaPadas(const BodySigns& signs) {
  ArudhaPadas out{};
  const int ascendant = signs[kAscendant] + 1;  // sign number 1..12
  for (int k = 1; k <= 12; ++k) {
    const int house = WrapSignNumber(ascendant + (k - 1));
    const int lord = signs[kSignLordBodies[house - 1]] + 1;
    if (k == 1) out.firstLordSign = lord - 1;

    int d = 2 * (lord - house);
    while (d < 0) d += 12;
    if (d > 12) d -= 12;
    if (d == 0 || d == 12) d = 9;  // on the house itself: the tenth sign

    int p = WrapSignNumber(d + house);
    if (p - house == 6 || p - house == -6) p = WrapSignNumber(p + 9);
    out.pada[k - 1] = p - 1;
  }
  return out;
}

double GhatiLagnaStep(double sunriseSunLongitude, double elapsedMinutes) {
  return FoldDown(sunriseSunLongitude +
                  kGhatiDegreesPerMinute * elapsedMinutes);
}

double HoraLagnaStep(double sunriseSunLongitude, double elapsedMinutes) {
  return FoldDown(sunriseSunLongitude + kHoraDegreesPerMinute * elapsedMinutes);
}

double BhavaLagnaStep(double sunriseSunLongitude, double elapsedMinutes) {
  return FoldDown(sunriseSunLongitude +
                  kBhavaDegreesPerMinute * elapsedMinutes);
}

int InduLagnaStep(int ascendantSign, int moonSign) {
  const int r = (kKalaBySign[ascendantSign] + kKalaBySign[moonSign]) % 12;
  // A remainder of 0 lands one sign before the ascendant's.
  return WrapSignNumber(ascendantSign + 1 + r - 1) - 1;
}

double VarnadaLagnaStep(double ascendantWholeDegrees,
                        double horaLagnaWholeDegrees) {
  // Odd signs (Aries, Gemini, ...; even sign index) keep their degrees, the
  // others count them back from 360.
  double a = ascendantWholeDegrees;
  const bool ascendantOdd = static_cast<int>(std::floor(a / 30)) % 2 == 0;
  if (!ascendantOdd) a = 360 - a;
  double b = horaLagnaWholeDegrees;
  const bool horaOdd = static_cast<int>(std::floor(b / 30)) % 2 == 0;
  if (!horaOdd) b = 360 - b;

  double v = ascendantOdd == horaOdd ? std::fabs(a + b) : std::fabs(a - b);
  v = FoldDown(v);
  if (!ascendantOdd) v = 360 - v;
  return v;
}

double SreeLagnaStep(double siderealAscendant, double moonLongitude,
                     double moonNakshatraStart) {
  // 3 / 40 is the reciprocal of a nakshatra's span of 13 deg 20'.
  return FoldDown(siderealAscendant +
                  (moonLongitude - moonNakshatraStart) * (3.0 / 40.0) * 360);
}

PranaParts Vighati2Degree(double x) {
  const double a = std::fabs(x);
  const double w = std::floor(a);
  const double f = a - w;
  PranaParts out{};
  // The whole part is divided by 15 once more, although the caller has
  // already divided by 15.
  out.signs = std::floor(w / 15);
  const double f1 = f * 30;
  out.degrees = std::floor(f1);
  const double f2 = (f1 - std::floor(f1)) * 60;
  out.minutes = std::floor(f2);
  return out;
}

int PranapadaStep(std::int64_t elapsedSeconds, double sunriseSunLongitude) {
  // Elapsed vighatis (150 per hour) divided by 15.
  const PranaParts prana = Vighati2Degree(elapsedSeconds / 3600.0 * 150 / 15);
  // The Sun's whole degrees within its sign and whole minutes, as its chart
  // notation shows them.
  const SignPosition sun = SplitSignPosition(sunriseSunLongitude);
  const int h = static_cast<int>(sun.sign);

  const double c1 = std::floor((sun.minutes + prana.minutes) / 60);
  const double c2 = std::floor((sun.degrees + prana.degrees + c1) / 30);
  double x = prana.signs + c2 + h;  // movable signs
  if (h % 3 == 1) x += 8;           // fixed signs
  if (h % 3 == 2) x += 4;           // dual signs
  while (x > 11) x -= 12;
  return static_cast<int>(x);
}

}  // namespace tarvelin
