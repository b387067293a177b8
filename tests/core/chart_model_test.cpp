// SPDX-License-Identifier: GPL-3.0-or-later
// The chart model and the layouts of the three chart styles: which sign and
// house stand in which box, for every ascendant, checked on the layout the
// painters draw rather than on pixels.
#include "present/chart_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvelin {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Where a point lies round the chart's centre: 0 straight up, growing
// anticlockwise (as the chart is seen, y running down) to 2 pi.
double AngleFromTop(const ChartPoint& p) {
  const double a = std::atan2(-(p.x - 0.5), -(p.y - 0.5));
  return a < -1e-12 ? a + 2 * kPi : std::max(a, 0.0);
}

double Area(const std::vector<ChartPoint>& outline) {
  double twice = 0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const ChartPoint& p = outline[i];
    const ChartPoint& q = outline[(i + 1) % outline.size()];
    twice += p.x * q.y - q.x * p.y;
  }
  return std::abs(twice) / 2;
}

bool Inside(const std::vector<ChartPoint>& outline, const ChartPoint& p) {
  const auto span = SpanAt(outline, p.y);
  return span && p.x > (*span)[0] && p.x < (*span)[1];
}

TEST(ChartLayout, NorthPutsTheAscendantOnTopAndRunsHousesAnticlockwise) {
  for (int ascendant = 0; ascendant < 12; ++ascendant) {
    SCOPED_TRACE("ascendant sign " + std::to_string(ascendant + 1));
    const ChartLayout layout = LayoutChart(ChartStyle::kNorth, ascendant);
    std::array<const ChartBox*, 13> byHouse{};
    for (const ChartBox& box : layout.boxes) byHouse[box.house] = &box;
    // The ascendant's sign fills the diamond at top centre.
    const ChartPoint top = Centroid(byHouse[1]->outline);
    EXPECT_EQ(byHouse[1]->sign, ascendant);
    EXPECT_NEAR(top.x, 0.5, 1e-9);
    EXPECT_NEAR(top.y, 0.25, 1e-9);
    double previous = -1;
    for (int house = 1; house <= 12; ++house) {
      const ChartBox& box = *byHouse[house];
      // Each box holds the sign `house - 1` signs on from the ascendant's,
      // the houses running anticlockwise.
      EXPECT_EQ(box.sign, (ascendant + house - 1) % 12) << "house " << house;
      const double angle = AngleFromTop(Centroid(box.outline));
      EXPECT_GT(angle, previous) << "house " << house;
      previous = angle;
      EXPECT_TRUE(Inside(box.outline, box.numberAt)) << "house " << house;
    }
    // The houses on the axes are the diamond's four middle boxes.
    for (const int kendra : {1, 4, 7, 10}) {
      EXPECT_EQ(byHouse[kendra]->outline.size(), 4u) << kendra;
    }
  }
}

TEST(ChartLayout, SouthAndEastKeepTheirSignsWhateverRises) {
  struct Case {
    ChartStyle style;
    ChartPoint aries;  // centre of Aries' box
    int direction;     // +1 anticlockwise, -1 clockwise, Aries to Pisces
  };
  const Case cases[] = {
      {ChartStyle::kSouth, {0.375, 0.125}, -1},
      {ChartStyle::kEast, {0.5, 1.0 / 6}, +1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ChartStyleCode(c.style));
    const ChartLayout fixed = LayoutChart(c.style, 0);
    for (int ascendant = 0; ascendant < 12; ++ascendant) {
      const ChartLayout layout = LayoutChart(c.style, ascendant);
      for (int sign = 0; sign < 12; ++sign) {
        const ChartBox& box = layout.boxes[sign];
        EXPECT_EQ(box.sign, sign);
        EXPECT_EQ(box.house, (sign - ascendant + 12) % 12 + 1);
        const ChartPoint at = Centroid(box.outline);
        const ChartPoint was = Centroid(fixed.boxes[sign].outline);
        EXPECT_NEAR(at.x, was.x, 1e-12);
        EXPECT_NEAR(at.y, was.y, 1e-12);
      }
    }
    const ChartPoint aries = Centroid(fixed.boxes[0].outline);
    EXPECT_NEAR(aries.x, c.aries.x, 1e-9);
    EXPECT_NEAR(aries.y, c.aries.y, 1e-9);
    // From Aries round the chart: the angle moves one way only.
    const double start = AngleFromTop(aries);
    double previous = 0;
    for (int sign = 1; sign < 12; ++sign) {
      double turned = AngleFromTop(Centroid(fixed.boxes[sign].outline)) - start;
      if (c.direction < 0) turned = -turned;
      if (turned < 0) turned += 2 * kPi;
      EXPECT_GT(turned, previous) << "sign " << sign + 1;
      previous = turned;
    }
  }
}

