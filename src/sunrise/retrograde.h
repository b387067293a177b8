// Retrograde marks: which planets were in apparent retrograde motion on the
// birth date, looked up in the compiled-in station tables.
#pragma once

#include <array>
#include <string>

#include "engine/civil_time.h"
#include "tables/bodies.h"

namespace tarvelin {

// Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
constexpr int kRetroPlanetCount = 8;
extern const std::array<std::string, kRetroPlanetCount> kRetroPlanetNames;
using RetroFlagTable = std::array<bool, kRetroPlanetCount>;

// True when the calendar date of `moment` lies strictly between the calendar
// dates of a retrograde station and the following direct station. The planet
// is named exactly as in kRetroPlanetNames; any other name gives false.
bool IsRetrograde(const CivilDateTime& moment, const std::string& planet);

// The eight flags for a birth moment.
RetroFlagTable RetroFlagsAt(const CivilDateTime& birthMoment);

// The ten plain body names with " (R) " appended to each of Mercury, Venus,
// Mars, Jupiter and Saturn whose flag is set.
PlanetNameTable MarkedPlanetNames(const RetroFlagTable& flags);

// 1..12 for the month field of a station entry text; 0 when it is not one.
int MonthNumber(const std::string& field);

}  // namespace tarvelin
