// SPDX-License-Identifier: GPL-3.0-or-later
// The offset from UTC in force at a local clock time of birth, from the
// system's time-zone database, and the zone-list entry for its standard time.
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>
#include <array>

#include "atlas/atlas.h"
#include "chart/birth_limits.h"
#include "tables/utc_offset.h"

namespace tarvelin {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// No place has ever been further from UTC than the largest offset a birth
// may have (Line Islands, +14).
constexpr std::int64_t kLargestOffsetSeconds = kLargestUtcOffsetSeconds;

QTimeZone::OffsetData DataAt(const QTimeZone& zone, std::int64_t utcSeconds) {
  return zone.offsetData(
      QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
}

int OffsetAt(const QTimeZone& zone, std::int64_t utcSeconds) {
  return DataAt(zone, utcSeconds).offsetFromUtc;
}

// The database writes "+0545" where a zone has no letters of its own.
std::string LetterAbbreviation(const QString& abbreviation) {
  if (abbreviation.isEmpty()) return {};
  const QChar first = abbreviation.front();
  if (first == u'+' || first == u'-' || first.isDigit()) return {};
  return abbreviation.toStdString();
}

// The offset with which the zone's clocks showed the wall time
// `localSeconds` (seconds count of the clock reading), and how that reading
// fits a change of the clocks. A reading skipped when the clocks went
// forward is taken as the time-zone database and most libraries take it:
// with the offset before the change, which moves it forward by the gap
// (New York 2015-03-08 02:30 is 03:30 EDT, 07:30 UT).
struct ResolvedInstant {
  std::int64_t probeUtcSeconds;  // an instant in the period whose offset
                                 // is taken
  LocalTimeFit fit;
  // The offset of the reading not taken, for a skipped or repeated time: the
  // offset after the change, or of the later of two showings.
  int otherOffsetSeconds = 0;
};

ResolvedInstant Resolve(const QTimeZone& zone, std::int64_t localSeconds) {
  // Every offset in force within a day either side of the reading is a
  // candidate; a candidate holds when the instant it gives has that offset.
  std::array<int, 5> candidates{};
  const std::array<std::int64_t, 5> probes = {
      -kSecondsPerDay, -kLargestOffsetSeconds, 0, kLargestOffsetSeconds,
      kSecondsPerDay};
  for (std::size_t i = 0; i < probes.size(); ++i) {
    candidates[i] = OffsetAt(zone, localSeconds + probes[i]);
  }
  std::vector<int> holding;
  for (const int offset : candidates) {
    if (std::find(holding.begin(), holding.end(), offset) != holding.end()) {
      continue;
    }
    if (OffsetAt(zone, localSeconds - offset) == offset) {
      holding.push_back(offset);
    }
  }
  if (holding.empty()) {
    // Clocks jumped forward over the reading. Read with the offset before
    // the jump, the instant lies just after it; the period before the jump
    // is the one whose offset is taken.
    const int before = candidates.front();
    const std::int64_t instant = localSeconds - before;
    const QTimeZone::OffsetData jump = zone.previousTransition(
        QDateTime::fromSecsSinceEpoch(instant + 1, QTimeZone::utc()));
    std::int64_t probe = localSeconds - kSecondsPerDay - before;
    if (jump.atUtc.isValid() &&
        OffsetAt(zone, jump.atUtc.toSecsSinceEpoch() - 1) == before) {
      probe = jump.atUtc.toSecsSinceEpoch() - 1;
    }
    return {probe, LocalTimeFit::Skipped, OffsetAt(zone, instant)};
  }
  // The larger offset gives the earlier instant: the first showing.
  const int earliest = *std::max_element(holding.begin(), holding.end());
  const int latest = *std::min_element(holding.begin(), holding.end());
  return {localSeconds - earliest,
          holding.size() > 1 ? LocalTimeFit::Repeated : LocalTimeFit::Unique,
          latest};
}

// The period before and the period after the one at `utcSeconds`.
std::array<QTimeZone::OffsetData, 2> NeighbourPeriods(const QTimeZone& zone,
                                                      std::int64_t utcSeconds) {
  const QDateTime at =
      QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
  std::array<QTimeZone::OffsetData, 2> periods{};
  const QTimeZone::OffsetData started = zone.previousTransition(at.addSecs(1));
  if (started.atUtc.isValid()) {
    periods[0] = zone.offsetData(started.atUtc.addSecs(-1));
  }
  periods[1] = zone.nextTransition(at);
  return periods;
}

// The standard offset and daylight saving of the period at `utcSeconds`.
// The database gives Irish time (and Casablanca's and, until 2017,
// Windhoek's) a negative daylight saving in winter and calls summer the
// standard time; this system means by daylight saving the clocks set forward
// from winter time, so such a zone is read with its winter offset as the
// standard one: a summer period next to a winter one of negative saving is
// daylight saving by the difference.
void StandardAndDaylight(const QTimeZone& zone, std::int64_t utcSeconds,
                         const QTimeZone::OffsetData& data, ZoneAtBirth& out) {
  out.utcOffsetSeconds = data.offsetFromUtc;
  out.standardOffsetSeconds = data.standardTimeOffset;
  if (data.daylightTimeOffset < 0) {
    out.standardOffsetSeconds = data.offsetFromUtc;
  } else if (data.daylightTimeOffset == 0) {
    for (const QTimeZone::OffsetData& other :
         NeighbourPeriods(zone, utcSeconds)) {
      if (other.atUtc.isValid() && other.daylightTimeOffset < 0 &&
          other.standardTimeOffset == data.offsetFromUtc) {
        out.standardOffsetSeconds = other.offsetFromUtc;
        break;
      }
    }
  }
  out.daylightSaving = out.utcOffsetSeconds > out.standardOffsetSeconds;
}

// The letters of the standard time around `utcSeconds`: of that period when
// it is standard time, else of the period before or after the daylight
// saving that contains it.
std::string StandardAbbreviation(const QTimeZone& zone, std::int64_t utcSeconds,
                                 const ZoneAtBirth& found,
                                 const QTimeZone::OffsetData& data) {
  if (!found.daylightSaving) return LetterAbbreviation(data.abbreviation);
  const QDateTime at =
      QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
  const QTimeZone::OffsetData started = zone.previousTransition(at.addSecs(1));
  if (started.atUtc.isValid()) {
    const QTimeZone::OffsetData before =
        zone.offsetData(started.atUtc.addSecs(-1));
    if (before.offsetFromUtc == found.standardOffsetSeconds) {
      return LetterAbbreviation(before.abbreviation);
    }
  }
  const QTimeZone::OffsetData ended = zone.nextTransition(at);
  if (ended.atUtc.isValid() &&
      ended.offsetFromUtc == found.standardOffsetSeconds) {
    return LetterAbbreviation(ended.abbreviation);
  }
  return {};
}

QString EnglishName(const QTimeZone& zone, QTimeZone::TimeType type) {
  return zone.displayName(type, QTimeZone::LongName,
                          QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace

std::optional<ZoneAtBirth> ZoneAtLocalTime(const std::string& ianaZone,
                                           const CivilDateTime& localBirth) {
  const QByteArray id = QByteArray::fromStdString(ianaZone);
  // Not isTimeZoneIdAvailable: it leaves out the database's links, such as
  // Europe/Kiev for Europe/Kyiv, which the atlas still uses.
  if (id.isEmpty()) return {};
  const QTimeZone zone(id);
  if (!zone.isValid()) return {};

  const std::int64_t localSeconds = SecondsFromCivil(localBirth);
  const ResolvedInstant instant = Resolve(zone, localSeconds);
  const QTimeZone::OffsetData data = DataAt(zone, instant.probeUtcSeconds);
  ZoneAtBirth found;
  found.fit = instant.fit;
  StandardAndDaylight(zone, instant.probeUtcSeconds, data, found);
  found.daylightSavingSeconds =
      found.utcOffsetSeconds - found.standardOffsetSeconds;
  found.universal = CivilFromSeconds(localSeconds - found.utcOffsetSeconds);
  if (found.fit != LocalTimeFit::Unique) {
    found.otherOffsetSeconds = instant.otherOffsetSeconds;
    found.otherUniversal =
        CivilFromSeconds(localSeconds - instant.otherOffsetSeconds);
  }
  found.abbreviation = LetterAbbreviation(data.abbreviation);
  found.standardAbbreviation =
      StandardAbbreviation(zone, instant.probeUtcSeconds, found, data);
  found.standardName = EnglishName(zone, QTimeZone::StandardTime).toStdString();
  found.daylightName = EnglishName(zone, QTimeZone::DaylightTime).toStdString();
  return found;
}

std::optional<int> ZoneListPosition(const ZoneAtBirth& zone) {
  return StandardZoneEntry(zone.standardOffsetSeconds,
                           {zone.standardAbbreviation, zone.standardName});
}

std::optional<ZoneListChoice> ZoneListChoiceAtBirth(const ZoneAtBirth& zone) {
  return ZoneListChoiceFor(
      zone.utcOffsetSeconds, zone.daylightSavingSeconds,
      {zone.standardAbbreviation, zone.standardName},
      {zone.abbreviation, zone.daylightSavingSeconds != 0 ? zone.daylightName
                                                          : zone.standardName});
}

}  // namespace tarvelin
