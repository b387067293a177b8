// SPDX-License-Identifier: GPL-3.0-or-later
// The birth library: saved births in one SQLite database file, shared by the
// desktop program and tarvelin-cli (several copies may have it open at once;
// a writer waits up to the busy timeout for another to finish).
//
// Every write is one transaction (BEGIN IMMEDIATE ... COMMIT), the journal is
// a write-ahead log, and a crash at any moment leaves each row as it was
// before or after the write. A file that cannot be used (locked, read-only,
// damaged, of a newer schema, or another program's database) is reported with
// one message and left exactly as it is: it is never replaced by a fresh one.
//
// A BirthLibrary is used from the thread that opened it (Qt's rule for a
// database connection); each copy of the program opens its own.
//
// Two saved births are the same birth when they have the same name (upper and
// lower case do not matter), the same local date and time to the second and
// the same place (latitude and longitude, with their hemispheres).
#pragma once

#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/birth.h"
#include "library/library_status.h"

namespace tarvelin::library {

// The schema this build writes; files of a lower version are migrated when
// opened, files of a higher one are refused.
constexpr int kSchemaVersion = 2;

struct SavedBirth {
  std::int64_t id = 0;  // the row; 0 before it is saved
  Birth birth;
  std::string note;  // free text
  // Milliseconds since 1970-01-01 UTC.
  std::int64_t createdMs = 0;
  std::int64_t modifiedMs = 0;
  std::optional<std::int64_t> lastUsedMs;  // empty until first opened
};

enum class Order {
  kByName,        // name, then date and time, then row
  kRecentlyUsed,  // last opened first; never-opened births after, by name
};

enum class OnDuplicate {
  kRefuse,     // Save answers Fault::kDuplicate (the form then asks)
  kOverwrite,  // Save replaces the saved birth, keeping its row and times
  kKeepBoth,   // Save adds a row even beside the same birth
};

class BirthLibrary {
 public:
  struct Options {
    // How long a write waits for another program's write to finish.
    int busyTimeoutMs = 5000;
    // Whether a missing file is made (else Fault::kNotFound): a program
    // that only reads should not leave an empty library behind.
    bool create = true;
  };

  // births.sqlite in the desktop program's per-user data folder
  // (~/.local/share/Tarvelin/Tarvelin), for every program alike.
  static QString DefaultPath();

  // Opens (creating the file and its folder when missing) and migrates to
  // kSchemaVersion. A file whose owner may not write it, or in a folder
  // that may not be written, is opened read-only: it can be listed and
  // births opened from it, but writes answer Fault::kReadOnly, saying which
  // of the two keeps them out.
  static Expected<std::unique_ptr<BirthLibrary>> Open(const QString& path,
                                                      Options options);
  static Expected<std::unique_ptr<BirthLibrary>> Open(const QString& path);
  // The same for a path given as the file system's bytes, whatever their
  // encoding (a name that is not UTF-8 is kept as it is).
  static Expected<std::unique_ptr<BirthLibrary>> OpenFile(
      const std::string& nativePath, Options options);
  ~BirthLibrary();
  BirthLibrary(const BirthLibrary&) = delete;
  BirthLibrary& operator=(const BirthLibrary&) = delete;

  const QString& path() const { return path_; }
  bool readOnly() const { return readOnly_ != ReadOnly::kNo; }

  // Every saved birth in the given order. With a filter, only those whose
  // name, city, state, country or date (YYYY-MM-DD) contains it, upper and
  // lower case not mattering.
  Expected<std::vector<SavedBirth>> List(Order order = Order::kByName,
                                         const std::string& filter = {}) const;
  // The `count` most recently opened births, most recent first.
  Expected<std::vector<SavedBirth>> RecentlyUsed(int count) const;
  Expected<SavedBirth> Get(std::int64_t id) const;
  // The saved birth that is the same birth as `birth`, if any.
  Expected<std::optional<SavedBirth>> FindSame(const Birth& birth) const;

  // The saved births of exactly `name` (upper and lower case and outer
  // blanks not mattering), the one opened last first.
  Expected<std::vector<SavedBirth>> Named(const std::string& name) const;

  // The one birth a name stands for: "#ID" picks a row; otherwise the births
  // of exactly that name (upper and lower case not mattering) or, when there
  // are none, those whose name begins with it. More than one answers
  // Fault::kAmbiguous with every match listed in the message; none answers
  // Fault::kNotFound.
  Expected<SavedBirth> Resolve(const std::string& nameOrId) const;

  // Saves a birth the form would accept (Fault::kInvalid with the form's
  // message otherwise). A new birth gets a new row; the same birth answers
  // Fault::kDuplicate or is overwritten, as `onDuplicate` says.
  // A note of nothing keeps the saved note (empty for a new birth).
  Expected<SavedBirth> Save(const Birth& birth,
                            const std::optional<std::string>& note,
                            OnDuplicate onDuplicate);
  // Puts `birth` in the row `id` in place of the birth saved there, its
  // note and creation time kept: Fault::kInvalid as Save, Fault::kNotFound
  // when the row has gone meanwhile.
  Expected<SavedBirth> Replace(std::int64_t id, const Birth& birth);
  Status Remove(std::int64_t id);
  // Records that the birth was opened now (for Order::kRecentlyUsed).
  Status MarkUsed(std::int64_t id);

  // One row of an import file: a birth to add (its times kept; zero times
  // mean now), or the reason it was refused before reaching the library.
  struct ImportRow {
    int line = 0;      // where it stands in the file (1 = first row)
    std::string name;  // as the file gives it, for the report
    std::optional<SavedBirth> birth;
    std::string refusal;  // set when `birth` is empty
  };
  enum class ImportOutcome { kAdded, kDuplicate, kRefused };
  struct ImportResult {
    int line = 0;
    std::string name;
    ImportOutcome outcome = ImportOutcome::kRefused;
    std::string reason;   // why refused, or which saved birth it repeats
    std::int64_t id = 0;  // the row added or repeated
  };
  // Adds the rows in one transaction: a birth already saved (or earlier in
  // the same import) is skipped as a duplicate, one the form would refuse is
  // refused. Nothing is added when the transaction fails.
  Expected<std::vector<ImportResult>> Import(
      const std::vector<ImportRow>& rows);

 private:
  enum class ReadOnly { kNo, kFile, kFolder };
  BirthLibrary(QString path, QString connection, ReadOnly readOnly);
  bool Readable() const;

  Status Prepare(const Options& options);
  Status RefuseForeign() const;
  Status Migrate();
  Status Begin();
  Status Commit();
  void Rollback();
  Expected<std::int64_t> Insert(const SavedBirth& saved);
  Status Update(const SavedBirth& saved);
  Expected<std::vector<SavedBirth>> Select(const QString& whereAndOrder,
                                           const QVariantList& values) const;
  Status Fail(const QSqlError& error) const;
  Status WriteRefused() const;

  QString path_;
  QString connection_;
  ReadOnly readOnly_ = ReadOnly::kNo;
};

// "#12 RAM, 1980-03-15 21:05:30, New Delhi, India (28:36N 77:12E)".
std::string Describe(const SavedBirth& saved);

// Whether two births hold the same values in every field, the hemisphere
// of a zero coordinate included: saving one over the other changes nothing.
bool SameEntries(const Birth& a, const Birth& b);

// The same-birth key of the duplicate rule: the name with outer blanks
// removed and case folded.
std::string NameKey(const std::string& name);

}  // namespace tarvelin::library
