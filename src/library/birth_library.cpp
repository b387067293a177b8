// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/birth_library.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "library/library_schema.h"
#include "present/quantity_text.h"
#include "rules/birth_check.h"

namespace tarvelin::library {
namespace {

// SQLite's primary result codes that mean something to the user.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteConstraint = 19;
constexpr int kSqliteNotADatabase = 26;

const char kColumns[] =
    "id, name, year, month, day, hour, minute, second, latitude, "
    "latitude_hemisphere, longitude, longitude_hemisphere, "
    "utc_offset_seconds, daylight_saving_seconds, zone_index, atlas_zone, "
    "city, state, country, note, created_at, modified_at, last_used_at";

std::string Text(const QString& text) { return text.toStdString(); }
QString QText(const std::string& text) { return QString::fromStdString(text); }

std::int64_t NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

// Runs one statement with positional values; false leaves the error in q.
bool Run(QSqlQuery& q, const QString& sql, const QVariantList& values = {}) {
  // Read doubles as the 8 bytes SQLite holds, not through a 15-digit text.
  q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
  if (!q.prepare(sql)) return false;
  for (const QVariant& value : values) q.addBindValue(value);
  return q.exec();
}

SavedBirth RowToBirth(const QSqlQuery& q) {
  SavedBirth saved;
  Birth& b = saved.birth;
  int c = 0;
  saved.id = q.value(c++).toLongLong();
  b.name = Text(q.value(c++).toString());
  b.local.year = q.value(c++).toInt();
  b.local.month = q.value(c++).toInt();
  b.local.day = q.value(c++).toInt();
  b.local.hour = q.value(c++).toInt();
  b.local.minute = q.value(c++).toInt();
  b.local.second = q.value(c++).toInt();
  const double latitude = q.value(c++).toDouble();
  b.latitudeDegrees = q.value(c++).toString() == "S" ? -latitude : latitude;
  const double longitude = q.value(c++).toDouble();
  b.longitudeDegrees = q.value(c++).toString() == "W" ? -longitude : longitude;
  b.utcOffsetSeconds = q.value(c++).toInt();
  b.daylightSavingSeconds = q.value(c++).toInt();
  b.zoneIndex = q.value(c++).toInt();
  b.atlasZone = Text(q.value(c++).toString());
  b.city = Text(q.value(c++).toString());
  b.state = Text(q.value(c++).toString());
  b.country = Text(q.value(c++).toString());
  saved.note = Text(q.value(c++).toString());
  saved.createdMs = q.value(c++).toLongLong();
  saved.modifiedMs = q.value(c++).toLongLong();
  if (!q.value(c).isNull()) saved.lastUsedMs = q.value(c).toLongLong();
  return saved;
}

// The values of every column but id and the three times, in kColumns order.
QVariantList BirthValues(const SavedBirth& saved) {
  const Birth& b = saved.birth;
  return {QText(b.name),
          QText(NameKey(b.name)),
          b.local.year,
          b.local.month,
          b.local.day,
          b.local.hour,
          b.local.minute,
          b.local.second,
          std::fabs(b.latitudeDegrees),
          std::signbit(b.latitudeDegrees) ? "S" : "N",
          std::fabs(b.longitudeDegrees),
          std::signbit(b.longitudeDegrees) ? "W" : "E",
          b.utcOffsetSeconds,
          b.daylightSavingSeconds,
          b.zoneIndex,
          QText(b.atlasZone),
          QText(b.city),
          QText(b.state),
          QText(b.country),
          QText(saved.note)};
}

const char kValueColumns[] =
    "name, name_key, year, month, day, hour, minute, second, latitude, "
    "latitude_hemisphere, longitude, longitude_hemisphere, "
    "utc_offset_seconds, daylight_saving_seconds, zone_index, atlas_zone, "
    "city, state, country, note";

QString Quoted(const QString& path) { return "\"" + path + "\""; }

// The folder of a path ("." for a bare name).
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Whether the process may write `path` and its owner's write bit is set.
bool MayWrite(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) &&
         ::access(path.c_str(), W_OK) == 0;
}

// Makes `folder` and those above it; 0, or the errno of the failure.
int MakeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string part = folder.substr(0, at);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return errno;
  }
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return errno;
  return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// SQLite's URI of a file: every byte that is not plainly safe written as
