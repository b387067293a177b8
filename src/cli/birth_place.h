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

#include "atlas/atlas.h"
#include "cli/birth_entry.h"
#include "present/json_writer.h"

namespace tarvelin::cli {

// The city --place took, at the birth.
struct PlaceTaken {
  std::string query;  // as given
  BirthPlace place;
  std::size_t matchCount = 0;
};

struct PlaceOutcome {
  std::optional<PlaceTaken> taken;
  std::string problem;  // set when `taken` is empty
};

// Looks `placeText` up for the birth date and time of `birth` and fills the
// texts of `birth` whose flags are not in `given`. Fails, with one line
// saying why, when the date or time cannot be read, the place is unknown
// (with the closest names), or the place's standard time at the birth has no
// zone-list entry (or an unknown zone) and --zone was not given.
PlaceOutcome ApplyPlace(const std::string& placeText,
                        const std::set<std::string>& given, BirthTexts& birth);

// The "place" object of the JSON result.
void WritePlaceJson(JsonWriter& out, const PlaceTaken& taken);

// The lines that head the text report: the city and zone taken.
std::string PlaceReport(const PlaceTaken& taken);

// --places: one line per matching city ("London, England, United Kingdom
// 51:31N 0:8W Europe/London"), or the JSON array of them. Empty with
// `problem` set when nothing matches.
std::string PlacesText(const std::string& query, std::string& problem);
std::string PlacesJson(const std::string& query, std::string& problem);

}  // namespace tarvelin::cli
