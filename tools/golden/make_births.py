#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the births of the golden-output test into tests/data/golden/:
births.csv (the --batch input) and runs.txt (one command line per birth,
its arguments separated by tabs: the text report of every birth, with
city, state and country for some, and the --json output of every fourth;
then every eighth birth again under the calculation options).

The births are chosen to reach every branch of the calculation: births
before sunrise, by day and after sunset; polar day and polar night; a birth
before the first sunrise after a polar night (no previous sunrise); daylight
saving on and off; north and south, east and west; every entry of the zone
list; the first and last years of the form (1901, 2050); the ends of months
and years; names with blanks. The rest are random births from a fixed seed,
so the file is the same on every run.

Usage: tools/golden/make_births.py tests/data/golden
Then tools/golden/write_expected.sh writes what the program answers.
"""
import os
import sys
import random

ZONE_COUNT = 71
rng = random.Random(20261207)

NAMES = ["RAM", "SITA", "ANNA MARIA", "JOHN PAUL", "LI", "OLUWASEUN",
         "MARY ANN LEE", "K", "PRIYA", "HANS PETER", "AIKO", "DEV ANAND"]

rows = []


def coord(deg, minute, letters, negative):
    return "%d:%02d%s" % (deg, minute, letters[1] if negative else letters[0])


def add(name, y, mo, d, h, mi, s, lon, lat, zone, dst):
    rows.append("%s,%04d-%02d-%02d,%02d:%02d:%02d,%s,%s,%d,%d" %
                (name, y, mo, d, h, mi, s, lon, lat, zone, 1 if dst else 0))


def days_in(y, m):
    if m == 2:
        return 29 if (y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)) else 28
    return 30 if m in (4, 6, 9, 11) else 31


def random_birth(zone=None, lat_range=(0, 60), years=(1901, 2050),
                 hours=(0, 23), months=(1, 12), dst=None):
    y = rng.randint(*years)
    mo = rng.randint(*months)
    d = rng.randint(1, days_in(y, mo))
    h = rng.randint(*hours)
    lon = coord(rng.randint(0, 179), rng.randint(0, 59), "EW",
                rng.random() < 0.4)
    lat = coord(rng.randint(*lat_range), rng.randint(0, 59), "NS",
                rng.random() < 0.3)
    add(rng.choice(NAMES), y, mo, d, h, rng.randint(0, 59), rng.randint(0, 59),
        lon, lat, rng.randrange(ZONE_COUNT) if zone is None else zone,
        rng.random() < 0.3 if dst is None else dst)


# Every zone of the list, with and without daylight saving.
for zone in range(ZONE_COUNT):
    random_birth(zone=zone, dst=False)
    random_birth(zone=zone, dst=True)

# The clock around the day at one place: before sunrise, sunrise minute,
# day, sunset, evening, midnight.
for h, mi in [(0, 0), (3, 15), (5, 59), (6, 10), (6, 30), (12, 0), (17, 45),
              (18, 20), (19, 0), (23, 59)]:
    add("RAM", 1980, 3, 15, h, mi, 30, "77:12E", "28:36N", 34, False)
    add("SITA", 1995, 7, 1, h, mi, 0, "118:15W", "34:03N", 53, False)

# Polar day and polar night, north and south, and the days around their
# ends (a missing sunrise or sunset on one of the three days).
for lat in ["69:39N", "78:13N", "89:59N", "77:51S", "68:34S"]:
    for mo, d in [(6, 21), (12, 21), (1, 15), (5, 20), (7, 25), (11, 28),
                  (1, 20), (11, 22)]:
        for h in (0, 11):
            add("POLAR", 2001, mo, d, h, 30, 0, "18:57E", lat, 29, False)
# Around the first sunrise after the polar night at 69:39N.
for d in range(10, 22):
    add("TROMSO", 1990, 1, d, 1, 0, 0, "18:57E", "69:39N", 20, False)
for d in range(18, 30):
    add("TROMSO", 1990, 11, d, 2, 0, 0, "18:57E", "69:39N", 20, False)

# The first and last years, the ends of months and years, leap days.
for y, mo, d, h, mi, s in [(1901, 1, 1, 0, 0, 0), (1901, 1, 1, 23, 59, 59),
                           (1901, 12, 31, 12, 0, 0), (2050, 1, 1, 0, 0, 1),
                           (2050, 12, 31, 23, 59, 59), (2000, 2, 29, 4, 0, 0),
                           (1904, 2, 29, 22, 0, 0), (2048, 2, 29, 9, 9, 9),
                           (1999, 12, 31, 23, 30, 0), (2000, 1, 1, 0, 30, 0),
                           (1960, 3, 1, 0, 1, 0), (1975, 6, 30, 23, 0, 0)]:
    for lon, lat, zone in [("0:07W", "51:30N", 29), ("151:12E", "33:52S", 8),
                           ("179:59W", "0:00N", 36), ("179:59E", "0:00S", 35)]:
        add("EDGE", y, mo, d, h, mi, s, lon, lat, zone, False)

# Random births, in all years, at all latitudes the form takes.
while len(rows) < 480:
    random_birth(lat_range=(0, 89) if rng.random() < 0.1 else (0, 60))

out_dir = sys.argv[1]
with open(os.path.join(out_dir, "births.csv"), "w") as f:
    f.write("name,date,time,lon,lat,zone,dst\n")
    for row in rows:
        f.write(row + "\n")
PLACES = [["--city", "NEW DELHI", "--state", "DELHI", "--country", "INDIA"],
          ["--city", "Los Angeles", "--country", "USA"],
          ["--state", "Troms"]]
with open(os.path.join(out_dir, "runs.txt"), "w") as f:
    for i, row in enumerate(rows):
        name, date, time, lon, lat, zone, dst = row.split(",")
        args = ["--name", name, "--date", date, "--time", time, "--lon", lon,
                "--lat", lat, "--zone", zone] + (["--dst"] if dst == "1" else [])
        if i % 3 == 0:
            args += PLACES[(i // 3) % len(PLACES)]
        f.write("\t".join(args) + "\n")
        if i % 4 == 0:
            f.write("\t".join(args + ["--json"]) + "\n")
    # The calculation options on every eighth birth, after all the runs
    # above: each sunrise rule and ayanamsa, some with an uncertain time.
    OPTIONS = [["--sunrise", "limb"],
               ["--sunrise", "centre", "--ayanamsa", "lahiri"],
               ["--ayanamsa", "raman", "--time-uncertainty", "30"],
               ["--sunrise", "centre", "--ayanamsa", "krishnamurti",
                "--json"],
               ["--sunrise", "limb", "--ayanamsa", "fagan-bradley",
                "--time-uncertainty", "90", "--json"],
               ["--time-uncertainty", "5"]]
    for i, row in enumerate(rows):
        if i % 8 != 0:
            continue
        name, date, time, lon, lat, zone, dst = row.split(",")
        args = ["--name", name, "--date", date, "--time", time, "--lon", lon,
                "--lat", lat, "--zone", zone] + (["--dst"] if dst == "1" else [])
        f.write("\t".join(args + OPTIONS[(i // 8) % len(OPTIONS)]) + "\n")
