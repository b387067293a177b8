#include "engine/ayanamsa.h"

#include <cmath>

#include "engine/angles.h"

namespace tarvelin {
namespace {

// The two short-period nutation terms in longitude, arcseconds: 17.23" with
// the Moon's node and 1.27" with twice the Sun's mean longitude.
double NutationArcseconds(double nodeDegrees, double twiceSunDegrees) {
  return 17.23 * std::sin(nodeDegrees * kRadiansPerDegree) +
         1.27 * std::sin(twiceSunDegrees * kRadiansPerDegree);
}

}  // namespace

double PrecessionArcseconds(double t) { return 5025.64 * t + 1.11 * t * t; }

double SiderealCorrection1900(double t1900) {
  const double t = t1900;
  // Mean node of the Moon: 933060" = 259° 11' 0", less 1934.142° per century.
  double node = (933060.0 - 6962911.0 * t + 7.5 * t * t) / kArcsecondsPerDegree;
  if (node >= 360.0) node = std::fmod(node, 360.0);  // a negative value stays
  // Twice the Sun's mean longitude, arcseconds (2 x 279° 41' 48").
  const double twiceSun = (2013816.0 + 259205536.0 * t) / kArcsecondsPerDegree;
  const double n = NutationArcseconds(node, twiceSun);
  // 80861.27" = 22° 27' 41.27", the mean ayanamsa at T1900 = 0.
  return (n - PrecessionArcseconds(t) - 80861.27) / kArcsecondsPerDegree;
}

double SiderealCorrection2000(double t2000) {
  const double t = t2000;
  // Mean node of the Moon and mean longitude of the Sun, degrees (not folded).
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
  const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
  const double n = NutationArcseconds(node, 2.0 * sun);
  // 85886.27" = 23° 51' 26.27", the mean ayanamsa at J2000.0 in this form.
  return (n - PrecessionArcseconds(t) - 85886.27) / kArcsecondsPerDegree;
}

double ObliquityDegrees(double t1900) {
  // Newcomb: 23° 27' 8.26" - 46.845" per century (linear term only).
  return 23.452294 - 0.0130125 * t1900;
}

}  // namespace tarvelin
