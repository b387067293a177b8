#include "sunrise/retrograde.h"

#include <algorithm>
#include <cstdint>

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

}  // namespace

bool IsRetrograde(const CivilDateTime& moment, const std::string& planet) {
  const auto found =
      std::find(kRetroPlanetNames.begin(), kRetroPlanetNames.end(), planet);
  if (found == kRetroPlanetNames.end()) return false;
  const StationList list =
      StationsOf(static_cast<int>(found - kRetroPlanetNames.begin()));
  const StationPeriod* const begin = list.periods;
  const StationPeriod* const end = list.periods + list.count;

  // The periods are in time order and do not overlap, so only the last one
  // whose retrograde station falls on an earlier calendar day can hold the
  // date.
  const std::int64_t day = CalendarDay(moment);
  const StationPeriod* const after =
      std::partition_point(begin, end, [day](const StationPeriod& period) {
        return CalendarDay(period.retrograde) < day;
      });
  if (after == begin) return false;
  return day < CalendarDay((after - 1)->direct);
}

RetroFlagTable RetroFlagsAt(const CivilDateTime& birthMoment) {
  RetroFlagTable flags{};
  for (int k = 0; k < kRetroPlanetCount; ++k) {
    flags[k] = IsRetrograde(birthMoment, kRetroPlanetNames[k]);
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