// %XX, so that any file name comes through unchanged.
QString SqliteUri(const std::string& path, bool immutable) {
  QString uri = "file:";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9') || byte == '/' || byte == '-' ||
        byte == '_' || byte == '.') {
      uri += QChar(byte);
    } else {
      uri += QString::asprintf("%%%02X", byte);
    }
  }
  return immutable ? uri + "?immutable=1" : uri;
}

// Whether a write-ahead log is left beside the file (a copy had it open, or
// ended without closing it).
bool HasJournal(const std::string& path) {
  struct stat info {};
  return ::stat((path + "-wal").c_str(), &info) == 0 && info.st_size > 0;
}

Status Problem(Fault fault, const QString& message) {
  return Status{fault, Text(message)};
}

std::string PlaceText(const Birth& b) {
  std::string place;
  for (const std::string* part : {&b.city, &b.state, &b.country}) {
    if (part->empty()) continue;
    if (!place.empty()) place += ", ";
    place += *part;
  }
  if (!place.empty()) place += " ";
  return place + "(" +
         CoordinateText(b.latitudeDegrees, Axis::kLatitude,
                        CoordinateStyle::kEntry) +
         " " +
         CoordinateText(b.longitudeDegrees, Axis::kLongitude,
                        CoordinateStyle::kEntry) +
         ")";
}

}  // namespace

std::string NameKey(const std::string& name) {
  return Text(QText(name).trimmed().toCaseFolded());
}

bool SameEntries(const Birth& a, const Birth& b) {
  const auto same = [](double x, double y) {
    return x == y && std::signbit(x) == std::signbit(y);
  };
  return a.name == b.name && a.local == b.local &&
         same(a.latitudeDegrees, b.latitudeDegrees) &&
         same(a.longitudeDegrees, b.longitudeDegrees) &&
         a.utcOffsetSeconds == b.utcOffsetSeconds &&
         a.daylightSavingSeconds == b.daylightSavingSeconds &&
         a.zoneIndex == b.zoneIndex && a.atlasZone == b.atlasZone &&
         a.city == b.city && a.state == b.state && a.country == b.country;
}

std::string Describe(const SavedBirth& saved) {
  const Birth& b = saved.birth;
  return "#" + std::to_string(saved.id) + " " + b.name + ", " +
         DateText(b.local, DateStyle::kIso) + " " +
         TimeText(b.local, TimeStyle::kClock) + ", " + PlaceText(b);
}

QString BirthLibrary::DefaultPath() {
  // The desktop program's AppDataLocation (organisation and application
  // both "Tarvelin"), spelt out so that tarvelin-cli, which sets no names,
  // finds the same file.
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/Tarvelin/Tarvelin/births.sqlite";
}

BirthLibrary::BirthLibrary(QString path, QString connection, ReadOnly readOnly)
    : path_(std::move(path)),
      connection_(std::move(connection)),
      readOnly_(readOnly) {}

