// SPDX-License-Identifier: GPL-3.0-or-later
// How the offset of a birth is shown: which zone-list entry or exact offset
// was used, and the offset with whether daylight saving was counted.
#pragma once

#include <string>

#include "chart/birth.h"
#include "tables/language.h"

namespace tarvelin {

// The zone-list entry's text ("Indian Time, IST, +5.3"), or for an exact
// offset "UTC+05:45 at the birth (Asia/Kathmandu)" (from the atlas) or
// "UTC+05:45" (typed).
std::string ZoneUsedText(const Birth& birth,
                         Language language = Language::kEnglish);

// "UTC+05:30 (Indian Time), no daylight saving", "UTC+02:00 (Central
// European Time), with daylight saving (+01:00)", "UTC+05:45
// (Asia/Kathmandu), no daylight saving".
std::string ZoneSummaryText(const Birth& birth,
                            Language language = Language::kEnglish);

// Whether `birth` is on a zone-list entry with that entry's offset and no
// atlas zone, with or without the entry's hour of daylight saving: a birth
// whose zone texts are those of the entry alone (made once for the 142).
bool OnPlainZoneEntry(const Birth& birth);

}  // namespace tarvelin
