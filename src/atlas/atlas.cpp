// Cities by name from the list compiled into libgeonames.
#include "atlas/atlas.h"

#include <geonames.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <utility>

namespace tarvelin {
namespace {

struct CityDeleter {
  void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using CityHandle = std::unique_ptr<GeonamesCity, CityDeleter>;

std::string Text(const gchar* text) { return text ? std::string(text) : ""; }

AtlasCity ReadCity(gint index) {
  AtlasCity city;
  const CityHandle handle(geonames_get_city(index));
  if (!handle) return city;
  GeonamesCity* c = handle.get();
  city.name = Text(geonames_city_get_name(c));
  city.state = Text(geonames_city_get_state(c));
  city.country = Text(geonames_city_get_country(c));
  city.countryCode = Text(geonames_city_get_country_code(c));
  city.ianaZone = Text(geonames_city_get_timezone(c));
  city.latitudeDegrees = geonames_city_get_latitude(c);
  city.longitudeDegrees = geonames_city_get_longitude(c);
  city.population = geonames_city_get_population(c);
  return city;
}

// A text reduced for comparing: accents dropped, case folded, runs of blanks
// made one.
QString Folded(const std::string& text) {
  const QString decomposed =
      QString::fromStdString(text).normalized(QString::NormalizationForm_KD);
  QString plain;
  plain.reserve(decomposed.size());
  for (const QChar c : decomposed) {
    if (c.category() != QChar::Mark_NonSpacing) plain.append(c);
  }
  // Letters with a stroke or ligatures have no decomposition; typed without
  // them they are read as the plain letters ("Kobenhavn", "Lodz").
  QString folded = plain.toCaseFolded();
  static const std::pair<char16_t, const char*> kPlain[] = {
      {u'\u00f8', "o"},  {u'\u0111', "d"},  {u'\u0142', "l"},
      {u'\u00e6', "ae"}, {u'\u0153', "oe"}, {u'\u00df', "ss"},
      {u'\u0131', "i"},  {u'\u00fe', "th"}, {u'\u00f0', "d"}};
  for (const auto& [letter, plainText] : kPlain) {
    folded.replace(QChar(letter), QLatin1String(plainText));
  }
  return folded.simplified();
}

// A city with the folded texts a query compares.
struct IndexedCity {
  AtlasCity city;
  QString foldedName, foldedState, foldedCountry, foldedCode;
  QStringList foldedAliases;  // other names (kCityAliases)
};

IndexedCity Indexed(AtlasCity city) {
  IndexedCity entry;
  entry.foldedName = Folded(city.name);
  entry.foldedState = Folded(city.state);
  entry.foldedCountry = Folded(city.country);
  entry.foldedCode = Folded(city.countryCode);
  entry.city = std::move(city);
  return entry;
}

// The same place listed twice (the atlas has Chennai twice): same label and
// within a kilometre.
bool SamePlace(const AtlasCity& a, const AtlasCity& b) {
  constexpr double kDegreesApart = 0.01;
  return a.name == b.name && a.state == b.state && a.country == b.country &&
         std::fabs(a.latitudeDegrees - b.latitudeDegrees) < kDegreesApart &&
         std::fabs(a.longitudeDegrees - b.longitudeDegrees) < kDegreesApart;
}

// --- the principal cities of the time-zone database -------------------------

constexpr double kKilometresPerDegree = 111.2;
// An atlas city of the zone this close to the zone's coordinates is the
// zone's city under another name (Ho Chi Minh City for Asia/Ho_Chi_Minh).
constexpr double kSamePlaceKilometres = 30;

double KilometresApart(double lat1, double lon1, double lat2, double lon2) {
  const double meanLatitude = (lat1 + lat2) / 2 * M_PI / 180;
  const double north = lat1 - lat2;
  double east = std::remainder(lon1 - lon2, 360.0);
  east *= std::cos(meanLatitude);
  return std::hypot(north, east) * kKilometresPerDegree;
}

// "+0117" or "+011700" (degrees, minutes, seconds) from `text`, whose degree
// part has `degreeDigits` digits; nothing when malformed.
std::optional<double> TabAngle(const QString& text, int degreeDigits) {
  const qsizetype length = text.size() - 1;
  if (text.isEmpty() || (text[0] != u'+' && text[0] != u'-') ||
      (length != degreeDigits + 2 && length != degreeDigits + 4)) {
    return std::nullopt;
  }
  bool ok = true;
  double value = 0;
  double unit = 1;
  for (qsizetype at = 1, digits = degreeDigits; at < text.size();
       at += digits, digits = 2, unit /= 60) {
    bool partOk = false;
    value += text.mid(at, digits).toInt(&partOk) * unit;
    ok = ok && partOk;
  }
  if (!ok) return std::nullopt;
  return text[0] == u'-' ? -value : value;
}

// The zones of the system's zone.tab with their principal city's name (the
// last part of the zone's name, "Port of Spain" for America/Port_of_Spain),
// country code and coordinates.
std::vector<AtlasCity> ZoneTabCities() {
  const QByteArray dir = qgetenv("TZDIR");
  const QString base =
      dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : QString(dir);
  QFile file(base + "/zone.tab");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  std::vector<AtlasCity> cities;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.startsWith(u'#')) continue;
    const QStringList fields = line.split(u'\t');
    if (fields.size() < 3) continue;
    const QString& place = fields[1];
    const qsizetype split = place.indexOf(QRegularExpression("[+-]"), 1);
    if (split < 0) continue;
    const auto latitude = TabAngle(place.left(split), 2);
    const auto longitude = TabAngle(place.mid(split), 3);
    if (!latitude || !longitude) continue;
    AtlasCity city;
    city.ianaZone = fields[2].toStdString();
    city.name = fields[2].section(u'/', -1).replace(u'_', u' ').toStdString();
    city.countryCode = fields[0].toStdString();
    city.latitudeDegrees = *latitude;
    city.longitudeDegrees = *longitude;
    cities.push_back(std::move(city));
  }
  return cities;
}

// The zone.tab cities the atlas lacks: no city of that name in that country,
// and none of the zone near the zone's coordinates.
std::vector<AtlasCity> MissingZoneCities(
    const std::vector<IndexedCity>& atlas) {
  std::map<std::string, std::string> countryNames;  // code -> atlas name
  std::set<std::pair<QString, std::string>> names;  // folded name, code
  std::multimap<std::string, const AtlasCity*> byZone;
  for (const IndexedCity& entry : atlas) {
    countryNames.emplace(entry.city.countryCode, entry.city.country);
    names.emplace(entry.foldedName, entry.city.countryCode);
    byZone.emplace(entry.city.ianaZone, &entry.city);
  }
  std::vector<AtlasCity> missing;
  for (AtlasCity& city : ZoneTabCities()) {
    if (names.count({Folded(city.name), city.countryCode})) continue;
    const auto [first, last] = byZone.equal_range(city.ianaZone);
    const bool near = std::any_of(first, last, [&city](const auto& entry) {
      const AtlasCity& a = *entry.second;
      return KilometresApart(a.latitudeDegrees, a.longitudeDegrees,
                             city.latitudeDegrees,
                             city.longitudeDegrees) < kSamePlaceKilometres;
    });
    if (near) continue;
    const auto country = countryNames.find(city.countryCode);
    city.country = country != countryNames.end()
                       ? country->second
                       : QLocale::territoryToString(
                             QLocale::codeToTerritory(
                                 QString::fromStdString(city.countryCode)))
                             .toStdString();
    missing.push_back(std::move(city));
  }
  return missing;
}

struct Atlas {
  std::vector<IndexedCity> cities;
  std::vector<AtlasCity> zoneCities;  // the ones added from zone.tab
};

// The atlas read once, on first use, in the library's own order, without
// repeats, with the other names of its cities and, after them, the zones'
// principal cities it lacks.
const Atlas& TheAtlas() {
  static const Atlas atlas = [] {
    Atlas read;
    std::vector<IndexedCity>& cities = read.cities;
    const gint count = geonames_get_n_cities();
    cities.reserve(static_cast<std::size_t>(std::max(count, 0)));
    std::multimap<std::string, std::size_t> byName;
    for (gint i = 0; i < count; ++i) {
      AtlasCity city = ReadCity(i);
      const auto [first, last] = byName.equal_range(city.name);
      if (std::any_of(first, last, [&](const auto& seen) {
            return SamePlace(cities[seen.second].city, city);
          })) {
        continue;
      }
      byName.emplace(city.name, cities.size());
      cities.push_back(Indexed(std::move(city)));
    }
    for (std::size_t i = 0; i < kCityAliasCount; ++i) {
      const CityAlias& alias = kCityAliases[i];
      const auto [first, last] = byName.equal_range(alias.city);
      for (auto it = first; it != last; ++it) {
        IndexedCity& entry = cities[it->second];
        if (entry.city.countryCode == alias.countryCode) {
          entry.foldedAliases.append(Folded(alias.alias));
        }
      }
    }
    read.zoneCities = MissingZoneCities(cities);
    for (const AtlasCity& city : read.zoneCities) {
      cities.push_back(Indexed(city));
    }
    return read;
  }();
  return atlas;
}

const std::vector<IndexedCity>& AllCities() { return TheAtlas().cities; }

// The city part and the qualifiers of a place text, each folded.
struct PlaceQuery {
  QString city;
  QStringList qualifiers;
};

PlaceQuery ParsePlace(const std::string& placeText) {
  PlaceQuery query;
  const QStringList parts = QString::fromStdString(placeText).split(u',');
  query.city = Folded(parts.value(0).toStdString());
  for (qsizetype i = 1; i < parts.size(); ++i) {
    const QString qualifier = Folded(parts[i].toStdString());
    if (!qualifier.isEmpty()) query.qualifiers.append(qualifier);
  }
  return query;
}

// True when a word of the folded `text` begins with `start` ("york" in
// "new york", "bengal" in "state of west bengal", "denis" in
// "saint-denis").
bool HasWordStartingWith(const QString& text, const QString& start) {
  for (qsizetype at = text.indexOf(start); at >= 0;
       at = text.indexOf(start, at + 1)) {
    if (at == 0 || !text[at - 1].isLetterOrNumber()) return true;
  }
  return false;
}

// Common short names of countries that the atlas spells out.
QString CountryCodeAlias(const QString& qualifier) {
  if (qualifier == u"uk") return QStringLiteral("gb");
  if (qualifier == u"usa" || qualifier == u"u.s.a." || qualifier == u"u.s.")
    return QStringLiteral("us");
  return {};
}

bool QualifierFits(const IndexedCity& entry, const QString& qualifier) {
  return HasWordStartingWith(entry.foldedState, qualifier) ||
         HasWordStartingWith(entry.foldedCountry, qualifier) ||
         entry.foldedCode == qualifier ||
         entry.foldedCode == CountryCodeAlias(qualifier);
}

// True when `words` stands in the folded `text` as whole words ("delhi" in
// "national capital territory of delhi", not "del").
bool HasWholeWords(const QString& text, const QString& words) {
  for (qsizetype at = text.indexOf(words); at >= 0;
       at = text.indexOf(words, at + 1)) {
    const qsizetype end = at + words.size();
    if ((at == 0 || !text[at - 1].isLetterOrNumber()) &&
        (end == text.size() || !text[end].isLetterOrNumber())) {
      return true;
    }
  }
  return false;
}

bool QualifierFitsWhole(const IndexedCity& entry, const QString& qualifier) {
  return HasWholeWords(entry.foldedState, qualifier) ||
         HasWholeWords(entry.foldedCountry, qualifier) ||
         entry.foldedCode == qualifier ||
         entry.foldedCode == CountryCodeAlias(qualifier);
}

bool NameStartsWith(const IndexedCity& entry, const QString& start) {
  if (HasWordStartingWith(entry.foldedName, start)) return true;
  return std::any_of(entry.foldedAliases.begin(), entry.foldedAliases.end(),
                     [&start](const QString& alias) {
                       return HasWordStartingWith(alias, start);
                     });
}

bool NameEquals(const IndexedCity& entry, const QString& name) {
  return entry.foldedName == name || entry.foldedAliases.contains(name);
}

bool MorePopulous(const AtlasCity* a, const AtlasCity* b) {
  return a->population > b->population;
}

// Letters to insert, delete or change to turn `a` into `b`.
int EditDistance(const QString& a, const QString& b) {
  std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
  for (qsizetype i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (qsizetype j = 1; j <= b.size(); ++j) {
      const auto col = static_cast<std::size_t>(j);
      const int above = row[col];
      const int change = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      row[col] = std::min({above + 1, row[col - 1] + 1, change});
      diagonal = above;
    }
  }
  return row.back();
}

}  // namespace