BirthLibrary::~BirthLibrary() {
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

Expected<std::unique_ptr<BirthLibrary>> BirthLibrary::Open(
    const QString& path) {
  return Open(path, Options{});
}

Expected<std::unique_ptr<BirthLibrary>> BirthLibrary::Open(const QString& path,
                                                           Options options) {
  return OpenFile(QFile::encodeName(path).toStdString(), options);
}

Expected<std::unique_ptr<BirthLibrary>> BirthLibrary::OpenFile(
    const std::string& nativePath, Options options) {
  const QString path = QFile::decodeName(QByteArray::fromStdString(nativePath));
  const std::string folder = FolderOf(nativePath);
  struct stat file {};
  ReadOnly readOnly = ReadOnly::kNo;
  if (::stat(nativePath.c_str(), &file) == 0) {
    if (!S_ISREG(file.st_mode)) {
      return Problem(Fault::kCannotOpen,
                     "The birth library " + Quoted(path) + " is not a file.");
    }
    // The owner's write bit counts even for a user who may write anyway, so
    // that a file (or folder) marked read-only is left alone. SQLite writes
    // its journal beside the file: without the folder nothing is saved.
    if (!MayWrite(nativePath)) {
      readOnly = ReadOnly::kFile;
    } else if (!MayWrite(folder)) {
      readOnly = ReadOnly::kFolder;
    }
  } else if (!options.create) {
    return Problem(Fault::kNotFound,
                   "There is no birth library at " + Quoted(path) + " yet.");
  } else if (const int error = MakeFolders(folder)) {
    return Problem(Fault::kCannotOpen,
                   "The folder of the birth library " + Quoted(path) +
                       " cannot be created (" +
                       QString::fromLocal8Bit(std::strerror(error)) + ").");
  }

  static std::atomic<int> connections{0};
  const QString connection =
      "tarvelin-library-" + QString::number(++connections);
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection);
    if (!db.isValid()) {
      db = QSqlDatabase();
      QSqlDatabase::removeDatabase(connection);
      return Problem(Fault::kCannotOpen,
                     "The birth library cannot be opened: Qt's SQLite driver "
                     "is missing (Debian package libqt6sql6-sqlite).");
    }
    // A URI keeps the file name's bytes as they are, UTF-8 or not.
    db.setDatabaseName(SqliteUri(nativePath, false));
    db.setConnectOptions(readOnly != ReadOnly::kNo
                             ? "QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"
                             : "QSQLITE_OPEN_URI");
  }
  // From here the library object closes the connection however Open ends.
  std::unique_ptr<BirthLibrary> library(
      new BirthLibrary(path, connection, readOnly));
  QSqlDatabase db = QSqlDatabase::database(connection, false);
  if (!db.open()) return library->Fail(db.lastError());
  if (readOnly == ReadOnly::kFolder && !library->Readable() &&
      !HasJournal(nativePath)) {
    // A library in WAL mode needs a shared-memory file beside it even to be
    // read. Closed cleanly (no journal left), the file holds every birth,
    // and SQLite may read it as a file that does not change.
    db.close();
    db.setDatabaseName(SqliteUri(nativePath, true));
    if (!db.open()) return library->Fail(db.lastError());
  }
  // SQLite answers "busy" at once, without waiting, while another copy
  // turns the same file to write-ahead logging or makes it a library: look
  // again a little later, within the busy timeout.
  constexpr int kRetryMs = 25;
  Status prepared = library->Prepare(options);
  for (int waited = 0;
       prepared.fault == Fault::kLocked && waited < options.busyTimeoutMs;
       waited += kRetryMs) {
    QThread::msleep(kRetryMs);
    prepared = library->Prepare(options);
  }
  if (!prepared.ok()) return prepared;
  return library;
}

