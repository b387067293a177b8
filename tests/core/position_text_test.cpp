// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/position_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/angles.h"

namespace tarvelin {
namespace {

const std::string kDeg = "\u00B0";

TEST(PositionText, FormatsTruncatedDegreesMinutesSecondsAndSign) {
  struct Case {
    double longitude;
    std::string text;
    std::string chart;
  };
  const Case cases[] = {
      {15.5, "15" + kDeg + " 30' 0\" Ari", "15 Ari 30"},
      {35.2, "5" + kDeg + " 12' 0\" Tau", "05 Tau 12"},
      // Just below a sign boundary: truncation, no carry into Taurus.
      {30.0 - 1e-9, "29" + kDeg + " 59' 59\" Ari", "29 Ari 59"},
      {0.0, "0" + kDeg + " 0' 0\" Ari", "00 Ari 00"},
      {359.999, "29" + kDeg + " 59' 56\" Pis", "29 Pis 59"},
      {245.765625, "5" + kDeg + " 45' 56\" Sag", "05 Sag 45"},  // exact binary
      // The sign of a negative value is that of its magnitude.
      {-15.5, "15" + kDeg + " 30' 0\" Ari", "15 Ari 30"},
      // Past a turn there is no sign: the parts alone, nothing of the
      // position text taken for one.
      {400.25, "10" + kDeg + " 15' 0\" ", "10  15"},
  };
  for (const Case& c : cases) {
    const std::string text = FormatSignPosition(c.longitude);
    EXPECT_EQ(text, c.text) << "longitude " << c.longitude;
    EXPECT_EQ(ChartNotationOf(c.longitude), c.chart)
        << "longitude " << c.longitude;
  }
}

TEST(PositionText, ThreeSixtyHasNoSign) {
  EXPECT_EQ(FormatSignPosition(360.0), "0" + kDeg + " 0' 0\" ");
  EXPECT_EQ(SignIndexOfLongitude(360.0), -1);
  EXPECT_EQ(ChartNotationOf(360.0).find_first_of("ACGLPSTV"),
            std::string::npos);
}

TEST(PositionText, ArcTan2CoversEveryQuadrantAndTheAxes) {
  const double pi = std::acos(-1.0);
  constexpr double kTolerance = 1e-15;
  struct Case {
    double y, x, want;
  };
  const Case cases[] = {
      {0, -1, pi},           {0, 0, 0},        {1, 0, pi / 2},
      {-1, 0, -pi / 2},      {1, 1, pi / 4},   {1, -1, 3 * pi / 4},
      {-1, -1, -3 * pi / 4}, {-1, 1, -pi / 4}, {0, 2, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ArcTan2(c.y, c.x), c.want, kTolerance)
        << "ArcTan2(" << c.y << ", " << c.x << ")";
    EXPECT_NEAR(ArcTan2(c.y, c.x), std::atan2(c.y, c.x), kTolerance)
        << "ArcTan2(" << c.y << ", " << c.x << ") against atan2";
  }
}

// The calculation reads signs, whole degrees and minutes from the numbers
// (SignIndexOfLongitude, SplitSignPosition) where it once read them back from
// the chart notation. The two must agree wherever truncation is close:
// sign boundaries, 29° 59' 59.6", minutes next to a whole number.
TEST(PositionText, NumbersAgreeWithTheChartNotationTheyStandFor) {
  constexpr double kSecond = 1.0 / 3600;  // degrees
  std::vector<double> longitudes = {0.0,
                                    1e-300,
                                    1e-9,
                                    29 + 59.0 / 60 + 59.6 * kSecond,
                                    std::nextafter(360.0, 0.0),
                                    359.999};
  for (int s = 0; s < 12; ++s) {
    const double boundary = 30.0 * s;
    for (const double v :
         {boundary, boundary + 30 - 0.4 * kSecond, boundary + 0.01 * kSecond}) {
      longitudes.push_back(v);
      longitudes.push_back(std::nextafter(v, 0.0));
      longitudes.push_back(std::nextafter(v, 400.0));
    }
  }
  for (int d = 0; d < 360; d += 7) {
    for (int m = 0; m < 60; ++m) {
      const double v = d + m / 60.0;
      longitudes.push_back(v);
      longitudes.push_back(std::nextafter(v, 0.0));
    }
  }
  const std::string abbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
  for (const double v : longitudes) {
    if (v < 0 || v >= 360) continue;
    const std::string chart = ChartNotationOf(v);
    ASSERT_EQ(chart.size(), 9u) << v;
    const int sign = SignIndexOfLongitude(v);
    ASSERT_GE(sign, 0) << v;
    EXPECT_EQ(chart.substr(3, 3), abbreviations.substr(3 * sign, 3))
        << std::hexfloat << v;
    const SignPosition parts = SplitSignPosition(v);
    EXPECT_EQ(std::stoi(chart.substr(0, 2)), parts.degrees) << chart;
    EXPECT_EQ(std::stoi(chart.substr(7, 2)), parts.minutes) << chart;
    EXPECT_EQ(parts.sign, sign) << chart;
  }
}

}  // namespace
}  // namespace tarvelin
