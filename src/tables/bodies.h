// The bodies of the planet table and the names that go with the signs.
#pragma once

#include <array>
#include <string>

namespace tarvelin {

// Body order of the planet table: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars,
// 5 Jupiter, 6 Saturn, 7 Rahu, 8 Ketu, 9 ascendant.
constexpr int kBodyCount = 10;
using PlanetNameTable = std::array<std::string, kBodyCount>;

PlanetNameTable PlainPlanetNames();

// "Ari" ... "Pis", Aries first.
extern const std::array<std::string, 12> kSignAbbrevs;
// The lord of each sign from Aries.
extern const std::array<std::string, 12> kSignLords;

}  // namespace tarvelin