TEST(ChartLayout, BoxesAndTheMiddleTileTheSquare) {
  for (const ChartStyle style : kChartStyles) {
    SCOPED_TRACE(ChartStyleCode(style));
    const ChartLayout layout = LayoutChart(style, 3);
    double area = 0;
    for (const ChartBox& box : layout.boxes) {
      EXPECT_GT(Area(box.outline), 0.02);
      area += Area(box.outline);
      for (const ChartPoint& p : box.outline) {
        EXPECT_TRUE(p.x >= 0 && p.x <= 1 && p.y >= 0 && p.y <= 1);
      }
      // No box's centre lies in another box.
      for (const ChartBox& other : layout.boxes) {
        if (&other == &box) continue;
        EXPECT_FALSE(Inside(other.outline, Centroid(box.outline)))
            << box.sign << " in " << other.sign;
      }
    }
    if (layout.centre) {
      const auto& [topLeft, bottomRight] = *layout.centre;
      area += (bottomRight.x - topLeft.x) * (bottomRight.y - topLeft.y);
    }
    EXPECT_NEAR(area, 1.0, 1e-9);
    EXPECT_EQ(layout.centre.has_value(), style != ChartStyle::kNorth);
  }
}

TEST(ChartModel, PutsEachBodyAndTheHoraLagnaInItsSign) {
  ChartResult result;
  // Sun, Moon, Mercury .. Saturn, Rahu, Ketu, ascendant.
  result.longitudes = {15, 45, 20, 359.5, 100, 100, 200, 130, 310, 95};
  result.retrograde[0] = true;  // Mercury
  result.retrograde[2] = true;  // Mars
  result.ascendantSignIndex = 3;
  result.markers[7] = {5, 2};  // the Hora Lagna in Scorpio
  struct Case {
    Language language;
    std::vector<std::string> aries, cancer;
    std::string marker;
  };
  const Case cases[] = {
      {Language::kEnglish,
       {"Sun", "Mercury (R)"},
       {"Mars (R)", "Jupiter", "Asc"},
       "HL"},
      {Language::kHindi, {"सूर्य", "बुध (व)"}, {"मंगल (व)", "गुरु", "लग्न"}, "हो.ल."},
      {Language::kTamil,
       {"சூரியன்", "புதன் (வ)"},
       {"செவ்வாய் (வ)", "குரு", "லக்னம்"},
       "ஹோ.ல."},
  };
  for (const Case& c : cases) {
    const ChartModel model = MakeChartModel(result, c.language);
    EXPECT_EQ(model.ascendantSign, 3);
    EXPECT_EQ(model.bodies[0], c.aries);
    EXPECT_EQ(model.bodies[3], c.cancer);
    EXPECT_EQ(model.bodies[11].size(), 1u);  // Venus just before 360
    for (int s = 0; s < 12; ++s) {
      EXPECT_EQ(model.markers[s], s == 7 ? std::vector<std::string>{c.marker}
                                         : std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace tarvelin
