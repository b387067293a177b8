// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_schema.h"

#include <string>

#include "chart/birth.h"
#include "chart/birth_limits.h"
#include "tables/zone_table.h"

namespace tarvelin::library {
namespace {

std::string Number(int value) { return std::to_string(value); }

// The births table, every value checked against its range: the ranges of
// chart/birth_limits.h and the zone list. The coordinates are kept as a
// size and a hemisphere so that "0:00 S" stays south (SQLite keeps no sign
// on a zero). Zone index -1 marks an exact offset; with a zone-list entry
// daylight saving is 0 or 1 hour.
std::string BirthsTable() {
  return R"sql(
CREATE TABLE births (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL CHECK (length(trim(name)) > 0),
  name_key TEXT NOT NULL CHECK (length(name_key) > 0),
  year INTEGER NOT NULL CHECK (year BETWEEN )sql" +
         Number(kFirstBirthYear) + " AND " + Number(kLastBirthYear) +
         R"sql(),
  month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12),
  day INTEGER NOT NULL CHECK (day >= 1 AND day <= CASE
      WHEN month = 2 THEN CASE WHEN year % 4 = 0 AND
          (year % 100 <> 0 OR year % 400 = 0) THEN 29 ELSE 28 END
      WHEN month IN (4, 6, 9, 11) THEN 30 ELSE 31 END),
  hour INTEGER NOT NULL CHECK (hour BETWEEN 0 AND 23),
  minute INTEGER NOT NULL CHECK (minute BETWEEN 0 AND 59),
  second INTEGER NOT NULL CHECK (second BETWEEN 0 AND 59),
  latitude REAL NOT NULL CHECK (latitude BETWEEN 0 AND )sql" +
         Number(kMaxLatitudeDegrees + 1) + R"sql(),
  latitude_hemisphere TEXT NOT NULL CHECK (latitude_hemisphere IN ('N', 'S')),
  longitude REAL NOT NULL CHECK (longitude BETWEEN 0 AND )sql" +
         Number(kMaxLongitudeDegrees + 1) + R"sql(),
  longitude_hemisphere TEXT NOT NULL
      CHECK (longitude_hemisphere IN ('E', 'W')),
  utc_offset_seconds INTEGER NOT NULL
      CHECK (utc_offset_seconds BETWEEN )sql" +
         Number(kSmallestUtcOffsetSeconds) + " AND " +
         Number(kLargestUtcOffsetSeconds) + R"sql(),
  daylight_saving_seconds INTEGER NOT NULL
      CHECK (daylight_saving_seconds BETWEEN )sql" +
         Number(-kMaxDaylightSavingSeconds) + " AND " +
         Number(kMaxDaylightSavingSeconds) + R"sql(),
  zone_index INTEGER NOT NULL CHECK (zone_index BETWEEN -1 AND )sql" +
         Number(kZoneCount - 1) + R"sql(),
  atlas_zone TEXT NOT NULL DEFAULT '',
  city TEXT NOT NULL DEFAULT '',
  state TEXT NOT NULL DEFAULT '',
  country TEXT NOT NULL DEFAULT '',
  created_at INTEGER NOT NULL CHECK (created_at >= 0),
  modified_at INTEGER NOT NULL CHECK (modified_at >= created_at),
  CHECK (zone_index = -1 OR daylight_saving_seconds IN (0, )sql" +
         Number(kSecondsPerHour) + R"sql())
))sql";
}

}  // namespace

const std::vector<std::vector<const char*>>& SchemaSteps() {
  static const std::string births = BirthsTable();
  static const std::vector<std::vector<const char*>> steps = {
      // 0 -> 1: the births.
      {births.c_str(),
       // The duplicate rule: one row per name, local date-time and place.
       R"sql(
CREATE UNIQUE INDEX births_same_birth ON births (
  name_key, year, month, day, hour, minute, second,
  latitude, latitude_hemisphere, longitude, longitude_hemisphere))sql"},
      // 1 -> 2: a free-text note and the time a birth was last opened.
      {"ALTER TABLE births ADD COLUMN note TEXT NOT NULL DEFAULT ''",
       "ALTER TABLE births ADD COLUMN last_used_at INTEGER "
       "CHECK (last_used_at IS NULL OR last_used_at >= 0)",
       "CREATE INDEX births_last_used ON births (last_used_at)"},
  };
  return steps;
}

}  // namespace tarvelin::library
