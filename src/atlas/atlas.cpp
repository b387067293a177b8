// SPDX-License-Identifier: GPL-3.0-or-later
// Places by name and by position from the atlas file.
#include "atlas/atlas.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>

#include "atlas/atlas_table.h"
#include "atlas/place_text.h"
#include "present/report_words.h"

namespace tarvelin {
namespace {

using atlas_file::KeyRecord;
using atlas_file::PlaceRecord;
using atlas_file::Table;

// --- the file -------------------------------------------------------------

// Where the atlas file is looked for: $TARVELIN_ATLAS; beside the program
// (<prefix>/bin/tarvelin and <prefix>/share/tarvelin, which holds for the
// build tree too); where the package installs it.
std::vector<std::string> CandidatePaths() {
  std::vector<std::string> paths;
  if (const char* chosen = std::getenv("TARVELIN_ATLAS")) {
    return {chosen};
  }
  std::error_code error;
  const std::filesystem::path program =
      std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    paths.push_back((program.parent_path().parent_path() / "share" /
                     "tarvelin" / "places.atlas")
                        .string());
  }
  paths.push_back(TARVELIN_ATLAS_INSTALLED);
  return paths;
}

struct AtlasFile {
  std::unique_ptr<QFile> file;
  Table table;
  PatternText problem;  // empty pattern when the file was read
};

// The atlas file, mapped into memory on first use and kept until the
// program ends; its pages are read as the look-ups touch them.
const AtlasFile& TheFile() {
  static const AtlasFile atlas = [] {
    AtlasFile read;
    std::string tried;
    for (const std::string& path : CandidatePaths()) {
      auto file = std::make_unique<QFile>(QString::fromStdString(path));
      if (!file->exists()) {
        tried += (tried.empty() ? "" : ", ") + path;
        continue;
      }
      if (!file->open(QIODevice::ReadOnly)) {
        read.problem = {"tarvelin::Atlas",
                        TARVELIN_TEXT("tarvelin::Atlas",
                                      "The atlas file %1 cannot be read: %2"),
                        {path, file->errorString().toStdString()}};
        return read;
      }
      const qint64 size = file->size();
      const uchar* data = file->map(0, size);
      std::string why;
      if (data == nullptr) {
        why = file->errorString().toStdString();
      } else if (read.table.Open(data, static_cast<std::size_t>(size), why)) {
        read.file = std::move(file);
        return read;
      }
      read.problem = {"tarvelin::Atlas",
                      TARVELIN_TEXT("tarvelin::Atlas",
                                    "The atlas file %1 cannot be used: %2"),
                      {path, why}};
      return read;
    }
    read.problem = {"tarvelin::Atlas",
                    TARVELIN_TEXT("tarvelin::Atlas",
                                  "The atlas file is missing (looked for %1)"),
                    {tried}};
    return read;
  }();
  return atlas;
}

const Table& TheTable() { return TheFile().table; }

// Divided, not multiplied by 1e-5: 4580000 is 45.8 exactly as written.
constexpr double kUnits = atlas_file::kUnitsPerDegree;

AtlasCity CityOf(const Table& table, std::uint32_t index) {
  const PlaceRecord record = table.Place(index);
  AtlasCity city;
  city.place = index;
  city.name = table.Text(record.name);
  city.population = record.population;
  city.latitudeDegrees = record.latitude / kUnits;
  city.longitudeDegrees = record.longitude / kUnits;
  city.ianaZone = table.Zone(record.zone);
  if (record.division != atlas_file::kNone) {
    city.state = table.Text(table.Division(record.division).name);
  }
  if (record.country != atlas_file::kNone) {
    const atlas_file::CountryRecord country = table.Country(record.country);
    city.country = table.Text(country.name);
    city.countryCode = std::string(country.code, 2);
  }
  return city;
}

// --- reading a place text ---------------------------------------------------

// Short names of countries that the atlas spells out.
std::string_view CountryCodeAlias(std::string_view qualifier) {
  if (qualifier == "uk") return "GB";
  if (qualifier == "usa" || qualifier == "us") return "US";
  if (qualifier == "uae") return "AE";
  return {};
}

// True when `words` stands in `text` from the beginning of a word; with
// `whole`, also up to the end of one ("delhi" in "national capital
// territory of delhi", not "del").
bool HasWords(std::string_view text, std::string_view words, bool whole) {
  if (words.empty()) return false;
  for (std::size_t at = text.find(words); at != std::string_view::npos;
       at = text.find(words, at + 1)) {
    const std::size_t end = at + words.size();
    if ((at == 0 || text[at - 1] == ' ') &&
        (!whole || end == text.size() || text[end] == ' ')) {
      return true;
    }
  }
  return false;
}

// The countries and divisions one qualifier fits.
struct Qualifier {
  std::vector<bool> countries, divisions;
  bool Fits(const PlaceRecord& place) const {
    return (place.country < countries.size() && countries[place.country]) ||
           (place.division < divisions.size() && divisions[place.division]);
  }
};

Qualifier ReadQualifier(const Table& table, const std::string& folded,
                        bool whole) {
  Qualifier q;
  q.countries.assign(table.countryCount(), false);
  q.divisions.assign(table.divisionCount(), false);
  const std::string_view alias = CountryCodeAlias(folded);
  for (std::uint16_t i = 0; i < table.countryCount(); ++i) {
    const atlas_file::CountryRecord country = table.Country(i);
    const std::string code(country.code, 2);
    const std::string foldedCode = FoldedPlaceText(code);
    q.countries[i] = folded == foldedCode || code == alias ||
                     HasWords(table.Text(country.folded), folded, whole);
  }
  for (std::uint16_t i = 0; i < table.divisionCount(); ++i) {
    const atlas_file::DivisionRecord division = table.Division(i);
    q.divisions[i] = folded == table.Text(division.abbreviation) ||
                     HasWords(table.Text(division.folded), folded, whole);
  }
  return q;
}

// A place text split into the folded name and the qualifiers.
struct PlaceQuery {
  std::string name;
  std::vector<std::string> qualifiers;  // folded
};

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find(',', at);
    parts.push_back(text.substr(at, end - at));
    if (end == std::string::npos) return parts;
    at = end + 1;
  }
}

