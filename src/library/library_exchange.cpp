// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_exchange.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "library/birth_checks.h"
#include "present/quantity_text.h"
#include "rules/birth_check.h"
#include "rules/text_readers.h"
#include "tables/zone_table.h"

namespace tarvelin::library {
namespace {

constexpr char kCsvHeader[] = "name,date,time,lon,lat,zone,dst";
constexpr char kJsonFormat[] = "tarvelin-births";
constexpr int kJsonVersion = 1;

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

Status FileProblem(const std::string& message) {
  return Status{Fault::kFile, message};
}

// --- CSV --------------------------------------------------------------------

// Why --batch could not read the birth back, or empty. The columns hold
// what passes CheckBirth (a name of letters and blanks holds no comma), the
// coordinates to the minute, and a zone-list entry.
std::string CsvRefusal(const Birth& b, int zone) {
  if (const std::optional<InputProblem> problem = CheckBirth(b)) {
    return "it no longer passes the checks (" + problem->message + ")";
  }
  if (zone < 0) {
    return "the exact UTC offset " + OffsetText(b.utcOffsetSeconds) +
           " is no zone-list entry's, so the --batch columns cannot hold it "
           "(export to JSON keeps it)";
  }
  return "";
}

// --- JSON -------------------------------------------------------------------

QJsonValue TimeValue(std::int64_t ms) {
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)
      .toString(Qt::ISODateWithMs);
}

QJsonObject BirthObject(const SavedBirth& saved) {
  const Birth& b = saved.birth;
  QJsonObject o;
  o["name"] = QText(b.name);
  o["date"] = QText(DateText(b.local, DateStyle::kIso));
  o["time"] = QText(TimeText(b.local, TimeStyle::kClock));
  o["latitude"] = b.latitudeDegrees;
  o["latitudeHemisphere"] = std::signbit(b.latitudeDegrees) ? "S" : "N";
  o["longitude"] = b.longitudeDegrees;
  o["longitudeHemisphere"] = std::signbit(b.longitudeDegrees) ? "W" : "E";
  o["utcOffsetSeconds"] = b.utcOffsetSeconds;
  o["daylightSavingSeconds"] = b.daylightSavingSeconds;
  o["zone"] = b.zoneIndex == Birth::kExactOffset ? QJsonValue()
                                                 : QJsonValue(b.zoneIndex);
  o["atlasZone"] = QText(b.atlasZone);
  o["city"] = QText(b.city);
  o["state"] = QText(b.state);
  o["country"] = QText(b.country);
  o["note"] = QText(saved.note);
  o["created"] = TimeValue(saved.createdMs);
  o["modified"] = TimeValue(saved.modifiedMs);
  o["lastUsed"] =
      saved.lastUsedMs ? TimeValue(*saved.lastUsedMs) : QJsonValue();
  return o;
}

// Reads one birth object; false with `problem` set when a field is missing
// or of the wrong kind.
bool ReadBirthObject(const QJsonObject& o, SavedBirth& saved,
                     std::string& problem) {
  Birth& b = saved.birth;
  const auto text = [&](const char* key, std::string& out) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull()) return true;
    if (!v.isString()) {
      problem = std::string("\"") + key + "\" must be a text";
      return false;
    }
    out = Text(v.toString());
    return true;
  };
  const auto integer = [&](const char* key, int& out) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined()) return true;
    const double d = v.toDouble(0.5);
    if (!v.isDouble() || d != std::floor(d) || std::fabs(d) > 1e9) {
      problem = std::string("\"") + key + "\" must be a whole number";
      return false;
    }
    out = static_cast<int>(d);
    return true;
  };
  const auto coordinate = [&](const char* key, const char* hemisphereKey,
                              char negative, double& out) {
    const QJsonValue v = o.value(key);
    if (!v.isDouble()) {
      problem = std::string("\"") + key + "\" must be a number of degrees";
      return false;
    }
    out = v.toDouble();
    const QString hemisphere = o.value(hemisphereKey).toString();
    if (hemisphere.isEmpty()) return true;
    const bool negativeHemisphere = hemisphere == QChar(negative);
    if (out != 0 && std::signbit(out) != negativeHemisphere) {
      problem =
          std::string("\"") + key + "\" and \"" + hemisphereKey + "\" disagree";
      return false;
    }
    out = negativeHemisphere ? -std::fabs(out) : std::fabs(out);
    return true;
  };
  const auto time = [&](const char* key, std::int64_t& out) {
    const QString value = o.value(key).toString();
    if (value.isEmpty()) return;
    const QDateTime t = QDateTime::fromString(value, Qt::ISODateWithMs);
    if (t.isValid()) out = t.toMSecsSinceEpoch();
  };

  std::string name, date, clock;
  if (!text("name", name) || !text("date", date) || !text("time", clock)) {
    return false;
  }
  // The texts through the readers every other road uses.
  Reading<std::string> readName = ReadName(name);
  if (!readName) {
    problem = readName.problem.message;
    return false;
  }
  b.name = std::move(*readName.value);
  const Reading<CivilDate> readDate = ReadDate(date);
  if (!readDate) {
    problem = readDate.problem.message;
    return false;
  }
  const Reading<ClockTime> readClock = ReadClockTime(clock);
  if (!readClock) {
    problem = readClock.problem.message;
    return false;
  }
  b.local =
      CivilDateTime{readDate->year,  readDate->month,   readDate->day,
                    readClock->hour, readClock->minute, readClock->second};
  if (!coordinate("latitude", "latitudeHemisphere", 'S', b.latitudeDegrees) ||
      !coordinate("longitude", "longitudeHemisphere", 'W',
                  b.longitudeDegrees)) {
    return false;
  }
  const QJsonValue zone = o.value("zone");
  b.zoneIndex = Birth::kExactOffset;
  if (!zone.isNull() && !zone.isUndefined() && !integer("zone", b.zoneIndex)) {
    return false;
  }
  if (!integer("daylightSavingSeconds", b.daylightSavingSeconds)) return false;
  if (b.zoneIndex >= 0 && b.zoneIndex < kZoneCount &&
      o.value("utcOffsetSeconds").isUndefined()) {
    b = WithZoneEntry(b, b.zoneIndex, b.daylightSavingSeconds != 0);
  } else if (o.value("utcOffsetSeconds").isUndefined()) {
    problem = "\"utcOffsetSeconds\" is needed where there is no zone";
    return false;
  } else if (!integer("utcOffsetSeconds", b.utcOffsetSeconds)) {
    return false;
  }
  if (!text("atlasZone", b.atlasZone) || !text("city", b.city) ||
      !text("state", b.state) || !text("country", b.country) ||
      !text("note", saved.note)) {
    return false;
  }
  time("created", saved.createdMs);
  time("modified", saved.modifiedMs);
  std::int64_t lastUsed = 0;
  time("lastUsed", lastUsed);
  if (lastUsed > 0) saved.lastUsedMs = lastUsed;
  if (const std::optional<InputProblem> check = CheckBirth(b)) {
    problem = check->message;
    return false;
  }
  return true;
}

