// SPDX-License-Identifier: GPL-3.0-or-later
// What leaving the City box does with a text nobody picked from the list
// under it. The atlas answers which cities the text names whole; this
// decides, and FrmMainAtlas carries the decision out.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas.h"

namespace tarvelin {

enum class CityBoxAction {
  kKeep,        // the boxes already hold the place the text names
  kFill,        // one city: fill it as if picked
  kChoose,      // several: offer them, the focus stays in the City box
  kNotInAtlas,  // none: what the previous place filled goes; say so
  kClear,       // an emptied box: what the previous place filled goes
};

struct CityBoxDecision {
  CityBoxAction action = CityBoxAction::kKeep;
  std::vector<AtlasCity> cities;  // kFill: the one; kChoose: the choices
};

// `text`: the City box as left. `named`: the cities the atlas says the text
// names whole, most populous first. `chosen`: the atlas city the boxes were
// last filled from, if any; `shownFor`: the City text the boxes were filled
// with from elsewhere (a saved birth opened), if any.
CityBoxDecision DecideCityBox(const std::string& text,
                              const std::vector<AtlasCity>& named,
                              const std::optional<AtlasCity>& chosen,
                              const std::optional<std::string>& shownFor);

// The same city: label and coordinates alike.
bool SameCity(const AtlasCity& a, const AtlasCity& b);

}  // namespace tarvelin
