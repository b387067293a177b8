#include "present/zone_text.h"

#include "present/quantity_text.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

bool FromList(const Birth& birth) {
  return birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount;
}

}  // namespace

std::string ZoneUsedText(const Birth& birth) {
  if (FromList(birth)) return kZoneTable[birth.zoneIndex].text;
  std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  if (!birth.atlasZone.empty()) {
    text += " at the birth (" + birth.atlasZone + ")";
  }
  return text;
}

std::string ZoneSummaryText(const Birth& birth) {
  std::string text = UtcOffsetText(birth.utcOffsetSeconds);
  if (FromList(birth)) {
    const std::string entry = kZoneTable[birth.zoneIndex].text;
    text += " (" + entry.substr(0, entry.find(',')) + ")";
  } else if (!birth.atlasZone.empty()) {
    text += " (" + birth.atlasZone + ")";
  }
  if (birth.daylightSavingSeconds == 0) return text + ", no daylight saving";
  return text + ", with daylight saving (" +
         OffsetText(birth.daylightSavingSeconds) + ")";
}

}  // namespace tarvelin
