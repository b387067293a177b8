// The five reading texts of every sign: Looks, Nature, Career And Finance,
// Love And Domestic Life and Health.
#pragma once

#include "tables/sign_tables.h"

namespace tarvelin {

// Writes LooksText, NatureText, CareerAndFinanceText, LoveAndDomesticLifeText
// and HealthText of `tables`, one paragraph per sign; leaves the rest alone.
void FillSignReadings(SignTables& tables);

}  // namespace tarvelin