Status BirthLibrary::Prepare(const Options& options) {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!Run(q, "PRAGMA busy_timeout = " +
                  QString::number(std::max(0, options.busyTimeoutMs)))) {
    return Fail(q.lastError());
  }
  // Nothing is written before the file is known to be a birth library of a
  // schema this build reads.
  if (!Run(q, "PRAGMA user_version") || !q.next()) return Fail(q.lastError());
  const int version = q.value(0).toInt();
  // Every read is finished at once: a statement left open keeps a read
  // snapshot, and a write transaction begun on a stale snapshot fails at
  // once with "busy" instead of waiting for the other copy.
  q.finish();
  if (version > kSchemaVersion) {
    return Problem(Fault::kNewerSchema,
                   "The birth library " + Quoted(path_) +
                       " was written by a newer Tarvelin (schema version " +
                       QString::number(version) + "; this one reads up to " +
                       QString::number(kSchemaVersion) +
                       ") and is left as it is.");
  }
  if (!Run(q, "PRAGMA quick_check(1)") || !q.next()) {
    return Fail(q.lastError());
  }
  const QString check = q.value(0).toString();
  q.finish();
  if (check != "ok") {
    return Problem(Fault::kCorrupt, "The birth library " + Quoted(path_) +
                                        " is damaged (" + check +
                                        ") and is left as it is.");
  }
  if (version == 0) {
    const Status foreign = RefuseForeign();
    if (!foreign.ok()) return foreign;
  }
  if (readOnly()) {
    if (version < kSchemaVersion) {
      return Problem(Fault::kReadOnly,
                     "The birth library " + Quoted(path_) +
                         " is read-only and of an older schema that this "
                         "Tarvelin would have to upgrade; it is left as it "
                         "is.");
    }
    return Status::Ok();
  }
  if (!Run(q, "PRAGMA journal_mode = WAL") || !q.next()) {
    return Fail(q.lastError());
  }
  q.finish();
  if (!Run(q, "PRAGMA synchronous = FULL")) return Fail(q.lastError());
  q.finish();
  if (version < kSchemaVersion) return Migrate();
  return Status::Ok();
}

Status BirthLibrary::RefuseForeign() const {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!Run(q, "SELECT count(*) FROM sqlite_master") || !q.next()) {
    return Fail(q.lastError());
  }
  if (q.value(0).toInt() == 0) return Status::Ok();
  q.finish();
  // Tables and no version: unless another copy has just made this new file
  // a library (its tables and version come in one transaction, and the
  // version read before the tables may predate it).
  if (!Run(q, "PRAGMA user_version") || !q.next()) return Fail(q.lastError());
  if (q.value(0).toInt() > 0) return Status::Ok();
  return Problem(Fault::kNotALibrary,
                 Quoted(path_) +
                     " is a database of another program, not a birth "
                     "library; it is left as it is.");
}

Status BirthLibrary::Migrate() {
  Status status = Begin();
  if (!status.ok()) return status;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  // Read again inside the transaction: another copy may have migrated the
  // file since it was opened.
  if (!Run(q, "PRAGMA user_version") || !q.next()) {
    status = Fail(q.lastError());
    Rollback();
    return status;
  }
  int version = q.value(0).toInt();
  if (version == 0) status = RefuseForeign();
  const auto& steps = SchemaSteps();
  for (; status.ok() && version < kSchemaVersion; ++version) {
    for (const char* statement : steps[static_cast<std::size_t>(version)]) {
      if (!Run(q, statement)) {
        status = Fail(q.lastError());
        break;
      }
    }
  }
  if (status.ok() &&
      !Run(q, "PRAGMA user_version = " + QString::number(kSchemaVersion))) {
    status = Fail(q.lastError());
  }
  if (!status.ok()) {
    Rollback();
    return status;
  }
  return Commit();
}

Status BirthLibrary::Begin() {
  if (readOnly()) return WriteRefused();
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  // IMMEDIATE takes the write lock at once (waiting up to the busy
  // timeout), so a transaction never has to upgrade a read lock and fail.
  if (!Run(q, "BEGIN IMMEDIATE")) return Fail(q.lastError());
  return Status::Ok();
}

Status BirthLibrary::Commit() {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (Run(q, "COMMIT")) return Status::Ok();
  const Status status = Fail(q.lastError());
  Rollback();
  return status;
}

void BirthLibrary::Rollback() {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  Run(q, "ROLLBACK");  // fails only when no transaction is open
}

Status BirthLibrary::WriteRefused() const {
  if (readOnly_ == ReadOnly::kFolder) {
    return Problem(Fault::kReadOnly,
                   "The birth library " + Quoted(path_) +
                       " can be read but not changed: its folder is "
                       "read-only, and SQLite keeps its journal there; "
                       "nothing is saved.");
  }
  return Problem(Fault::kReadOnly, "The birth library " + Quoted(path_) +
                                       " is read-only; nothing is saved.");
}

