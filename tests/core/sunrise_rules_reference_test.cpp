// SPDX-License-Identifier: GPL-3.0-or-later
// The limb and centre sunrise rules and the named ayanamsas against an
// outside authority: tests/data/sunrise_reference.txt and
// ayanamsa_reference.txt, written from the Swiss Ephemeris by tools/ (their
// headers say how). A row fails when its error exceeds the stated
// tolerance; the largest and the rms error are printed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart/calculation_options.h"
#include "engine/ayanamsa.h"
#include "present/quantity_text.h"
#include "sunrise/horizon_crossing.h"

namespace tarvelin {
namespace {

constexpr double kSunriseToleranceSeconds = 15.0;
constexpr double kAyanamsaToleranceDegrees = 0.01;

std::vector<std::string> DataLines(const char* file) {
  std::ifstream in(std::string(TARVELIN_TEST_DATA_DIR) + "/" + file);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

// "HH:MM:SS.S" as seconds of the day; negative for "-".
double SecondsOfDay(const std::string& text) {
  int h = 0, m = 0;
  double s = 0;
  if (std::sscanf(text.c_str(), "%d:%d:%lf", &h, &m, &s) != 3) return -1;
  return h * 3600.0 + m * 60.0 + s;
}

struct ErrorSummary {
  double max = 0, sumSquares = 0;
  int count = 0;
  void Add(double error) {
    max = std::fmax(max, std::fabs(error));
    sumSquares += error * error;
    ++count;
  }
  double Rms() const { return count ? std::sqrt(sumSquares / count) : 0; }
};

TEST(SunriseRulesAgainstReference, EverySunriseAndSunsetWithin15Seconds) {
  const std::vector<std::string> rows = DataLines("sunrise_reference.txt");
  ASSERT_GE(rows.size(), 200u) << "reference file not read";
  ErrorSummary limb, centre;
  for (const std::string& row : rows) {
    std::istringstream in(row);
    std::string date, events[4];
    double latitude = 0, longitude = 0;
    int offset = 0;
    in >> date >> latitude >> longitude >> offset >> events[0] >> events[1] >>
        events[2] >> events[3];
    ASSERT_FALSE(in.fail()) << row;
    CivilDateTime day;
    ASSERT_EQ(
        std::sscanf(date.c_str(), "%d-%d-%d", &day.year, &day.month, &day.day),
        3);
    for (const HorizonAltitude altitude :
         {HorizonAltitude::kUpperLimb, HorizonAltitude::kCentre}) {
      const bool isLimb = altitude == HorizonAltitude::kUpperLimb;
      const RiseSet got =
          HorizonCrossings(altitude, day, latitude, longitude, offset);
      const std::optional<CivilDateTime>* gotEvents[] = {&got.sunrise,
                                                         &got.sunset};
      for (int e = 0; e < 2; ++e) {
        const double want = SecondsOfDay(events[(isLimb ? 0 : 2) + e]);
        const std::optional<CivilDateTime>& event = *gotEvents[e];
        ASSERT_EQ(event.has_value(), want >= 0) << row;
        if (!event) continue;
        const double error =
            event->hour * 3600.0 + event->minute * 60.0 + event->second - want;
        (isLimb ? limb : centre).Add(error);
        EXPECT_LE(std::fabs(error), kSunriseToleranceSeconds)
            << (isLimb ? "limb " : "centre ") << (e ? "sunset " : "sunrise ")
            << row << ": got " << DateTimeText(*event);
      }
    }
  }
  std::printf("limb: %d events, max error %.1f s, rms %.1f s\n", limb.count,
              limb.max, limb.Rms());
  std::printf("centre: %d events, max error %.1f s, rms %.1f s\n", centre.count,
              centre.max, centre.Rms());
}

TEST(AyanamsaAgainstReference, EveryNamedAyanamsaWithinOneHundredthDegree) {
  const std::vector<std::string> rows = DataLines("ayanamsa_reference.txt");
  ASSERT_GE(rows.size(), 290u) << "reference file not read";
  const Ayanamsa columns[] = {Ayanamsa::kLahiri, Ayanamsa::kRaman,
                              Ayanamsa::kKrishnamurti, Ayanamsa::kFaganBradley};
  ErrorSummary errors[4];
  for (const std::string& row : rows) {
    std::istringstream in(row);
    std::string date;
    double jd = 0, want[4];
    in >> date >> jd >> want[0] >> want[1] >> want[2] >> want[3];
    ASSERT_FALSE(in.fail()) << row;
    for (int k = 0; k < 4; ++k) {
      const double error = MeanAyanamsaDegrees(columns[k], jd) - want[k];
      errors[k].Add(error);
      EXPECT_LE(std::fabs(error), kAyanamsaToleranceDegrees)
          << NameOf(columns[k]) << " on " << date;
    }
  }
  for (int k = 0; k < 4; ++k) {
    std::printf("%s: max error %.2f\", rms %.2f\"\n", NameOf(columns[k]),
                errors[k].max * 3600, errors[k].Rms() * 3600);
  }
}

}  // namespace
}  // namespace tarvelin
