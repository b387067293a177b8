// SPDX-License-Identifier: GPL-3.0-or-later
// The birth library on real SQLite files in temporary folders: what is
// saved comes back field for field, old files are migrated, damaged and
// foreign files are reported and left alone, and two programs may write at
// once. The helper modes at the bottom run as separate processes.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstring>

#include "library/birth_library.h"
#include "library/library_exchange.h"

namespace tarvelin::library {
namespace {

QString g_self;  // this test program, for the writer processes

Birth ZoneBirth(const std::string& name = "RAM") {
  Birth b;
  b.name = name;
  b.local = CivilDateTime{1980, 3, 15, 21, 5, 30};
  b.latitudeDegrees = 28.6;
  b.longitudeDegrees = 77.2;
  b.city = "New Delhi";
  b.state = "Delhi";
  b.country = "India";
  return WithZoneEntry(b, 34, false);
}

// A birth of an exact offset (+5:45) with a name of another script, south
// of the equator at zero latitude, west, with coordinates that are no whole
// minutes, and a daylight saving of two hours.
Birth UnusualBirth() {
  Birth b;
  b.name = "ŞÜKRÜ ÇELİK";
  b.local = CivilDateTime{2050, 12, 31, 23, 59, 59};
  b.latitudeDegrees = -0.0;
  b.longitudeDegrees = -123.456789012345678;
  b.utcOffsetSeconds = 5 * 3600 + 45 * 60;
  b.daylightSavingSeconds = 7200;
  b.zoneIndex = Birth::kExactOffset;
  b.atlasZone = "Asia/Kathmandu";
  b.city = "Kathmandu";
  b.country = "Nepal";
  return b;
}

void ExpectSameBirth(const Birth& a, const Birth& b) {
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.local, b.local);
  // Bit for bit, the hemisphere of a zero included.
  EXPECT_EQ(std::memcmp(&a.latitudeDegrees, &b.latitudeDegrees, 8), 0)
      << a.latitudeDegrees << " vs " << b.latitudeDegrees;
  EXPECT_EQ(std::memcmp(&a.longitudeDegrees, &b.longitudeDegrees, 8), 0)
      << a.longitudeDegrees << " vs " << b.longitudeDegrees;
  EXPECT_EQ(a.utcOffsetSeconds, b.utcOffsetSeconds);
  EXPECT_EQ(a.daylightSavingSeconds, b.daylightSavingSeconds);
  EXPECT_EQ(a.zoneIndex, b.zoneIndex);
  EXPECT_EQ(a.atlasZone, b.atlasZone);
  EXPECT_EQ(a.city, b.city);
  EXPECT_EQ(a.state, b.state);
  EXPECT_EQ(a.country, b.country);
}

void ExpectSameSaved(const SavedBirth& a, const SavedBirth& b) {
  ExpectSameBirth(a.birth, b.birth);
  EXPECT_EQ(a.note, b.note);
  EXPECT_EQ(a.createdMs, b.createdMs);
  EXPECT_EQ(a.modifiedMs, b.modifiedMs);
  EXPECT_EQ(a.lastUsedMs, b.lastUsedMs);
}

std::unique_ptr<BirthLibrary> OpenOk(const QString& path,
                                     BirthLibrary::Options options = {}) {
  auto library = BirthLibrary::Open(path, options);
  EXPECT_TRUE(library.ok()) << library.status().message;
  return library.ok() ? std::move(*library) : nullptr;
}

// Runs SQL on a connection of its own, outside the library.
class RawConnection {
 public:
  explicit RawConnection(const QString& path)
      : name_("raw-" + QString::number(++count_)) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
    db.setDatabaseName(path);
    EXPECT_TRUE(db.open());
  }
  ~RawConnection() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
  }
  QVariant Run(const QString& sql) {
    QSqlQuery q(QSqlDatabase::database(name_, false));
    EXPECT_TRUE(q.exec(sql))
        << sql.toStdString() << ": " << q.lastError().text().toStdString();
    return q.next() ? q.value(0) : QVariant();
  }

 private:
  static inline int count_ = 0;
  QString name_;
};

