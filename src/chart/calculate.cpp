// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Get My Hora Lagna": the birth run of the engine,
// the sunrises of three days, the sunrise that times the birth, the Sun then,
// and the special lagnas with the chart cells they mark.
#include "chart/calculate.h"

#include <cmath>

#include "chart/special_lagnas.h"
#include "engine/angles.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/time_base.h"
#include "tables/house_significance.h"

namespace tarvelin {
namespace {

// Adds one marker line to a chart cell; a cell outside the chart (a lagna
// of exactly 360 degrees, which names no sign) gets none.
void LagnaMarker(std::array<MarkerCell, 12>& cells, int cell,
                 bool horaLagna = false) {
  if (cell < 0 || cell > 11) return;
  if (horaLagna) cells[cell].horaLagnaLine = cells[cell].count;
  ++cells[cell].count;
}

}  // namespace

ChartResult Calculate(const Birth& birth, const CalculationOptions& options) {
  ChartResult r;
  r.options = options;
  const ClockOffset offset{birth.utcOffsetSeconds, birth.daylightSavingSeconds};

  // The birth's instant, once: its clock minute (the seconds count only in
  // the time since sunrise) in universal time.
  CivilDateTime clockMinute = birth.local;
  clockMinute.second = 0;
  const UniversalInstant instant = InstantOf(clockMinute, offset);
  const SiderealCorrections correction =
      SiderealCorrectionsAt(options.ayanamsa, instant);

  // Birth run of the engine.
  r.universalHours = instant.universalHours;
  r.siderealCorrection = correction.ascendantAndPlanets;
  r.ayanamsa = -correction.ascendantAndPlanets;
  r.siderealAscendant =
      CalcAscendant(instant, birth.latitudeDegrees, birth.longitudeDegrees,
                    correction.ascendantAndPlanets);
  const MoonOutputs moon = CalcMoon(instant, correction.moon);
  r.moonLongitude = moon.MoonLongitude;
  r.moonNakshatraStart = moon.MoonNakshatraStart;
  r.longitudes = CalcPlanets(instant, correction.ascendantAndPlanets);
  r.longitudes[kMoon] = moon.MoonLongitude;
  r.longitudes[kAscendant] = r.siderealAscendant;
  // The birth date as typed: no zone or daylight saving.
  r.retrograde = RetroFlagsAt(birth.local);

  BodySigns signs;
  for (int i = 0; i < kBodyCount; ++i) {
    signs[i] = SignIndexOfLongitude(r.longitudes[i]);
  }
  r.ascendantSignIndex = signs[kAscendant];

  // Arudha padas of the twelve houses, the ascendant's sign first.
  const ArudhaPadas padas = CalcArudhaPadas(signs);
  for (int k = 0; k < 12; ++k) {
    LagnaMarker(r.markers, padas.pada[k]);
    if (k == 0) LagnaMarker(r.markers, padas.firstLordSign);
  }

  // Sunrise and sunset of the birth day, the day before and the day after.
  const CivilDateTime birthDate{
      birth.local.year, birth.local.month, birth.local.day, 0, 0, 0};
  const auto riseSet = [&birth, &options](const CivilDateTime& date) {
    return SunRiseSunSet(options.sunrise, date, birth.latitudeDegrees,
                         birth.longitudeDegrees, birth.utcOffsetSeconds);
  };
  r.birthDay = riseSet(birthDate);
  r.dayBefore = riseSet(AddDays(birthDate, -1));
  r.dayAfter = riseSet(AddDays(birthDate, 1));

  r.timing = ChooseReferenceSunrise(birth.local, r.birthDay.sunrise,
                                    r.birthDay.sunset, r.dayBefore.sunrise);
  const int moonSign = signs[kMoon];
  r.lagnas.induSignIndex = InduLagnaStep(r.ascendantSignIndex, moonSign);
  r.lagnas.sree =
      SreeLagnaStep(r.siderealAscendant, r.moonLongitude, r.moonNakshatraStart);

  if (!r.timing) {
    // Polar day or night: no sunrise to count from, so no Hora Lagna and
    // nothing that hangs on it. The lagnas that need no sunrise still mark
    // the chart.
    LagnaMarker(r.markers, r.lagnas.induSignIndex);
    LagnaMarker(r.markers, moonSign);
    LagnaMarker(r.markers, SignIndexOfLongitude(r.lagnas.sree));
    return r;
  }

  // Sunrise run of the engine: the Sun at the reference sunrise, with the
  // birth instant's sidereal correction.
  const ReferenceTiming& timing = *r.timing;
  r.sunriseSunLongitude = CalcPlanets(InstantOf(timing.sunrise, offset),
                                      correction.ascendantAndPlanets)[kSun];

  // Whole minutes since sunrise under the classic rule, to the second under
  // the others.
  const double elapsedMinutes =
      CountsSeconds(options.sunrise)
          ? static_cast<double>(timing.elapsedSeconds) / 60.0
          : static_cast<double>(timing.elapsedMinutes);
  SpecialLagnas& l = r.lagnas;
  l.ghati = GhatiLagnaStep(r.sunriseSunLongitude, elapsedMinutes);
  l.hora = HoraLagnaStep(r.sunriseSunLongitude, elapsedMinutes);
  l.bhava = BhavaLagnaStep(r.sunriseSunLongitude, elapsedMinutes);
  l.varnada =
      VarnadaLagnaStep(std::floor(r.siderealAscendant), std::floor(l.hora));
  l.pranapadaSignIndex =
      PranapadaStep(timing.elapsedSeconds, r.sunriseSunLongitude);

  // A Hora Lagna of exactly 360 degrees names no sign in the chart; it is
  // 0 degrees Aries all the same.
  const int hl = SignIndexOfLongitude(l.hora);
  HoraLagna horaLagna;
  horaLagna.longitude = l.hora;
  horaLagna.signIndex = hl < 0 ? 0 : hl;
  horaLagna.house =
      HoraLagnaHouse(r.ascendantSignIndex + 1, horaLagna.signIndex + 1);
  r.horaLagna = horaLagna;

  LagnaMarker(r.markers, SignIndexOfLongitude(l.ghati));
  LagnaMarker(r.markers, hl, true);
  LagnaMarker(r.markers, SignIndexOfLongitude(l.bhava));
  LagnaMarker(r.markers, l.induSignIndex);
  LagnaMarker(r.markers, SignIndexOfLongitude(l.varnada));
  LagnaMarker(r.markers, moonSign);
  LagnaMarker(r.markers, SignIndexOfLongitude(r.sunriseSunLongitude));
  LagnaMarker(r.markers, SignIndexOfLongitude(l.sree));
  LagnaMarker(r.markers, l.pranapadaSignIndex);
  return r;
}

}  // namespace tarvelin
