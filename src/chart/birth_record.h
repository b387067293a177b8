// The inputs of one calculation and the three small name tables that turn
// sign abbreviations and body indexes into names.
#pragma once

#include <cstdint>
#include <string>

#include "tables/bodies.h"

namespace tarvelin {

// The birth as the pipeline reads it from the input form. The zone is kept
// as magnitudes only; the signed offsets stand beside it in the calculation
// state (ZoneOffsetHours, ZoneOffsetMinutes).
struct BirthRecord {
  std::string Name;
  std::int16_t Month = 0;        // 1..12
  std::int16_t Day = 0;          // day of month
  std::int16_t Year = 0;         // four digits
  std::int16_t Hour = 0;         // local clock hour 0..23
  std::int16_t Minute = 0;       // local clock minute 0..59
  std::int16_t ZoneHours = 0;    // |ZoneOffsetHours|
  std::int16_t ZoneMinutes = 0;  // |ZoneOffsetMinutes|
  std::int16_t LonDeg = 0;       // unsigned degrees
  std::int16_t LonMin = 0;
  std::int16_t LatDeg = 0;  // unsigned degrees
  std::int16_t LatMin = 0;
  bool IsEast = false;
  bool IsSouth = false;
  bool HasDST = false;  // the user says daylight saving was in force at birth
};

}  // namespace tarvelin
