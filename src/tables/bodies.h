// The names of the bodies of the planet table and of the signs.
#pragma once

#include <array>
#include <string>

#include "engine/bodies.h"

namespace tarvelin {

using PlanetNameTable = std::array<std::string, kBodyCount>;

PlanetNameTable PlainPlanetNames();

}  // namespace tarvelin