QByteArray FileHash(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The rows of a JSON file, added to the library.
Expected<std::vector<BirthLibrary::ImportResult>> ImportJson(
    BirthLibrary& library, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Status{Fault::kFile, "unread"};
  const QByteArray bytes = file.readAll();
  const auto rows = JsonRows({bytes.constData(), std::size_t(bytes.size())},
                             path.toStdString());
  if (!rows) return rows.status();
  return library.Import(*rows);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

class LibraryTest : public ::testing::Test {
 protected:
  QString Path(const char* name = "births.sqlite") const {
    return dir_.filePath(name);
  }
  QTemporaryDir dir_;
};

TEST_F(LibraryTest, EveryFieldComesBackFromTheFileAndThroughJson) {
  std::vector<SavedBirth> saved;
  {
    auto library = OpenOk(Path("sub/folder/births.sqlite"));
    ASSERT_TRUE(library);
    for (const Birth& birth : {ZoneBirth(), UnusualBirth()}) {
      auto one = library->Save(birth, "first line\nsecond, \"quoted\" ü",
                               OnDuplicate::kRefuse);
      ASSERT_TRUE(one.ok()) << one.status().message;
      saved.push_back(*one);
    }
    ASSERT_TRUE(library->MarkUsed(saved[1].id).ok());
  }
  auto library = OpenOk(Path("sub/folder/births.sqlite"));
  ASSERT_TRUE(library);
  for (SavedBirth& expected : saved) {
    const auto read = library->Get(expected.id);
    ASSERT_TRUE(read.ok()) << read.status().message;
    if (expected.id == saved[1].id) {
      ASSERT_TRUE(read->lastUsedMs);
      EXPECT_GE(*read->lastUsedMs, expected.createdMs);
      expected.lastUsedMs = read->lastUsedMs;
    }
    ExpectSameSaved(expected, *read);
  }

  // JSON keeps every field, times included, into another library.
  const auto exported = ExportBytes(*library->List(), "all.json");
  ASSERT_TRUE(exported.ok());
  WriteFile(Path("all.json"), QByteArray::fromStdString(exported->bytes));
  auto other = OpenOk(Path("other.sqlite"));
  const auto imported = ImportJson(*other, Path("all.json"));
  ASSERT_TRUE(imported.ok()) << imported.status().message;
  const auto copies = other->List();
  ASSERT_EQ(copies->size(), 2u);
  ExpectSameSaved((*library->List())[0], (*copies)[0]);
  ExpectSameSaved((*library->List())[1], (*copies)[1]);
}

TEST_F(LibraryTest, AFileOfTheFirstVersionIsMigratedAndKeepsItsBirths) {
  QFile sql(TARVELIN_TEST_DATA_DIR "/library_v1.sql");
  ASSERT_TRUE(sql.open(QIODevice::ReadOnly));
  {
    RawConnection raw(Path());
    // Statements end at a ";" that ends a line.
    for (const QString& statement :
         QString::fromUtf8(sql.readAll()).split(";\n", Qt::SkipEmptyParts)) {
      if (!statement.trimmed().isEmpty()) raw.Run(statement);
    }
  }
  auto library = OpenOk(Path());
  ASSERT_TRUE(library);
  {
    RawConnection raw(Path());
    EXPECT_EQ(raw.Run("PRAGMA user_version").toInt(), kSchemaVersion);
    EXPECT_EQ(raw.Run("PRAGMA journal_mode").toString(), "wal");
  }
  const auto births = library->List();
  ASSERT_EQ(births->size(), 2u);
  const SavedBirth& ram = (*births)[0];
  ExpectSameBirth(ram.birth, WithZoneEntry(ZoneBirth(), 34, false));
  EXPECT_EQ(ram.note, "");
  EXPECT_FALSE(ram.lastUsedMs);
  EXPECT_EQ(ram.createdMs, 1700000000000);
  EXPECT_EQ(ram.modifiedMs, 1700000000500);
  EXPECT_EQ((*births)[1].birth.zoneIndex, Birth::kExactOffset);
  EXPECT_EQ((*births)[1].birth.utcOffsetSeconds, 20700);

  // The new columns work on the migrated rows.
  EXPECT_TRUE(library->MarkUsed(ram.id).ok());
  EXPECT_TRUE(library->Save(ZoneBirth(), "a note", OnDuplicate::kOverwrite));
  EXPECT_EQ(library->Get(ram.id)->note, "a note");
  EXPECT_EQ(library->RecentlyUsed(5)->size(), 1u);
}

TEST_F(LibraryTest, TheSameBirthIsRefusedOrOverwrittenInItsRow) {
  auto library = OpenOk(Path());
  const auto first = library->Save(ZoneBirth(), "old", OnDuplicate::kRefuse);
  ASSERT_TRUE(first.ok());

  // Same name in other case, same date, time and place: the same birth.
  Birth again = WithZoneEntry(ZoneBirth("Ram "), 34, true);
  const auto refused = library->Save(again, "new", OnDuplicate::kRefuse);
  EXPECT_EQ(refused.status().fault, Fault::kDuplicate);
  EXPECT_NE(refused.status().message.find("#" + std::to_string(first->id)),
            std::string::npos);
  const auto found = library->FindSame(again);
  ASSERT_TRUE(found.ok() && *found);
  EXPECT_EQ((*found)->id, first->id);

  const auto overwritten =
      library->Save(again, std::nullopt, OnDuplicate::kOverwrite);
  ASSERT_TRUE(overwritten.ok());
  EXPECT_EQ(overwritten->id, first->id);
  const auto read = library->Get(first->id);
  EXPECT_EQ(read->birth.daylightSavingSeconds, 3600);
  EXPECT_EQ(read->note, "old");  // no note given: the saved one stays
  EXPECT_EQ(read->createdMs, first->createdMs);
  EXPECT_GE(read->modifiedMs, first->modifiedMs);

  // One second later, or another place: another birth.
  Birth later = ZoneBirth();
  later.local.second = 31;
  Birth elsewhere = ZoneBirth();
  elsewhere.latitudeDegrees = -28.6;
  EXPECT_TRUE(library->Save(later, {}, OnDuplicate::kRefuse).ok());
  EXPECT_TRUE(library->Save(elsewhere, {}, OnDuplicate::kRefuse).ok());
  EXPECT_EQ(library->List()->size(), 3u);

  // What the form refuses is refused with its message.
  Birth badDay = ZoneBirth();
  badDay.local.month = 2;
  badDay.local.day = 30;
  EXPECT_EQ(library->Save(badDay, {}, OnDuplicate::kRefuse).status().message,
            "Please Enter Correct Date Or Month!");
}

TEST_F(LibraryTest, ANameStandsForOneBirthOrTheMatchesAreListed) {
  auto library = OpenOk(Path());
  Birth ram2 = ZoneBirth();
  ram2.local.year = 1990;
  const auto ram = library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse);
  library->Save(ram2, {}, OnDuplicate::kRefuse);
  const auto ramesh =
      library->Save(ZoneBirth("RAMESH"), {}, OnDuplicate::kRefuse);
  library->Save(ZoneBirth("SITA"), {}, OnDuplicate::kRefuse);

  const auto ambiguous = library->Resolve("ram");
  EXPECT_EQ(ambiguous.status().fault, Fault::kAmbiguous);
  const std::string& list = ambiguous.status().message;
  EXPECT_NE(list.find("1980-03-15"), std::string::npos) << list;
  EXPECT_NE(list.find("1990-03-15"), std::string::npos) << list;
  EXPECT_EQ(list.find("RAMESH"), std::string::npos) << list;  // exact first

  struct Case {
    std::string text;
    Fault fault;
    std::int64_t id;
  };
  for (const Case& c :
       {Case{"RAME", Fault::kNone, ramesh->id},
        Case{" ramesh ", Fault::kNone, ramesh->id},
        Case{"#" + std::to_string(ram->id), Fault::kNone, ram->id},
        Case{"RA", Fault::kAmbiguous, 0}, Case{"GITA", Fault::kNotFound, 0},
        Case{"#999", Fault::kNotFound, 0}}) {
    const auto found = library->Resolve(c.text);
    EXPECT_EQ(found.status().fault, c.fault) << c.text;
    if (found.ok()) {
      EXPECT_EQ(found->id, c.id) << c.text;
    }
  }

  // Filtering and the order of use.
  EXPECT_EQ(library->List(Order::kByName, "new del")->size(), 4u);
  EXPECT_EQ(library->List(Order::kByName, "1990")->size(), 1u);
  EXPECT_EQ(library->List(Order::kByName, "sit")->size(), 1u);
  library->MarkUsed(ramesh->id);
  library->MarkUsed(ram->id);  // within the same millisecond, most likely
  const auto recent = library->List(Order::kRecentlyUsed);
  EXPECT_EQ((*recent)[0].id, ram->id);
  EXPECT_EQ((*recent)[1].id, ramesh->id);
  EXPECT_EQ(library->RecentlyUsed(5)->size(), 2u);
  EXPECT_TRUE(library->Remove(ram->id).ok());
  EXPECT_EQ(library->Remove(ram->id).fault, Fault::kNotFound);
}

TEST_F(LibraryTest, AnImportReportsEveryRowAndAddsOnlyGoodOnes) {
  auto library = OpenOk(Path());
  library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse);
  const QByteArray longName(101, 'A');
  WriteFile(Path("in.json"), R"({"births": [
    {"name": "sita", "date": "1975-07-01", "time": "06:00", "zone": 34,
     "latitude": 27.7, "longitude": 85.3},
    {"name": "RAM", "date": "1980-03-15", "time": "21:05:30", "zone": 34,
     "latitude": 28.6, "longitude": 77.2, "daylightSavingSeconds": 3600},
    {"name": "Sita", "date": "1975-07-01", "time": "06:00:00", "zone": 34,
     "latitude": 27.7, "longitude": 85.3},
    {"name": "GITA", "date": "1975-02-30", "time": "06:00", "zone": 34,
     "latitude": 27.7, "longitude": 85.3},
    {"name": "GITA", "date": "1975-07-01", "time": "06:00", "zone": 34,
     "latitude": 95, "longitude": 85.3},
    {"name": "GITA2", "date": "1975-07-01", "time": "06:00", "zone": 34,
     "latitude": 27.7, "longitude": 85.3},
    {"name": "UMA", "date": "2001-01-01", "time": "01:02:03", "zone": 34,
     "latitude": 1, "longitude": 2, "utcOffsetSeconds": 3600},
    {"name": "UMA", "date": "2001-01-01", "time": "01:02:03",
     "latitude": 1, "longitude": 2},
    {"name": "UMA", "time": "01:02:03", "latitude": 1, "longitude": 2,
     "zone": 1},
    {"name": "SITA", "date": "1975-07-01", "time": "06:00:00 and more",
     "zone": 34, "latitude": 27.7, "longitude": 85.3},
    {"name": ")" + longName + R"(", "date": "1975-07-01", "time": "06:00",
     "zone": 34, "latitude": 27.7, "longitude": 85.3},
    7]})");
  const auto report = ImportJson(*library, Path("in.json"));
  ASSERT_TRUE(report.ok()) << report.status().message;
  using O = BirthLibrary::ImportOutcome;
  const std::vector<std::pair<O, std::string>> expected = {
      {O::kAdded, ""},
      {O::kDuplicate, "same name, date, time and place as #1"},
      {O::kDuplicate, "same name, date, time and place as #2"},
      {O::kRefused, "Please Enter Correct Date Or Month!"},
      {O::kRefused,
       "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
      {O::kRefused, "Please Enter only Letters"},
      {O::kRefused,
       "The UTC offset +01:00 is not that of zone-list entry 34 (+05:30)"},
      {O::kRefused, "\"utcOffsetSeconds\" is needed where there is no zone"},
      {O::kRefused, "Date must look like YYYY-MM-DD, e.g. 1980-03-15"},
      {O::kRefused, "Time must look like HH:MM or HH:MM:SS, e.g. 21:05:30"},
      {O::kRefused, "A name may have at most 100 letters and blanks"},
      {O::kRefused, "not a birth object"},
  };
  ASSERT_EQ(report->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*report)[i].outcome, expected[i].first) << i;
    EXPECT_EQ((*report)[i].reason, expected[i].second) << i;
    EXPECT_EQ((*report)[i].line, static_cast<int>(i) + 1);
  }
  const auto sita = library->Resolve("SITA");
  ASSERT_TRUE(sita.ok());
  EXPECT_EQ(sita->birth.name, "SITA");
  EXPECT_EQ(sita->birth.utcOffsetSeconds, 19800);

  // A file that is no JSON is one fault, and nothing is added.
  WriteFile(Path("in.json"), "{\"births\": [");
  EXPECT_EQ(ImportJson(*library, Path("in.json")).status().fault, Fault::kFile);
  EXPECT_EQ(library->List()->size(), 2u);
}