// The readings of a place text, the likeliest first: as written, then,
// when it has no commas, with its last one, two or three words as the
// qualifier ("Sringeri India", "San Jose Costa Rica").
std::vector<PlaceQuery> Readings(const std::string& placeText) {
  const std::vector<std::string> parts = SplitAtCommas(placeText);
  PlaceQuery written;
  written.name = FoldedPlaceText(parts.front());
  for (std::size_t i = 1; i < parts.size(); ++i) {
    std::string qualifier = FoldedPlaceText(parts[i]);
    if (!qualifier.empty()) written.qualifiers.push_back(std::move(qualifier));
  }
  std::vector<PlaceQuery> readings;
  if (written.name.empty()) return readings;
  readings.push_back(written);
  if (parts.size() > 1) return readings;
  const std::vector<std::size_t> starts = WordStarts(written.name);
  constexpr std::size_t kMostQualifierWords = 3;
  for (std::size_t words = 1;
       words <= kMostQualifierWords && words < starts.size(); ++words) {
    const std::size_t split = starts[starts.size() - words];
    PlaceQuery reading;
    reading.name = written.name.substr(0, split - 1);
    reading.qualifiers.push_back(written.name.substr(split));
    readings.push_back(std::move(reading));
  }
  return readings;
}

// --- finding names ----------------------------------------------------------

