// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON form of one calculation: the birth as given, the engine's values,
// the texts of the result form, the sunrises, the special lagnas and the Hora
// Lagna with its sign's attributes. When no Hora Lagna can be found, `notice`
// holds the sentence shown instead and the keys that need the reference
// sunrise or the Hora Lagna are null.
#pragma once

#include <functional>
#include <string>

#include "chart/birth.h"
#include "chart/chart_result.h"
#include "chart/hora_lagna_day.h"
#include "present/json_writer.h"
#include "present/result_view.h"

namespace tarvelin {

// Writes the result object of one birth; `view` is PresentResult(birth,
// result), for the one-line layout made with ViewUse::kJson; `reading`
// ReadHoraLagna of them (the options, the day's table, the margin and any
// uncertainty go after the members of the classic result). `moreMembers`,
// when set, writes further members at its end (the place --place took).
void WriteResultJson(
    JsonWriter& out, const Birth& birth, const ChartResult& result,
    const ResultView& view, const HoraLagnaReading& reading,
    const std::function<void(JsonWriter&)>& moreMembers = nullptr);

// Writes {"line": N, "error": "message"} for a batch row that was not read.
void WriteRowErrorJson(JsonWriter& out, long line, const std::string& message);

}  // namespace tarvelin
