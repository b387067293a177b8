// What a chosen city fills in for a birth: coordinates as degrees and
// minutes, the zone in force and its zone-list entry.
#include <cmath>
#include <cstdio>

#include "atlas/atlas.h"

namespace tarvelin {

BirthPlace PlaceAtBirth(const AtlasCity& city,
                        const CivilDateTime& localBirth) {
  BirthPlace place;
  place.city = city;
  place.localBirth = localBirth;
  place.longitude = ToDegreesMinutes(city.longitudeDegrees, 179);
  place.latitude = ToDegreesMinutes(city.latitudeDegrees, 89);
  place.zone = ZoneAtLocalTime(city.ianaZone, localBirth);
  if (place.zone) place.zonePosition = ZoneListPosition(*place.zone);
  return place;
}

PlaceLookup LookUpPlace(const std::string& placeText,
                        const CivilDateTime& localBirth) {
  // Enough to say "one of many" without listing the atlas.
  constexpr std::size_t kCountedMatches = 100;
  PlaceLookup lookup;
  const std::vector<AtlasCity> cities = FindCities(placeText, kCountedMatches);
  lookup.matchCount = cities.size();
  if (cities.empty()) {
    lookup.closest = ClosestCityLabels(placeText);
  } else {
    lookup.place = PlaceAtBirth(cities.front(), localBirth);
  }
  return lookup;
}

std::string NoZoneEntryMessage(const BirthPlace& place) {
  const std::string label = CityLabel(place.city);
  if (!place.zone) {
    return "The time-zone database of this computer does not know the zone " +
           place.city.ianaZone + " of " + label +
           ". Please choose the zone yourself.";
  }
  return "The zone list has no entry for " + label +
         ": its standard time at the birth date is " +
         UtcOffsetText(place.zone->standardOffsetSeconds) +
         ". Please choose the zone yourself.";
}

std::optional<std::string> ClockChangeMessage(const BirthPlace& place) {
  if (!place.zone || place.zone->fit == LocalTimeFit::Unique) return {};
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", place.localBirth.hour % 100,
                place.localBirth.minute % 100);
  const std::string offset = UtcOffsetText(place.zone->utcOffsetSeconds);
  const std::string label = CityLabel(place.city);
  if (place.zone->fit == LocalTimeFit::Skipped) {
    return "The clocks at " + label + " skipped " + clock +
           " on the birth date (they were set forward); the birth time is "
           "read on the clocks after the change, " +
           offset + ".";
  }
  return "The clocks at " + label + " showed " + clock +
         " twice on the birth date (they were set back); the birth time is "
         "read as the first of the two, " +
         offset + ".";
}

}  // namespace tarvelin
