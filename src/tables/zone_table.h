// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed list of 71 time zones, each with the signed offsets to add to
// its clock for universal time.
#pragma once

#include <array>
#include <cstdint>

namespace tarvelin {

struct ZoneEntry {
  const char* text;            // exactly as the list shows it
  std::int16_t offsetHours;    // hours to add to local time to get UT
  std::int16_t offsetMinutes;  // 0, 30 or -30, with the sign of the hours
};

constexpr int kZoneCount = 71;
extern const std::array<ZoneEntry, kZoneCount> kZoneTable;

}  // namespace tarvelin
