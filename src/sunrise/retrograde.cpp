// SPDX-License-Identifier: GPL-3.0-or-later
#include "sunrise/retrograde.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sunrise/station_table.h"

namespace tarvelin {

const std::array<std::string, kRetroPlanetCount> kRetroPlanetNames = {
    "Mercury", "Venus",  "Mars",    "Jupiter",
    "Saturn",  "Uranus", "Neptune", "Pluto"};

namespace {

std::int64_t CalendarDay(const CivilDateTime& t) {
  return DaysFromCivil(t.year, t.month, t.day);
}

// The calendar days of one period's two stations.
struct StationDays {
  std::int64_t retrograde;
  std::int64_t direct;
};
using StationDayTables =
    std::array<std::vector<StationDays>, kRetroPlanetCount>;

// The station tables as calendar days, worked out once for the process.
const StationDayTables& StationDaysOfAllPlanets() {
  static const StationDayTables tables = [] {
    StationDayTables days;
    for (int k = 0; k < kRetroPlanetCount; ++k) {
      const StationList list = StationsOf(k);
      days[k].reserve(list.count);
      for (std::size_t i = 0; i < list.count; ++i) {
        days[k].push_back({CalendarDay(list.periods[i].retrograde),
                           CalendarDay(list.periods[i].direct)});
      }
    }
    return days;
  }();
  return tables;
}

// Whether planet `k` (index of kRetroPlanetNames) is retrograde on `day`.
bool IsRetrogradeOnDay(int k, std::int64_t day) {
  const std::vector<StationDays>& periods = StationDaysOfAllPlanets()[k];
  // The periods are in time order and do not overlap, so only the last one
  // whose retrograde station falls on an earlier calendar day can hold the
  // date.
  const auto after = std::partition_point(
      periods.begin(), periods.end(),
      [day](const StationDays& period) { return period.retrograde < day; });
  if (after == periods.begin()) return false;
  return day < (after - 1)->direct;
}

}  // namespace

RetroFlagTable RetroFlagsAt(const CivilDateTime& birthMoment) {
  const std::int64_t day = CalendarDay(birthMoment);
  RetroFlagTable flags{};
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    flags[k] = IsRetrogradeOnDay(k, day);
  }
  return flags;
}

}  // namespace tarvelin