TEST_F(LibraryTest, CsvHoldsWhatBatchReadsAndSaysWhatItLeavesOut) {
  Birth exactIndian = ZoneBirth("EXACT");
  exactIndian.zoneIndex = Birth::kExactOffset;  // +5:30 is entry 34's
  Birth south = ZoneBirth("SOUTH");
  south.latitudeDegrees = -0.0;
  south.longitudeDegrees = -(12 + 59.6 / 60);  // rounds to 13:00W
  std::vector<SavedBirth> births(4);
  births[0].birth = exactIndian;
  births[1].birth = south;
  births[2].birth = UnusualBirth();
  births[2].birth.name = "NEPAL";
  births[3].birth = ZoneBirth("JOSÉ");  // --batch reads any script's letters
  births.emplace_back().birth = ZoneBirth("OLD");
  births.back().birth.longitudeDegrees = 179.9999;  // saved before 180:00 was
  const auto csv = ExportBytes(births, "births.CSV");
  ASSERT_TRUE(csv.ok());
  EXPECT_EQ(csv->bytes,
            "name,date,time,lon,lat,zone,dst\n"
            "EXACT,1980-03-15,21:05:30,77:12E,28:36N,34,0\n"
            "SOUTH,1980-03-15,21:05:30,13:00W,0:00S,34,0\n"
            "JOSÉ,1980-03-15,21:05:30,77:12E,28:36N,34,0\n");
  EXPECT_EQ(csv->report.written, 3);
  const auto& skipped = csv->report.skipped;
  ASSERT_EQ(skipped.size(), 2u);
  EXPECT_NE(skipped[0].reason.find("+05:45"), std::string::npos);
  EXPECT_NE(skipped[1].reason.find("Degree of Longitude"), std::string::npos);
}