bool BirthLibrary::Readable() const {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  const bool read = Run(q, "PRAGMA user_version") && q.next();
  q.finish();
  return read;
}

Status BirthLibrary::Fail(const QSqlError& error) const {
  const int code = error.nativeErrorCode().toInt() & 0xff;
  const QString detail = error.databaseText().isEmpty() ? error.driverText()
                                                        : error.databaseText();
  switch (code) {
    case kSqliteBusy:
    case kSqliteLocked:
      return Problem(Fault::kLocked,
                     "The birth library " + Quoted(path_) +
                         " is in use by another program, which kept it "
                         "locked longer than this one waits; try again when "
                         "it is done.");
    case kSqliteReadOnly:
      return WriteRefused();
    case kSqliteCorrupt:
    case kSqliteNotADatabase:
      return Problem(Fault::kCorrupt, "The birth library " + Quoted(path_) +
                                          " is damaged (" + detail +
                                          ") and is left as it is.");
    case kSqliteConstraint:
      return Problem(Fault::kInvalid,
                     "The birth library refused a value (" + detail + ").");
    case kSqliteCantOpen:
    default:
      return Problem(Fault::kCannotOpen, "The birth library " + Quoted(path_) +
                                             " cannot be used (" + detail +
                                             ").");
  }
}

Expected<std::vector<SavedBirth>> BirthLibrary::Select(
    const QString& whereAndOrder, const QVariantList& values) const {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  q.setForwardOnly(true);
  if (!Run(q, QString("SELECT ") + kColumns + " FROM births " + whereAndOrder,
           values)) {
    return Fail(q.lastError());
  }
  std::vector<SavedBirth> births;
  while (q.next()) births.push_back(RowToBirth(q));
  if (q.lastError().isValid()) return Fail(q.lastError());
  return births;
}

namespace {
const char kByName[] =
    "ORDER BY name_key, year, month, day, hour, minute, second, id";
const char kByUse[] =
    "ORDER BY last_used_at IS NULL, last_used_at DESC, name_key, id";
}  // namespace

Expected<std::vector<SavedBirth>> BirthLibrary::List(
    Order order, const std::string& filter) const {
  auto births = Select(order == Order::kByName ? kByName : kByUse, {});
  if (!births || filter.empty()) return births;
  const QString wanted = QText(filter).trimmed().toCaseFolded();
  std::vector<SavedBirth> kept;
  for (SavedBirth& saved : *births) {
    const Birth& b = saved.birth;
    const QString haystack =
        QText(b.name + "\n" + b.city + "\n" + b.state + "\n" + b.country +
              "\n" + DateText(b.local, DateStyle::kIso))
            .toCaseFolded();
    if (haystack.contains(wanted)) kept.push_back(std::move(saved));
  }
  return kept;
}

Expected<std::vector<SavedBirth>> BirthLibrary::RecentlyUsed(int count) const {
  return Select(
      "WHERE last_used_at IS NOT NULL " + QString(kByUse) + " LIMIT ?",
      {std::max(0, count)});
}

Expected<SavedBirth> BirthLibrary::Get(std::int64_t id) const {
  auto births = Select("WHERE id = ?", {qlonglong(id)});
  if (!births) return births.status();
  if (births->empty()) {
    return Status{Fault::kNotFound,
                  "No saved birth #" + std::to_string(id) + "."};
  }
  return births->front();
}

Expected<std::optional<SavedBirth>> BirthLibrary::FindSame(
    const Birth& birth) const {
  auto births = Select(
      "WHERE name_key = ? AND year = ? AND month = ? AND day = ? AND "
      "hour = ? AND minute = ? AND second = ? AND latitude = ? AND "
      "latitude_hemisphere = ? AND longitude = ? AND "
      "longitude_hemisphere = ?",
      {QText(NameKey(birth.name)), birth.local.year, birth.local.month,
       birth.local.day, birth.local.hour, birth.local.minute,
       birth.local.second, std::fabs(birth.latitudeDegrees),
       std::signbit(birth.latitudeDegrees) ? "S" : "N",
       std::fabs(birth.longitudeDegrees),
       std::signbit(birth.longitudeDegrees) ? "W" : "E"});
  if (!births) return births.status();
  if (births->empty()) return std::optional<SavedBirth>();
  return std::optional<SavedBirth>(births->front());
}

