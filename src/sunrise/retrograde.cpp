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

// The planets whose retrograde mark is shown: Mercury .. Saturn, which sit at
// body indexes 2 .. 6 of the planet name table.
constexpr int kMarkedPlanetCount = 5;
constexpr int kFirstMarkedBodyIndex = 2;
const char kRetrogradeMark[] = " (R) ";

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

bool IsRetrograde(const CivilDateTime& moment, const std::string& planet) {
  const auto found =
      std::find(kRetroPlanetNames.begin(), kRetroPlanetNames.end(), planet);
  if (found == kRetroPlanetNames.end()) return false;
  return IsRetrogradeOnDay(static_cast<int>(found - kRetroPlanetNames.begin()),
                           CalendarDay(moment));
}

RetroFlagTable RetroFlagsAt(const CivilDateTime& birthMoment) {
  const std::int64_t day = CalendarDay(birthMoment);
  RetroFlagTable flags{};
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    flags[k] = IsRetrogradeOnDay(k, day);
  }
  return flags;
}

PlanetNameTable MarkedPlanetNames(const RetroFlagTable& flags) {
  PlanetNameTable names = PlainPlanetNames();
  for (int k = 0; k < kMarkedPlanetCount; ++k) {
    if (flags[k]) names[k + kFirstMarkedBodyIndex] += kRetrogradeMark;
  }
  return names;
}

int MonthNumber(const std::string& field) {
  if (field.empty() || field.size() > 2) return 0;
  int month = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return 0;
    month = month * 10 + (c - '0');
  }
  return month >= 1 && month <= 12 ? month : 0;
}

}  // namespace tarvelin
