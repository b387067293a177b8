// SPDX-License-Identifier: GPL-3.0-or-later
// The ayanamsa (the offset of the tropical zodiac from the fixed one that
// precession opens) in its kinds, as the sidereal correction the engine adds
// to tropical longitudes (minus the ayanamsa), and the obliquity of the
// ecliptic.
#pragma once

#include <array>

#include "engine/time_base.h"

namespace tarvelin {

// The kinds of ayanamsa a calculation can use. kClassic is the default and
// the system's own; the others are the fixed-star ayanamsas by their usual
// names, each defined by its value at one epoch.
enum class Ayanamsa { kClassic, kLahiri, kRaman, kKrishnamurti, kFaganBradley };
constexpr int kAyanamsaCount = 5;

// PrecessionArcseconds: Newcomb's general precession in longitude.
//
// Given:    t, Julian centuries
// Returned: 5025.64" t + 1.11" t^2, arcseconds (the rate at 1900 with its
//           secular change of 2.22" per century)
// Notes:    The classic ayanamsa grows at this rate, and the planets are
//           carried by it from the equinox of J2000.0 to that of the date.
double PrecessionArcseconds(double t);

// SiderealCorrection1900: minus the classic ayanamsa, counted from 1900.
//
// Given:    t1900, Julian centuries from JD 2415020.0 (UT)
// Returned: degrees, negative (about -22.5 in 1900, -23.9 in 2000)
// Notes:    A true ayanamsa: the mean value 22° 27' 41.27" at t1900 = 0
//           grows with PrecessionArcseconds and carries the two leading
//           terms of the nutation in longitude, 17.23" sin(node) and 1.27"
//           sin(2 x the Sun's mean longitude). Serves the ascendant and the
//           Sun, planets and nodes.
// Source:   the classic digits; the node and the Sun's mean longitude in
//           Newcomb's arcsecond forms.
double SiderealCorrection1900(double t1900);

// SiderealCorrection2000: minus the classic ayanamsa, counted from J2000.0.
//
// Given:    t2000, Julian centuries from JD 2451545.0 (UT)
// Returned: degrees, negative
// Notes:    The same ayanamsa as SiderealCorrection1900 but for its mean
//           part, 23° 51' 26.27" at J2000.0 (1.75" less), and the node and
//           the Sun's mean longitude of the lunar theory. Serves the Moon.
double SiderealCorrection2000(double t2000);

// MeanAyanamsaDegrees: a fixed-star ayanamsa at an instant.
//
// Given:    kind, any but kClassic; julianDate, JD (UT)
// Returned: the mean ayanamsa (nutation left out), degrees
// Notes:    1. Each kind is its value at its epoch carried by the general
//              precession in longitude of the IAU 1976 system,
//              p = 5029.0966" T + 1.11113" T^2 - 0.000006" T^3 (T in Julian
//              centuries from J2000.0; Lieske et al. 1977).
//           2. Mean, because the engine's longitudes are referred to the
//              mean equinox of the date: a true ayanamsa would need true
//              (nutated) longitudes to be taken from.
//           3. The epochs and values are in ayanamsa.cpp with their
//              sources.
double MeanAyanamsaDegrees(Ayanamsa kind, double julianDate);

// What a calculation adds to tropical longitudes: minus the ayanamsa.
struct SiderealCorrections {
  double ascendantAndPlanets = 0;  // degrees
  double moon = 0;                 // degrees
};

// SiderealCorrectionsAt: the corrections of one instant.
//
// Given:    kind; instant (UT)
// Returned: under kClassic, SiderealCorrection1900 and (for the Moon)
//           SiderealCorrection2000 of the instant; under any other kind,
//           minus MeanAyanamsaDegrees, the same for every body.
SiderealCorrections SiderealCorrectionsAt(Ayanamsa kind,
                                          const UniversalInstant& instant);

// ObliquityDegrees: the mean obliquity of the ecliptic.
//
// Given:    t1900, Julian centuries from JD 2415020.0
// Returned: degrees
// Source:   Newcomb, 23° 27' 8.26" - 46.845" T (the linear term only).
double ObliquityDegrees(double t1900);

}  // namespace tarvelin
