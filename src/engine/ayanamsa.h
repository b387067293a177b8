// Sidereal correction (minus the ayanamsa, a true ayanamsa with two nutation
// terms) and the obliquity of the ecliptic.
#pragma once

namespace tarvelin {

// Degrees; T in Julian centuries from JD 2415020.0. Serves the ascendant and,
// through SiderealCorrection, the Sun, planets and nodes.
double SiderealCorrection1900(double t1900);
// Degrees; T in Julian centuries from JD 2451545.0. Serves the Moon.
double SiderealCorrection2000(double t2000);
// Degrees; Newcomb's linear term only.
double ObliquityDegrees(double t1900);

}  // namespace tarvelin
