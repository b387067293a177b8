// SPDX-License-Identifier: GPL-3.0-or-later
// What the two table generators share: opening the Swiss Ephemeris files,
// failing with one line, and writing the finished text in one piece.
#pragma once

#include <swephexp.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tarvelin::tools {

// One line on stderr, prefixed with the program's name, then exit 1.
[[noreturn]] inline void Fail(const char* program, const std::string& what) {
  std::fprintf(stderr, "%s: %s\n", program, what.c_str());
  std::exit(1);
}

// The ephemeris files of Debian's swe-basic-data, or those of SE_EPHE_PATH.
inline void OpenEphemeris() {
  const char* path = std::getenv("SE_EPHE_PATH");
  std::string ephePath = path != nullptr ? path : "/usr/share/libswe/ephe";
  swe_set_ephe_path(ephePath.data());
}

// Writes `text` to `path` byte for byte, or fails.
inline void WriteWholeFile(const char* program, const char* path,
                           const std::string& text) {
  std::FILE* out = std::fopen(path, "wb");
  if (out == nullptr) Fail(program, std::string("cannot write ") + path);
  const bool written =
      std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (std::fclose(out) != 0 || !written) Fail(program, "write failed");
}

}  // namespace tarvelin::tools