// The CSV text of an export.
std::string BirthsCsv(const std::vector<SavedBirth>& births,
                      std::vector<ExportReport::Skipped>& skipped) {
  std::string csv = std::string(kCsvHeader) + "\n";
  for (const SavedBirth& saved : births) {
    const Birth& b = saved.birth;
    const int zone = ZoneEntryFor(b);
    const std::string refusal = CsvRefusal(b, zone);
    if (!refusal.empty()) {
      skipped.push_back({saved, refusal});
      continue;
    }
    csv += b.name + "," + DateText(b.local, DateStyle::kIso) + "," +
           TimeText(b.local, TimeStyle::kClock) + "," +
           CoordinateText(b.longitudeDegrees, Axis::kLongitude,
                          CoordinateStyle::kEntry) +
           "," +
           CoordinateText(b.latitudeDegrees, Axis::kLatitude,
                          CoordinateStyle::kEntry) +
           "," + std::to_string(zone) + "," +
           (b.daylightSavingSeconds != 0 ? "1" : "0") + "\n";
  }
  return csv;
}

}  // namespace

Expected<std::vector<BirthLibrary::ImportRow>> JsonRows(
    std::string_view bytes, const std::string& name) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray::fromRawData(bytes.data(),
                              static_cast<qsizetype>(bytes.size())),
      &error);
  if (doc.isNull()) {
    return FileProblem(name + " is not JSON (" + Text(error.errorString()) +
                       " at byte " + std::to_string(error.offset) + ")");
  }
  QJsonArray births;
  if (doc.isArray()) {
    births = doc.array();
  } else if (doc.object().value("births").isArray()) {
    const int version = doc.object().value("version").toInt(kJsonVersion);
    if (version > kJsonVersion) {
      return FileProblem(name + " was written by a newer Tarvelin (version " +
                         std::to_string(version) + ")");
    }
    births = doc.object().value("births").toArray();
  } else {
    return FileProblem(name + " holds no list of births");
  }
  std::vector<BirthLibrary::ImportRow> rows;
  int line = 0;
  for (const QJsonValue& value : births) {
    BirthLibrary::ImportRow row;
    row.line = ++line;
    row.name = Text(value.toObject().value("name").toString());
    SavedBirth saved;
    if (!value.isObject()) {
      row.refusal = "not a birth object";
    } else if (ReadBirthObject(value.toObject(), saved, row.refusal)) {
      row.birth = saved;
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

QByteArray BirthsJson(const std::vector<SavedBirth>& births) {
  QJsonArray list;
  for (const SavedBirth& saved : births) list.append(BirthObject(saved));
  QJsonObject root;
  root["format"] = kJsonFormat;
  root["version"] = kJsonVersion;
  root["births"] = list;
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}


ExchangeFormat FormatOf(const std::string& path) {
  const auto endsWith = [&path](std::string_view ending) {
    if (path.size() < ending.size()) return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
      const char c = path[path.size() - ending.size() + i];
      if ((c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) != ending[i]) {
        return false;
      }
    }
    return true;
  };
  if (endsWith(".csv")) return ExchangeFormat::kCsv;
  if (endsWith(".json")) return ExchangeFormat::kJson;
  return ExchangeFormat::kNone;
}

Expected<ExportFile> ExportBytes(const std::vector<SavedBirth>& births,
                                 const std::string& path) {
  ExportFile file;
  const ExchangeFormat format = FormatOf(path);
  if (format == ExchangeFormat::kCsv) {
    file.bytes = BirthsCsv(births, file.report.skipped);
  } else if (format == ExchangeFormat::kJson) {
    file.bytes = BirthsJson(births).toStdString();
  } else {
    return FileProblem(path + " must end in .csv or .json");
  }
  file.report.written =
      static_cast<int>(births.size() - file.report.skipped.size());
  return file;
}

}  // namespace tarvelin::library
