// The sidereal ascendant (lagna) of the birth instant.
#pragma once

#include "engine/civil_time.h"
#include "engine/time_base.h"

namespace tarvelin {

struct AscendantOutputs {
  double UniversalHours = 0;      // of the birth instant, not folded
  double SiderealCorrection = 0;  // SiderealCorrection1900(T1900), degrees
  double SiderealAscendant = 0;   // degrees in [0, 360)
};

// The local clock's hour and minute count (its seconds do not); the place is
// in degrees, north and east positive.
AscendantOutputs CalcAscendant(const CivilDateTime& local,
                               const ClockOffset& offset,
                               double latitudeDegrees, double longitudeDegrees);

}  // namespace tarvelin
