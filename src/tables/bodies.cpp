#include "tables/bodies.h"

namespace tarvelin {

PlanetNameTable PlainPlanetNames() {
  return {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
          "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};
}

const std::array<std::string, 12> kSignAbbrevs = {"Ari", "Tau", "Gem", "Can",
                                                  "Leo", "Vir", "Lib", "Sco",
                                                  "Sag", "Cap", "Aqu", "Pis"};

const std::array<std::string, 12> kSignLords = {
    "Mars",  "Venus", "Mercury", "Moon",   "Sun",    "Mercury",
    "Venus", "Mars",  "Jupiter", "Saturn", "Saturn", "Jupiter"};

}  // namespace tarvelin
