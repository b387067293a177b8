// SPDX-License-Identifier: GPL-3.0-or-later
// Angle constants and helpers the engine shares. Some formulas were always
// worked with rounded constants; those keep their own digits, named for what
// they are, so that every result stays what it always was.
#pragma once

namespace tarvelin {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
constexpr double kRadiansPerDegree = kPi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / kPi;
// 180 / pi to 15 significant digits, as the ascendant has always used it.
constexpr double kDegreesPerRadian15 = 57.2957795130823;
// pi / 180 to 15 significant digits, as the planetary elements have always
// used it.
constexpr double kRadiansPerDegree15 = 0.0174532925199433;
constexpr double kArcsecondsPerDegree = 3600.0;
constexpr double kDegreesPerSign = 30.0;
constexpr int kSignCount = 12;

// Angle of the point (x, y) in radians, in (-pi, pi]; ArcTan2(0, 0) = 0.
double ArcTan2(double y, double x);

// A longitude split for its sign: every part truncated (floor), never
// rounded, so a longitude just below a sign boundary stays in its sign at
// 29° 59' 59". The sign counts from 0 (Aries); 12 and above name no sign.
struct SignPosition {
  double degrees;  // whole degrees within the sign
  double minutes;  // whole arcminutes
  double seconds;  // whole arcseconds
  double sign;     // whole signs from Aries
};
SignPosition SplitSignPosition(double longitudeDegrees);

// Sign index 0..11 of a longitude as its chart notation names it: the sign
// of its whole degrees (of |x|); -1 from 360 on, where no sign is named.
int SignIndexOfLongitude(double longitudeDegrees);

}  // namespace tarvelin
