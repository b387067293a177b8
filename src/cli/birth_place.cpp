#include "cli/birth_place.h"

#include <sstream>
#include <vector>

#include "present/terminal_text.h"
#include "present/text_report.h"
#include "tables/zone_table.h"

namespace tarvelin::cli {
namespace {

// "51:31N", "0:8W": the way --lat and --lon take an angle.
std::string AngleText(const DegreesMinutes& angle, char positive,
                      char negative) {
  return std::to_string(angle.degrees) + ":" + std::to_string(angle.minutes) +
         (angle.negative ? negative : positive);
}

const char* FitName(LocalTimeFit fit) {
  switch (fit) {
    case LocalTimeFit::Unique:
      return "unique";
    case LocalTimeFit::Repeated:
      return "repeated";
    case LocalTimeFit::Skipped:
      return "skipped";
  }
  return "unique";
}

std::string UnknownPlaceProblem(const std::string& query) {
  std::string problem = "Unknown place \"" + query + "\"";
  const std::vector<std::string> closest = ClosestCityLabels(query);
  if (closest.empty())
    return problem + "; no city of the atlas is named near it";
  problem += "; closest names: ";
  for (std::size_t i = 0; i < closest.size(); ++i) {
    problem += (i ? "; " : "") + closest[i];
  }
  return problem;
}

// The members that name a city and where it lies.
void WriteCityMembers(JsonWriter& out, const AtlasCity& city) {
  const std::pair<const char*, const std::string*> texts[] = {
      {"city", &city.name},
      {"state", &city.state},
      {"country", &city.country},
      {"country_code", &city.countryCode},
      {"iana_zone", &city.ianaZone}};
  for (const auto& [key, text] : texts) {
    out.Key(key);
    out.String(*text);
  }
  out.Key("latitude");
  out.Number(city.latitudeDegrees);
  out.Key("longitude");
  out.Number(city.longitudeDegrees);
}

std::string NoEntryProblem(const BirthPlace& place) {
  const std::string label = CityLabel(place.city);
  if (!place.zone) {
    return "The time-zone database does not know the zone " +
           place.city.ianaZone + " of " + label +
           "; give the zone with --zone (see --zones)";
  }
  return "No entry of the zone list has the standard time of " + label +
         " at the birth date (" +
         UtcOffsetText(place.zone->standardOffsetSeconds) +
         "); give the zone with --zone (see --zones)";
}

}  // namespace

PlaceOutcome ApplyPlace(const std::string& placeText,
                        const std::set<std::string>& given, BirthTexts& birth) {
  PlaceOutcome outcome;
  const std::optional<DateParts> date = ReadDate(birth.date, outcome.problem);
  if (!date) return outcome;
  const std::optional<ClockTime> time = ReadTime(birth.time, outcome.problem);
  if (!time) return outcome;

  const CivilDateTime localBirth{date->year, date->month,  date->day,
                                 time->hour, time->minute, time->second};
  const PlaceLookup lookup = LookUpPlace(placeText, localBirth);
  if (!lookup.place) {
    outcome.problem = UnknownPlaceProblem(placeText);
    return outcome;
  }
  const BirthPlace& place = *lookup.place;
  const bool zoneGiven = given.count("--zone") > 0;
  if (!place.zonePosition && !zoneGiven) {
    outcome.problem = NoEntryProblem(place);
    return outcome;
  }

  auto fill = [&given](const char* flag, std::string& text,
                       const std::string& value) {
    if (!given.count(flag)) text = value;
  };
  fill("--lon", birth.lon, AngleText(place.longitude, 'E', 'W'));
  fill("--lat", birth.lat, AngleText(place.latitude, 'N', 'S'));
  if (place.zonePosition) {
    fill("--zone", birth.zone, std::to_string(*place.zonePosition));
  }
  if (place.zone && !given.count("--dst")) {
    birth.dst = place.zone->daylightSaving;
  }
  fill("--city", birth.city, place.city.name);
  fill("--state", birth.state, place.city.state);
  fill("--country", birth.country, place.city.country);
  outcome.taken = PlaceTaken{placeText, place, lookup.matchCount};
  return outcome;
}

void WritePlaceJson(JsonWriter& out, const PlaceTaken& taken) {
  const BirthPlace& place = taken.place;
  const AtlasCity& city = place.city;
  out.Key("place");
  out.BeginObject();
  out.Key("query");
  out.String(taken.query);
  out.Key("matches");
  out.Integer(static_cast<std::int64_t>(taken.matchCount));
  WriteCityMembers(out, city);

  const std::optional<ZoneAtBirth>& zone = place.zone;
  out.Key("utc_offset_seconds");
  zone ? out.Integer(zone->utcOffsetSeconds) : out.Null();
  out.Key("standard_offset_seconds");
  zone ? out.Integer(zone->standardOffsetSeconds) : out.Null();
  out.Key("daylight_saving");
  zone ? out.Bool(zone->daylightSaving) : out.Null();
  out.Key("local_time");
  zone ? out.String(FitName(zone->fit)) : out.Null();
  out.Key("zone_index");
  place.zonePosition ? out.Integer(*place.zonePosition) : out.Null();
  out.EndObject();
}

std::string PlaceReport(const PlaceTaken& taken) {
  const BirthPlace& place = taken.place;
  std::ostringstream out;
  out << "Place: " << CityLabel(place.city) << " (" << place.city.ianaZone
      << ")\n";
  if (taken.matchCount > 1) {
    out << "  taken from " << taken.matchCount << " matches of \""
        << TerminalSafe(taken.query) << "\" (--places lists them)\n";
  }
  if (place.zone) {
    out << "  " << UtcOffsetText(place.zone->utcOffsetSeconds)
        << " at the birth, "
        << (place.zone->daylightSaving ? "daylight saving in force"
                                       : "no daylight saving")
        << "\n  standard time "
        << UtcOffsetText(place.zone->standardOffsetSeconds);
    if (place.zonePosition) {
      out << ": zone " << *place.zonePosition << " \""
          << kZoneTable[static_cast<std::size_t>(*place.zonePosition)].text
          << "\"\n";
    } else {
      out << ": no entry of the zone list has it\n";
    }
  }
  if (const auto message = ClockChangeMessage(place)) {
    out << Wrapped(*message, 2, kReportWidth);
  }
  return out.str();
}

std::string PlacesText(const std::string& query, std::string& problem) {
  const std::vector<AtlasCity> cities = FindCities(query);
  if (cities.empty()) {
    problem = UnknownPlaceProblem(query);
    return "";
  }
  std::ostringstream out;
  for (const AtlasCity& city : cities) {
    out << CityLabel(city) << "  "
        << AngleText(ToDegreesMinutes(city.latitudeDegrees, 89), 'N', 'S')
        << " "
        << AngleText(ToDegreesMinutes(city.longitudeDegrees, 179), 'E', 'W')
        << "  " << city.ianaZone << "\n";
  }
  return out.str();
}

std::string PlacesJson(const std::string& query, std::string& problem) {
  const std::vector<AtlasCity> cities = FindCities(query);
  if (cities.empty()) {
    problem = UnknownPlaceProblem(query);
    return "";
  }
  JsonWriter out(JsonLayout::kIndented);
  out.BeginArray();
  for (const AtlasCity& city : cities) {
    out.BeginObject();
    WriteCityMembers(out, city);
    out.Key("population");
    out.Integer(city.population);
    out.EndObject();
  }
  out.EndArray();
  return std::string(out.Text()) + "\n";
}

}  // namespace tarvelin::cli
