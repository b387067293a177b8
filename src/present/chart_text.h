// SPDX-License-Identifier: GPL-3.0-or-later
// The South-Indian chart drawn in text: a square of 4 x 4 cells whose twelve
// outer cells are the signs in fixed places (Pisces top left, then Aries,
// Taurus and Gemini along the top, clockwise) and whose inner 2 x 2 block
// carries a title. Each sign cell lists its bodies one per line, as the
// chart's planet labels hold them, and "HL" at the right when the Hora Lagna
// stands there.
#pragma once

#include <array>
#include <string>

#include "present/chart_model.h"
#include "tables/language.h"

namespace tarvelin {

struct ChartContent {
  std::array<std::string, 12> planetLabels;  // Aries first, "\r\n"-separated
  std::array<std::string, 12> markers;       // Aries first, "\r\n"-separated
  std::string title;
  std::string subtitle;
  Language language = Language::kEnglish;  // of the signs' names
};

// English name of sign index 0..11 ("Aries" ... "Pisces"); "" otherwise.
const char* SignName(int index);

// The chart, lines ending in '\n'. Every line has the same width.
std::string ChartText(const ChartContent& content);

// The North-Indian chart drawn in text: the diamond in a square, the
// ascendant's house at top centre, each house with the number of its sign
// and the bodies and markers standing in it. Lines end in '\n' and have
// the same width in columns (see DisplayWidth).
std::string NorthChartText(const ChartModel& model);

}  // namespace tarvelin
