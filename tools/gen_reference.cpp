// SPDX-License-Identifier: GPL-3.0-or-later
// Writes tests/data/engine_reference.txt: sidereal positions of 60 births
// from the Swiss Ephemeris, against which the engine's low-precision
// formulas are checked.
//
// Usage: gen_reference OUTPUT_FILE
//
// The births are spread over 1901..2050, all months and hours, both
// hemispheres and both sides of Greenwich; each birth's zone is the whole
// (sometimes half) hour nearest to its longitude, so that every rule of
// turning local clock time into universal time agrees on it.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "generator_io.h"

namespace {

constexpr int kBirthCount = 60;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

struct Birth {
  int year, month, day, hour, minute;
  int zoneOffsetHours, zoneOffsetMinutes;  // to add to local time for UT
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
};

// A fixed, well-mixed spread: each field steps through its range with a
// stride prime to the range.
Birth MakeBirth(int i) {
  Birth b{};
  b.year = kFirstYear + i * (kLastYear - kFirstYear) / (kBirthCount - 1);
  b.month = 1 + (i * 7) % 12;
  b.day = 1 + (i * 11) % 28;
  b.hour = (i * 5 + 3) % 24;
  b.minute = (i * 17) % 60;
  b.latDeg = 3 + (i * 13) % 58;  // up to 60 degrees
  b.latMin = (i * 23) % 60;
  b.south = i % 2 == 1;
  b.lonDeg = (i * 37) % 180;
  b.lonMin = (i * 29) % 60;
  b.east = i % 4 < 2;

  const double lonEast = (b.lonDeg + b.lonMin / 60.0) * (b.east ? 1 : -1);
  const int zoneEastHours = static_cast<int>(std::lround(lonEast / 15));
  b.zoneOffsetHours = -zoneEastHours;
  // Every fifth birth with a half-hour zone, the half hour further from
  // Greenwich (the minutes carry the sign of the hours).
  if (i % 5 == 0 && zoneEastHours != 0) {
    b.zoneOffsetMinutes = zoneEastHours > 0 ? -30 : 30;
  }
  return b;
}

[[noreturn]] void Fail(const std::string& what) {
  tarvelin::tools::Fail("gen_reference", what);
}

double SiderealLongitude(double jdUniversal, int body) {
  constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SIDEREAL;
  double out[6];
  char error[AS_MAXCH] = "";
  const int got = swe_calc_ut(jdUniversal, body, kFlags, out, error);
  if (got < 0) Fail(error);
  if ((got & SEFLG_SWIEPH) == 0) {
    Fail("the Swiss Ephemeris files were not found; set SE_EPHE_PATH");
  }
  return out[0];
}

const char kHeader[] =
    R"(# Sidereal positions of 60 births, for checking the engine.
#
# Made by tools/gen_reference with the Swiss Ephemeris (files sepl_18.se1 and
# semo_18.se1); see tools/README.md. Lahiri ayanamsa (SE_SIDM_LAHIRI);
# apparent geocentric positions (light time, aberration, deflection and
# nutation applied; the ayanamsa taken with nutation); the Moon's mean node;
# the ascendant from the library's house routine for the given latitude and
# longitude. All values in degrees, [0, 360).
# The instant of each birth is its local clock time plus the zone offset
# (hours and minutes to add to local time for UT, minutes signed like the
# hours; no daylight saving): the UT column. The library converts UT to its
# ephemeris time scale with its own delta T.
#
# Columns: year month day hour minute zone_h zone_m lat_deg lat_min N|S
#   lon_deg lon_min E|W ut jd_ut sun moon mercury venus mars jupiter saturn
#   mean_node ascendant
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_reference OUTPUT_FILE\n");
    return 2;
  }
  tarvelin::tools::OpenEphemeris();
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);

  std::string text = kHeader;
  const int bodies[] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                        SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};
  for (int i = 0; i < kBirthCount; ++i) {
    const Birth b = MakeBirth(i);
    const double localHours = b.hour + b.minute / 60.0;
    const double jdUniversal =
        swe_julday(b.year, b.month, b.day, localHours, SE_GREG_CAL) +
        (b.zoneOffsetHours + b.zoneOffsetMinutes / 60.0) / 24;

    int utYear = 0, utMonth = 0, utDay = 0;
    double utHours = 0;
    swe_revjul(jdUniversal, SE_GREG_CAL, &utYear, &utMonth, &utDay, &utHours);
    const int utMinuteOfDay = static_cast<int>(std::lround(utHours * 60));

    char line[512];
    int n = std::snprintf(line, sizeof line,
                          "%d %d %d %d %d %d %d %d %d %c %d %d %c "
                          "%04d-%02d-%02dT%02d:%02d:00 %.6f",
                          b.year, b.month, b.day, b.hour, b.minute,
                          b.zoneOffsetHours, b.zoneOffsetMinutes, b.latDeg,
                          b.latMin, b.south ? 'S' : 'N', b.lonDeg, b.lonMin,
                          b.east ? 'E' : 'W', utYear, utMonth, utDay,
                          utMinuteOfDay / 60, utMinuteOfDay % 60, jdUniversal);
    text.append(line, static_cast<std::size_t>(n));
    for (const int body : bodies) {
      n = std::snprintf(line, sizeof line, " %.6f",
                        SiderealLongitude(jdUniversal, body));
      text.append(line, static_cast<std::size_t>(n));
    }

    double cusps[13];
    double angles[10];
    const double latitude = (b.latDeg + b.latMin / 60.0) * (b.south ? -1 : 1);
    const double longitude = (b.lonDeg + b.lonMin / 60.0) * (b.east ? 1 : -1);
    if (swe_houses_ex(jdUniversal, SEFLG_SIDEREAL, latitude, longitude, 'P',
                      cusps, angles) < 0) {
      Fail("house routine failed");
    }
    n = std::snprintf(line, sizeof line, " %.6f\n", angles[0]);
    text.append(line, static_cast<std::size_t>(n));
  }
  swe_close();

  tarvelin::tools::WriteWholeFile("gen_reference", argv[1], text);
  return 0;
}
