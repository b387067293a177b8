// SPDX-License-Identifier: GPL-3.0-or-later
// Writes src/sunrise/station_table.cpp: the stationary-retrograde and
// stationary-direct moments of Mercury .. Pluto from 1900 to 2050.
//
// Usage: gen_stations OUTPUT_FILE
//
// The Swiss Ephemeris files are read from /usr/share/libswe/ephe (or from
// SE_EPHE_PATH when set). The program stops with an error when the library
// would fall back to another ephemeris than those files.
//
// Model: the planet's geometric position (no light time, no aberration, no
// light deflection) as seen from the Earth-Moon barycentre, as ecliptic
// longitude referred to the mean ecliptic and equinox of date (no nutation).
// A station is a change of sign of the longitude speed; each one is bracketed
// on a half-day grid and refined by bisection to a few milliseconds.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "generator_io.h"

namespace {

// Earth/Moon mass ratio as the ephemeris library uses it (IAU 2009 / AA 2006
// value 1 / 0.0123000383); the barycentre lies this fraction plus one of the
// geocentric Moon vector away from the Earth.
constexpr double kEarthMoonMassRatio = 1 / 0.0123000383;

constexpr double kScanStepDays = 0.5;
constexpr double kBisectionDays = 1e-8;  // about 1 ms
constexpr double kMinutesPerDay = 1440;

struct Planet {
  const char* name;       // as in the table comments
  const char* arrayName;  // C++ array in the generated file
  int swissBody;          // body number of the ephemeris library
  bool keepPeriodBefore;  // also keep the last period starting before 1900
};

// Pluto's list has always opened with the period that was running on
// 1 January 1900 (retrograde station in September 1899); the others start
// with the first retrograde station of 1900.
const Planet kPlanets[] = {
    {"Mercury", "kMercury", SE_MERCURY, false},
    {"Venus", "kVenus", SE_VENUS, false},
    {"Mars", "kMars", SE_MARS, false},
    {"Jupiter", "kJupiter", SE_JUPITER, false},
    {"Saturn", "kSaturn", SE_SATURN, false},
    {"Uranus", "kUranus", SE_URANUS, false},
    {"Neptune", "kNeptune", SE_NEPTUNE, false},
    {"Pluto", "kPluto", SE_PLUTO, true},
};

[[noreturn]] void Fail(const std::string& what) {
  tarvelin::tools::Fail("gen_stations", what);
}

// Rectangular ecliptic position and velocity (AU, AU/day) of one body, mean
// equinox of date, geometric, from the geocentre.
void GeometricGeocentric(int body, double jdEphemeris, double out[6]) {
  constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_TRUEPOS |
                         SEFLG_NOABERR | SEFLG_NOGDEFL | SEFLG_NONUT |
                         SEFLG_XYZ;
  char error[AS_MAXCH] = "";
  const int got = swe_calc(jdEphemeris, body, kFlags, out, error);
  if (got < 0) Fail(error);
  if ((got & SEFLG_SWIEPH) == 0) {
    Fail("the Swiss Ephemeris files were not found; set SE_EPHE_PATH");
  }
}

// Longitude speed (radians per day) of the planet seen from the Earth-Moon
// barycentre at a universal time.
double LongitudeSpeed(int body, double jdUniversal) {
  char error[AS_MAXCH] = "";
  const double jdEphemeris =
      jdUniversal + swe_deltat_ex(jdUniversal, SEFLG_SWIEPH, error);
  double planet[6];
  double moon[6];
  GeometricGeocentric(body, jdEphemeris, planet);
  GeometricGeocentric(SE_MOON, jdEphemeris, moon);
  const double moonShare = 1 / (1 + kEarthMoonMassRatio);
  double v[6];
  for (int i = 0; i < 6; ++i) v[i] = planet[i] - moonShare * moon[i];
  return (v[0] * v[4] - v[1] * v[3]) / (v[0] * v[0] + v[1] * v[1]);
}

struct Station {
  double jdUniversal;
  bool turnsRetrograde;
};

std::vector<Station> FindStations(int body, double jdFrom, double jdTo) {
  std::vector<Station> stations;
  double a = jdFrom;
  double speedA = LongitudeSpeed(body, a);
  while (a < jdTo) {
    const double b = a + kScanStepDays;
    const double speedB = LongitudeSpeed(body, b);
    if ((speedA < 0) != (speedB < 0)) {
      double lo = a;
      double hi = b;
      const bool loNegative = speedA < 0;
      while (hi - lo > kBisectionDays) {
        const double mid = 0.5 * (lo + hi);
        if ((LongitudeSpeed(body, mid) < 0) == loNegative) {
          lo = mid;
        } else {
          hi = mid;
        }
      }
      stations.push_back({0.5 * (lo + hi), !loNegative});
    }
    a = b;
    speedA = speedB;
  }
  return stations;
}

struct ClockTime {
  int year, month, day, hour, minute;
};

// Universal time rounded to the nearest minute, Gregorian calendar.
ClockTime ToClockTime(double jdUniversal) {
  const long long minutes = std::llround((jdUniversal + 0.5) * kMinutesPerDay);
  const long long dayNumber = minutes / static_cast<long long>(kMinutesPerDay);
  const int minuteOfDay =
      static_cast<int>(minutes % static_cast<long long>(kMinutesPerDay));
  int year = 0, month = 0, day = 0;
  double ignoredHour = 0;
  swe_revjul(static_cast<double>(dayNumber), SE_GREG_CAL, &year, &month, &day,
             &ignoredHour);
  return {year, month, day, minuteOfDay / 60, minuteOfDay % 60};
}

std::string Entry(const ClockTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "{%d, %d, %d, %d, %d, 0}", t.year, t.month,
                t.day, t.hour, t.minute);
  return text;
}

