// SPDX-License-Identifier: GPL-3.0-or-later
// What one calculation finds, as plain numbers: no texts. The presenter
// (present/) turns it into the texts of the windows, the JSON and the
// reports.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "chart/calculation_options.h"
#include "chart/reference_sunrise.h"
#include "engine/civil_time.h"
#include "sunrise/retrograde.h"
#include "sunrise/sunrise.h"
#include "tables/bodies.h"

namespace tarvelin {

// The marker lines one chart cell carries: `count` lines, of which the one
// at `horaLagnaLine` (0-based; -1 for none) is the Hora Lagna's "HL" and the
// others are empty (the special lagnas mark their cells without a text).
struct MarkerCell {
  int count = 0;
  int horaLagnaLine = -1;
};

// The lagnas counted from the Sun at the reference sunrise and the others,
// in degrees as the chart reads them: folded down while above 360, so 360
// itself is possible and then marks no sign.
struct SpecialLagnas {
  double ghati = 0;             // 1.25 degrees a minute; only with a timing
  double hora = 0;              // 0.5 degrees a minute; only with a timing
  double bhava = 0;             // 0.25 degrees a minute; only with a timing
  double varnada = 0;           // only with a timing
  double sree = 0;              // from the ascendant and the Moon's nakshatra
  int induSignIndex = -1;       // 0..11
  int pranapadaSignIndex = -1;  // 0..11; only with a timing
};

struct HoraLagna {
  double longitude = 0;  // degrees, as SpecialLagnas::hora
  int signIndex = 0;     // 0..11, Aries first
  int house = 1;         // 1..12, counted from the ascendant's sign
};

struct ChartResult {
  CalculationOptions options;  // the rules the numbers were found with

  // The birth run: the universal time of the birth instant and the sidereal
  // positions then.
  double universalHours = 0;      // of the birth instant, not folded
  double siderealCorrection = 0;  // degrees (negative: the ayanamsa)
  // The ayanamsa taken off the ascendant, Sun, planets and nodes, degrees
  // (the classic one is a true ayanamsa, the others mean ones).
  double ayanamsa = 0;
  double siderealAscendant = 0;   // degrees in [0, 360)
  double moonLongitude = 0;       // sidereal degrees in [0, 360)
  double moonNakshatraStart = 0;  // degrees
  // Sidereal degrees in [0, 360), in planet-table order (Sun .. Ketu, then
  // the ascendant).
  std::array<double, kBodyCount> longitudes{};
  RetroFlagTable retrograde{};
  int ascendantSignIndex = 0;  // 0..11

  // Sunrise and sunset (local clock; whole minutes under the classic rule,
  // seconds under the others) of the birth day, the day before and the day
  // after; empty where the Sun does not rise or set.
  RiseSet birthDay, dayBefore, dayAfter;

  // Empty at polar day or night, when the sunrise that times the birth
  // cannot be found; then so are the timed lagnas and the Hora Lagna.
  std::optional<ReferenceTiming> timing;
  double sunriseSunLongitude = 0;  // sidereal Sun at the reference sunrise

  SpecialLagnas lagnas;
  std::array<MarkerCell, 12> markers;  // Aries first
  std::optional<HoraLagna> horaLagna;
};

}  // namespace tarvelin
