// SPDX-License-Identifier: GPL-3.0-or-later
// The sentence shown for the house, counted from the ascendant's sign, in
// which the Hora Lagna falls.
#pragma once

#include <array>
#include <string>

#include "tables/language.h"

namespace tarvelin {

// Index 0 = house 1 ... 11 = house 12; trailing blanks are part of the texts.
extern const std::array<std::string, 12> kHouseSignificance;

// The sentence of house 1..12 in `language` (in English, kHouseSignificance).
const std::string& HouseSignificance(int house, Language language);

// House 1..12 of the Hora Lagna sign counted from the ascendant sign (both
// sign numbers 1..12).
int HoraLagnaHouse(int ascendantSign, int horaLagnaSign);

}  // namespace tarvelin
