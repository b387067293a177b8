// SPDX-License-Identifier: GPL-3.0-or-later
// The atlas file: every place of the atlas with its names in every script,
// laid out so that it is read straight from the memory-mapped file, without
// loading or parsing. Written once at build time (src/atlas/table_builder)
// from the place list in data/atlas; read here.
//
// All numbers are little-endian and every section starts on a 4-byte
// boundary. Texts are UTF-8, ending in a zero byte, in one text pool and
// named by their offset in it.
//
//   header
//   places     PlaceRecord[placeCount], the most populous first, so that a
//              smaller place number means more people
//   countries  CountryRecord[countryCount]
//   divisions  DivisionRecord[divisionCount] (first-level: states, provinces)
//   zones      std::uint32_t[zoneCount], the offsets of the zones' names
//   keys       KeyRecord[keyCount]: for every word of every name of every
//              place, folded (FoldedPlaceText), the text from that word to
//              the end of the name and the place; sorted by that text, then
//              by place
//   cells      std::uint32_t[kCellCount + 1]: where each cell of one degree
//              of latitude by one of longitude begins in `cellPlaces`
//   cellPlaces std::uint32_t[placeCount]: the places, cell by cell
//   texts      the text pool
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tarvelin::atlas_file {

constexpr char kMagic[8] = {'T', 'V', 'A', 'T', 'L', 'A', 'S', '\n'};
constexpr std::uint32_t kVersion = 1;
// Read back as another number when the file was written on a machine of
// the other byte order.
constexpr std::uint32_t kByteOrderMark = 0x01020304;

// Coordinates are kept in units of 1e-5 degree (about a metre), as the
// source gives them.
constexpr double kUnitsPerDegree = 1e5;

// No country, division or zone.
constexpr std::uint16_t kNone = 0xffff;
// In KeyRecord::place: the name is another name of the place, not the one
// it is listed under (nor that name's ASCII spelling).
constexpr std::uint32_t kOtherNameBit = 0x80000000u;

// The cells of the place grid: one degree square, row by row from the
// south pole, column by column from 180 degrees west.
constexpr int kCellRows = 180;
constexpr int kCellColumns = 360;
constexpr int kCellCount = kCellRows * kCellColumns;

struct Header {
  char magic[8];
  std::uint32_t byteOrder;
  std::uint32_t version;
  std::uint32_t placeCount, countryCount, divisionCount, zoneCount, keyCount;
  std::uint32_t placesAt, countriesAt, divisionsAt, zonesAt, keysAt, cellsAt,
      cellPlacesAt, textsAt, textBytes;
};

struct PlaceRecord {
  std::int32_t latitude;   // north positive, 1e-5 degree
  std::int32_t longitude;  // east positive, 1e-5 degree
  std::uint32_t population;
  std::uint32_t name;      // text offset
  std::uint16_t country;   // CountryRecord index or kNone
  std::uint16_t division;  // DivisionRecord index or kNone
  std::uint16_t zone;      // zone index or kNone
  std::uint16_t reserved;
};

struct CountryRecord {
  std::uint32_t name;    // "India"
  std::uint32_t folded;  // FoldedPlaceText of the name
  char code[2];          // ISO 3166 "IN"
  std::uint16_t reserved;
};

struct DivisionRecord {
  std::uint32_t name;          // "Tamil Nadu"
  std::uint32_t folded;        // FoldedPlaceText of the name
  std::uint32_t abbreviation;  // postal abbreviation, folded ("il"), or an
                               // empty text
  std::uint16_t country;
  std::uint16_t reserved;
};

struct KeyRecord {
  std::uint32_t text;   // text offset of the folded words
  std::uint32_t place;  // place index, kOtherNameBit for another name
};

static_assert(sizeof(Header) == 72);
static_assert(sizeof(PlaceRecord) == 24);
static_assert(sizeof(CountryRecord) == 12);
static_assert(sizeof(DivisionRecord) == 16);
static_assert(sizeof(KeyRecord) == 8);

// The cell of a position in degrees.
int CellOf(double latitudeDegrees, double longitudeDegrees);

// A checked view of the bytes of an atlas file. Every access is bounds
// checked, so a damaged file gives empty texts, never a read outside it.
class Table {
 public:
  // Nothing is usable (every count 0) unless Open succeeded.
  Table() = default;
  // Checks the header and that every section lies inside the `size` bytes
  // at `data`, which must stay valid while the table is used. False, with
  // `problem` set, for a file that is not an atlas file of this version or
  // is cut short.
  bool Open(const unsigned char* data, std::size_t size, std::string& problem);

  std::uint32_t placeCount() const { return header_.placeCount; }
  std::uint32_t countryCount() const { return header_.countryCount; }
  std::uint32_t divisionCount() const { return header_.divisionCount; }
  std::uint32_t zoneCount() const { return header_.zoneCount; }
  std::uint32_t keyCount() const { return header_.keyCount; }

  PlaceRecord Place(std::uint32_t index) const;
  CountryRecord Country(std::uint16_t index) const;
  DivisionRecord Division(std::uint16_t index) const;
  std::string_view Zone(std::uint16_t index) const;
  KeyRecord Key(std::uint32_t index) const;
  // The places of cell `cell`: [first, last) into CellPlace.
  std::pair<std::uint32_t, std::uint32_t> CellRange(int cell) const;
  std::uint32_t CellPlace(std::uint32_t at) const;

  // The text at `offset`; empty when the offset lies outside the pool.
  std::string_view Text(std::uint32_t offset) const;
  // True when `offset` begins a text (rather than a word inside one).
  bool BeginsText(std::uint32_t offset) const;

 private:
  template <typename T>
  T Read(std::uint32_t sectionAt, std::uint32_t index) const;

  const unsigned char* data_ = nullptr;
  Header header_{};
};

// Inline: the nearest-place search reads a place and its position in the
// cells by the thousand.
template <typename T>
T Table::Read(std::uint32_t sectionAt, std::uint32_t index) const {
  T value;
  std::memcpy(&value, data_ + sectionAt + std::size_t{index} * sizeof(T),
              sizeof(T));
  return value;
}

inline PlaceRecord Table::Place(std::uint32_t index) const {
  if (index >= header_.placeCount)
    return PlaceRecord{0, 0, 0, 0, kNone, kNone, kNone, 0};
  return Read<PlaceRecord>(header_.placesAt, index);
}

inline std::uint32_t Table::CellPlace(std::uint32_t at) const {
  if (at >= header_.placeCount) return header_.placeCount;
  return Read<std::uint32_t>(header_.cellPlacesAt, at);
}

}  // namespace tarvelin::atlas_file
