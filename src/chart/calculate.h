// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Get My Hora Lagna": one birth in, one result out.
#pragma once

#include "chart/birth.h"
#include "chart/calculation_options.h"
#include "chart/chart_result.h"

namespace tarvelin {

// Everything the chart needs, for a birth that has passed the input checks
// (year 1901..2050, a real date, coordinates in range), under the options
// given (the classic rules by default). Keeps nothing between calls; safe to
// call from several threads at once.
//
// The birth's instant is worked out once, from its clock time cut to the
// minute (the seconds count only in the time since sunrise) and its offset,
// and handed to every position formula.
ChartResult Calculate(const Birth& birth,
                      const CalculationOptions& options = {});

}  // namespace tarvelin
