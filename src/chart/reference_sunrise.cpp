// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/reference_sunrise.h"

#include <cstdlib>

namespace tarvelin {

std::optional<ReferenceTiming> ChooseReferenceSunrise(
    const CivilDateTime& birth,
    const std::optional<CivilDateTime>& sunriseBirthDay,
    const std::optional<CivilDateTime>& sunsetBirthDay,
    const std::optional<CivilDateTime>& sunriseDayBefore) {
  if (!sunriseBirthDay) return std::nullopt;

  CivilDateTime sunrise;
  if (birth < *sunriseBirthDay) {
    if (!sunriseDayBefore) return std::nullopt;
    sunrise = *sunriseDayBefore;  // before sunrise: the previous morning
  } else {
    // Day birth, or a birth after sunset: either way it is timed from the
    // morning of its own day. Telling the two apart needs the sunset.
    if (!sunsetBirthDay) return std::nullopt;
    sunrise = *sunriseBirthDay;
  }
  return ReferenceTiming{sunrise,
                         std::llabs(MinuteBoundariesBetween(sunrise, birth)),
                         std::llabs(SecondsBetween(sunrise, birth))};
}

}  // namespace tarvelin
