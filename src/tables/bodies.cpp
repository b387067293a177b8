// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/bodies.h"

namespace tarvelin {

PlanetNameTable PlainPlanetNames(Language language) {
  switch (language) {
    case Language::kHindi:
      return {"सूर्य", "चंद्र", "बुध",  "शुक्र", "मंगल",
              "गुरु",  "शनि", "राहु", "केतु",  "लग्न"};
    case Language::kTamil:
      return {"சூரியன்", "சந்திரன்", "புதன்", "சுக்கிரன்", "செவ்வாய்",
              "குரு",   "சனி",    "ராகு", "கேது",    "லக்னம்"};
    case Language::kEnglish:
      break;
  }
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
