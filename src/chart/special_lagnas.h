// SPDX-License-Identifier: GPL-3.0-or-later
// The special lagnas: the arudha padas of the twelve houses, the lagnas
// counted from the Sun at the reference sunrise (ghati, Hora, bhava), the
// Indu, varnada and Sree lagnas and the pranapada. Each step takes its inputs
// and returns its result; Calculate places their markers on the chart.
//
// Signs are indexes 0..11 from Aries. Lagna longitudes are folded down
// (while above 360, take 360 off), so 360 itself stays and then names no sign.
#pragma once

#include <array>
#include <cstdint>

#include "engine/bodies.h"

namespace tarvelin {

using BodySigns = std::array<int, kBodyCount>;  // sign index of each body

// The two cells each arudha pada step marks: the pada of the house, and for
// the first house (the ascendant's sign) also the sign of its lord.
struct ArudhaPadas {
  std::array<int, 12> pada;  // house 1..12 (index 0..11) -> sign index
  int firstLordSign;         // sign index of the ascendant lord
};
// The pada lies as far beyond the lord as the lord lies beyond the house; a
// pada on the house itself moves to the tenth sign, one on the seventh sign
// nine signs on.
ArudhaPadas CalcArudhaPadas(const BodySigns& signs);

// Sun at the reference sunrise plus 1.25, 0.5 and 0.25 degrees a minute.
// The minutes since sunrise are whole under the classic rule and carry the
// seconds (seconds / 60) under the others.
double GhatiLagnaStep(double sunriseSunLongitude, double elapsedMinutes);
double HoraLagnaStep(double sunriseSunLongitude, double elapsedMinutes);
double BhavaLagnaStep(double sunriseSunLongitude, double elapsedMinutes);

// The sign as far from the ascendant's as the kalas of the ninth lords from
// the ascendant and the Moon add up to (mod 12), the ascendant counting one.
int InduLagnaStep(int ascendantSign, int moonSign);

// From the whole degrees of the ascendant and the Hora Lagna: odd signs keep
// their degrees, even signs count them back from 360.
double VarnadaLagnaStep(double ascendantWholeDegrees,
                        double horaLagnaWholeDegrees);

// The ascendant plus 360 degrees for each nakshatra span the Moon has gone
// into its nakshatra.
double SreeLagnaStep(double siderealAscendant, double moonLongitude,
                     double moonNakshatraStart);

// Vighatis in signs, degrees and minutes (each truncated).
struct PranaParts {
  double signs, degrees, minutes;
};
PranaParts Vighati2Degree(double vighatis);

// From the seconds elapsed since the reference sunrise and the Sun then.
int PranapadaStep(std::int64_t elapsedSeconds, double sunriseSunLongitude);

}  // namespace tarvelin
