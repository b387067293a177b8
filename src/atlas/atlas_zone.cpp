// The offset from UTC in force at a local clock time of birth, from the
// system's time-zone database, and the zone-list entry for its standard time.
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "atlas/atlas.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// No place has ever been more than 14 hours from UTC (Line Islands, +14).
constexpr std::int64_t kLargestOffsetSeconds = 14 * 3600;
// Half a year, to look at the other season of the same year.
constexpr std::int64_t kHalfYearSeconds = 182 * kSecondsPerDay;

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

// The UTC instant at which the zone's clocks showed the wall time
// `localSeconds` (seconds count of the clock reading), and how that reading
// fits a change of the clocks. For a skipped reading the instant is one in
// the period after the change, whose offset then reads the clock time.
struct ResolvedInstant {
  std::int64_t probeUtcSeconds;  // an instant in the period that applies
  LocalTimeFit fit;
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
    // the jump, the instant lies after it: its period is the one to use.
    const int before = candidates.front();
    return {localSeconds - before, LocalTimeFit::Skipped};
  }
  // The larger offset gives the earlier instant: the first showing.
  const int earliest = *std::max_element(holding.begin(), holding.end());
  return {localSeconds - earliest,
          holding.size() > 1 ? LocalTimeFit::Repeated : LocalTimeFit::Unique};
}

// The standard offset and daylight saving of the period at `utcSeconds`.
// The database gives Irish time (and a few others) a negative daylight
// saving in winter and calls summer the standard time; this system means by
// daylight saving the clocks set forward from winter time, so such a zone is
// read with its winter offset as the standard one.
void StandardAndDaylight(const QTimeZone& zone, std::int64_t utcSeconds,
                         const QTimeZone::OffsetData& data, ZoneAtBirth& out) {
  out.utcOffsetSeconds = data.offsetFromUtc;
  out.standardOffsetSeconds = data.standardTimeOffset;
  if (data.daylightTimeOffset < 0) {
    out.standardOffsetSeconds = data.offsetFromUtc;
  } else if (data.daylightTimeOffset == 0) {
    for (const std::int64_t shift : {-kHalfYearSeconds, kHalfYearSeconds}) {
      const QTimeZone::OffsetData other = DataAt(zone, utcSeconds + shift);
      if (other.daylightTimeOffset < 0 &&
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

// --- the zone list ----------------------------------------------------------

// An entry's text split into name and abbreviation ("Indian Time, IST, +5.3":
// "Indian Time" and "IST").
struct EntryNames {
  QString name;
  QString abbreviation;
};

EntryNames NamesOf(const ZoneEntry& entry) {
  const QStringList parts = QString::fromUtf8(entry.text).split(u',');
  return {parts.value(0).trimmed(), parts.value(1).trimmed()};
}

// The words of a zone name that tell one zone from another.
QStringList TellingWords(const QString& name) {
  static const QStringList kCommon = {"time", "standard", "std"};
  QStringList words;
  for (const QString& word :
       name.toCaseFolded().split(u' ', Qt::SkipEmptyParts)) {
    if (!kCommon.contains(word)) words.append(word);
  }
  return words;
}

bool IsVariant(const QString& entryName) {
  return entryName.contains(u"Daylight") || entryName.contains(u"Summer") ||
         entryName.contains(u"War");
}

// Offset east of Greenwich in seconds of a list entry (the list holds the
// hours to add to local time for UT, so the sign turns).
int EntryOffsetSeconds(const ZoneEntry& entry) {
  return -(entry.offsetHours * 3600 + entry.offsetMinutes * 60);
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

  const ResolvedInstant instant = Resolve(zone, SecondsFromCivil(localBirth));
  const QTimeZone::OffsetData data = DataAt(zone, instant.probeUtcSeconds);
  ZoneAtBirth found;
  found.fit = instant.fit;
  StandardAndDaylight(zone, instant.probeUtcSeconds, data, found);
  found.abbreviation = LetterAbbreviation(data.abbreviation);
  found.standardAbbreviation =
      StandardAbbreviation(zone, instant.probeUtcSeconds, found, data);
  found.standardName =
      zone.displayName(QTimeZone::StandardTime, QTimeZone::LongName,
                       QLocale(QLocale::English, QLocale::UnitedStates))
          .toStdString();
  return found;
}

std::optional<int> ZoneListPosition(const ZoneAtBirth& zone) {
  const QString abbreviation =
      QString::fromStdString(zone.standardAbbreviation);
  const QStringList zoneWords =
      TellingWords(QString::fromStdString(zone.standardName));

  std::optional<int> best;
  std::tuple<bool, int, bool> bestScore{};
  for (int position = 0; position < kZoneCount; ++position) {
    const ZoneEntry& entry = kZoneTable[static_cast<std::size_t>(position)];
    if (EntryOffsetSeconds(entry) != zone.standardOffsetSeconds) continue;
    const EntryNames names = NamesOf(entry);
    int shared = 0;
    for (const QString& word : TellingWords(names.name)) {
      if (zoneWords.contains(word)) ++shared;
    }
    const std::tuple<bool, int, bool> score{
        !abbreviation.isEmpty() && names.abbreviation == abbreviation, shared,
        !IsVariant(names.name)};
    // Strictly better only: on a tie the earlier position stays.
    if (!best || score > bestScore) {
      best = position;
      bestScore = score;
    }
  }
  return best;
}

std::string UtcOffsetText(int offsetSeconds) {
  const int magnitude = std::abs(offsetSeconds);
  const int hours = magnitude / 3600;
  const int minutes = magnitude / 60 % 60;
  const int seconds = magnitude % 60;
  const char sign = offsetSeconds < 0 ? '-' : '+';
  char text[24];
  if (seconds == 0) {
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", sign, hours, minutes);
  } else {
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d:%02d", sign, hours,
                  minutes, seconds);
  }
  return text;
}

}  // namespace tarvelin
