// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/input/city_box.h"

#include <algorithm>
#include <cctype>

namespace tarvelin {
namespace {

std::string Trimmed(const std::string& text) {
  const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

bool SameCity(const AtlasCity& a, const AtlasCity& b) {
  return CityLabel(a) == CityLabel(b) &&
         a.latitudeDegrees == b.latitudeDegrees &&
         a.longitudeDegrees == b.longitudeDegrees;
}

CityBoxDecision DecideCityBox(const std::string& text,
                              const std::vector<AtlasCity>& named,
                              const std::optional<AtlasCity>& chosen,
                              const std::optional<std::string>& shownFor) {
  const std::string city = Trimmed(text);
  if (shownFor && city == Trimmed(*shownFor)) return {};
  if (chosen &&
      std::any_of(named.begin(), named.end(),
                  [&](const AtlasCity& c) { return SameCity(c, *chosen); })) {
    return {};
  }
  if (city.empty()) return {CityBoxAction::kClear, {}};
  switch (named.size()) {
    case 0:
      return {CityBoxAction::kNotInAtlas, {}};
    case 1:
      return {CityBoxAction::kFill, named};
    default:
      return {CityBoxAction::kChoose, named};
  }
}

}  // namespace tarvelin
