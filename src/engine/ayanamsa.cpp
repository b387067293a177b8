// SPDX-License-Identifier: GPL-3.0-or-later
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

// General precession in longitude, IAU 1976 (Lieske, Lederle, Fricke and
// Morando 1977), arcseconds; T in Julian centuries from J2000.0.
double GeneralPrecessionIau1976Arcseconds(double t) {
  return (5029.0966 + (1.11113 - 0.000006 * t) * t) * t;
}

// A fixed-star ayanamsa: its mean value at one epoch.
struct AyanamsaEpoch {
  double julianDate;   // the epoch, JD
  double meanDegrees;  // the mean ayanamsa then
};

// Indexed by Ayanamsa; the classic row is not used.
constexpr std::array<AyanamsaEpoch, kAyanamsaCount> kEpochs = {{
    {0, 0},
    // Lahiri (Chitrapaksha, the Indian Astronomical Ephemeris): 23° 15'
    // 00.658" on 1956 March 21, 0h TT, a true value; less the nutation in
    // longitude of that date, 16.769" (IAU 1980), it is the mean value.
    {2435553.5, 23 + 15 / 60.0 + (0.658 - 16.769) / 3600},
    // Raman: 21° 0' 52" (21.01444°) at 1900 January 0.5, as the Swiss
    // Ephemeris defines it (SE_SIDM_RAMAN).
    {2415020.0, 21.01444},
    // Krishnamurti: 22° 21' 50" (22.363889°) at 1900 January 0.5, as the
    // Swiss Ephemeris defines it (SE_SIDM_KRISHNAMURTI).
    {2415020.0, 22 + 21 / 60.0 + 50 / 3600.0},
    // Fagan-Bradley (the synetic vernal point): 24° 02' 31.36" at B1950.0
    // (JD 2433282.42346).
    {2433282.42346, 24 + 2 / 60.0 + 31.36 / 3600},
}};

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

double MeanAyanamsaDegrees(Ayanamsa kind, double julianDate) {
  const AyanamsaEpoch& epoch = kEpochs[static_cast<int>(kind)];
  const double t = (julianDate - kJdJ2000) / kJulianDaysPerCentury;
  const double t0 = (epoch.julianDate - kJdJ2000) / kJulianDaysPerCentury;
  return epoch.meanDegrees + (GeneralPrecessionIau1976Arcseconds(t) -
                              GeneralPrecessionIau1976Arcseconds(t0)) /
                                 kArcsecondsPerDegree;
}

SiderealCorrections SiderealCorrectionsAt(Ayanamsa kind,
                                          const UniversalInstant& instant) {
  if (kind == Ayanamsa::kClassic) {
    return {SiderealCorrection1900(CenturiesSince1900(instant)),
            SiderealCorrection2000(CenturiesSinceJ2000(instant))};
  }
  const double correction = -MeanAyanamsaDegrees(kind, JulianDate(instant));
  return {correction, correction};
}

double ObliquityDegrees(double t1900) {
  // Newcomb: 23° 27' 8.26" - 46.845" per century (linear term only).
  return 23.452294 - 0.0130125 * t1900;
}

}  // namespace tarvelin