std::string CityLabel(const AtlasCity& city) {
  std::string label = city.name;
  if (!city.state.empty()) label += ", " + city.state;
  if (!city.country.empty()) label += ", " + city.country;
  return label;
}

std::vector<AtlasCity> FindCities(const std::string& placeText,
                                  std::size_t maxCount) {
  const PlaceQuery query = ParsePlace(placeText);
  if (query.city.isEmpty() || maxCount == 0) return {};

  std::vector<std::pair<bool, const AtlasCity*>> found;  // whole name equal?
  for (const IndexedCity& entry : AllCities()) {
    if (!NameStartsWith(entry, query.city)) continue;
    const bool fits = std::all_of(
        query.qualifiers.begin(), query.qualifiers.end(),
        [&entry](const QString& q) { return QualifierFits(entry, q); });
    if (fits) found.emplace_back(NameEquals(entry, query.city), &entry.city);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) {
                     if (a.first != b.first) return a.first;
                     return MorePopulous(a.second, b.second);
                   });
  std::vector<AtlasCity> cities;
  for (const auto& entry : found) {
    if (cities.size() == maxCount) break;
    cities.push_back(*entry.second);
  }
  return cities;
}

std::vector<AtlasCity> CitiesNamed(const std::string& placeText) {
  const PlaceQuery query = ParsePlace(placeText);
  if (query.city.isEmpty()) return {};
  std::vector<const AtlasCity*> found;
  for (const IndexedCity& entry : AllCities()) {
    if (!NameEquals(entry, query.city)) continue;
    const bool fits = std::all_of(
        query.qualifiers.begin(), query.qualifiers.end(),
        [&entry](const QString& q) { return QualifierFitsWhole(entry, q); });
    if (fits) found.push_back(&entry.city);
  }
  std::stable_sort(found.begin(), found.end(), MorePopulous);
  std::vector<AtlasCity> cities;
  cities.reserve(found.size());
  for (const AtlasCity* city : found) cities.push_back(*city);
  return cities;
}

