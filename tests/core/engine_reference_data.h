// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the engine's reference longitudes (tests/data), one row per body and
// universal instant.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarvelin {

struct ReferenceLongitude {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  std::string body;
  double longitudeDeg = 0;
};

inline std::vector<ReferenceLongitude> ReadReferenceLongitudes() {
  std::vector<ReferenceLongitude> rows;
  std::ifstream in(std::string(TARVELIN_TEST_DATA_DIR) +
                   "/engine_reference_longitudes.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ReferenceLongitude row;
    if (fields >> row.year >> row.month >> row.day >> row.hour >> row.minute >>
        row.body >> row.longitudeDeg) {
      rows.push_back(row);
    }
  }
  return rows;
}

// Smallest difference a - b of two longitudes, in (-180, 180].
inline double AngleDifferenceDeg(double a, double b) {
  double diff = a - b;
  while (diff > 180) diff -= 360;
  while (diff <= -180) diff += 360;
  return diff;
}

}  // namespace tarvelin
