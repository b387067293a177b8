// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the atlas file (see atlas/atlas_table.h) from the place list of
// data/atlas, unpacked: places.tsv, countries.tsv and divisions.tsv (their
// columns: data/atlas/README.md). Run by the build; deterministic, so the
// same list always gives the same bytes.
//
// Usage: build_atlas_table LIST_DIR OUTPUT_FILE
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "atlas/atlas_table.h"
#include "atlas/place_text.h"

namespace tarvelin::atlas_file {
namespace {

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "build_atlas_table: " << message << "\n";
  std::exit(1);
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = line.find(separator, at);
    fields.push_back(line.substr(at, end - at));
    if (end == std::string::npos) return fields;
    at = end + 1;
  }
}

// The lines of a tab-separated file, each split into `columns` fields.
std::vector<std::vector<std::string>> ReadTable(const std::string& path,
                                                std::size_t columns) {
  std::ifstream in(path);
  if (!in) Fail("cannot read " + path);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  long number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields = Split(line, '\t');
    if (fields.size() != columns) {
      Fail(path + ":" + std::to_string(number) + ": expected " +
           std::to_string(columns) + " columns");
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

// Degrees written with up to five decimals, as units of 1e-5 degree.
std::int32_t Units(const std::string& text, double limit) {
  char* end = nullptr;
  const double degrees = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(degrees >= -limit && degrees <= limit))
    Fail("bad coordinate \"" + text + "\"");
  return static_cast<std::int32_t>(std::lround(degrees * kUnitsPerDegree));
}

// Texts kept once each.
class TextPool {
 public:
  TextPool() { Add(""); }
  std::uint32_t Add(const std::string& text) {
    const auto found = offsets_.find(text);
    if (found != offsets_.end()) return found->second;
    const auto offset = static_cast<std::uint32_t>(bytes_.size());
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    bytes_.push_back('\0');
    offsets_.emplace(text, offset);
    return offset;
  }
  std::string_view At(std::uint32_t offset) const {
    return std::string_view(bytes_.data() + offset);
  }
  const std::vector<char>& bytes() const { return bytes_; }

 private:
  std::vector<char> bytes_;
  std::unordered_map<std::string, std::uint32_t> offsets_;
};

struct SourcePlace {
  std::string name, ascii, alternates, countryCode, division, zone;
  std::int32_t latitude = 0, longitude = 0;
  std::uint32_t population = 0;
};

template <typename T>
void Put(std::vector<char>& out, const T& value) {
  const char* bytes = reinterpret_cast<const char*>(&value);
  out.insert(out.end(), bytes, bytes + sizeof value);
}

void Align(std::vector<char>& out) {
  while (out.size() % 4 != 0) out.push_back('\0');
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc != 3) Fail("usage: build_atlas_table LIST_DIR OUTPUT_FILE");
  const std::string dir = argv[1];
  TextPool texts;

  std::vector<CountryRecord> countries;
  std::map<std::string, std::uint16_t> countryIndex;
  for (const auto& row : ReadTable(dir + "/countries.tsv", 2)) {
    if (row[0].size() != 2) Fail("bad country code " + row[0]);
    CountryRecord record{};
    record.name = texts.Add(row[1]);
    record.folded = texts.Add(FoldedPlaceText(row[1]));
    std::memcpy(record.code, row[0].data(), 2);
    countryIndex[row[0]] = static_cast<std::uint16_t>(countries.size());
    countries.push_back(record);
  }

  std::vector<DivisionRecord> divisions;
  std::map<std::pair<std::string, std::string>, std::uint16_t> divisionIndex;
  for (const auto& row : ReadTable(dir + "/divisions.tsv", 4)) {
    const auto country = countryIndex.find(row[0]);
    if (country == countryIndex.end()) Fail("unknown country " + row[0]);
    DivisionRecord record{};
    record.name = texts.Add(row[2]);
    record.folded = texts.Add(FoldedPlaceText(row[2]));
    record.abbreviation = texts.Add(FoldedPlaceText(row[3]));
    record.country = country->second;
    divisionIndex[{row[0], row[1]}] =
        static_cast<std::uint16_t>(divisions.size());
    divisions.push_back(record);
  }

  std::vector<SourcePlace> places;
  std::set<std::string> zoneNames;
  for (auto& row : ReadTable(dir + "/places.tsv", 9)) {
    SourcePlace place;
    place.name = std::move(row[0]);
    place.ascii = std::move(row[1]);
    place.alternates = std::move(row[2]);
    place.latitude = Units(row[3], 90);
    place.longitude = Units(row[4], 180);
    place.countryCode = std::move(row[5]);
    place.division = std::move(row[6]);
    place.population =
        static_cast<std::uint32_t>(std::strtoul(row[7].c_str(), nullptr, 10));
    place.zone = std::move(row[8]);
    if (!place.zone.empty()) zoneNames.insert(place.zone);
    places.push_back(std::move(place));
  }
  if (places.size() >= kOtherNameBit) Fail("too many places");
  // The most populous first; the rest only makes the order the same on
  // every run.
  std::sort(places.begin(), places.end(),
            [](const SourcePlace& a, const SourcePlace& b) {
              return std::tie(b.population, a.name, a.countryCode, a.latitude,
                              a.longitude) < std::tie(a.population, b.name,
                                                      b.countryCode, b.latitude,
                                                      b.longitude);
            });

  std::vector<std::uint32_t> zones;
  std::map<std::string, std::uint16_t> zoneIndex;
  for (const std::string& zone : zoneNames) {
    zoneIndex[zone] = static_cast<std::uint16_t>(zones.size());
    zones.push_back(texts.Add(zone));
  }

  std::vector<PlaceRecord> records;
  std::vector<KeyRecord> keys;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const SourcePlace& p = places[i];
    PlaceRecord record{};
    record.latitude = p.latitude;
    record.longitude = p.longitude;
    record.population = p.population;
    record.name = texts.Add(p.name);
    const auto country = countryIndex.find(p.countryCode);
    record.country = country == countryIndex.end() ? kNone : country->second;
    const auto division = divisionIndex.find({p.countryCode, p.division});
    record.division =
        division == divisionIndex.end() ? kNone : division->second;
    record.zone = p.zone.empty() ? kNone : zoneIndex.at(p.zone);
    records.push_back(record);

    // Every name once, as the name listed if it is one.
    std::map<std::string, bool> names;  // folded -> another name?
    const auto add = [&names](const std::string& text, bool other) {
      std::string folded = FoldedPlaceText(text);
      if (folded.empty()) return;
      std::vector<std::string> all = FoldedNameVariants(folded);
      all.push_back(std::move(folded));
      for (std::string& name : all) {
        const auto [it, added] = names.emplace(std::move(name), other);
        if (!added && !other) it->second = false;
      }
    };
    add(p.name, false);
    add(p.ascii, false);
    for (const std::string& alternate : Split(p.alternates, ',')) {
      add(alternate, true);
    }
    const auto placeNumber = static_cast<std::uint32_t>(i);
    for (const auto& [name, other] : names) {
      const std::uint32_t at = texts.Add(name);
      for (const std::size_t start : WordStarts(name)) {
        keys.push_back({at + static_cast<std::uint32_t>(start),
                        placeNumber | (other ? kOtherNameBit : 0)});
      }
    }
  }
  std::sort(keys.begin(), keys.end(),
            [&texts](const KeyRecord& a, const KeyRecord& b) {
              const std::string_view ta = texts.At(a.text);
              const std::string_view tb = texts.At(b.text);
              if (ta != tb) return ta < tb;
              return a.place < b.place;
            });

  // The places cell by cell.
  std::vector<std::uint32_t> cellStart(kCellCount + 1, 0);
  std::vector<int> cellOf(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    cellOf[i] = CellOf(records[i].latitude / kUnitsPerDegree,
                       records[i].longitude / kUnitsPerDegree);
    ++cellStart[static_cast<std::size_t>(cellOf[i]) + 1];
  }
  for (int c = 0; c < kCellCount; ++c) cellStart[c + 1] += cellStart[c];
  std::vector<std::uint32_t> cellPlaces(records.size());
  {
    std::vector<std::uint32_t> next(cellStart.begin(), cellStart.end() - 1);
    for (std::size_t i = 0; i < records.size(); ++i) {
      cellPlaces[next[static_cast<std::size_t>(cellOf[i])]++] =
          static_cast<std::uint32_t>(i);
    }
  }

  Header header{};
  std::memcpy(header.magic, kMagic, sizeof kMagic);
  header.byteOrder = kByteOrderMark;
  header.version = kVersion;
  header.placeCount = static_cast<std::uint32_t>(records.size());
  header.countryCount = static_cast<std::uint32_t>(countries.size());
  header.divisionCount = static_cast<std::uint32_t>(divisions.size());
  header.zoneCount = static_cast<std::uint32_t>(zones.size());
  header.keyCount = static_cast<std::uint32_t>(keys.size());

  std::vector<char> out(sizeof(Header), '\0');
  const auto section = [&out](std::uint32_t& at, const auto& items) {
    Align(out);
    at = static_cast<std::uint32_t>(out.size());
    for (const auto& item : items) Put(out, item);
  };
  section(header.placesAt, records);
  section(header.countriesAt, countries);
  section(header.divisionsAt, divisions);
  section(header.zonesAt, zones);
  section(header.keysAt, keys);
  section(header.cellsAt, cellStart);
  section(header.cellPlacesAt, cellPlaces);
  Align(out);
  header.textsAt = static_cast<std::uint32_t>(out.size());
  header.textBytes = static_cast<std::uint32_t>(texts.bytes().size());
  out.insert(out.end(), texts.bytes().begin(), texts.bytes().end());
  std::memcpy(out.data(), &header, sizeof header);

  const std::string path = argv[2];
  const std::string partial = path + ".part";
  std::ofstream file(partial, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  if (!file || std::rename(partial.c_str(), path.c_str()) != 0) {
    Fail("cannot write " + path);
  }
  std::cout << "build_atlas_table: " << records.size() << " places, "
            << keys.size() << " name keys, " << out.size() << " bytes\n";
  return 0;
}

}  // namespace tarvelin::atlas_file

int main(int argc, char** argv) {
  return tarvelin::atlas_file::Main(argc, argv);
}
