// SPDX-License-Identifier: GPL-3.0-or-later
// Saved births to and from files.
//
// CSV holds exactly the columns of tarvelin-cli --batch (a header, then
// name,date,time,lon,lat,zone,dst per row, coordinates to the minute as
// 77:12E and 28:36N, the zone as its list index), so an exported list runs
// through --batch as it is. A birth those columns cannot hold is left out
// with the reason: an exact UTC offset that no zone-list entry has (an
// exact offset that some entry has is written as that entry, which computes
// the same), or a birth saved before a check it no longer passes.
//
// JSON holds every field: {"format": "tarvelin-births", "version": 1,
// "births": [{...}, ...]}.
//
// An import (BirthLibrary::Import) adds rows in one transaction, reporting
// for each whether it was added, skipped as a duplicate or refused and why
// (the input form's messages). JSON rows are read here; CSV rows are read
// by tarvelin-cli with the --batch reader, so that an import reads a row
// exactly as --batch does. Either way each field goes through the reader
// of its quantity (rules/text_readers.h) and the birth through CheckBirth.
// Reading and writing the files is the caller's.
#pragma once

#include <QByteArray>
#include <string>
#include <string_view>
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

// CSV or JSON by the ending of a file's name, either case; nothing for
// another ending.
enum class ExchangeFormat { kNone, kCsv, kJson };
ExchangeFormat FormatOf(const std::string& path);

// What an export writes to `path`: CSV or JSON by its ending (either case),
// and which births are left out; Fault::kFile for another ending.
struct ExportFile {
  ExportReport report;
  std::string bytes;
};
Expected<ExportFile> ExportBytes(const std::vector<SavedBirth>& births,
                                 const std::string& path);

// The rows of a JSON import file's `bytes`; Fault::kFile, naming the file
// as `name`, when they are no JSON or hold no list of births.
Expected<std::vector<BirthLibrary::ImportRow>> JsonRows(
    std::string_view bytes, const std::string& name);

// The JSON document of an export.
QByteArray BirthsJson(const std::vector<SavedBirth>& births);

}  // namespace tarvelin::library