// Files the library cannot use are reported and left exactly as they were.
TEST_F(LibraryTest, UnusableFilesAreReportedAndLeftAlone) {
  struct Case {
    const char* what;
    std::function<void(const QString&)> make;
    Fault fault;
  };
  const auto saveOne = [](const QString& path) {
    auto library = OpenOk(path);
    library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse);
  };
  const std::vector<Case> cases = {
      {"not a database",
       [](const QString& path) {
         QFile file(path);
         file.open(QIODevice::WriteOnly);
         file.write(QByteArray(5000, 'x'));
       },
       Fault::kCorrupt},
      {"a damaged page",
       [&](const QString& path) {
         saveOne(path);
         QFile file(path);
         file.open(QIODevice::ReadWrite);
         file.seek(4096 + 8);  // inside the second page, past its header
         file.write(QByteArray(4000, '\x5a'));
       },
       Fault::kCorrupt},
      {"a newer schema",
       [&](const QString& path) {
         saveOne(path);
         RawConnection(path).Run("PRAGMA user_version = 3");
       },
       Fault::kNewerSchema},
      {"another program's database",
       [](const QString& path) {
         RawConnection(path).Run("CREATE TABLE invoices (id INTEGER)");
       },
       Fault::kNotALibrary},
  };
  for (const Case& c : cases) {
    const QString path = Path(c.what);
    c.make(path);
    const QByteArray before = FileHash(path);
    const auto library = BirthLibrary::Open(path);
    EXPECT_EQ(library.status().fault, c.fault) << c.what;
    EXPECT_NE(library.status().message.find(path.toStdString()),
              std::string::npos)
        << library.status().message;
    EXPECT_EQ(FileHash(path), before) << c.what;
  }
}

