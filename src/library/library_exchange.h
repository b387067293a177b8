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
// An import (BirthLibrary::Import) adds rows in one transaction, reporting
// for each whether it was added, skipped as a duplicate or refused and why
// (the input form's messages). JSON rows are read here; CSV rows are read
// by tarvelin-cli with the --batch reader, so that an import reads a row
// exactly as --batch does.
#pragma once

#include <QString>
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

// The rows of a JSON import file; Fault::kFile when the file cannot be
// read or holds no list of births.
Expected<std::vector<BirthLibrary::ImportRow>> ReadJsonRows(
    const QString& path);

// The JSON document of an export.
QByteArray BirthsJson(const std::vector<SavedBirth>& births);

// The CSV text of an export.
std::string BirthsCsv(const std::vector<SavedBirth>& births,
                      std::vector<ExportReport::Skipped>& skipped);

}  // namespace tarvelin::library
