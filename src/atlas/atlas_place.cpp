// SPDX-License-Identifier: GPL-3.0-or-later
// What a chosen city fills in for a birth: coordinates as degrees and
// minutes, the zone in force and its zone-list entry.
#include <cmath>
#include <string>

#include "atlas/atlas.h"
#include "chart/birth_limits.h"
#include "present/quantity_text.h"
#include "tables/translatable.h"

namespace tarvelin {
namespace {

// Indian cities that kept their own time after the country's standard time
// began, and the year they gave it up.
struct CityTime {
  const char* city;  // as the atlas names it; in India
  int untilYear;     // births before this year
  const char* timeName;
  int offsetSeconds;
};
constexpr CityTime kCityTimes[] = {
    {"Mumbai", 1955, TARVELIN_TEXT("tarvelin::Atlas", "Bombay Time"),
     4 * 3600 + 51 * 60},
    {"Kolkata", 1948, TARVELIN_TEXT("tarvelin::Atlas", "Calcutta Time"),
     5 * 3600 + 53 * 60 + 20},
};

// "02:30" of a clock reading.
std::string ClockText(const CivilDateTime& t) {
  return TimeText(t, TimeStyle::kHoursMinutes);
}

// "2015-03-08 06:30:00 UT".
std::string UniversalText(const CivilDateTime& t) {
  return DateText(t, DateStyle::kIso) + " " + TimeText(t, TimeStyle::kClock) +
         " UT";
}

}  // namespace

BirthPlace PlaceAtBirth(const AtlasCity& city,
                        const CivilDateTime& localBirth) {
  BirthPlace place;
  place.city = city;
  place.localBirth = localBirth;
  place.longitude =
      ToDegreesMinutes(city.longitudeDegrees, kMaxLongitudeDegrees);
  place.latitude = ToDegreesMinutes(city.latitudeDegrees, kMaxLatitudeDegrees);
  place.zone = ZoneAtLocalTime(city.ianaZone, localBirth);
  if (place.zone) {
    place.zonePosition = ZoneListPosition(*place.zone);
    place.zoneChoice = ZoneListChoiceAtBirth(*place.zone);
  }
  return place;
}

PlaceLookup LookUpPlace(const std::string& placeText,
                        const CivilDateTime& localBirth) {
  // As many names as an error line can carry.
  constexpr std::size_t kOfferedNames = 5;
  PlaceLookup lookup;
  const std::vector<AtlasCity> cities = CitiesNamed(placeText);
  lookup.matchCount = cities.size();
  if (cities.empty()) {
    for (const AtlasCity& city : FindCities(placeText, kOfferedNames)) {
      lookup.closest.push_back(CityLabel(city));
    }
    if (lookup.closest.empty()) {
      lookup.closest = ClosestCityLabels(placeText, kOfferedNames);
    }
    return lookup;
  }
  lookup.place = PlaceAtBirth(cities.front(), localBirth);
  for (std::size_t i = 1; i < cities.size() && i <= kOtherChoices; ++i) {
    lookup.others.push_back(cities[i]);
  }
  return lookup;
}

std::optional<std::string> SharedNameMessage(const std::string& placeText,
                                             const PlaceLookup& lookup) {
  if (!lookup.place || lookup.matchCount < 2 || lookup.others.empty()) {
    return {};
  }
  const AtlasCity& taken = lookup.place->city;
  const AtlasCity& other = lookup.others.front();
  const std::size_t others = lookup.matchCount - 1;
  std::string message =
      "\"" + placeText + "\" names " + std::to_string(lookup.matchCount) +
      " cities: " + CityLabel(taken) + ", the most populous, was taken; " +
      std::to_string(others) +
      (others == 1 ? " other shares" : " others share") + " the name: ";
  for (std::size_t i = 0; i < lookup.others.size(); ++i) {
    message += (i > 0 ? "; " : "") + CityLabel(lookup.others[i]);
  }
  if (others > lookup.others.size()) message += " ...";
  message += " (add the state or country";
  // An example that tells the second city from the first: its country, or
  // where both are in one country its state.
  const std::string typedCity = placeText.substr(0, placeText.find(','));
  const auto first = typedCity.find_first_not_of(' ');
  const auto last = typedCity.find_last_not_of(' ');
  const std::string name = first == std::string::npos
                               ? other.name
                               : typedCity.substr(first, last - first + 1);
  if (other.country != taken.country) {
    message += ", as in \"" + name + ", " + other.country + "\"";
  } else if (!other.state.empty() && other.state != taken.state) {
    message += ", as in \"" + name + ", " + other.state + "\"";
  }
  return message + ").";
}

PatternText UnknownZoneText(const BirthPlace& place) {
  return {"tarvelin::Atlas",
          TARVELIN_TEXT("tarvelin::Atlas",
                        "The time-zone database of this computer does not "
                        "know the zone %1 of %2. Please choose the zone "
                        "yourself."),
          {place.city.ianaZone, CityLabel(place.city)}};
}

std::string UnknownZoneMessage(const BirthPlace& place) {
  return Filled(UnknownZoneText(place));
}

namespace {

// For a skipped time: the clock reading it was moved forward to.
CivilDateTime MovedForward(const BirthPlace& place) {
  const ZoneAtBirth& zone = *place.zone;
  return CivilFromSeconds(SecondsFromCivil(place.localBirth) +
                          zone.otherOffsetSeconds - zone.utcOffsetSeconds);
}

}  // namespace

std::optional<PatternText> ClockChangeText(const BirthPlace& place) {
  if (!place.zone || place.zone->fit == LocalTimeFit::Unique) return {};
  const std::string clock = ClockText(place.localBirth);
  const std::string offset = UtcOffsetText(place.zone->utcOffsetSeconds);
  const std::string label = CityLabel(place.city);
  if (place.zone->fit == LocalTimeFit::Skipped) {
    return PatternText{
        "tarvelin::Atlas",
        TARVELIN_TEXT("tarvelin::Atlas",
                      "The clocks at %1 skipped %2 on the birth date (they "
                      "were set forward); the birth time is read with the "
                      "offset before the change, %3, which moves it forward "
                      "by the gap to %4 on the clocks after it (%5)."),
        {label, clock, offset, ClockText(MovedForward(place)),
         UtcOffsetText(place.zone->otherOffsetSeconds)}};
  }
  return PatternText{
      "tarvelin::Atlas",
      TARVELIN_TEXT("tarvelin::Atlas",
                    "The clocks at %1 showed %2 twice on the birth date (they "
                    "were set back); the birth time is read as the first of "
                    "the two, %3."),
      {label, clock, offset}};
}

std::optional<std::string> ClockChangeMessage(const BirthPlace& place) {
  if (const auto text = ClockChangeText(place)) return Filled(*text);
  return {};
}

std::optional<std::string> ClockChangeNotice(const BirthPlace& place) {
  if (!place.zone || place.zone->fit == LocalTimeFit::Unique) return {};
  const ZoneAtBirth& zone = *place.zone;
  const std::string taken = UniversalText(zone.universal) + " (" +
                            UtcOffsetText(zone.utcOffsetSeconds) + ")";
  const std::string other = UniversalText(zone.otherUniversal) + " (" +
                            UtcOffsetText(zone.otherOffsetSeconds) + ")";
  const std::string clock = ClockText(place.localBirth);
  const std::string label = CityLabel(place.city);
  if (zone.fit == LocalTimeFit::Skipped) {
    return "The clocks at " + label + " skipped " + clock +
           " on the birth date (they were set forward): moved forward by the "
           "gap to " +
           ClockText(MovedForward(place)) +
           ", read with the offset before the change, the birth is at " +
           taken + "; read on the clocks after the change, it would be at " +
           other + ".";
  }
  return "The clocks at " + label + " showed " + clock +
         " twice on the birth date (they were set back): read as the first "
         "showing, the birth is at " +
         taken + "; as the second, it would be at " + other + ".";
}

std::optional<PatternText> CityTimeText(const BirthPlace& place) {
  for (const CityTime& kept : kCityTimes) {
    if (place.city.name != kept.city || place.city.countryCode != "IN" ||
        place.localBirth.year >= kept.untilYear) {
      continue;
    }
    PatternText note{"tarvelin::Atlas",
                     TARVELIN_TEXT("tarvelin::Atlas",
                                   "The recorded time of a birth in %1 "
                                   "before %2 may be %3, the city's own time "
                                   "(%4); if so, give %4 as the exact "
                                   "offset."),
                     {kept.city, std::to_string(kept.untilYear), kept.timeName,
                      UtcOffsetText(kept.offsetSeconds)},
                     1u << 2};
    if (place.zone) {
      note.pattern = TARVELIN_TEXT(
          "tarvelin::Atlas",
          "The recorded time of a birth in %1 before %2 may be %3, the "
          "city's own time (%4), rather than the zone's %5; if so, give %4 "
          "as the exact offset.");
      note.arguments.push_back(UtcOffsetText(place.zone->utcOffsetSeconds));
    }
    return note;
  }
  return {};
}

std::optional<std::string> CityTimeNote(const BirthPlace& place) {
  if (const auto text = CityTimeText(place)) return Filled(*text);
  return {};
}

}  // namespace tarvelin