struct Period {
  ClockTime retrograde, direct;
};

std::vector<Period> PeriodsOf(const Planet& planet) {
  const double windowStart = swe_julday(1900, 1, 1, 0, SE_GREG_CAL);
  const double windowEnd = swe_julday(2051, 1, 1, 0, SE_GREG_CAL);
  // Wide enough for the period before the window and for the direct station
  // of the last period (Neptune's and Pluto's periods last over 160 days).
  const std::vector<Station> stations =
      FindStations(planet.swissBody, windowStart - 500, windowEnd + 400);

  std::vector<Period> periods;
  bool keptBefore = false;
  for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
    if (!stations[i].turnsRetrograde) continue;
    if (stations[i + 1].turnsRetrograde)
      Fail("two retrograde stations in a row");
    const double start = stations[i].jdUniversal;
    // Compare the rounded clock times, as the table will show them.
    const double startMinute =
        std::round((start + 0.5) * kMinutesPerDay) / kMinutesPerDay - 0.5;
    const bool inWindow = startMinute >= windowStart && startMinute < windowEnd;
    bool keep = inWindow;
    if (!inWindow && planet.keepPeriodBefore && startMinute < windowStart) {
      // Only the last one before the window: the next retrograde station
      // (two stations on) must already fall inside it.
      keep =
          i + 2 < stations.size() && stations[i + 2].jdUniversal >= windowStart;
      keptBefore = keptBefore || keep;
    }
    if (keep) {
      periods.push_back(
          {ToClockTime(start), ToClockTime(stations[i + 1].jdUniversal)});
    }
  }
  if (planet.keepPeriodBefore && !keptBefore) Fail("no period before 1900");
  return periods;
}

const char kHeader[] =
    R"(// The retrograde periods of Mercury, Venus, Mars, Jupiter, Saturn, Uranus,
// Neptune and Pluto: every stationary-retrograde moment from 1 January 1900
// up to 31 December 2050 (for Pluto also the one of September 1899), each
// with the stationary-direct moment that ends its period.
//
// Generated by tools/gen_stations from the Swiss Ephemeris (files
// sepl_18.se1 and semo_18.se1). Do not edit by hand; see tools/README.md.
//
// Position model: geometric positions (no light time, no aberration, no light
// deflection) of the planet seen from the Earth-Moon barycentre, ecliptic
// longitude referred to the mean ecliptic and equinox of date. A station is
// the moment the longitude speed changes sign.
// Time scale: Universal Time (UT1, the library's delta T model), rounded to
// the nearest minute; {year, month, day, hour, minute, 0}.

#include "sunrise/station_table.h"

#include <iterator>

namespace tarvelin {
namespace {
)";

const char kFooter[] =
    R"(const StationList kStationLists[] = {
    {kMercury, std::size(kMercury)}, {kVenus, std::size(kVenus)},
    {kMars, std::size(kMars)},       {kJupiter, std::size(kJupiter)},
    {kSaturn, std::size(kSaturn)},   {kUranus, std::size(kUranus)},
    {kNeptune, std::size(kNeptune)}, {kPluto, std::size(kPluto)},
};

}  // namespace

StationList StationsOf(int planetIndex) {
  constexpr int kListCount = static_cast<int>(std::size(kStationLists));
  if (planetIndex < 0 || planetIndex >= kListCount) return {nullptr, 0};
  return kStationLists[planetIndex];
}

}  // namespace tarvelin
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_stations OUTPUT_FILE\n");
    return 2;
  }
  tarvelin::tools::OpenEphemeris();

  std::string text = kHeader;
  for (const Planet& planet : kPlanets) {
    const std::vector<Period> periods = PeriodsOf(planet);
    text += "\n// " + std::string(planet.name) + ": " +
            std::to_string(periods.size()) + " periods.\n";
    text +=
        "constexpr StationPeriod " + std::string(planet.arrayName) + "[] = {\n";
    for (const Period& p : periods) {
      text += "    {" + Entry(p.retrograde) + ", " + Entry(p.direct) + "},\n";
    }
    text += "};\n";
  }
  text += "\n";
  text += kFooter;
  swe_close();

  tarvelin::tools::WriteWholeFile("gen_stations", argv[1], text);
  return 0;
}
