// The calculation's sunrise and retrograde steps: they hand the birth record
// to the pure functions of sunrise/ and keep the results in the state.
#include "chart/calculation.h"
#include "sunrise/retrograde.h"
#include "sunrise/sunrise.h"

namespace tarvelin {

void Calculation::CalcSunRiseSunSet(int month, int day, int year) {
  const tarvelin::BirthRecord& r = BirthRecord;
  const RiseSet times = tarvelin::CalcSunRiseSunSet(
      month, day, year, r.Hour, r.Minute, r.LatDeg, r.LatMin, r.IsSouth,
      r.LonDeg, r.LonMin, r.IsEast, ZoneOffsetHours, ZoneOffsetMinutes,
      r.HasDST);
  // A missing event leaves its slot empty, never the previous call's time.
  RiseSetTimes[0] = times.sunrise;
  RiseSetTimes[1] = times.sunset;
}

void Calculation::MarkRetrogrades() {
  // The birth date and clock time as typed: no zone or daylight saving.
  const CivilDateTime birthMoment{BirthRecord.Year,   BirthRecord.Month,
                                  BirthRecord.Day,    BirthRecord.Hour,
                                  BirthRecord.Minute, 0};
  RetroFlags = RetroFlagsAt(birthMoment);
  PlanetNames = MarkedPlanetNames(RetroFlags);
}

}  // namespace tarvelin
