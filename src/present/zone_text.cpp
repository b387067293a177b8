// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/zone_text.h"

#include "present/quantity_text.h"
#include "present/report_words.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

bool FromList(const Birth& birth) {
  return birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount;
}

}  // namespace

std::string ZoneUsedText(const Birth& birth, Language language) {
  if (FromList(birth)) return ZoneEntryText(birth.zoneIndex, language);
  const std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  if (birth.atlasZone.empty()) return text;
  return Fill(WordsIn(language).offsetAtBirth, {text, birth.atlasZone});
}

std::string ZoneSummaryText(const Birth& birth, Language language) {
  const ReportWords& words = WordsIn(language);
  std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  if (FromList(birth)) {
    text += " (" + ZoneNameOf(birth.zoneIndex, language) + ")";
  } else if (!birth.atlasZone.empty()) {
    text += " (" + birth.atlasZone + ")";
  }
  if (birth.daylightSavingSeconds == 0) return text + words.noDaylightSaving;
  return text + Fill(words.withDaylightSaving,
                     {OffsetText(birth.daylightSavingSeconds)});
}

}  // namespace tarvelin
