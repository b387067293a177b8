// SPDX-License-Identifier: GPL-3.0-or-later
// The five reading texts of every sign: Looks, Nature, Career And Finance,
// Love And Domestic Life and Health, one table per language
// (sign_readings.cpp, sign_readings_hi.cpp, sign_readings_ta.cpp).
#pragma once

#include "tables/language.h"
#include "tables/sign_tables.h"

namespace tarvelin {

// The five readings of one sign, each one paragraph addressed to the reader.
struct SignReading {
  const char* looks;
  const char* nature;
  const char* career_and_finance;
  const char* love_and_domestic_life;
  const char* health;
};

// Index 0 = Aries ... 11 = Pisces.
extern const SignReading kEnglishSignReadings[12];
extern const SignReading kHindiSignReadings[12];
extern const SignReading kTamilSignReadings[12];

// Writes LooksText, NatureText, CareerAndFinanceText, LoveAndDomesticLifeText
// and HealthText of `tables` in `language`; leaves the rest alone.
void FillSignReadings(SignTables& tables, Language language);

}  // namespace tarvelin
