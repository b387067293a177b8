// SPDX-License-Identifier: GPL-3.0-or-later
// The choices a calculation can be made with, travelling as one value beside
// the birth: which sunrise times the birth and which ayanamsa makes the
// positions sidereal. The default is the classic rule for both, whose
// numbers never change.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/ayanamsa.h"
#include "sunrise/sunrise.h"

namespace tarvelin {

struct CalculationOptions {
  SunriseRule sunrise = SunriseRule::kClassic;
  Ayanamsa ayanamsa = Ayanamsa::kClassic;
};

bool operator==(const CalculationOptions& a, const CalculationOptions& b);
bool operator!=(const CalculationOptions& a, const CalculationOptions& b);

// The names the command line, the JSON and the settings use, in the order of
// the enums: "classic", "limb", "centre" and "classic", "lahiri", "raman",
// "krishnamurti", "fagan-bradley".
extern const std::array<const char*, kSunriseRuleCount> kSunriseRuleNames;
extern const std::array<const char*, kAyanamsaCount> kAyanamsaNames;

const char* NameOf(SunriseRule rule);
const char* NameOf(Ayanamsa ayanamsa);
// The rule or ayanamsa of an exact name; nothing for any other text.
std::optional<SunriseRule> SunriseRuleNamed(std::string_view name);
std::optional<Ayanamsa> AyanamsaNamed(std::string_view name);

// Whether the time since sunrise counts in whole seconds (limb and centre)
// rather than whole minutes (classic).
bool CountsSeconds(SunriseRule rule);

}  // namespace tarvelin