// The keys whose text begins with `prefix`: [first, last).
std::pair<std::uint32_t, std::uint32_t> KeysBeginningWith(
    const Table& table, std::string_view prefix) {
  const auto textOf = [&table](std::uint32_t i) {
    return table.Text(table.Key(i).text);
  };
  std::uint32_t low = 0, high = table.keyCount();
  while (low < high) {  // first key not below the prefix
    const std::uint32_t mid = low + (high - low) / 2;
    if (textOf(mid) < prefix) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  const std::uint32_t first = low;
  high = table.keyCount();
  while (low < high) {  // first key that does not begin with the prefix
    const std::uint32_t mid = low + (high - low) / 2;
    if (textOf(mid).substr(0, prefix.size()) == prefix) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return {first, low};
}

// Another name (a former name, a name in another language or script) counts
// for a hundredth of the people: "Bombay" still finds Mumbai first, but a
// town's old name does not push the towns of that name down, nor Delhi's
// other name "New Delhi" New Delhi.
constexpr std::uint32_t kOtherNameShare = 100;
// Other names are searched by their beginnings only from this many letters
// on (or for a text with letters beyond ASCII): "Lun" is the beginning of
// too many cities' names in Tagalog ("Lungsod ng ...").
constexpr std::size_t kOtherNamePrefixLetters = 4;

// A place a reading finds: named whole or only begun, under its own name
// or another.
struct Match {
  bool whole = false;
  bool own = false;
  std::uint32_t place = 0;
  std::uint32_t weight = 0;  // people, a hundredth for another name
};

// The places a reading finds, each once at its best, filtered by the
// qualifiers: whole names first, then the most people (counting
// kOtherNameShare), at most `maxCount`; only whole names with `wholeOnly`.
std::vector<Match> Matches(const Table& table, const PlaceQuery& query,
                           bool wholeOnly, std::size_t maxCount) {
  std::vector<Qualifier> qualifiers;
  for (const std::string& q : query.qualifiers) {
    qualifiers.push_back(ReadQualifier(table, q, wholeOnly));
  }
  const bool otherPrefixes =
      QString::fromStdString(query.name).size() >=
          static_cast<qsizetype>(kOtherNamePrefixLetters) ||
      std::any_of(query.name.begin(), query.name.end(),
                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  // Each place's best fit: 1 whole own name, 2 whole other name, 3 own name
  // begun, 4 other name begun; 0 not found.
  std::vector<unsigned char> best(table.placeCount(), 0);
  std::vector<std::uint32_t> found;
  const auto [first, last] = KeysBeginningWith(table, query.name);
  for (std::uint32_t i = first; i < last; ++i) {
    const KeyRecord key = table.Key(i);
    const bool whole = table.BeginsText(key.text) &&
                       table.Text(key.text).size() == query.name.size();
    const bool other = (key.place & atlas_file::kOtherNameBit) != 0;
    if ((wholeOnly && !whole) || (!whole && other && !otherPrefixes)) continue;
    const std::uint32_t place = key.place & ~atlas_file::kOtherNameBit;
    if (place >= best.size()) continue;
    const unsigned char fit = (whole ? 1 : 3) + (other ? 1 : 0);
    if (best[place] == 0) found.push_back(place);
    if (best[place] == 0 || fit < best[place]) best[place] = fit;
  }
  std::vector<Match> matches;
  for (const std::uint32_t place : found) {
    const PlaceRecord record = table.Place(place);
    const bool fits =
        std::all_of(qualifiers.begin(), qualifiers.end(),
                    [&record](const Qualifier& q) { return q.Fits(record); });
    if (!fits) continue;
    const bool own = best[place] % 2 == 1;
    matches.push_back(
        {best[place] <= 2, own, place,
         own ? record.population : record.population / kOtherNameShare});
  }
  const auto better = [](const Match& a, const Match& b) {
    if (a.whole != b.whole) return a.whole;
    if (a.weight != b.weight) return a.weight > b.weight;
    return a.place < b.place;
  };
  const std::size_t kept = std::min(maxCount, matches.size());
  std::partial_sort(matches.begin(),
                    matches.begin() + static_cast<std::ptrdiff_t>(kept),
                    matches.end(), better);
  matches.resize(kept);
  return matches;
}

// The first reading of the text that finds anything.
std::vector<Match> FirstMatches(const Table& table,
                                const std::string& placeText, bool wholeOnly,
                                std::size_t maxCount) {
  for (const PlaceQuery& reading : Readings(placeText)) {
    auto found = Matches(table, reading, wholeOnly, maxCount);
    if (!found.empty()) return found;
  }
  return {};
}

// Letters to insert, delete or change to turn `a` into `b`; any number
// above `most` is given as most + 1, found as soon as every way costs more.
int EditDistance(const std::u32string& a, const std::u32string& b, int most) {
  const int apart =
      std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size()));
  if (apart > most) return most + 1;
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    int smallest = row[0];
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      const int change = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, change});
      diagonal = above;
      smallest = std::min(smallest, row[j]);
    }
    if (smallest > most) return most + 1;
  }
  return std::min(row.back(), most + 1);
}

// The letters of a UTF-8 text (well formed: the atlas wrote it).
void Letters(std::string_view utf8, std::u32string& letters) {
  letters.clear();
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    letters.push_back(c);
    i += length;
  }
}

}  // namespace

std::string AtlasProblem() { return Filled(TheFile().problem); }

std::optional<PatternText> AtlasProblemText() {
  const PatternText& problem = TheFile().problem;
  if (*problem.pattern == '\0') return {};
  return problem;
}

std::size_t AtlasPlaceCount() { return TheTable().placeCount(); }

std::string CityLabel(const AtlasCity& city) {
  std::string label = city.name;
  if (!city.state.empty()) label += ", " + city.state;
  if (!city.country.empty()) label += ", " + city.country;
  return label;
}

std::vector<AtlasCity> FindCities(const std::string& placeText,
                                  std::size_t maxCount) {
  const Table& table = TheTable();
  std::vector<AtlasCity> cities;
  for (const Match& match : FirstMatches(table, placeText, false, maxCount)) {
    cities.push_back(CityOf(table, match.place));
  }
  return cities;
}

