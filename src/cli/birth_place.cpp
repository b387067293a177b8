// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/birth_place.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "present/quantity_text.h"
#include "present/report_words.h"
#include "present/terminal_text.h"
#include "present/text_report.h"
#include "rules/text_readers.h"
#include "tables/utc_offset.h"
#include "tables/zone_table.h"

namespace tarvelin::cli {
namespace {

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

// The problem for a place text: the closest names the atlas offers (those
// beginning so, for a partial name), or none.
std::string UnknownPlaceProblem(const std::string& query,
                                const std::vector<std::string>& closest) {
  // No place is known at all without the atlas file.
  if (std::string missing = AtlasProblem(); !missing.empty()) return missing;
  std::string problem = "Unknown place \"" + query + "\"";
  if (closest.empty())
    return problem + "; no city of the atlas is named near it";
  problem += "; closest names: ";
  for (std::size_t i = 0; i < closest.size(); ++i) {
    problem += (i ? "; " : "") + closest[i];
  }
  return problem;
}

std::string UnknownPlaceProblem(const std::string& query) {
  return UnknownPlaceProblem(query, ClosestCityLabels(query));
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

std::string UnknownZoneProblem(const BirthPlace& place) {
  return "The time-zone database does not know the zone " +
         place.city.ianaZone + " of " + CityLabel(place.city) +
         "; give the offset with --utc-offset (or the zone with --zone, see "
         "--zones)";
}

}  // namespace

PlaceOutcome ApplyPlace(const std::string& placeText,
                        const std::set<std::string>& given,
                        const BirthTexts& birth) {
  PlaceOutcome outcome;
  const Reading<CivilDate> date = ReadDate(birth.date);
  if (!date) {
    outcome.problem = date.problem.message;
    return outcome;
  }
  const Reading<ClockTime> time = ReadClockTime(birth.time);
  if (!time) {
    outcome.problem = time.problem.message;
    return outcome;
  }

  const CivilDateTime localBirth{date->year, date->month,  date->day,
                                 time->hour, time->minute, time->second};
  const PlaceLookup lookup = LookUpPlace(placeText, localBirth);
  if (!lookup.place) {
    outcome.problem = UnknownPlaceProblem(placeText, lookup.closest);
    return outcome;
  }
  const BirthPlace& place = *lookup.place;
  const bool zoneGiven = given.count("--zone") || given.count("--utc-offset");
  if (!place.zone && !zoneGiven) {
    outcome.problem = UnknownZoneProblem(place);
    return outcome;
  }

  PlaceValues values;
  // The coordinates to the minute, as the form's boxes would take them.
  if (!given.count("--lon")) {
    values.longitudeDegrees =
        DegreesFromEntry(place.longitude.degrees, place.longitude.minutes,
                         place.longitude.negative);
  }
  if (!given.count("--lat")) {
    values.latitudeDegrees =
        DegreesFromEntry(place.latitude.degrees, place.latitude.minutes,
                         place.latitude.negative);
  }
  std::string daylightNote;
  if (!zoneGiven) {
    const ZoneAtBirth& zone = *place.zone;
    // The offset the clocks showed, unless --no-dst or --dst asks for the
    // standard time or one hour on it.
    int offset = zone.utcOffsetSeconds;
    int saving = zone.daylightSavingSeconds;
    std::optional<ZoneListChoice> choice = place.zoneChoice;
    const auto standardPlus = [&](int hours) {
      offset = zone.standardOffsetSeconds + hours * kSecondsPerHour;
      saving = hours * kSecondsPerHour;
      choice.reset();
      if (place.zonePosition) {
        choice = ZoneListChoice{*place.zonePosition, hours != 0};
      }
    };
    if (given.count("--no-dst") && zone.daylightSavingSeconds != 0) {
      standardPlus(0);
      daylightNote = "--no-dst: the standard offset of " + place.city.ianaZone +
                     " at the birth, " + UtcOffsetText(offset) +
                     ", was used; the clocks showed " +
                     UtcOffsetText(zone.utcOffsetSeconds);
    } else if (given.count("--dst") && zone.daylightSavingSeconds == 0) {
      standardPlus(1);
      daylightNote =
          "--dst: one hour of daylight saving was added to the "
          "standard offset of " +
          place.city.ianaZone + " at the birth, giving " +
          UtcOffsetText(offset) + "; the clocks showed " +
          UtcOffsetText(zone.utcOffsetSeconds);
    }
    PlaceValues::Zone& taken = values.zone.emplace();
    if (choice) {
      // An entry and box that give the offset exactly.
      taken.zoneIndex = choice->position;
      taken.daylightSaving = choice->daylightSaving;
    } else {
      taken.utcOffsetSeconds = offset;
      taken.daylightSavingSeconds = saving;
    }
    values.atlasZone = place.city.ianaZone;
  }
  if (!given.count("--city")) values.city = place.city.name;
  if (!given.count("--state")) values.state = place.city.state;
  if (!given.count("--country")) values.country = place.city.country;
  outcome.taken = PlaceTaken{placeText,     place,      lookup.matchCount,
                             lookup.others, !zoneGiven, std::move(values),
                             daylightNote};
  return outcome;
}

RowBirth ReadRowBirth(const BatchRow& row) {
  RowBirth read;
  if (!row.problem.empty()) {
    read.entry.problem = row.problem;
    return read;
  }
  if (!row.place.empty()) {
    PlaceOutcome outcome = ApplyPlace(row.place, {}, row.texts);
    if (!outcome.taken) {
      read.entry.problem = outcome.problem;
      return read;
    }
    read.place = std::move(outcome.taken);
  }
  read.entry = ReadBirth(row.texts, read.place ? &read.place->values : nullptr);
  return read;
}

std::vector<std::string> PlaceWarnings(const PlaceTaken& taken) {
  std::vector<std::string> lines;
  PlaceLookup lookup;
  lookup.place = taken.place;
  lookup.matchCount = taken.matchCount;
  lookup.others = taken.others;
  for (const std::optional<std::string>& line :
       {SharedNameMessage(taken.query, lookup),
        taken.daylightNote.empty() ? std::nullopt
                                   : std::optional(taken.daylightNote),
        taken.offsetFromAtlas ? ClockChangeNotice(taken.place) : std::nullopt,
        CityTimeNote(taken.place)}) {
    if (line) lines.push_back(*line);
  }
  return lines;
}

std::optional<std::string> FarZoneWarning(const Birth& birth) {
  if (!ZoneFarFromLongitude(birth.utcOffsetSeconds, birth.longitudeDegrees)) {
    return std::nullopt;
  }
  const std::string where = CoordinateText(
      birth.longitudeDegrees, Axis::kLongitude, CoordinateStyle::kEntry);
  const long apart = std::lround(
      MeridianDistanceDegrees(birth.utcOffsetSeconds, birth.longitudeDegrees));
  return "The zone " + UtcOffsetText(birth.utcOffsetSeconds) +
         " is far from longitude " + where + " (its meridian is " +
         std::to_string(apart) +
         " degrees away); calculated anyway, check the zone";
}

void WritePlaceJson(JsonWriter& out, const PlaceTaken& taken,
                    const Birth& birth) {
  const BirthPlace& place = taken.place;
  const AtlasCity& city = place.city;
  out.Key("place");
  out.BeginObject();
  out.Key("query");
  out.String(taken.query);
  out.Key("matches");
  out.Integer(static_cast<std::int64_t>(taken.matchCount));
  WriteCityMembers(out, city);

  // What the atlas says of the zone at the birth.
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
  // What gives the offset in force exactly: an entry and the box, or null
  // when only the exact offset does.
  out.Key("daylight_saving_seconds");
  zone ? out.Integer(zone->daylightSavingSeconds) : out.Null();
  out.Key("exact_zone_index");
  place.zoneChoice ? out.Integer(place.zoneChoice->position) : out.Null();
  out.Key("exact_zone_dst");
  place.zoneChoice ? out.Bool(place.zoneChoice->daylightSaving) : out.Null();
  // Whether the birth took its offset from the atlas, and the birth's one
  // instant; the other reading of a skipped or repeated time only when the
  // atlas's reading was taken.
  out.Key("offset_from_atlas");
  out.Bool(taken.offsetFromAtlas);
  out.Key("universal_time");
  out.String(DateTimeText(CivilFromSeconds(SecondsFromCivil(birth.local) -
                                           birth.utcOffsetSeconds)));
  out.Key("other_universal_time");
  zone&& taken.offsetFromAtlas && zone->fit != LocalTimeFit::Unique
      ? out.String(DateTimeText(zone->otherUniversal))
      : out.Null();
  out.Key("daylight_note");
  taken.daylightNote.empty() ? out.Null() : out.String(taken.daylightNote);
  out.Key("city_time_note");
  out.OptionalString(CityTimeNote(place));
  out.Key("warnings");
  out.BeginArray();
  for (const std::string& line : PlaceWarnings(taken)) out.String(line);
  out.EndArray();
  out.EndObject();
}

std::string PlaceReport(const PlaceTaken& taken, const Birth& birth) {
  const BirthPlace& place = taken.place;
  std::ostringstream out;
  out << "Place: " << TerminalSafe(CityLabel(place.city)) << " ("
      << place.city.ianaZone << ")\n";
  if (taken.matchCount > 1) {
    out << "  taken from " << taken.matchCount << " matches of \""
        << TerminalSafe(taken.query) << "\" (--places lists them)\n";
  }
  if (place.zone) {
    const ZoneAtBirth& zone = *place.zone;
    out << "  " << UtcOffsetText(zone.utcOffsetSeconds) << " at the birth, "
        << (zone.daylightSaving
                ? "daylight saving in force (" +
                      OffsetText(zone.daylightSavingSeconds) + ")"
                : std::string("no daylight saving"))
        << "\n  standard time " << UtcOffsetText(zone.standardOffsetSeconds);
    if (place.zonePosition) {
      out << ": zone " << *place.zonePosition << " \""
          << kZoneTable[static_cast<std::size_t>(*place.zonePosition)].text
          << "\"\n";
    } else {
      out << ": no entry of the zone list has it\n";
    }
  }
  const bool daylight = birth.daylightSavingSeconds != 0;
  if (!taken.offsetFromAtlas) {
    out << "  the offset given on the command line was used\n";
  } else if (birth.zoneIndex < 0) {
    out << "  taken as the exact offset\n";
  } else if (!place.zone ||
             birth.zoneIndex != place.zonePosition.value_or(-1) ||
             daylight != place.zone->daylightSaving) {
    out << "  taken as zone " << birth.zoneIndex << " \""
        << kZoneTable[static_cast<std::size_t>(birth.zoneIndex)].text << "\""
        << (daylight ? " with" : " without") << " daylight saving\n";
  }
  if (!taken.daylightNote.empty()) {
    out << Wrapped(taken.daylightNote, 2, kReportWidth);
  }
  if (const auto message = ClockChangeMessage(place);
      message && taken.offsetFromAtlas) {
    out << Wrapped(*message, 2, kReportWidth);
  }
  return out.str();
}

std::optional<NearPlace> NearestPlaceOf(const Birth& birth) {
  return NearestPlace(birth.latitudeDegrees, birth.longitudeDegrees);
}

void WriteNearestPlaceJson(JsonWriter& out,
                           const std::optional<NearPlace>& near) {
  out.Key("nearest_place");
  if (!near) {
    out.Null();
    return;
  }
  out.BeginObject();
  out.Key("text");
  out.String(NearPlaceText(*near));
  WriteCityMembers(out, near->city);
  out.Key("kilometres");
  out.Number(std::round(near->kilometres * 10) / 10);
  out.EndObject();
}

std::string NearestPlaceReport(const std::optional<NearPlace>& near,
                               Language language) {
  if (!near) return "";
  return Fill(WordsIn(language).placeLine,
              {TerminalSafe(NearPlaceText(*near, language))}) +
         "\n\n";
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
        << CoordinateText(city.latitudeDegrees, Axis::kLatitude,
                          CoordinateStyle::kEntry)
        << " "
        << CoordinateText(city.longitudeDegrees, Axis::kLongitude,
                          CoordinateStyle::kEntry)
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
