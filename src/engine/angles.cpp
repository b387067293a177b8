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

SignPosition SplitSignPosition(double x) {
  const double a = std::fabs(x);
  double degrees = std::floor(a);
  const double minutesExact = 60.0 * (a - degrees);
  const double minutes = std::floor(minutesExact);
  const double seconds = std::floor(60.0 * (minutesExact - minutes));
  const double sign = std::floor(degrees / kDegreesPerSign);
  degrees -= kDegreesPerSign * sign;
  return {degrees, minutes, seconds, sign};
}

int SignIndexOfLongitude(double longitude) {
  const double wholeDegrees = std::floor(std::fabs(longitude));
  const int s = static_cast<int>(std::floor(wholeDegrees / kDegreesPerSign));
  return s < kSignCount ? s : -1;
}

}  // namespace tarvelin
