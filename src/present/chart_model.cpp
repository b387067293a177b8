// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/chart_model.h"

#include <algorithm>
#include <cmath>

#include "engine/angles.h"
#include "present/report_words.h"
#include "present/result_view.h"

namespace tarvelin {
namespace {

constexpr std::array<const char*, 3> kStyleCodes = {"south", "north", "east"};

using Outline = std::vector<ChartPoint>;

Outline Rect(double left, double top, double right, double bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// The South-Indian square: the cell (row, column) of each sign.
constexpr int kSouthCells[12][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3},
                                    {2, 3}, {3, 3}, {3, 2}, {3, 1},
                                    {3, 0}, {2, 0}, {1, 0}, {0, 0}};

// The North-Indian diamond, house 1 first: the square's corners, the
// middles of its sides, its centre and the quarter points where the
// diagonals cross the inner diamond.
Outline NorthHouse(int house) {
  const ChartPoint tl{0, 0}, tr{1, 0}, br{1, 1}, bl{0, 1};
  const ChartPoint t{0.5, 0}, r{1, 0.5}, b{0.5, 1}, l{0, 0.5}, c{0.5, 0.5};
  const ChartPoint q1{0.25, 0.25}, q2{0.75, 0.25}, q3{0.75, 0.75},
      q4{0.25, 0.75};
  switch (house) {
    case 1:
      return {t, q1, c, q2};
    case 2:
      return {tl, t, q1};
    case 3:
      return {tl, q1, l};
    case 4:
      return {l, q1, c, q4};
    case 5:
      return {l, q4, bl};
    case 6:
      return {bl, q4, b};
    case 7:
      return {b, q4, c, q3};
    case 8:
      return {b, q3, br};
    case 9:
      return {br, q3, r};
    case 10:
      return {r, q3, c, q2};
    case 11:
      return {r, q2, tr};
    default:
      return {tr, q2, t};
  }
}

// The East-Indian square, Aries first: thirds, with the corner cells cut
// along the diagonals that run from the square's corners inwards.
Outline EastSign(int sign) {
  constexpr double a = 1.0 / 3, b = 2.0 / 3;
  switch (sign) {
    case 0:
      return Rect(a, 0, b, a);  // Aries, top centre
    case 1:
      return {{0, 0}, {a, 0}, {a, a}};  // Taurus, along the top
    case 2:
      return {{0, 0}, {a, a}, {0, a}};  // Gemini, along the left
    case 3:
      return Rect(0, a, a, b);  // Cancer
    case 4:
      return {{0, b}, {a, b}, {0, 1}};  // Leo, along the left
    case 5:
      return {{0, 1}, {a, b}, {a, 1}};  // Virgo, along the bottom
    case 6:
      return Rect(a, b, b, 1);  // Libra
    case 7:
      return {{b, b}, {1, 1}, {b, 1}};  // Scorpio, along the bottom
    case 8:
      return {{b, b}, {1, b}, {1, 1}};  // Sagittarius, on the right
    case 9:
      return Rect(b, a, 1, b);  // Capricorn
    case 10:
      return {{b, a}, {1, 0}, {1, a}};  // Aquarius, on the right
    default:
      return {{b, 0}, {1, 0}, {b, a}};  // Pisces, along the top
  }
}

// The point of a box's edge nearest the chart's centre.
ChartPoint NearestToCentre(const Outline& outline) {
  const ChartPoint c{0.5, 0.5};
  ChartPoint best = outline.front();
  double bestDistance = 1e9;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const ChartPoint& p = outline[i];
    const ChartPoint& q = outline[(i + 1) % outline.size()];
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double along = std::clamp(
        ((c.x - p.x) * dx + (c.y - p.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const ChartPoint n{p.x + along * dx, p.y + along * dy};
    const double d = std::hypot(n.x - c.x, n.y - c.y);
    if (d < bestDistance - 1e-12) {
      bestDistance = d;
      best = n;
    }
  }
  return best;
}

// The number of a North- or East-Indian box stands on the way from the
// box's centre towards the middle of the chart, where such charts put it.
ChartPoint NumberTowardsCentre(const Outline& outline) {
  constexpr double kShare = 0.7;
  const ChartPoint centroid = Centroid(outline);
  const ChartPoint inner = NearestToCentre(outline);
  return {centroid.x + kShare * (inner.x - centroid.x),
          centroid.y + kShare * (inner.y - centroid.y)};
}

int HouseOfSign(int sign, int ascendantSign) {
  return (sign - ascendantSign + 12) % 12 + 1;
}

}  // namespace

const char* ChartStyleCode(ChartStyle style) {
  return kStyleCodes[static_cast<std::size_t>(style)];
}

std::optional<ChartStyle> ChartStyleFromCode(std::string_view code) {
  for (const ChartStyle style : kChartStyles) {
    if (code == ChartStyleCode(style)) return style;
  }
  return std::nullopt;
}

ChartModel MakeChartModel(const ChartResult& result, Language language) {
  ChartModel model;
  model.ascendantSign = result.ascendantSignIndex;
  const PlanetNameTable names = MarkedPlanetNames(result.retrograde, language);
  for (int i = 0; i < kBodyCount; ++i) {
    const int sign = SignIndexOfLongitude(result.longitudes[i]);
    if (sign < 0) continue;
    std::string name = names[i];
    name.erase(name.find_last_not_of(' ') + 1);  // " (R) " ends in a blank
    model.bodies[sign].push_back(name);
  }
  for (int s = 0; s < 12; ++s) {
    if (result.markers[s].horaLagnaLine >= 0) {
      model.markers[s].push_back(WordsIn(language).horaLagnaMarker);
    }
  }
  return model;
}

ChartLayout LayoutChart(ChartStyle style, int ascendantSign) {
  ChartLayout layout;
  layout.style = style;
  for (int sign = 0; sign < 12; ++sign) {
    ChartBox& box = layout.boxes[sign];
    box.sign = sign;
    box.house = HouseOfSign(sign, ascendantSign);
    switch (style) {
      case ChartStyle::kSouth: {
        const double top = kSouthCells[sign][0] / 4.0;
        const double left = kSouthCells[sign][1] / 4.0;
        box.outline = Rect(left, top, left + 0.25, top + 0.25);
        box.numberAt = {left + 0.25, top};  // the cell's top-right corner
        break;
      }
      case ChartStyle::kNorth:
        box.outline = NorthHouse(box.house);
        box.numberAt = NumberTowardsCentre(box.outline);
        break;
      case ChartStyle::kEast:
        box.outline = EastSign(sign);
        box.numberAt = NumberTowardsCentre(box.outline);
        break;
    }
  }
  if (style == ChartStyle::kSouth) {
    layout.centre = {{{0.25, 0.25}, {0.75, 0.75}}};
  } else if (style == ChartStyle::kEast) {
    layout.centre = {{{1.0 / 3, 1.0 / 3}, {2.0 / 3, 2.0 / 3}}};
  }
  return layout;
}

ChartPoint Centroid(const std::vector<ChartPoint>& outline) {
  double area = 0, x = 0, y = 0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const ChartPoint& p = outline[i];
    const ChartPoint& q = outline[(i + 1) % outline.size()];
    const double cross = p.x * q.y - q.x * p.y;
    area += cross;
    x += (p.x + q.x) * cross;
    y += (p.y + q.y) * cross;
  }
  return {x / (3 * area), y / (3 * area)};
}

std::optional<std::array<double, 2>> SpanAt(
    const std::vector<ChartPoint>& outline, double y) {
  std::optional<std::array<double, 2>> span;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const ChartPoint& p = outline[i];
    const ChartPoint& q = outline[(i + 1) % outline.size()];
    if ((y < std::min(p.y, q.y)) || (y > std::max(p.y, q.y))) continue;
    const double x = p.y == q.y ? std::min(p.x, q.x)
                                : p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
    const double x2 = p.y == q.y ? std::max(p.x, q.x) : x;
    if (!span) {
      span = std::array<double, 2>{std::min(x, x2), std::max(x, x2)};
    } else {
      (*span)[0] = std::min((*span)[0], std::min(x, x2));
      (*span)[1] = std::max((*span)[1], std::max(x, x2));
    }
  }
  return span;
}

}  // namespace tarvelin
