// SPDX-License-Identifier: GPL-3.0-or-later
// The exit statuses of tarvelin-cli, one rule for every kind of run (the
// manual page and README list them the same way):
#pragma once

namespace tarvelin::cli {

constexpr int kExitOk = 0;  // everything was done
// Not everything went out: the output or a file (--pdf, --png,
// --export-library) could not be written, or some batch rows, import rows or
// exported births were refused or left out, each named on standard error.
constexpr int kExitWriteError = 1;
constexpr int kExitBadRows = 1;
// The input given is wrong or cannot be read: a flag, a birth, a place, a
// saved birth's name, a batch or import file.
constexpr int kExitBadInput = 2;
constexpr int kExitLibrary = 3;  // the birth library could not be used
// The reader closed the pipe (128 + SIGPIPE, what the shell reports for a
// process SIGPIPE ended).
constexpr int kExitBrokenPipe = 141;

}  // namespace tarvelin::cli
