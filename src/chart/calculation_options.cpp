// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/calculation_options.h"

namespace tarvelin {

const std::array<const char*, kSunriseRuleCount> kSunriseRuleNames = {
    "classic", "limb", "centre"};
const std::array<const char*, kAyanamsaCount> kAyanamsaNames = {
    "classic", "lahiri", "raman", "krishnamurti", "fagan-bradley"};

bool operator==(const CalculationOptions& a, const CalculationOptions& b) {
  return a.sunrise == b.sunrise && a.ayanamsa == b.ayanamsa;
}
bool operator!=(const CalculationOptions& a, const CalculationOptions& b) {
  return !(a == b);
}

const char* NameOf(SunriseRule rule) {
  return kSunriseRuleNames[static_cast<int>(rule)];
}
const char* NameOf(Ayanamsa ayanamsa) {
  return kAyanamsaNames[static_cast<int>(ayanamsa)];
}

std::optional<SunriseRule> SunriseRuleNamed(std::string_view name) {
  for (int i = 0; i < kSunriseRuleCount; ++i) {
    if (name == kSunriseRuleNames[i]) return static_cast<SunriseRule>(i);
  }
  return std::nullopt;
}

std::optional<Ayanamsa> AyanamsaNamed(std::string_view name) {
  for (int i = 0; i < kAyanamsaCount; ++i) {
    if (name == kAyanamsaNames[i]) return static_cast<Ayanamsa>(i);
  }
  return std::nullopt;
}

bool CountsSeconds(SunriseRule rule) { return rule != SunriseRule::kClassic; }

}  // namespace tarvelin
