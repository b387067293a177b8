// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/utc_offset.h"

#include <cctype>
#include <cmath>
#include <tuple>
#include <vector>

namespace tarvelin {
namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr double kDegreesPerHour = 15;

// The words of a text, lower case (ASCII: the zone names are English).
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word.push_back(
          static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// An entry's text split into name and abbreviation ("Indian Time, IST, +5.3":
// "Indian Time" and "IST").
struct EntryNames {
  std::string_view name, abbreviation;
};
EntryNames NamesOf(const ZoneEntry& entry) {
  const std::string_view text = entry.text;
  const auto first = text.find(',');
  const auto second = text.find(',', first + 1);
  return {Trimmed(text.substr(0, first)),
          Trimmed(text.substr(first + 1, second - first - 1))};
}

// The words of a zone name that tell one zone from another.
std::vector<std::string> TellingWords(std::string_view name) {
  std::vector<std::string> telling;
  for (std::string& word : Words(name)) {
    if (word != "time" && word != "standard" && word != "std") {
      telling.push_back(std::move(word));
    }
  }
  return telling;
}

bool IsVariant(std::string_view entryName) {
  for (const char* kind : {"Daylight", "Summer", "War"}) {
    if (entryName.find(kind) != std::string_view::npos) return true;
  }
  return false;
}

// The entry of `offsetSeconds` the names fit best; variants preferred or not.
std::optional<int> BestEntry(int offsetSeconds, const ZoneNaming& naming,
                             bool preferVariant) {
  const std::vector<std::string> zoneWords = TellingWords(naming.name);
  std::optional<int> best;
  std::tuple<bool, int, bool> bestScore{};
  for (int position = 0; position < kZoneCount; ++position) {
    const ZoneEntry& entry = kZoneTable[static_cast<std::size_t>(position)];
    if (EntryOffsetSeconds(entry) != offsetSeconds) continue;
    const EntryNames names = NamesOf(entry);
    int shared = 0;
    for (const std::string& word : TellingWords(names.name)) {
      for (const std::string& zoneWord : zoneWords) {
        if (word == zoneWord) {
          ++shared;
          break;
        }
      }
    }
    const std::tuple<bool, int, bool> score{
        !naming.abbreviation.empty() &&
            names.abbreviation == naming.abbreviation,
        shared, IsVariant(names.name) == preferVariant};
    // Strictly better only: on a tie the earlier position stays.
    if (!best || score > bestScore) {
      best = position;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace

int EntryOffsetSeconds(const ZoneEntry& entry) {
  // The list holds the hours to add to local time for UT: the sign turns.
  return -(entry.offsetHours * kSecondsPerHour +
           entry.offsetMinutes * kSecondsPerMinute);
}

std::optional<ZoneListChoice> ZoneListChoiceFor(int utcOffsetSeconds,
                                                int daylightSavingSeconds,
                                                const ZoneNaming& standard,
                                                const ZoneNaming& inForce) {
  if (daylightSavingSeconds == kSecondsPerHour) {
    if (const std::optional<int> entry =
            BestEntry(utcOffsetSeconds - kSecondsPerHour, standard, false)) {
      return ZoneListChoice{*entry, true};
    }
  }
  const bool saving = daylightSavingSeconds != 0;
  if (const std::optional<int> entry =
          BestEntry(utcOffsetSeconds, saving ? inForce : standard, saving)) {
    return ZoneListChoice{*entry, false};
  }
  return std::nullopt;
}

std::optional<int> StandardZoneEntry(int offsetSeconds,
                                     const ZoneNaming& naming) {
  return BestEntry(offsetSeconds, naming, false);
}

double MeridianDistanceDegrees(int offsetSeconds, double longitudeDegrees) {
  const double meridian = offsetSeconds * kDegreesPerHour / kSecondsPerHour;
  const double apart =
      std::fabs(std::remainder(meridian - longitudeDegrees, 360.0));
  return apart;
}

bool ZoneFarFromLongitude(int offsetSeconds, double longitudeDegrees) {
  return MeridianDistanceDegrees(offsetSeconds, longitudeDegrees) >
         kFarMeridianDegrees;
}

}  // namespace tarvelin