Expected<std::vector<SavedBirth>> BirthLibrary::Named(
    const std::string& name) const {
  return Select("WHERE name_key = ? " + QString(kByUse),
                {QText(NameKey(name))});
}

Expected<SavedBirth> BirthLibrary::Resolve(const std::string& nameOrId) const {
  const QString text = QText(nameOrId).trimmed();
  if (text.startsWith('#')) {
    bool isNumber = false;
    const qlonglong id = text.mid(1).toLongLong(&isNumber);
    if (isNumber) return Get(id);
  }
  const std::string key = NameKey(nameOrId);
  if (key.empty()) return Status{Fault::kNotFound, "Please Enter Name"};
  auto matches = Select("WHERE name_key = ? " + QString(kByName), {QText(key)});
  if (matches && matches->empty()) {
    matches =
        Select("WHERE substr(name_key, 1, length(?)) = ? " + QString(kByName),
               {QText(key), QText(key)});
  }
  if (!matches) return matches.status();
  if (matches->empty()) {
    return Status{Fault::kNotFound,
                  "No saved birth is named \"" + Text(text) + "\"."};
  }
  if (matches->size() == 1) return matches->front();
  std::string message = "\"" + Text(text) + "\" names " +
                        std::to_string(matches->size()) +
                        " saved births; give one as #ID:";
  for (const SavedBirth& saved : *matches) message += "\n  " + Describe(saved);
  return Status{Fault::kAmbiguous, message};
}

Expected<std::int64_t> BirthLibrary::Insert(const SavedBirth& saved) {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  QVariantList values = BirthValues(saved);
  values << qlonglong(saved.createdMs) << qlonglong(saved.modifiedMs)
         << (saved.lastUsedMs ? QVariant(qlonglong(*saved.lastUsedMs))
                              : QVariant());
  if (!Run(q,
           QString("INSERT INTO births (") + kValueColumns +
               ", created_at, modified_at, last_used_at) VALUES (" +
               QString("?, ").repeated(int(values.size()) - 1) + "?)",
           values)) {
    return Fail(q.lastError());
  }
  return std::int64_t{q.lastInsertId().toLongLong()};
}

Status BirthLibrary::Update(const SavedBirth& saved) {
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  QString assignments;
  for (const QString& column : QString(kValueColumns).split(", ")) {
    assignments += column + " = ?, ";
  }
  QVariantList values = BirthValues(saved);
  values << qlonglong(saved.modifiedMs) << qlonglong(saved.id);
  if (!Run(q,
           "UPDATE births SET " + assignments + "modified_at = ? WHERE id = ?",
           values)) {
    return Fail(q.lastError());
  }
  return Status::Ok();
}

Expected<SavedBirth> BirthLibrary::Save(const Birth& birth,
                                        const std::optional<std::string>& note,
                                        OnDuplicate onDuplicate) {
  if (readOnly()) return WriteRefused();
  if (const auto problem = CheckBirth(birth)) {
    return Status{Fault::kInvalid, problem->message};
  }
  Status status = Begin();
  if (!status.ok()) return status;
  auto same =
      onDuplicate == OnDuplicate::kKeepBoth
          ? Expected<std::optional<SavedBirth>>(std::optional<SavedBirth>())
          : FindSame(birth);
  if (!same) {
    Rollback();
    return same.status();
  }
  const std::int64_t now = NowMs();
  SavedBirth saved;
  if (*same) {
    saved = **same;
    if (onDuplicate == OnDuplicate::kRefuse) {
      Rollback();
      return Status{Fault::kDuplicate,
                    "This birth is saved already: " + Describe(saved)};
    }
    saved.birth = birth;
    if (note) saved.note = *note;
    saved.modifiedMs = std::max(now, saved.createdMs);
    status = Update(saved);
  } else {
    saved.birth = birth;
    saved.note = note.value_or("");
    saved.createdMs = saved.modifiedMs = now;
    const auto id = Insert(saved);
    if (id) saved.id = *id;
    status = id.status();
  }
  if (!status.ok()) {
    Rollback();
    return status;
  }
  status = Commit();
  if (!status.ok()) return status;
  return saved;
}