TEST_F(LibraryTest, AReadOnlyFileIsReadButNotWritten) {
  {
    auto library = OpenOk(Path());
    library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse);
  }
  QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadUser);
  const QByteArray before = FileHash(Path());
  auto library = OpenOk(Path());
  ASSERT_TRUE(library);
  EXPECT_TRUE(library->readOnly());
  EXPECT_EQ(library->List()->size(), 1u);
  EXPECT_TRUE(library->Resolve("RAM").ok());
  for (const Status& status :
       {library->Save(ZoneBirth("SITA"), {}, OnDuplicate::kRefuse).status(),
        library->MarkUsed(1), library->Remove(1)}) {
    EXPECT_EQ(status.fault, Fault::kReadOnly);
    EXPECT_NE(status.message.find("read-only"), std::string::npos);
  }
  EXPECT_EQ(FileHash(Path()), before);
}

TEST_F(LibraryTest, AWriterWaitsForAnotherAndGivesUpWithOneMessage) {
  auto library = OpenOk(Path(), BirthLibrary::Options{200});
  RawConnection other(Path());
  other.Run("BEGIN IMMEDIATE");
  WriteFile(Path("in.json"), R"([{"name": "SITA", "date": "1975-07-01",
      "time": "06:00", "zone": 34, "latitude": 27.7, "longitude": 85.3}])");
  const auto saved = library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse);
  EXPECT_EQ(saved.status().fault, Fault::kLocked);
  EXPECT_NE(saved.status().message.find("in use by another program"),
            std::string::npos);
  EXPECT_EQ(ImportJson(*library, Path("in.json")).status().fault,
            Fault::kLocked);
  EXPECT_EQ(library->List()->size(), 0u);  // readers are not held up
  other.Run("COMMIT");
  EXPECT_TRUE(library->Save(ZoneBirth(), {}, OnDuplicate::kRefuse).ok());
  EXPECT_EQ(ImportJson(*library, Path("in.json"))->size(), 1u);
}

