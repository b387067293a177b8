// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/birth_entry.h"

#include <utility>

#include "rules/birth_check.h"
#include "rules/text_readers.h"

namespace tarvelin::cli {

BirthEntry ReadBirth(const BirthTexts& texts, const PlaceValues* place) {
  BirthEntry entry;
  const auto refuse = [&entry](const InputProblem& problem) {
    entry.problem = problem.message;
    return entry;
  };
  const PlaceValues none;
  const PlaceValues& found = place ? *place : none;

  Birth birth;
  Reading<std::string> name = ReadName(texts.name);
  if (!name) return refuse(name.problem);
  birth.name = std::move(*name.value);

  const auto coordinate = [&](const std::optional<double>& fromPlace,
                              const std::string& text, Axis axis,
                              double& degrees) {
    if (fromPlace) {
      degrees = *fromPlace;
      return true;
    }
    const Reading<double> read = ReadCoordinate(text, axis);
    if (!read) entry.problem = read.problem.message;
    if (read) degrees = *read;
    return read.value.has_value();
  };
  if (!coordinate(found.longitudeDegrees, texts.lon, Axis::kLongitude,
                  birth.longitudeDegrees) ||
      !coordinate(found.latitudeDegrees, texts.lat, Axis::kLatitude,
                  birth.latitudeDegrees)) {
    return entry;
  }

  const Reading<CivilDate> date = ReadDate(texts.date);
  if (!date) return refuse(date.problem);
  const Reading<ClockTime> time = ReadClockTime(texts.time);
  if (!time) return refuse(time.problem);
  birth.local = {date->year, date->month,  date->day,
                 time->hour, time->minute, time->second};

  if (found.zone) {
    const PlaceValues::Zone& zone = *found.zone;
    if (zone.zoneIndex != Birth::kExactOffset) {
      birth =
          WithZoneEntry(std::move(birth), zone.zoneIndex, zone.daylightSaving);
    } else {
      birth.utcOffsetSeconds = zone.utcOffsetSeconds;
      birth.daylightSavingSeconds = zone.daylightSavingSeconds;
    }
    birth.atlasZone = found.atlasZone;
  } else if (texts.offsetGiven) {
    const Reading<int> offset = ReadUtcOffset(texts.utcOffset);
    if (!offset) return refuse(offset.problem);
    birth.utcOffsetSeconds = *offset;
  } else {
    const Reading<int> zone = ReadZoneIndex(texts.zone);
    if (!zone) return refuse(zone.problem);
    birth = WithZoneEntry(std::move(birth), *zone, texts.dst);
  }
  birth.city = found.city.value_or(texts.city);
  birth.state = found.state.value_or(texts.state);
  birth.country = found.country.value_or(texts.country);

  if (const std::optional<InputProblem> problem = CheckBirth(birth)) {
    return refuse(*problem);
  }
  entry.birth = std::move(birth);
  return entry;
}

}  // namespace tarvelin::cli
