// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of the planet table, in its order.
#pragma once

namespace tarvelin {

enum BodyIndex : int {
  kSun,
  kMoon,
  kMercury,
  kVenus,
  kMars,
  kJupiter,
  kSaturn,
  kRahu,
  kKetu,
  kAscendant,
};
constexpr int kBodyCount = 10;

}  // namespace tarvelin
