// SPDX-License-Identifier: GPL-3.0-or-later
// tarvelin-cli and the birth library: --library, --export-library,
// --import-library, --from-library and --save (src/library does the work;
// this file turns its answers into the tool's lines and exit statuses).
// The library is --library-file PATH or the per-user one.
#pragma once

#include <optional>
#include <ostream>

#include "chart/birth.h"
#include "cli/cli_options.h"

namespace tarvelin::cli {

// --library [TEXT]: one line per saved birth (or the JSON of an export).
int RunLibraryList(const CliOptions& options, std::ostream& out);
// --export-library FILE [--library TEXT] and --import-library FILE: the
// report of every birth left out or row not added; status 1 when a birth was
// left out or a row refused.
// A CSV file is read as --batch reads it (the same header, rows and
// messages); nothing is imported from a file without the header or one that
// cannot be read to its end.
int RunLibraryExport(const CliOptions& options, std::ostream& out);
int RunLibraryImport(const CliOptions& options, std::ostream& out);

// --from-library NAME: the saved birth (recorded as used), or nothing with
// the message printed on standard error and `exitStatus` set (2 for a name
// that is unknown or ambiguous, 3 when the library cannot be used).
std::optional<Birth> BirthFromLibrary(const CliOptions& options,
                                      int& exitStatus);

// --save: saves the birth (a birth saved already stays as it is) and says so
// on standard error; 3 when the library cannot be used, else 0.
int SaveToLibrary(const CliOptions& options, const Birth& birth);

}  // namespace tarvelin::cli