// Distinct names of letters only: A, B, ..., Z, BA, BB, ...
std::string Letters(int n) {
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('A' + n % 26));
    n /= 26;
  } while (n > 0);
  return text;
}

TEST_F(LibraryTest, TwoProgramsSaveAtTheSameTime) {
  constexpr int kEach = 40;
  QProcess first, second;
  first.start(g_self,
              {"--write-births", Path(), "ALPHA", QString::number(kEach)});
  second.start(g_self,
               {"--write-births", Path(), "BETA", QString::number(kEach)});
  ASSERT_TRUE(first.waitForFinished(120000));
  ASSERT_TRUE(second.waitForFinished(120000));
  EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
  EXPECT_EQ(second.exitCode(), 0)
      << second.readAllStandardError().toStdString();
  auto library = OpenOk(Path());
  EXPECT_EQ(library->List()->size(), 2u * kEach);
  EXPECT_EQ(library->List(Order::kByName, "alpha")->size(), 1u * kEach);
  EXPECT_EQ(RawConnection(Path()).Run("PRAGMA integrity_check").toString(),
            "ok");
}

// Two versions of one saved birth that differ in every field but the name,
// date, time and place.
SavedBirth Version(bool b) {
  SavedBirth saved;
  saved.birth = b ? WithZoneEntry(ZoneBirth(), 20, true) : ZoneBirth();
  saved.birth.city = b ? "B CITY" : "A CITY";
  saved.birth.atlasZone = b ? "B/Zone" : "";
  saved.note = b ? "version b" : "version a";
  return saved;
}

TEST_F(LibraryTest, AProgramKilledWhileSavingLeavesTheOldOrTheNewRow) {
  {
    auto library = OpenOk(Path());
    library->Save(Version(false).birth, Version(false).note,
                  OnDuplicate::kRefuse);
  }
  for (int round = 0; round < 3; ++round) {
    QProcess writer;
    writer.start(g_self, {"--overwrite-forever", Path()});
    ASSERT_TRUE(writer.waitForReadyRead(60000));
    QThread::msleep(50 + 70 * round);
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    writer.waitForFinished();
    auto library = OpenOk(Path());
    const auto births = library->List();
    ASSERT_EQ(births->size(), 1u);
    const SavedBirth& row = births->front();
    const SavedBirth& version = Version(row.note == "version b");
    ExpectSameBirth(row.birth, version.birth);
    EXPECT_EQ(row.note, version.note);
  }
}

// --- the writer processes ---------------------------------------------------

int WriteBirths(const QString& path, const std::string& prefix, int count) {
  auto library = BirthLibrary::Open(path, BirthLibrary::Options{20000});
  if (!library) {
    fprintf(stderr, "%s\n", library.status().message.c_str());
    return 1;
  }
  for (int i = 0; i < count; ++i) {
    const auto saved = (*library)->Save(ZoneBirth(prefix + " " + Letters(i)),
                                        "", OnDuplicate::kRefuse);
    if (!saved) {
      fprintf(stderr, "%s\n", saved.status().message.c_str());
      return 1;
    }
    (*library)->MarkUsed(saved->id);
  }
  return 0;
}

int OverwriteForever(const QString& path) {
  auto library = BirthLibrary::Open(path);
  if (!library) return 1;
  for (long i = 0;; ++i) {
    const SavedBirth version = Version(i % 2 == 1);
    (*library)->Save(version.birth, version.note, OnDuplicate::kOverwrite);
    if (i == 0) {
      printf("started\n");
      fflush(stdout);
    }
  }
}

}  // namespace
}  // namespace tarvelin::library

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using namespace tarvelin::library;
  g_self = QCoreApplication::applicationFilePath();
  const QStringList args = app.arguments();
  if (args.size() == 5 && args[1] == "--write-births") {
    return WriteBirths(args[2], args[3].toStdString(), args[4].toInt());
  }
  if (args.size() == 3 && args[1] == "--overwrite-forever") {
    return OverwriteForever(args[2]);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
