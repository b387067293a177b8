// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas's look-ups timed one by one: 1,000 texts (500 whole names and
// 500 beginnings of names, of places spread over the whole atlas, and names
// in other scripts), each looked up as the input form's City box does
// (FindCities, 15 suggestions) and as --place does (CitiesNamed), and the
// nearest place of 1,000 positions. Prints the median, 90th percentile and
// largest time of each, the time the first look-up took (opening the
// file) and the resident memory afterwards.
//
// Usage: atlas-lookup-bench   (Release build: build/release/bench/)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-34s median %7.3f ms  90%% %7.3f ms  max %7.3f ms  (%zu)\n",
              what, ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(),
              ms.size());
}

std::string ResidentMemory() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return line.substr(6);
  }
  return "?";
}

// The first `letters` characters (not bytes) of a UTF-8 text.
std::string Beginning(const std::string& text, std::size_t letters) {
  std::size_t at = 0;
  for (std::size_t n = 0; n < letters && at < text.size(); ++n) {
    ++at;
    while (at < text.size() && (text[at] & 0xC0) == 0x80) ++at;
  }
  return text.substr(0, at);
}

}  // namespace

int main() {
  using namespace tarvelin;
  const Clock::time_point opened = Clock::now();
  const std::size_t places = AtlasPlaceCount();
  std::printf("first look-up (maps the file): %.3f ms, %zu places\n",
              Milliseconds(Clock::now() - opened), places);
  if (places == 0) {
    std::printf("%s\n", AtlasProblem().c_str());
    return 1;
  }
  // Positions all over the world: the nearest place of each, timed, gives
  // places large and small to look up by name.
  std::vector<double> nearest;
  std::vector<AtlasCity> found;
  for (int i = 0; found.size() < 500 && i < 100000; ++i) {
    const double lat = -50 + (i * 37 % 1200) / 10.0;
    const double lon = -180 + (i * 7919 % 3600) / 10.0;
    const Clock::time_point start = Clock::now();
    const std::optional<NearPlace> near = NearestPlace(lat, lon);
    if (nearest.size() < 1000)
      nearest.push_back(Milliseconds(Clock::now() - start));
    if (near) found.push_back(near->city);
  }
  std::vector<std::string> texts = {
      "मुंबई",     "चेन्नई", "北京", "Москва",         "東京",
      "القاهرة", "मुंब",   "Моск", "St. Petersburg", "Springfield, IL"};
  // Whole names and their beginnings (one letter to all but the last).
  for (std::size_t i = 0; texts.size() < 1000; ++i) {
    const std::string& name = found[i % found.size()].name;
    texts.push_back(i % 2 ? name : Beginning(name, 1 + i / 2 % 8));
  }
  std::vector<double> find, named;
  for (const std::string& text : texts) {
    Clock::time_point start = Clock::now();
    (void)FindCities(text, 15);
    find.push_back(Milliseconds(Clock::now() - start));
    start = Clock::now();
    (void)CitiesNamed(text);
    named.push_back(Milliseconds(Clock::now() - start));
  }
  Report("FindCities (City box, 15)", find);
  Report("CitiesNamed (--place)", named);
  Report("NearestPlace", nearest);
  std::printf("resident memory after the look-ups:%s\n",
              ResidentMemory().c_str());
  return 0;
}
