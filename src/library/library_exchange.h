// Saved births to and from files.
//
// CSV holds exactly the columns of tarvelin-cli --batch (a header, then
// name,date,time,lon,lat,zone,dst per row, coordinates to the minute as
// 77:12E and 28:36N, the zone as its list index), so an exported list runs
// through --batch as it is. A birth those columns cannot hold is left out
// with the reason: an exact UTC offset that no zone-list entry has (an
// exact offset that some entry has is written as that entry, which computes
// the same), or a name with letters outside A-Z, which --batch refuses.
//
// JSON holds every field: {"format": "tarvelin-births", "version": 1,
// "births": [{...}, ...]}.
//
// An import reads either (by the file's ending) and adds its rows in one
// transaction, reporting for each row whether it was added, skipped as a
// duplicate or refused and why (the input form's messages). A CSV row is
// read by the caller's reader: the --batch rules belong to tarvelin-cli,
// which hands its own row reader in, so that an import reads a row exactly
// as --batch does.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "library/birth_library.h"

namespace tarvelin::library {

struct ExportReport {
  int written = 0;
  struct Skipped {
    SavedBirth birth;
    std::string reason;
  };
  std::vector<Skipped> skipped;
};

// Writes `births` to `path` (ending .csv or .json) in one step: the file is
// complete or, when writing fails, left as it was.
Expected<ExportReport> ExportBirths(const std::vector<SavedBirth>& births,
                                    const QString& path);

// Reads one CSV row (neither the header nor blank) into a birth, or the
// reason it is refused; the line number is set by the caller.
using CsvRowReader =
    std::function<BirthLibrary::ImportRow(const std::string& line)>;

// The rows of an import file (ending .csv or .json); Fault::kFile when the
// file cannot be read or is not of its kind at all.
Expected<std::vector<BirthLibrary::ImportRow>> ReadImportFile(
    const QString& path, const CsvRowReader& readRow);

// ReadImportFile, then BirthLibrary::Import.
Expected<std::vector<BirthLibrary::ImportResult>> ImportBirths(
    BirthLibrary& library, const QString& path, const CsvRowReader& readRow);

// The JSON document of an export.
QByteArray BirthsJson(const std::vector<SavedBirth>& births);

// The CSV text of an export and the rows of a CSV text.
std::string BirthsCsv(const std::vector<SavedBirth>& births,
                      std::vector<ExportReport::Skipped>& skipped);
std::vector<BirthLibrary::ImportRow> CsvRows(const std::string& text,
                                             const CsvRowReader& readRow);

}  // namespace tarvelin::library
