// The house, counted from the ascendant's sign, in which the Hora Lagna
// stands, and the sentence shown for it.
#include "chart/calculation.h"
#include "tables/house_significance.h"

namespace tarvelin {

void Calculation::HouseStep() {
  HoraLagnaHouse = ::tarvelin::HoraLagnaHouse(AscendantSign, HoraLagnaSign);
  // Both signs are 1..12 whenever the chart and the Hora Lagna were found.
  if (HoraLagnaHouse < 1 || HoraLagnaHouse > 12) return;
  View.lblHoraDesc = kHouseSignificance[HoraLagnaHouse - 1];
}

}  // namespace tarvelin
