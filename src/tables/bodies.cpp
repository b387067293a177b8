#include "tables/bodies.h"

namespace tarvelin {

PlanetNameTable PlainPlanetNames() {
  return {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
          "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};
}

}  // namespace tarvelin
