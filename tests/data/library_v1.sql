-- A birth library as the first schema version wrote it: two births, one
-- from the zone list with daylight saving, one with an exact offset.
CREATE TABLE births (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL CHECK (length(trim(name)) > 0),
  name_key TEXT NOT NULL CHECK (length(name_key) > 0),
  year INTEGER NOT NULL CHECK (year BETWEEN 1901 AND 2050),
  month INTEGER NOT NULL CHECK (month BETWEEN 1 AND 12),
  day INTEGER NOT NULL CHECK (day >= 1 AND day <= CASE
      WHEN month = 2 THEN CASE WHEN year % 4 = 0 AND
          (year % 100 <> 0 OR year % 400 = 0) THEN 29 ELSE 28 END
      WHEN month IN (4, 6, 9, 11) THEN 30 ELSE 31 END),
  hour INTEGER NOT NULL CHECK (hour BETWEEN 0 AND 23),
  minute INTEGER NOT NULL CHECK (minute BETWEEN 0 AND 59),
  second INTEGER NOT NULL CHECK (second BETWEEN 0 AND 59),
  latitude REAL NOT NULL CHECK (latitude BETWEEN 0 AND 90),
  latitude_hemisphere TEXT NOT NULL CHECK (latitude_hemisphere IN ('N', 'S')),
  longitude REAL NOT NULL CHECK (longitude BETWEEN 0 AND 180),
  longitude_hemisphere TEXT NOT NULL
      CHECK (longitude_hemisphere IN ('E', 'W')),
  utc_offset_seconds INTEGER NOT NULL
      CHECK (utc_offset_seconds BETWEEN -43200 AND 50400),
  daylight_saving_seconds INTEGER NOT NULL
      CHECK (daylight_saving_seconds BETWEEN -7200 AND 7200),
  zone_index INTEGER NOT NULL CHECK (zone_index BETWEEN -1 AND 70),
  atlas_zone TEXT NOT NULL DEFAULT '',
  city TEXT NOT NULL DEFAULT '',
  state TEXT NOT NULL DEFAULT '',
  country TEXT NOT NULL DEFAULT '',
  created_at INTEGER NOT NULL CHECK (created_at >= 0),
  modified_at INTEGER NOT NULL CHECK (modified_at >= created_at),
  CHECK (zone_index = -1 OR daylight_saving_seconds IN (0, 3600))
);
CREATE UNIQUE INDEX births_same_birth ON births (
  name_key, year, month, day, hour, minute, second,
  latitude, latitude_hemisphere, longitude, longitude_hemisphere);
INSERT INTO births VALUES (1, 'RAM', 'ram', 1980, 3, 15, 21, 5, 30,
  28.6, 'N', 77.2, 'E', 19800, 0, 34, '', 'New Delhi', 'Delhi', 'India',
  1700000000000, 1700000000500);
INSERT INTO births VALUES (2, 'SITA', 'sita', 1975, 7, 1, 6, 0, 0,
  27.7, 'N', 85.3166666666667, 'E', 20700, 0, -1, 'Asia/Kathmandu',
  'Kathmandu', '', 'Nepal', 1700000001000, 1700000001000);
PRAGMA user_version = 1;
