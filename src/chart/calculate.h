// The calculation behind "Get My Hora Lagna": one birth in, one result out.
#pragma once

#include "chart/birth.h"
#include "chart/chart_result.h"

namespace tarvelin {

// Everything the chart needs, for a birth that has passed the input checks
// (year 1901..2050, a real date, coordinates in range). Keeps nothing
// between calls; safe to call from several threads at once.
ChartResult Calculate(const Birth& birth);

}  // namespace tarvelin
