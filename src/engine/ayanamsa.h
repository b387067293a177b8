// Sidereal correction (minus the ayanamsa, a true ayanamsa with two nutation
// terms) and the obliquity of the ecliptic.
#pragma once

namespace tarvelin {

// General precession in longitude in arcseconds, T in Julian centuries:
// 5025.64" per century with a quadratic term of 1.11" per century^2. The
// ayanamsa grows at this rate; the planets are carried by it from the
// equinox of J2000.0 to that of the date.
double PrecessionArcseconds(double t);

// Degrees; T in Julian centuries from JD 2415020.0. Serves the ascendant and,
// through SiderealCorrection, the Sun, planets and nodes.
double SiderealCorrection1900(double t1900);
// Degrees; T in Julian centuries from JD 2451545.0. Serves the Moon.
double SiderealCorrection2000(double t2000);
// Degrees; Newcomb's linear term only.
double ObliquityDegrees(double t1900);

}  // namespace tarvelin
