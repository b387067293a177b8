// Cities by name from the list compiled into libgeonames.
#include "atlas/atlas.h"

#include <geonames.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <memory>
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
  return plain.toCaseFolded().simplified();
}

// A city with the folded texts a query compares.
struct IndexedCity {
  AtlasCity city;
  QString foldedName, foldedState, foldedCountry, foldedCode;
};

// The atlas read once, on first use, in the library's own order.
const std::vector<IndexedCity>& AllCities() {
  static const std::vector<IndexedCity> all = [] {
    std::vector<IndexedCity> cities;
    const gint count = geonames_get_n_cities();
    cities.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
      IndexedCity entry;
      entry.city = ReadCity(i);
      entry.foldedName = Folded(entry.city.name);
      entry.foldedState = Folded(entry.city.state);
      entry.foldedCountry = Folded(entry.city.country);
      entry.foldedCode = Folded(entry.city.countryCode);
      cities.push_back(std::move(entry));
    }
    return cities;
  }();
  return all;
}

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
    if (!HasWordStartingWith(entry.foldedName, query.city)) continue;
    const bool fits = std::all_of(
        query.qualifiers.begin(), query.qualifiers.end(),
        [&entry](const QString& q) { return QualifierFits(entry, q); });
    if (fits) found.emplace_back(entry.foldedName == query.city, &entry.city);
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) {
                     if (a.first != b.first) return a.first;
                     return a.second->population > b.second->population;
                   });
  std::vector<AtlasCity> cities;
  for (const auto& entry : found) {
    if (cities.size() == maxCount) break;
    cities.push_back(*entry.second);
  }
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
    // Names much longer or shorter cannot be near enough.
    if (std::abs(entry.foldedName.size() - wanted.size()) > maxDistance) {
      continue;
    }
    const int distance = EditDistance(wanted, entry.foldedName);
    if (distance <= maxDistance) near.push_back({distance, &entry.city});
  }
  std::sort(near.begin(), near.end(), [](const Near& a, const Near& b) {
    if (a.distance != b.distance) return a.distance < b.distance;
    return a.city->population > b.city->population;
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

}  // namespace tarvelin