std::vector<AtlasCity> CitiesNamed(const std::string& placeText) {
  const Table& table = TheTable();
  std::vector<AtlasCity> cities;
  for (const Match& match :
       FirstMatches(table, placeText, true, table.placeCount())) {
    cities.push_back(CityOf(table, match.place));
  }
  return cities;
}

std::vector<std::string> ClosestCityLabels(const std::string& placeText,
                                           std::size_t maxCount) {
  const std::vector<PlaceQuery> readings = Readings(placeText);
  if (readings.empty() || maxCount == 0) return {};
  std::u32string wanted;
  Letters(readings.front().name, wanted);
  // A third of the letters may be wrong, and at least one.
  const int maxDistance = std::max<int>(1, static_cast<int>(wanted.size()) / 3);
  const Table& table = TheTable();

  struct Near {
    int distance;
    std::uint32_t place;
  };
  std::vector<Near> near;
  std::u32string letters;
  // The names in keys [first, last) near enough.
  const auto measure = [&](std::uint32_t first, std::uint32_t last) {
    std::string_view previous;
    int distance = maxDistance + 1;
    for (std::uint32_t i = first; i < last; ++i) {
      const KeyRecord key = table.Key(i);
      if (!table.BeginsText(key.text)) continue;
      const std::string_view name = table.Text(key.text);
      if (name != previous) {  // the keys of one name lie together
        previous = name;
        Letters(name, letters);
        distance = EditDistance(wanted, letters, maxDistance);
      }
      if (distance <= maxDistance) {
        near.push_back({distance, key.place & ~atlas_file::kOtherNameBit});
      }
    }
  };
  // Most misspellings keep the first letter, or put one that sounds alike
  // ("Cathmandu"): only the names that begin so are measured.
  static const char* const kSoundAlike[] = {"ckq", "sz", "iye", "ou",
                                            "vw",  "jg", "fp"};
  std::u32string firsts(1, wanted.front());
  for (const char* group : kSoundAlike) {
    if (wanted.front() < 0x80 &&
        std::strchr(group, static_cast<int>(wanted.front()))) {
      firsts.assign(group, group + std::strlen(group));
    }
  }
  for (const char32_t letter : firsts) {
    const std::u32string one(1, letter);
    const auto [first, last] =
        KeysBeginningWith(table, QString::fromStdU32String(one).toStdString());
    measure(first, last);
  }
  std::sort(near.begin(), near.end(), [](const Near& a, const Near& b) {
    if (a.distance != b.distance) return a.distance < b.distance;
    return a.place < b.place;
  });
  // The qualifiers choose among the names, unless none fits them.
  std::vector<Qualifier> qualifiers;
  for (const std::string& q : readings.front().qualifiers) {
    qualifiers.push_back(ReadQualifier(table, q, false));
  }
  const auto fits = [&](const Near& n) {
    const PlaceRecord record = table.Place(n.place);
    return std::all_of(
        qualifiers.begin(), qualifiers.end(),
        [&record](const Qualifier& q) { return q.Fits(record); });
  };
  if (std::any_of(near.begin(), near.end(), fits)) {
    near.erase(std::remove_if(near.begin(), near.end(),
                              [&](const Near& n) { return !fits(n); }),
               near.end());
  }
  // Names spelt just as typed mean the qualifiers were wrong: only those
  // are offered then. Otherwise the nearest and the next nearest.
  const int offered =
      near.empty() || near[0].distance == 0 ? 0 : near[0].distance + 1;
  std::vector<std::string> labels;
  for (const Near& n : near) {
    if (labels.size() == maxCount || n.distance > offered) break;
    std::string label = CityLabel(CityOf(table, n.place));
    if (std::find(labels.begin(), labels.end(), label) == labels.end()) {
      labels.push_back(std::move(label));
    }
  }
  return labels;
}

