// SPDX-License-Identifier: GPL-3.0-or-later
// Retrograde marks: which planets were in apparent retrograde motion on the
// birth date, looked up in the compiled-in station tables.
#pragma once

#include <array>
#include <string>

#include "engine/civil_time.h"

namespace tarvelin {

// Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
constexpr int kRetroPlanetCount = 8;
extern const std::array<std::string, kRetroPlanetCount> kRetroPlanetNames;
using RetroFlagTable = std::array<bool, kRetroPlanetCount>;

// The eight flags for a birth moment: a flag is set when the calendar date
// of the moment lies strictly between the calendar dates of a retrograde
// station and the direct station that follows it.
RetroFlagTable RetroFlagsAt(const CivilDateTime& birthMoment);

}  // namespace tarvelin