std::vector<std::string> ClosestCityLabels(const std::string& placeText,
                                           std::size_t maxCount) {
  const QString wanted = ParsePlace(placeText).city;
  if (wanted.isEmpty() || maxCount == 0) return {};
  // A third of the letters may be wrong, and at least one.
  const int maxDistance = std::max<int>(1, static_cast<int>(wanted.size()) / 3);

  struct Near {
    int distance;
    const AtlasCity* city;
  };
  std::vector<Near> near;
  for (const IndexedCity& entry : AllCities()) {
    int best = maxDistance + 1;
    auto measure = [&](const QString& name) {
      // Names much longer or shorter cannot be near enough.
      if (std::abs(name.size() - wanted.size()) > maxDistance) return;
      best = std::min(best, EditDistance(wanted, name));
    };
    measure(entry.foldedName);
    for (const QString& alias : entry.foldedAliases) measure(alias);
    if (best <= maxDistance) near.push_back({best, &entry.city});
  }
  std::sort(near.begin(), near.end(), [](const Near& a, const Near& b) {
    if (a.distance != b.distance) return a.distance < b.distance;
    return MorePopulous(a.city, b.city);
  });
  // Names spelt just as typed mean the qualifiers were wrong: only those
  // are offered then. Otherwise the nearest and the next nearest.
  const int offered =
      near.empty() || near[0].distance == 0 ? 0 : near[0].distance + 1;
  std::vector<std::string> labels;
  for (const Near& n : near) {
    if (labels.size() == maxCount || n.distance > offered) break;
    std::string label = CityLabel(*n.city);
    if (std::find(labels.begin(), labels.end(), label) == labels.end()) {
      labels.push_back(std::move(label));
    }
  }
  return labels;
}

std::vector<std::string> AtlasZoneNames() {
  std::vector<std::string> zones;
  for (const IndexedCity& entry : AllCities()) {
    zones.push_back(entry.city.ianaZone);
  }
  std::sort(zones.begin(), zones.end());
  zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
  return zones;
}

std::vector<AtlasCity> ZoneCitiesNotInAtlas() { return TheAtlas().zoneCities; }

}  // namespace tarvelin
