#include "library/library_exchange.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

#include "library/birth_checks.h"
#include "tables/zone_table.h"

namespace tarvelin::library {
namespace {

constexpr char kCsvHeader[] = "name,date,time,lon,lat,zone,dst";
constexpr char kJsonFormat[] = "tarvelin-births";
constexpr int kJsonVersion = 1;
// The largest coordinates --batch takes, in minutes: 179:59 and 89:59.
constexpr long long kMaxLonMinutes = 179 * 60 + 59;
constexpr long long kMaxLatMinutes = 89 * 60 + 59;

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

bool EndsWith(const QString& path, const char* ending) {
  return path.endsWith(ending, Qt::CaseInsensitive);
}

Status FileProblem(const QString& message) {
  return Status{Fault::kFile, Text(message)};
}

Status WrongEnding(const QString& path) {
  return FileProblem("\"" + path + "\" must end in .csv or .json");
}

// --- CSV --------------------------------------------------------------------

// Why --batch could not read the birth back, or empty.
std::string CsvRefusal(const Birth& b, int zone) {
  for (const char c : b.name) {
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ')) {
      return "the name has letters outside A-Z, which --batch refuses "
             "(export to JSON keeps it)";
    }
  }
  if (zone < 0) {
    return "the exact UTC offset " + OffsetText(b.utcOffsetSeconds) +
           " is no zone-list entry's, so the --batch columns cannot hold it "
           "(export to JSON keeps it)";
  }
  if (std::llround(std::fabs(b.longitudeDegrees) * 60) > kMaxLonMinutes ||
      std::llround(std::fabs(b.latitudeDegrees) * 60) > kMaxLatMinutes) {
    return "the place rounds to a coordinate --batch refuses (export to JSON "
           "keeps it)";
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
  o["date"] = QText(DateText(b.local));
  o["time"] = QText(TimeText(b.local));
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

  std::string date, clock;
  if (!text("name", b.name) || !text("date", date) || !text("time", clock)) {
    return false;
  }
  b.name = Text(QText(b.name).trimmed().toUpper());
  int parts[6] = {0, 0, 0, 0, 0, 0};
  if (std::sscanf(date.c_str(), "%4d-%2d-%2d", &parts[0], &parts[1],
                  &parts[2]) != 3) {
    problem = "Date must look like YYYY-MM-DD, e.g. 1980-03-15";
    return false;
  }
  const int clockParts = std::sscanf(clock.c_str(), "%2d:%2d:%2d", &parts[3],
                                     &parts[4], &parts[5]);
  if (clockParts < 2) {
    problem = "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30";
    return false;
  }
  b.local =
      CivilDateTime{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
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
  if (const auto formProblem = BirthProblem(b)) {
    problem = *formProblem;
    return false;
  }
  return true;
}

Expected<std::vector<BirthLibrary::ImportRow>> JsonRows(const QByteArray& bytes,
                                                        const QString& path) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
  if (doc.isNull()) {
    return FileProblem("\"" + path + "\" is not JSON (" + error.errorString() +
                       " at byte " + QString::number(error.offset) + ")");
  }
  QJsonArray births;
  if (doc.isArray()) {
    births = doc.array();
  } else if (doc.object().value("births").isArray()) {
    const int version = doc.object().value("version").toInt(kJsonVersion);
    if (version > kJsonVersion) {
      return FileProblem("\"" + path +
                         "\" was written by a newer Tarvelin (version " +
                         QString::number(version) + ")");
    }
    births = doc.object().value("births").toArray();
  } else {
    return FileProblem("\"" + path + "\" holds no list of births");
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

Status WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
      !file.commit()) {
    return FileProblem("\"" + path + "\" cannot be written (" +
                       file.errorString() + ")");
  }
  return Status::Ok();
}

}  // namespace

QByteArray BirthsJson(const std::vector<SavedBirth>& births) {
  QJsonArray list;
  for (const SavedBirth& saved : births) list.append(BirthObject(saved));
  QJsonObject root;
  root["format"] = kJsonFormat;
  root["version"] = kJsonVersion;
  root["births"] = list;
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

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
    csv += b.name + "," + DateText(b.local) + "," + TimeText(b.local) + "," +
           LongitudeText(b.longitudeDegrees) + "," +
           LatitudeText(b.latitudeDegrees) + "," + std::to_string(zone) + "," +
           (b.daylightSavingSeconds != 0 ? "1" : "0") + "\n";
  }
  return csv;
}

Expected<ExportReport> ExportBirths(const std::vector<SavedBirth>& births,
                                    const QString& path) {
  ExportReport report;
  QByteArray bytes;
  if (EndsWith(path, ".csv")) {
    bytes = QByteArray::fromStdString(BirthsCsv(births, report.skipped));
  } else if (EndsWith(path, ".json")) {
    bytes = BirthsJson(births);
  } else {
    return WrongEnding(path);
  }
  const Status written = WriteFile(path, bytes);
  if (!written.ok()) return written;
  report.written = static_cast<int>(births.size() - report.skipped.size());
  return report;
}

Expected<std::vector<BirthLibrary::ImportRow>> ReadJsonRows(
    const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return FileProblem("\"" + path + "\" cannot be read (" +
                       file.errorString() + ")");
  }
  return JsonRows(file.readAll(), path);
}

}  // namespace tarvelin::library