std::optional<NearPlace> NearestPlace(double latitudeDegrees,
                                      double longitudeDegrees) {
  const Table& table = TheTable();
  if (!std::isfinite(latitudeDegrees) || !std::isfinite(longitudeDegrees)) {
    return std::nullopt;
  }
  constexpr double kKilometresPerDegree = 111.2;
  constexpr double kRadians = M_PI / 180;
  const double coslat = std::cos(latitudeDegrees * kRadians);
  // Squared distance in the file's units of latitude, flat near the
  // position: enough to choose the nearest within a few hundred kilometres.
  const double north0 = latitudeDegrees * kUnits;
  const double east0 = longitudeDegrees * kUnits;
  const auto flatDistance = [&](const PlaceRecord& p) {
    const double north = p.latitude - north0;
    double east = p.longitude - east0;
    if (east > 180 * kUnits) east -= 360 * kUnits;
    if (east < -180 * kUnits) east += 360 * kUnits;
    east *= coslat;
    return north * north + east * east;
  };
  double best =
      std::pow(kNearestPlaceKilometres / kKilometresPerDegree * kUnits, 2);
  std::uint32_t bestPlace = table.placeCount();
  // The cosine of the latitude farthest from the equator in each row of
  // cells (whole degrees 0..89), made once.
  static const std::array<double, 90> kRowCos = [] {
    std::array<double, 90> cosines{};
    for (int degrees = 0; degrees < 90; ++degrees) {
      cosines[static_cast<std::size_t>(degrees)] = std::cos(degrees * kRadians);
    }
    return cosines;
  }();
  constexpr int kColumns = atlas_file::kCellColumns;
  const int middle = atlas_file::CellOf(0.5, longitudeDegrees) % kColumns;
  // The places of cells [first, last) of one row: the cells of a row lie
  // one after the other in the table, so theirs do too.
  const auto scan = [&](int row, int first, int last) {
    const int rowStart = row * kColumns;
    const std::uint32_t from = table.CellRange(rowStart + first).first;
    const std::uint32_t to = table.CellRange(rowStart + last - 1).second;
    for (std::uint32_t at = from; at < to; ++at) {
      const std::uint32_t place = table.CellPlace(at);
      const double d = flatDistance(table.Place(place));
      if (d < best || (d == best && place < bestPlace)) {
        best = d;
        bestPlace = place;
      }
    }
  };
  // The cells within the distance still to beat, row by row.
  const auto search = [&](double radiusDegrees) {
    const int row0 =
        static_cast<int>(std::floor(latitudeDegrees + 90 - radiusDegrees));
    const int row1 =
        static_cast<int>(std::floor(latitudeDegrees + 90 + radiusDegrees));
    for (int row = std::max(row0, 0);
         row <= std::min(row1, atlas_file::kCellRows - 1); ++row) {
      const int rowLatitude = std::max(std::abs(row - 90), std::abs(row - 89));
      const double rowCos =
          kRowCos[static_cast<std::size_t>(std::min(rowLatitude, 89))];
      const double width = radiusDegrees / rowCos;
      const int columns =
          width >= 180
              ? kColumns
              : std::min(2 * static_cast<int>(std::ceil(width)) + 1, kColumns);
      // The columns from the first, round the date line where they pass it.
      const int first =
          ((middle - columns / 2) % kColumns + kColumns) % kColumns;
      if (first + columns <= kColumns) {
        scan(row, first, first + columns);
      } else {
        scan(row, first, kColumns);
        scan(row, 0, first + columns - kColumns);
      }
    }
  };
  // Most positions have a place in their own cell or the next ones: the
  // nearest found there bounds the search. A search no wider than the
  // first would only look at its cells again.
  search(0.5);
  const double radius = std::sqrt(best) / kUnits;
  if (radius > 0.5) search(radius);
  if (bestPlace >= table.placeCount()) return std::nullopt;
  NearPlace near;
  near.city = CityOf(table, bestPlace);
  const double dLat = (near.city.latitudeDegrees - latitudeDegrees) * kRadians;
  const double dLon =
      (near.city.longitudeDegrees - longitudeDegrees) * kRadians;
  const double a = std::pow(std::sin(dLat / 2), 2) +
                   coslat * std::cos(near.city.latitudeDegrees * kRadians) *
                       std::pow(std::sin(dLon / 2), 2);
  constexpr double kEarthRadiusKilometres = 6371.0;
  near.kilometres =
      2 * kEarthRadiusKilometres * std::asin(std::min(1.0, std::sqrt(a)));
  return near;
}

std::string NearPlaceText(const NearPlace& near, Language language) {
  const ReportWords& words = WordsIn(language);
  const long km = std::lround(near.kilometres);
  return Fill(words.nearPlace,
              {CityLabel(near.city),
               km < 1 ? std::string(words.underOneKm)
                      : Fill(words.kilometres, {std::to_string(km)})});
}

std::vector<std::string> AtlasZoneNames() {
  const Table& table = TheTable();
  std::vector<std::string> zones;
  for (std::uint16_t i = 0; i < table.zoneCount(); ++i) {
    zones.emplace_back(table.Zone(i));
  }
  std::sort(zones.begin(), zones.end());
  return zones;
}

}  // namespace tarvelin
