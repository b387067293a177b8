// SPDX-License-Identifier: GPL-3.0-or-later
// How a saved birth meets the zone list: the entry it can be shown with.
// (The check of a birth is CheckBirth, in rules/birth_check.h; the texts of
// its quantities come from present/quantity_text.h.)
#pragma once

#include "chart/birth.h"

namespace tarvelin::library {

// The zone-list entry a birth can be shown with: its own, or for an exact
// offset the first entry of that standard offset whose daylight-saving box
// (none or one hour) makes up the rest, which computes the same. -1 when
// there is none (+05:45, a two-hour daylight saving).
int ZoneEntryFor(const Birth& birth);

}  // namespace tarvelin::library
