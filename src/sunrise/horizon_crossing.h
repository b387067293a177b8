// SPDX-License-Identifier: GPL-3.0-or-later
// Sunrise and sunset to the second from the engine's own Sun: the moments
// its upper edge or its centre stands on the horizon.
#pragma once

#include "engine/civil_time.h"
#include "sunrise/sunrise.h"

namespace tarvelin {

// Which point of the Sun's disc is brought to the horizon, and how.
enum class HorizonAltitude {
  // The upper edge, with 34' of refraction: the centre at -(34' + the
  // semi-diameter of the day).
  kUpperLimb,
  // The centre on the geometric horizon, no refraction (the traditional
  // Hindu rising).
  kCentre,
};

// HorizonCrossings: sunrise and sunset of one clock date.
//
// Given:    altitude; date, whose calendar date counts; latitudeDegrees and
//           longitudeDegrees, north and east positive, |latitude| < 90;
//           utcOffsetSeconds, how far the clock runs ahead of UT
// Returned: the rising and the setting whose clock date is `date`, to the
//           nearest second of that clock; empty where the Sun does not reach
//           that altitude that day (polar day or night)
// Notes:    1. The Sun is the engine's (SunOfDate: Keplerian elements,
//              precession to the date), less the annual aberration
//              20.4898" / r; its latitude is taken as 0. Right ascension and
//              declination with the mean obliquity (ObliquityDegrees), the
//              hour angle from Newcomb's mean sidereal time
//              (SiderealTimeDegrees). No nutation: it moves the Sun and the
//              sidereal time alike and shifts the crossing by under a second.
//           2. Geocentric (the solar parallax of 8.8" is left out), universal
//              time taken for dynamical time.
//           3. The Sun is computed a day before the clock's noon, then and a
//              day after, and read between by quadratic interpolation. From
//              the noon the crossing is found by Newton steps on the hour
//              angle, H - H0 at the Earth's sidereal rate, until a step is
//              below 0.01 s of time (three or four steps).
//           4. Accuracy: within a few seconds of a full ephemeris at
//              |latitude| <= 60°; tests/data/sunrise_reference.txt holds the
//              reference.
// Source:   the rising and setting of Meeus, Astronomical Algorithms (2nd
//           ed. 1998), chapter 15, iterated to convergence; 34' of
//           refraction at the horizon and the Sun's semi-diameter 959.63" /
//           r from the same work.
RiseSet HorizonCrossings(HorizonAltitude altitude, const CivilDateTime& date,
                         double latitudeDegrees, double longitudeDegrees,
                         int utcOffsetSeconds);

}  // namespace tarvelin
