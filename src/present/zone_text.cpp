// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/zone_text.h"

#include <array>

#include "present/quantity_text.h"
#include "present/report_words.h"
#include "tables/utc_offset.h"
#include "tables/zone_names.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

bool FromList(const Birth& birth) {
  return birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount;
}

std::string ZoneSummary(const Birth& birth, Language language) {
  const ReportWords& words = WordsIn(language);
  std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  text.reserve(64);
  const auto inBrackets = [&text](const std::string& name) {
    text += " (";
    text += name;
    text += ')';
  };
  if (FromList(birth)) {
    inBrackets(ZoneNameOf(birth.zoneIndex, language));
  } else if (!birth.atlasZone.empty()) {
    inBrackets(birth.atlasZone);
  }
  if (birth.daylightSavingSeconds == 0) return text += words.noDaylightSaving;
  return text += Fill(words.withDaylightSaving,
                      {OffsetText(birth.daylightSavingSeconds)});
}

}  // namespace

bool OnPlainZoneEntry(const Birth& birth) {
  if (!FromList(birth) || !birth.atlasZone.empty() ||
      (birth.daylightSavingSeconds != 0 &&
       birth.daylightSavingSeconds != kSecondsPerHour)) {
    return false;
  }
  return EntryOffsetSeconds(kZoneTable[birth.zoneIndex]) +
             birth.daylightSavingSeconds ==
         birth.utcOffsetSeconds;
}

std::string ZoneUsedText(const Birth& birth, Language language) {
  if (FromList(birth)) return ZoneEntryText(birth.zoneIndex, language);
  const std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  if (birth.atlasZone.empty()) return text;
  return Fill(WordsIn(language).offsetAtBirth, {text, birth.atlasZone});
}

std::string ZoneSummaryText(const Birth& birth, Language language) {
  // A birth on a zone-list entry, with or without its hour of saving, is
  // one of 142 texts, made once: a batch asks for one a row.
  if (language != Language::kEnglish || !OnPlainZoneEntry(birth)) {
    return ZoneSummary(birth, language);
  }
  const bool saving = birth.daylightSavingSeconds == kSecondsPerHour;
  static const std::array<std::array<std::string, 2>, kZoneCount> texts = [] {
    std::array<std::array<std::string, 2>, kZoneCount> t;
    for (int zone = 0; zone < kZoneCount; ++zone) {
      for (const bool dst : {false, true}) {
        t[static_cast<std::size_t>(zone)][dst] =
            ZoneSummary(WithZoneEntry(Birth{}, zone, dst), Language::kEnglish);
      }
    }
    return t;
  }();
  return texts[static_cast<std::size_t>(birth.zoneIndex)][saving];
}

}  // namespace tarvelin
