#include "chart/chart_sign.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/position_text.h"

namespace tarvelin {

int ChartSignIndex(const std::array<std::string, 12>& abbrevs,
                   const std::string& chartNotation) {
  // Chart notation is plain ASCII, where a character is a byte; any other
  // text goes through the general character reading.
  const std::size_t checked = std::min<std::size_t>(chartNotation.size(), 6);
  for (std::size_t i = 0; i < checked; ++i) {
    if (static_cast<unsigned char>(chartNotation[i]) >= 0x80) {
      const std::string text = ChartSignText(chartNotation);
      for (int s = 0; s < 12; ++s) {
        if (abbrevs[s] == text) return s;
      }
      return -1;
    }
  }
  if (chartNotation.size() < 6) return -1;
  const char* text = chartNotation.data() + 3;
  for (int s = 0; s < 12; ++s) {
    const std::string& abbrev = abbrevs[s];
    if (abbrev.size() == 3 && abbrev[0] == text[0] && abbrev[1] == text[1] &&
        abbrev[2] == text[2]) {
      return s;
    }
  }
  return -1;
}

int SignIndexOfLongitude(double longitude) {
  // The position text names sign Int(Int(|v|) / 30), and its chart notation
  // carries that abbreviation up to Pisces and none beyond. Worked out on the
  // numbers: the same sign without building the two texts.
  const double wholeDegrees = std::floor(std::fabs(longitude));
  const int s = static_cast<int>(std::floor(wholeDegrees / 30));
  return s < 12 ? s : -1;
}

}  // namespace tarvelin
