// The fixed list of 71 time zones and the zone calculation that turns a list
// position into the signed offsets to add to local clock time to get UT.
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

// Writes the row of `position` into the two offsets and returns true; for a
// position outside 0..70 (no selection) writes nothing and returns false.
bool Zone_Calculation(int position, std::int16_t& zoneOffsetHours,
                      std::int16_t& zoneOffsetMinutes);

}  // namespace tarvelin
