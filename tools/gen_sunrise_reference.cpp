// SPDX-License-Identifier: GPL-3.0-or-later
// Writes tests/data/sunrise_reference.txt: sunrise and sunset of 240 places
// and dates of 1901..2050 from the Swiss Ephemeris, against which the limb
// and centre sunrise rules are checked.
//
// Usage: gen_sunrise_reference OUTPUT_FILE
//
// Latitudes within 60 degrees of the equator, every longitude, every month;
// every fourth place in India. Each place's clock is the whole hour nearest
// to its longitude, so that its events fall on the date asked for.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "generator_io.h"

namespace {

constexpr int kRowCount = 240;
constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr double kPressureHpa = 1013.25;
constexpr double kLapseRateKPerM = 0.0065;
// The refraction at the horizon the limb rule takes, arcminutes.
constexpr double kHorizonRefractionArcmin = 34.0;

[[noreturn]] void Fail(const std::string& what) {
  tarvelin::tools::Fail("gen_sunrise_reference", what);
}

struct Row {
  int year, month, day;
  double latitude, longitude;  // degrees, north and east positive
  int offsetSeconds;           // the clock ahead of UT
};

// A fixed, well-mixed spread: each field steps through its range with a
// stride prime to the range.
Row MakeRow(int i) {
  Row r{};
  r.year = kFirstYear + i * (kLastYear - kFirstYear) / (kRowCount - 1);
  r.month = 1 + (i * 5) % 12;
  r.day = 1 + (i * 13) % 28;
  if (i % 4 == 0) {
    // India: 8..35 N, 68..97 E.
    r.latitude = 8.0 + (i * 7 % 270) / 10.0;
    r.longitude = 68.0 + (i * 11 % 290) / 10.0;
  } else {
    r.latitude = -60.0 + (i * 47 % 1201) / 10.0;
    r.longitude = -180.0 + (i * 113 % 3600) / 10.0;
  }
  r.offsetSeconds = static_cast<int>(std::lround(r.longitude / 15.0)) * 3600;
  return r;
}

// The temperature at which the library's refraction at the horizon (sea
// level, standard pressure) is the limb rule's 34'.
double TemperatureForHorizonRefraction() {
  double cold = -20.0, warm = 40.0;  // more refraction when colder
  for (int i = 0; i < 60; ++i) {
    const double t = (cold + warm) / 2;
    double details[20];
    const double trueAltitude = swe_refrac_extended(
        0.0, 0.0, kPressureHpa, t, kLapseRateKPerM, SE_APP_TO_TRUE, details);
    if (-trueAltitude * 60.0 > kHorizonRefractionArcmin) {
      cold = t;
    } else {
      warm = t;
    }
  }
  return (cold + warm) / 2;
}

// The event of kind `rsmi` after the clock's midnight of the row's date, as
// "HH:MM:SS.S" on that clock, or "-" when it falls on another date or does
// not happen.
std::string EventText(const Row& r, int rsmi, double temperature) {
  const double midnight = swe_julday(r.year, r.month, r.day, 0.0, SE_GREG_CAL) -
                          r.offsetSeconds / 86400.0;
  double geopos[3] = {r.longitude, r.latitude, 0.0};
  double when = 0;
  char error[AS_MAXCH] = "";
  const int got =
      swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH, rsmi, geopos,
                     kPressureHpa, temperature, &when, error);
  if (got == ERR) Fail(error);
  if (got == -2) return "-";  // circumpolar
  const double localDays = when - midnight;
  if (localDays < 0 || localDays >= 1) return "-";
  const double seconds = std::round(localDays * 864000.0) / 10.0;  // 0.1 s
  const int whole = static_cast<int>(seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%04.1f", whole / 3600,
                whole / 60 % 60, seconds - 60.0 * (whole / 60));
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_sunrise_reference OUTPUT_FILE\n");
    return 2;
  }
  tarvelin::tools::OpenEphemeris();
  const double temperature = TemperatureForHorizonRefraction();

  char line[512];
  std::string text =
      "# Sunrise and sunset of 240 places and dates, for checking the limb "
      "and\n"
      "# centre sunrise rules.\n"
      "#\n"
      "# Made by tools/gen_sunrise_reference with the Swiss Ephemeris (file\n"
      "# sepl_18.se1, swe_rise_trans); see tools/README.md.\n"
      "# limb: the default rising and setting (the Sun's upper edge, with\n"
      "# refraction), the atmosphere at 1013.25 hPa and the temperature at\n"
      "# which the library's refraction at the horizon is 34' (";
  std::snprintf(line, sizeof line, "%.2f", temperature);
  text += line;
  text +=
      " C).\n"
      "# centre: SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION, the disc's centre\n"
      "# on the horizon without refraction.\n"
      "# Times are on the row's clock (offset from UT in seconds, the whole\n"
      "# hour nearest the longitude), to 0.1 s; \"-\" where the event does "
      "not\n"
      "# fall on that date.\n"
      "#\n"
      "# Columns: date latitude longitude offset limb_rise limb_set\n"
      "#   centre_rise centre_set\n";
  const int centre = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  for (int i = 0; i < kRowCount; ++i) {
    const Row r = MakeRow(i);
    const int n = std::snprintf(
        line, sizeof line, "%04d-%02d-%02d %.1f %.1f %d %s %s %s %s\n", r.year,
        r.month, r.day, r.latitude, r.longitude, r.offsetSeconds,
        EventText(r, SE_CALC_RISE, temperature).c_str(),
        EventText(r, SE_CALC_SET, temperature).c_str(),
        EventText(r, SE_CALC_RISE | centre, temperature).c_str(),
        EventText(r, SE_CALC_SET | centre, temperature).c_str());
    text.append(line, static_cast<std::size_t>(n));
  }
  swe_close();
  tarvelin::tools::WriteWholeFile("gen_sunrise_reference", argv[1], text);
  return 0;
}
