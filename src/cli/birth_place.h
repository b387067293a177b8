// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "cli/batch_input.h"
#include "cli/birth_entry.h"
#include "present/json_writer.h"

namespace tarvelin::cli {

// The city --place took, at the birth.
struct PlaceTaken {
  std::string query;  // as given
  BirthPlace place;
  std::size_t matchCount = 0;     // cities the query names whole
  std::vector<AtlasCity> others;  // the next most populous of them
  bool offsetFromAtlas = false;   // not --zone or --utc-offset
  PlaceValues values;             // for the flags not given
  // What --dst or --no-dst changed of the offset the clocks showed; empty
  // when they changed nothing.
  std::string daylightNote;
};

struct PlaceOutcome {
  std::optional<PlaceTaken> taken;
  std::string problem;  // set when `taken` is empty
};

// Looks `placeText` (whole names) up for the birth date and time of `birth`
// and finds the values of the flags not in `given`: the coordinates, the
// zone entry and daylight saving that give the offset in force exactly, or
// else the exact offset, city, state and country. --no-dst takes the zone's
// standard offset at that date (London's in the summer of 1941 too, when the
// clocks were two hours on), --dst the standard offset and one hour where
// the clocks showed standard time. Fails, with one line saying why, when the
// date or time cannot be read, the text names no city (with the closest
// names), or the database does not know the city's zone and neither --zone
// nor --utc-offset was given.
PlaceOutcome ApplyPlace(const std::string& placeText,
                        const std::set<std::string>& given,
                        const BirthTexts& birth);

// The birth of a batch row (or of a row imported into the birth library):
// its texts read as the flags are, the place of a row of places looked up
// as --place looks it up (whole names; the atlas gives coordinates and the
// offset at the birth). `entry.problem` says why a row is no birth.
struct RowBirth {
  BirthEntry entry;
  std::optional<PlaceTaken> place;
};
RowBirth ReadRowBirth(const BatchRow& row);

// The lines --place adds on standard error: which of several cities of the
// name was taken, what --dst or --no-dst changed, a clock time skipped or
// repeated (with the other reading's universal time), an Indian city's own
// time before it ended.
std::vector<std::string> PlaceWarnings(const PlaceTaken& taken);

// For any single birth: the line on standard error when the offset's
// meridian is more than 45 degrees from the longitude; nothing otherwise.
std::optional<std::string> FarZoneWarning(const Birth& birth);

// The "place" object of the JSON result of `birth`: the city, what the atlas
// says of its zone at the birth, and the birth's universal time (the
// chart's, also when --utc-offset or --zone gave the offset).
void WritePlaceJson(JsonWriter& out, const PlaceTaken& taken,
                    const Birth& birth);

// The lines that head the text report of `birth`: the city, its zone at the
// birth, and the offset taken.
std::string PlaceReport(const PlaceTaken& taken, const Birth& birth);

// For a birth given by coordinates without --place: the atlas place nearest
// to them (within kNearestPlaceKilometres), for the "nearest_place" object
// of the JSON result and the line heading the text report.
std::optional<NearPlace> NearestPlaceOf(const Birth& birth);
void WriteNearestPlaceJson(JsonWriter& out,
                           const std::optional<NearPlace>& near);
std::string NearestPlaceReport(const std::optional<NearPlace>& near,
                               Language language);

// --places: one line per matching city ("London, England, United Kingdom
// 51:31N 0:08W Europe/London"), or the JSON array of them. Empty with
// `problem` set when nothing matches.
std::string PlacesText(const std::string& query, std::string& problem);
std::string PlacesJson(const std::string& query, std::string& problem);

}  // namespace tarvelin::cli
