// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/atlas_table.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvelin::atlas_file {

int CellOf(double latitudeDegrees, double longitudeDegrees) {
  const int row = std::clamp(static_cast<int>(std::floor(latitudeDegrees + 90)),
                             0, kCellRows - 1);
  double east = std::fmod(longitudeDegrees + 180, 360.0);
  if (east < 0) east += 360;
  const int column =
      std::clamp(static_cast<int>(std::floor(east)), 0, kCellColumns - 1);
  return row * kCellColumns + column;
}

bool Table::Open(const unsigned char* data, std::size_t size,
                 std::string& problem) {
  data_ = nullptr;
  header_ = Header{};
  if (data == nullptr || size < sizeof(Header)) {
    problem = "it is too short to be an atlas file";
    return false;
  }
  Header header;
  std::memcpy(&header, data, sizeof header);
  if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) {
    problem = "it is not an atlas file";
    return false;
  }
  if (header.byteOrder != kByteOrderMark || header.version != kVersion) {
    problem = "it was written for another version or kind of computer";
    return false;
  }
  // Each section: where it starts and how many bytes it holds.
  const std::uint64_t sections[][2] = {
      {header.placesAt, std::uint64_t{header.placeCount} * sizeof(PlaceRecord)},
      {header.countriesAt,
       std::uint64_t{header.countryCount} * sizeof(CountryRecord)},
      {header.divisionsAt,
       std::uint64_t{header.divisionCount} * sizeof(DivisionRecord)},
      {header.zonesAt, std::uint64_t{header.zoneCount} * 4},
      {header.keysAt, std::uint64_t{header.keyCount} * sizeof(KeyRecord)},
      {header.cellsAt, std::uint64_t{kCellCount + 1} * 4},
      {header.cellPlacesAt, std::uint64_t{header.placeCount} * 4},
      {header.textsAt, header.textBytes}};
  for (const auto& [at, bytes] : sections) {
    if (at % 4 != 0 || at < sizeof(Header) || at + bytes > size) {
      problem = "it is cut short or damaged";
      return false;
    }
  }
  // Every text ends inside the pool.
  if (header.textBytes == 0 ||
      data[header.textsAt + header.textBytes - 1] != 0) {
    problem = "it is damaged";
    return false;
  }
  data_ = data;
  header_ = header;
  return true;
}

CountryRecord Table::Country(std::uint16_t index) const {
  if (index >= header_.countryCount) return CountryRecord{};
  return Read<CountryRecord>(header_.countriesAt, index);
}

DivisionRecord Table::Division(std::uint16_t index) const {
  if (index >= header_.divisionCount) return DivisionRecord{0, 0, 0, kNone, 0};
  return Read<DivisionRecord>(header_.divisionsAt, index);
}

std::string_view Table::Zone(std::uint16_t index) const {
  if (index >= header_.zoneCount) return {};
  return Text(Read<std::uint32_t>(header_.zonesAt, index));
}

KeyRecord Table::Key(std::uint32_t index) const {
  if (index >= header_.keyCount) return KeyRecord{0, 0};
  return Read<KeyRecord>(header_.keysAt, index);
}

std::pair<std::uint32_t, std::uint32_t> Table::CellRange(int cell) const {
  if (data_ == nullptr || cell < 0 || cell >= kCellCount) return {0, 0};
  const auto first = Read<std::uint32_t>(header_.cellsAt, cell);
  const auto last = Read<std::uint32_t>(header_.cellsAt, cell + 1);
  const std::uint32_t end = header_.placeCount;
  return {std::min(first, end), std::min(std::max(first, last), end)};
}

std::string_view Table::Text(std::uint32_t offset) const {
  if (data_ == nullptr || offset >= header_.textBytes) return {};
  const char* text =
      reinterpret_cast<const char*>(data_ + header_.textsAt + offset);
  return std::string_view(text);  // the pool ends in a zero byte
}

bool Table::BeginsText(std::uint32_t offset) const {
  return offset == 0 || (data_ != nullptr && offset < header_.textBytes &&
                         data_[header_.textsAt + offset - 1] == 0);
}

}  // namespace tarvelin::atlas_file
