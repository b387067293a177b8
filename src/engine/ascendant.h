// The sidereal ascendant (lagna) of the birth instant.
#pragma once

#include <string>

#include "chart/birth_record.h"

namespace tarvelin {

struct AscendantOutputs {
  double UniversalHours = 0;        // of the birth instant
  double SiderealCorrection = 0;    // SiderealCorrection1900(T1900), degrees
  double SiderealAscendant = 0;     // degrees in [0, 360)
  double AscendantWholeDegrees = 0; // Int(SiderealAscendant)
  std::string AscendantText;        // FormatSignPosition(SiderealAscendant)
};

AscendantOutputs CalcAscendant(const BirthRecord& record, int zoneOffsetHours,
                               int zoneOffsetMinutes);

}  // namespace tarvelin
