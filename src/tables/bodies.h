// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the bodies of the planet table and of the signs.
#pragma once

#include <array>
#include <string>

#include "engine/bodies.h"
#include "tables/language.h"

namespace tarvelin {

using PlanetNameTable = std::array<std::string, kBodyCount>;

// The bodies' names in `language`, Sun first, the ascendant ("Asc") last.
PlanetNameTable PlainPlanetNames(Language language = Language::kEnglish);

// "Aries" ... "Pisces"; the first three letters are the sign's abbreviation
// in chart notation ("Ari" ... "Pis").
extern const std::array<const char*, 12> kSignNames;

// The lord of each sign from Aries, as a body of the planet table.
extern const std::array<BodyIndex, 12> kSignLordBodies;

}  // namespace tarvelin
