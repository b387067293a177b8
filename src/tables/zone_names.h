// SPDX-License-Identifier: GPL-3.0-or-later
// The zone list in the user's language: each entry's name translated, its
// abbreviation and offset kept ("भारतीय समय, IST, +5.3").
#pragma once

#include <string>

#include "tables/language.h"

namespace tarvelin {

// The name of zone-list entry `index` ("Indian Time"); "" outside the list.
std::string ZoneNameOf(int index, Language language);

// The whole entry as the list shows it, its name in `language`; in English
// exactly kZoneTable's text.
std::string ZoneEntryText(int index, Language language);

}  // namespace tarvelin
