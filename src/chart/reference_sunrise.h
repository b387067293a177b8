// SPDX-License-Identifier: GPL-3.0-or-later
// The sunrise from which a birth is timed, and the time elapsed since it.
#pragma once

#include <cstdint>
#include <optional>

#include "engine/civil_time.h"

namespace tarvelin {

struct ReferenceTiming {
  CivilDateTime sunrise;        // local clock time of the reference sunrise
  std::int64_t elapsedMinutes;  // minute boundaries from sunrise to birth
  std::int64_t elapsedSeconds;  // whole seconds from sunrise to birth
};

// A birth from the birth day's sunrise on (day or evening) is timed from that
// sunrise; a birth before it from the previous morning's sunrise. Both ends
// of the day count as day. The seconds of either instant do not reach the
// elapsed minutes. Empty when a sunrise or sunset the choice needs is missing
// (polar day or night): the birth day's sunrise always, its sunset for a birth
// after sunrise, the day before's sunrise for a birth before sunrise.
std::optional<ReferenceTiming> ChooseReferenceSunrise(
    const CivilDateTime& birth,
    const std::optional<CivilDateTime>& sunriseBirthDay,
    const std::optional<CivilDateTime>& sunsetBirthDay,
    const std::optional<CivilDateTime>& sunriseDayBefore);

}  // namespace tarvelin
