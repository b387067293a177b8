// A birth place named on the command line: --place takes a city from the
// offline atlas and fills the birth's coordinates, zone-list entry, daylight
// saving, city, state and country (flags given explicitly win); --places
// lists the atlas's matches. The looking-up is the atlas's; this file only
// turns its answers into the tool's texts, messages and JSON.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "cli/birth_entry.h"
#include "present/json_writer.h"

namespace tarvelin::cli {

// The city --place took, at the birth.
struct PlaceTaken {
  std::string query;  // as given
  BirthPlace place;
  std::size_t matchCount = 0;         // cities the query names whole
  std::optional<AtlasCity> runnerUp;  // the next most populous of them
  bool offsetFromAtlas = false;       // not --zone or --utc-offset
  PlaceValues values;                 // for the flags not given
};

struct PlaceOutcome {
  std::optional<PlaceTaken> taken;
  std::string problem;  // set when `taken` is empty
};

// Looks `placeText` (whole names) up for the birth date and time of `birth`
// and finds the values of the flags not in `given`: the coordinates, the
// zone entry and daylight saving that give the offset in force exactly, or
// else the exact offset (--dst and --no-dst honoured over the atlas), city,
// state and country. Fails, with one line saying why, when the date or time
// cannot be read, the text names no city (with the closest names), or the
// database does not know the city's zone and neither --zone nor
// --utc-offset was given.
PlaceOutcome ApplyPlace(const std::string& placeText,
                        const std::set<std::string>& given,
                        const BirthTexts& birth);

// The lines --place adds on standard error: which of several cities of the
// name was taken, a clock time skipped or repeated (with the other reading's
// universal time), an Indian city's own time before it ended.
std::vector<std::string> PlaceWarnings(const PlaceTaken& taken);

// For any single birth: the line on standard error when the offset's
// meridian is more than 45 degrees from the longitude; nothing otherwise.
std::optional<std::string> FarZoneWarning(const Birth& birth);

// The "place" object of the JSON result.
void WritePlaceJson(JsonWriter& out, const PlaceTaken& taken);

// The lines that head the text report: the city and zone taken.
std::string PlaceReport(const PlaceTaken& taken);

// --places: one line per matching city ("London, England, United Kingdom
// 51:31N 0:08W Europe/London"), or the JSON array of them. Empty with
// `problem` set when nothing matches.
std::string PlacesText(const std::string& query, std::string& problem);
std::string PlacesJson(const std::string& query, std::string& problem);

}  // namespace tarvelin::cli
