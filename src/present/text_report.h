// SPDX-License-Identifier: GPL-3.0-or-later
// The plain-text result of one calculation, as a person reads it in a
// terminal: the summary, the birth details, the chart, the planetary
// positions, the Hora Lagna with its house sentence (or the notice when
// there is none), "How it was found", and the attributes and readings of its
// sign. Also the zone list of --zones.
#pragma once

#include <string>

#include "chart/birth.h"
#include "chart/chart_result.h"
#include "present/chart_model.h"
#include "present/hora_lagna_text.h"
#include "present/result_view.h"

namespace tarvelin {

// Width the report's running text is wrapped to.
constexpr std::size_t kReportWidth = 78;

// `view` is PresentResult(birth, result, language): the report is in the
// view's language. `horaLagna` is PresentHoraLagna of the result and its
// reading (the margin, the day's table, the other lagnas). The South-Indian
// text chart is always there; with ChartStyle::kNorth the North-Indian one
// follows it.
std::string TextReport(const Birth& birth, const ChartResult& result,
                       const ResultView& view, const HoraLagnaTexts& horaLagna,
                       ChartStyle chartStyle = ChartStyle::kSouth);

// One line per zone: its list index, two blanks, its list text.
std::string ZoneListText();

// `text` broken into lines of at most `width` columns (see DisplayWidth;
// words longer than that stand alone), each
// line starting with `indent` blanks.
std::string Wrapped(const std::string& text, std::size_t indent,
                    std::size_t width);

}  // namespace tarvelin
