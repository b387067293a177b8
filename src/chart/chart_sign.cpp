#include "chart/chart_sign.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "engine/position_text.h"

namespace tarvelin {
namespace {

// Whether `abbrev` equals `text`. Sign texts are three bytes, compared here
// by hand: cheaper than a library compare call for so few.
bool SameText(const std::string& abbrev, std::string_view text) {
  if (abbrev.size() != text.size()) return false;
  if (text.size() != 3) return abbrev == text;
  return abbrev[0] == text[0] && abbrev[1] == text[1] && abbrev[2] == text[2];
}

}  // namespace

int ChartSignIndex(const std::array<std::string, 12>& abbrevs,
                   const std::string& chartNotation) {
  const std::string_view text = ChartSignView(chartNotation);
  if (text.empty()) return -1;  // too short to name a sign
  for (int s = 0; s < 12; ++s) {
    if (SameText(abbrevs[s], text)) return s;
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
