#include "tables/bodies.h"

namespace tarvelin {

PlanetNameTable PlainPlanetNames() {
  return {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
          "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};
}

const std::array<const char*, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const std::array<BodyIndex, 12> kSignLordBodies = {
    kMars,  kVenus, kMercury, kMoon,   kSun,    kMercury,
    kVenus, kMars,  kJupiter, kSaturn, kSaturn, kJupiter};

}  // namespace tarvelin
