// SPDX-License-Identifier: GPL-3.0-or-later
// One chart, three ways to draw it. The model says which bodies and markers
// stand in which sign; the layout of a chart style says where each sign's
// box stands, which house it is, and where its number goes. The painters
// (window, printed page, image) and the text chart draw what these give.
//
//   South-Indian: fixed signs in a 4 x 4 square, Pisces top left, Aries
//                 beside it, running clockwise; the middle 2 x 2 is empty.
//   North-Indian: fixed houses in a diamond: the ascendant's house at top
//                 centre, houses running anticlockwise, each box marked
//                 with the number of the sign in it.
//   East-Indian:  fixed signs in a 3 x 3 square whose corners are halved
//                 along their diagonals: Aries at top centre, signs running
//                 anticlockwise; the middle cell is empty.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_result.h"
#include "tables/language.h"

namespace tarvelin {

enum class ChartStyle { kSouth, kNorth, kEast };

constexpr std::array<ChartStyle, 3> kChartStyles = {
    ChartStyle::kSouth, ChartStyle::kNorth, ChartStyle::kEast};

// "south", "north", "east": the codes of --chart and of the settings.
const char* ChartStyleCode(ChartStyle style);
std::optional<ChartStyle> ChartStyleFromCode(std::string_view code);

// What stands in each sign, Aries first: the bodies in planet-table order
// as the chart names them (a retrograde planet with its mark), and the
// markers ("HL").
struct ChartModel {
  int ascendantSign = 0;  // 0..11
  std::array<std::vector<std::string>, 12> bodies;
  std::array<std::vector<std::string>, 12> markers;
};

ChartModel MakeChartModel(const ChartResult& result, Language language);

// A point of the chart's square: (0, 0) top left, (1, 1) bottom right.
struct ChartPoint {
  double x = 0, y = 0;
};

struct ChartBox {
  int sign = 0;                     // 0..11, the sign standing in the box
  int house = 1;                    // 1..12, counted from the ascendant's sign
  std::vector<ChartPoint> outline;  // the corners, in order round the box
  ChartPoint numberAt;              // where the box's number is centred
};

struct ChartLayout {
  ChartStyle style = ChartStyle::kSouth;
  std::array<ChartBox, 12> boxes;  // by the sign they hold, Aries first
  // The empty middle (South- and East-Indian), which may carry a title.
  std::optional<std::array<ChartPoint, 2>> centre;  // top left, bottom right
};

ChartLayout LayoutChart(ChartStyle style, int ascendantSign);

// Where the centre of a box lies (the mean of its corners' area).
ChartPoint Centroid(const std::vector<ChartPoint>& outline);

// The left and right ends of the part of a convex box that the horizontal
// line at `y` crosses; nothing where it does not cross it.
std::optional<std::array<double, 2>> SpanAt(
    const std::vector<ChartPoint>& outline, double y);

}  // namespace tarvelin
