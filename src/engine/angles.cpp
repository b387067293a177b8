// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/angles.h"

#include <cmath>

namespace tarvelin {

double ArcTan2(double y, double x) {
  if (x > 0) return std::atan(y / x);
  if (x == 0) {
    if (y > 0) return kPi / 2;
    if (y < 0) return -kPi / 2;
    return 0;
  }
  const double angle = kPi - std::atan(std::fabs(y / x));
  return y >= 0 ? angle : -angle;
}

namespace {

// floor(a) for a >= 0, without a call for the whole numbers a long holds
// (the same value: cutting off the fraction of a non-negative number is its
// floor); NaN and the infinities go to std::floor.
double FloorOfNonNegative(double a) {
  return a < 9.0e18 ? static_cast<double>(static_cast<long long>(a))
                    : std::floor(a);
}

}  // namespace

SignPosition SplitSignPosition(double x) {
  const double a = std::fabs(x);
  double degrees = FloorOfNonNegative(a);
  const double minutesExact = 60.0 * (a - degrees);
  const double minutes = FloorOfNonNegative(minutesExact);
  const double seconds = FloorOfNonNegative(60.0 * (minutesExact - minutes));
  const double sign = FloorOfNonNegative(degrees / kDegreesPerSign);
  degrees -= kDegreesPerSign * sign;
  return {degrees, minutes, seconds, sign};
}

int SignIndexOfLongitude(double longitude) {
  const double wholeDegrees = FloorOfNonNegative(std::fabs(longitude));
  const int s =
      static_cast<int>(FloorOfNonNegative(wholeDegrees / kDegreesPerSign));
  return s < kSignCount ? s : -1;
}

}  // namespace tarvelin