Expected<SavedBirth> BirthLibrary::Replace(std::int64_t id,
                                           const Birth& birth) {
  if (readOnly()) return WriteRefused();
  if (const auto problem = CheckBirth(birth)) {
    return Status{Fault::kInvalid, problem->message};
  }
  Status status = Begin();
  if (!status.ok()) return status;
  auto saved = Get(id);
  if (!saved) {
    Rollback();
    return saved.status();
  }
  saved->birth = birth;
  saved->modifiedMs = std::max(NowMs(), saved->createdMs);
  status = Update(*saved);
  if (!status.ok()) {
    Rollback();
    return status;
  }
  status = Commit();
  if (!status.ok()) return status;
  return saved;
}

Status BirthLibrary::Remove(std::int64_t id) {
  Status status = Begin();
  if (!status.ok()) return status;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  if (!Run(q, "DELETE FROM births WHERE id = ?", {qlonglong(id)})) {
    status = Fail(q.lastError());
  } else if (q.numRowsAffected() == 0) {
    status =
        Status{Fault::kNotFound, "No saved birth #" + std::to_string(id) + "."};
  }
  if (!status.ok()) {
    Rollback();
    return status;
  }
  return Commit();
}

Status BirthLibrary::MarkUsed(std::int64_t id) {
  Status status = Begin();
  if (!status.ok()) return status;
  QSqlQuery q(QSqlDatabase::database(connection_, false));
  // Later than every other use, even within the same millisecond, so that
  // the order of use is the order of the calls.
  if (!Run(q,
           "UPDATE births SET last_used_at = max(?, 1 + coalesce("
           "(SELECT max(last_used_at) FROM births), -1)) WHERE id = ?",
           {qlonglong(NowMs()), qlonglong(id)})) {
    status = Fail(q.lastError());
  } else if (q.numRowsAffected() == 0) {
    status =
        Status{Fault::kNotFound, "No saved birth #" + std::to_string(id) + "."};
  }
  if (!status.ok()) {
    Rollback();
    return status;
  }
  return Commit();
}

Expected<std::vector<BirthLibrary::ImportResult>> BirthLibrary::Import(
    const std::vector<ImportRow>& rows) {
  Status status = Begin();
  if (!status.ok()) return status;
  std::vector<ImportResult> results;
  const std::int64_t now = NowMs();
  for (const ImportRow& row : rows) {
    ImportResult result{row.line, row.name, ImportOutcome::kRefused,
                        row.refusal, 0};
    if (row.birth) {
      if (const auto problem = CheckBirth(row.birth->birth)) {
        result.reason = problem->message;
      } else {
        auto same = FindSame(row.birth->birth);
        if (!same) {
          status = same.status();
          break;
        }
        if (*same) {
          result.outcome = ImportOutcome::kDuplicate;
          result.id = (*same)->id;
          result.reason = "same name, date, time and place as #" +
                          std::to_string(result.id);
        } else {
          SavedBirth saved = *row.birth;
          if (saved.createdMs <= 0) saved.createdMs = now;
          saved.modifiedMs = std::max(saved.modifiedMs, saved.createdMs);
          const auto id = Insert(saved);
          if (!id) {
            status = id.status();
            break;
          }
          result.outcome = ImportOutcome::kAdded;
          result.id = *id;
          result.reason.clear();
        }
      }
    }
    results.push_back(std::move(result));
  }
  if (!status.ok()) {
    Rollback();
    return status;
  }
  status = Commit();
  if (!status.ok()) return status;
  return results;
}

}  // namespace tarvelin::library
