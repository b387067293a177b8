// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the atlas's place list (data/atlas/README.md describes it) from
// GeoNames' "cities500" file, checking every place's time zone against its
// country, and prints a report of what it mended or left out.
//
// Usage: gen_atlas_list CITIES500_TXT OUTPUT_DIR
//
// It reads besides:
// - the time-zone database of the system (zone1970.tab, zone.tab and
//   tzdata.zi in /usr/share/zoneinfo, or $TZDIR): which countries each zone
//   serves (zone1970.tab, and zone.tab for the zones that Debian keeps
//   apart although they agree since 1970), the links between zone names,
//   and the zones' principal cities;
// - libgeonames (Debian: libgeonames-dev), whose cities carry the names of
//   their country and first-level division ("Tamil Nadu", "Illinois"),
//   which cities500 gives only as codes.
//
// Deterministic: the same inputs give the same files.
#include <geonames.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "atlas/place_text.h"

namespace {

// Canadian provinces and territories: GeoNames' first-level codes and the
// postal abbreviations people write after a city ("Montreal, QC"). United
// States divisions need no table: GeoNames codes them by their postal
// abbreviations already ("IL", "DC").
struct Province {
  const char* code;
  const char* abbreviation;
  const char* name;  // to check the code against the name libgeonames gives
};
constexpr Province kCanadianProvinces[] = {
    {"01", "AB", "Alberta"},
    {"02", "BC", "British Columbia"},
    {"03", "MB", "Manitoba"},
    {"04", "NB", "New Brunswick"},
    {"05", "NL", "Newfoundland and Labrador"},
    {"07", "NS", "Nova Scotia"},
    {"08", "ON", "Ontario"},
    {"09", "PE", "Prince Edward Island"},
    {"10", "QC", "Quebec"},
    {"11", "SK", "Saskatchewan"},
    {"12", "YT", "Yukon"},
    {"13", "NT", "Northwest Territories"},
    {"14", "NU", "Nunavut"},
};

// Names still in use that cities500 does not give the place: added to the
// most populous place of that name and country.
struct ExtraName {
  const char* name;
  const char* place;
  const char* countryCode;
};
constexpr ExtraName kExtraNames[] = {
    {"Gurugram", "Gurgaon", "IN"},
    {"Peiping", "Beijing", "CN"},
};

// Places of the same name this close are one place listed twice.
constexpr double kSamePlaceKilometres = 1;
// A libgeonames city this close to a place of the same name is that place.
constexpr double kMatchKilometres = 10;
// A zone's principal city this close to a place of that zone is in the list.
constexpr double kZoneCityKilometres = 30;
// How many of the nearest places of the same country must agree on a zone
// to give it to a place whose zone does not fit.
constexpr int kNeighbours = 5;

double KilometresApart(double lat1, double lon1, double lat2, double lon2) {
  constexpr double kEarthRadiusKilometres = 6371.0;
  constexpr double kRadians = M_PI / 180;
  const double dLat = (lat2 - lat1) * kRadians;
  const double dLon = (lon2 - lon1) * kRadians;
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) *
                       std::sin(dLon / 2) * std::sin(dLon / 2);
  return 2 * kEarthRadiusKilometres * std::asin(std::min(1.0, std::sqrt(a)));
}

struct Place {
  std::string name, ascii, countryCode, division, zone, latitudeText,
      longitudeText;
  std::vector<std::string> alternates;
  double latitude = 0, longitude = 0;
  unsigned long population = 0;
  std::string folded;  // of the name
};

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

QString ZoneDir() {
  const QByteArray dir = qgetenv("TZDIR");
  return dir.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : QString(dir);
}

QStringList Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::cerr << "cannot read " << path.toStdString() << "\n";
    std::exit(1);
  }
  QStringList lines;
  QTextStream in(&file);
  while (!in.atEnd()) lines.append(in.readLine());
  return lines;
}

// What the time-zone database says about zones.
struct ZoneFacts {
  std::set<std::string> zones;                             // names and links
  std::map<std::string, std::string> links;                // link -> target
  std::map<std::string, std::set<std::string>> countries;  // zone -> codes
  struct City {
    std::string zone, countryCode;
    double latitude, longitude;
  };
  std::vector<City> principalCities;  // zone.tab

  std::string Canonical(std::string zone) const {
    for (int hops = 0; hops < 8; ++hops) {
      const auto link = links.find(zone);
      if (link == links.end()) break;
      zone = link->second;
    }
    return zone;
  }
  bool Fits(const std::string& zone, const std::string& countryCode) const {
    const auto found = countries.find(Canonical(zone));
    return found != countries.end() && found->second.count(countryCode) > 0;
  }
};

// "+0117" or "+011700" (degrees, minutes, seconds), `degreeDigits` digits
// of degrees.
double TabAngle(const QString& text, int degreeDigits) {
  double value = 0, unit = 1;
  for (qsizetype at = 1, digits = degreeDigits; at < text.size();
       at += digits, digits = 2, unit /= 60) {
    value += text.mid(at, digits).toInt() * unit;
  }
  return text.startsWith(u'-') ? -value : value;
}

ZoneFacts ReadZoneFacts() {
  ZoneFacts facts;
  for (const QString& line : Lines(ZoneDir() + "/tzdata.zi")) {
    const QStringList f = line.split(u' ');
    if (f.size() >= 2 && f[0] == u"Z") facts.zones.insert(f[1].toStdString());
    if (f.size() >= 3 && f[0] == u"L") {
      facts.zones.insert(f[2].toStdString());
      facts.links[f[2].toStdString()] = f[1].toStdString();
    }
  }
  for (const QString& line : Lines(ZoneDir() + "/zone1970.tab")) {
    if (line.startsWith(u'#')) continue;
    const QStringList f = line.split(u'\t');
    if (f.size() < 3) continue;
    for (const QString& code : f[0].split(u',')) {
      facts.countries[f[2].toStdString()].insert(code.toStdString());
    }
  }
  const QRegularExpression sign("[+-]");
  for (const QString& line : Lines(ZoneDir() + "/zone.tab")) {
    if (line.startsWith(u'#')) continue;
    const QStringList f = line.split(u'\t');
    if (f.size() < 3) continue;
    const qsizetype split = f[1].indexOf(sign, 1);
    // Debian's tz database keeps the zones merged since 1970 apart
    // (Europe/Amsterdam, Africa/Luanda): zone.tab names their countries.
    facts.countries[f[2].toStdString()].insert(f[0].toStdString());
    facts.principalCities.push_back({f[2].toStdString(), f[0].toStdString(),
                                     TabAngle(f[1].left(split), 2),
                                     TabAngle(f[1].mid(split), 3)});
  }
  return facts;
}

std::vector<Place> ReadCities500(const char* path) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << "cannot read " << path << "\n";
    std::exit(1);
  }
  std::vector<Place> places;
  std::string line;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = Split(line, '\t');
    if (f.size() < 19) continue;
    Place p;
    p.name = f[1];
    p.ascii = f[2] == f[1] ? "" : f[2];
    p.latitudeText = f[4];
    p.longitudeText = f[5];
    p.latitude = std::stod(f[4]);
    p.longitude = std::stod(f[5]);
    p.countryCode = f[8];
    p.division = f[10];
    p.population = std::stoul(f[14].empty() ? "0" : f[14]);
    p.zone = f[17];
    p.folded = tarvelin::FoldedPlaceText(p.name);
    // Other names once each, and none that only repeats the name.
    std::set<std::string> seen = {p.folded, tarvelin::FoldedPlaceText(p.ascii)};
    for (const std::string& alternate : Split(f[3], ',')) {
      const std::string folded = tarvelin::FoldedPlaceText(alternate);
      if (!folded.empty() && seen.insert(folded).second) {
        p.alternates.push_back(alternate);
      }
    }
    places.push_back(std::move(p));
  }
  return places;
}

// Drops the less populous of two places listed twice (same name, country
// and division, within a kilometre).
std::size_t DropRepeats(std::vector<Place>& places) {
  std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return std::tie(a.countryCode, a.division, a.folded, b.population) <
           std::tie(b.countryCode, b.division, b.folded, a.population);
  });
  std::vector<Place> kept;
  std::size_t dropped = 0;
  std::size_t groupStart = 0;
  for (Place& p : places) {
    if (kept.size() > groupStart &&
        (kept[groupStart].countryCode != p.countryCode ||
         kept[groupStart].division != p.division ||
         kept[groupStart].folded != p.folded)) {
      groupStart = kept.size();
    }
    const bool repeat = std::any_of(
        kept.begin() + static_cast<long>(groupStart), kept.end(),
        [&p](const Place& k) {
          return KilometresApart(k.latitude, k.longitude, p.latitude,
                                 p.longitude) < kSamePlaceKilometres;
        });
    if (repeat) {
      ++dropped;
      continue;
    }
    kept.push_back(std::move(p));
  }
  places = std::move(kept);
  return dropped;
}

// Gives every place whose zone the database lacks or whose zone does not
// serve its country the zone of its country: the only one, or the one its
// nearest fitting neighbours of that country agree on; else none.
void MendZones(std::vector<Place>& places, const ZoneFacts& facts) {
  std::map<std::string, std::vector<std::string>> zonesOf;  // country
  for (const auto& [zone, codes] : facts.countries) {
    for (const std::string& code : codes) zonesOf[code].push_back(zone);
  }
  std::map<std::string, std::vector<const Place*>> fitting;  // by country
  std::vector<Place*> misfits;
  for (Place& p : places) {
    const bool known = facts.zones.count(p.zone) > 0;
    if (known && facts.Fits(p.zone, p.countryCode)) {
      fitting[p.countryCode].push_back(&p);
    } else {
      misfits.push_back(&p);
    }
  }
  std::map<std::string, int> mended, unjudged;
  int cleared = 0;
  for (Place* p : misfits) {
    const std::string before = p->zone;
    if (zonesOf.count(p->countryCode) == 0 && facts.zones.count(p->zone)) {
      // A territory the database files under another country's zones
      // (Kosovo under Europe/Belgrade): the zone cannot be judged.
      ++unjudged[p->countryCode + " " + p->zone];
      continue;
    }
    std::string zone;
    const std::vector<std::string>& candidates = zonesOf[p->countryCode];
    if (candidates.size() == 1) {
      zone = candidates.front();
    } else {
      std::vector<std::pair<double, const Place*>> near;
      for (const Place* other : fitting[p->countryCode]) {
        near.emplace_back(KilometresApart(p->latitude, p->longitude,
                                          other->latitude, other->longitude),
                          other);
      }
      const std::size_t n = std::min<std::size_t>(kNeighbours, near.size());
      std::partial_sort(near.begin(), near.begin() + static_cast<long>(n),
                        near.end());
      std::set<std::string> agreed;
      for (std::size_t i = 0; i < n; ++i) {
        agreed.insert(facts.Canonical(near[i].second->zone));
      }
      if (n > 0 && agreed.size() == 1) zone = near.front().second->zone;
    }
    p->zone = zone;
    std::printf("zone: %s (%s %s) %s does not serve %s: %s\n", p->name.c_str(),
                p->countryCode.c_str(), p->division.c_str(),
                before.empty() ? "(none)" : before.c_str(),
                p->countryCode.c_str(),
                zone.empty() ? "left without a zone" : zone.c_str());
    if (zone.empty()) {
      ++cleared;
    } else {
      ++mended[before + " -> " + zone];
    }
  }
  for (const auto& [what, count] : unjudged) {
    std::printf(
        "zone: %d places of %s kept: the database lists no zone for "
        "their country\n",
        count, what.c_str());
  }
  std::printf(
      "zones: %zu places did not fit their country; %d left without "
      "a zone\n",
      misfits.size(), cleared);
}

// The principal cities of zone.tab that no place of the list stands for
// (a place of that zone near it), added under the zone's last name part.
void AddZoneCities(std::vector<Place>& places, const ZoneFacts& facts) {
  std::vector<Place> added;
  for (const ZoneFacts::City& city : facts.principalCities) {
    const bool listed = std::any_of(
        places.begin(), places.end(), [&city, &facts](const Place& p) {
          return facts.Canonical(p.zone) == facts.Canonical(city.zone) &&
                 KilometresApart(p.latitude, p.longitude, city.latitude,
                                 city.longitude) < kZoneCityKilometres;
        });
    if (listed) continue;
    Place p;
    p.name = QString::fromStdString(city.zone)
                 .section(u'/', -1)
                 .replace(u'_', u' ')
                 .toStdString();
    p.folded = tarvelin::FoldedPlaceText(p.name);
    p.countryCode = city.countryCode;
    p.zone = city.zone;
    p.latitude = city.latitude;
    p.longitude = city.longitude;
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", city.latitude);
    p.latitudeText = text;
    std::snprintf(text, sizeof text, "%.5f", city.longitude);
    p.longitudeText = text;
    std::printf("added: %s (%s), the principal city of %s\n", p.name.c_str(),
                p.countryCode.c_str(), city.zone.c_str());
    added.push_back(std::move(p));
  }
  places.insert(places.end(), added.begin(), added.end());
}

struct Names {
  std::map<std::string, std::string> countries;  // code -> name
  std::map<std::pair<std::string, std::string>, std::string> divisions;
};

// Country and division names from libgeonames' cities: each city matched
// to the place of the same name nearest to it, the names most cities of a
// code give taken.
Names NamesFromLibgeonames(const std::vector<Place>& places) {
  std::multimap<std::pair<std::string, std::string>, const Place*> byName;
  for (const Place& p : places)
    byName.emplace(std::pair{p.countryCode, p.folded}, &p);
  std::map<std::string, std::map<std::string, int>> countryVotes;
  std::map<std::pair<std::string, std::string>, std::map<std::string, int>>
      divisionVotes;
  const int count = geonames_get_n_cities();
  for (int i = 0; i < count; ++i) {
    GeonamesCity* city = geonames_get_city(i);
    if (city == nullptr) continue;
    const auto text = [](const char* t) { return std::string(t ? t : ""); };
    const std::string code = text(geonames_city_get_country_code(city));
    const std::string country = text(geonames_city_get_country(city));
    const std::string state = text(geonames_city_get_state(city));
    const std::string name = text(geonames_city_get_name(city));
    const double lat = geonames_city_get_latitude(city);
    const double lon = geonames_city_get_longitude(city);
    geonames_city_free(city);
    if (!country.empty()) ++countryVotes[code][country];
    const auto [first, last] =
        byName.equal_range({code, tarvelin::FoldedPlaceText(name)});
    const Place* nearest = nullptr;
    double best = kMatchKilometres;
    for (auto it = first; it != last; ++it) {
      const double km = KilometresApart(lat, lon, it->second->latitude,
                                        it->second->longitude);
      if (km < best) {
        best = km;
        nearest = it->second;
      }
    }
    if (nearest != nullptr && !state.empty() && !nearest->division.empty()) {
      ++divisionVotes[{code, nearest->division}][state];
    }
  }
  const auto winner = [](const std::map<std::string, int>& votes) {
    return std::max_element(
               votes.begin(), votes.end(),
               [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
  };
  Names names;
  for (const auto& [code, votes] : countryVotes) {
    names.countries[code] = winner(votes);
  }
  for (const auto& [key, votes] : divisionVotes) {
    names.divisions[key] = winner(votes);
  }
  return names;
}

void AddExtraNames(std::vector<Place>& places) {
  for (const ExtraName& extra : kExtraNames) {
    Place* best = nullptr;
    for (Place& p : places) {
      if (p.name == extra.place && p.countryCode == extra.countryCode &&
          (best == nullptr || p.population > best->population)) {
        best = &p;
      }
    }
    if (best == nullptr) {
      std::printf("name: %s not added, no %s in %s\n", extra.name, extra.place,
                  extra.countryCode);
      continue;
    }
    best->alternates.push_back(extra.name);
  }
}

std::string Abbreviation(const std::string& countryCode,
                         const std::string& division, const std::string& name) {
  if (countryCode == "US" && division.size() == 2) return division;
  if (countryCode != "CA") return "";
  for (const Province& p : kCanadianProvinces) {
    if (division != p.code) continue;
    if (name.rfind(p.name, 0) != 0) {  // "Yukon Territory" is Yukon
      std::printf("abbreviation: CA %s is \"%s\", not %s: none given\n", p.code,
                  name.c_str(), p.name);
      return "";
    }
    return p.abbreviation;
  }
  return "";
}

void Write(const std::string& path, const std::string& header,
           const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << header << "\n";
  for (const std::string& line : lines) out << line << "\n";
  if (!out) {
    std::cerr << "cannot write " << path << "\n";
    std::exit(1);
  }
}

std::string Join(const std::vector<std::string>& parts, const char* between) {
  std::string joined;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) joined += between;
    joined += parts[i];
  }
  return joined;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gen_atlas_list CITIES500_TXT OUTPUT_DIR\n";
    return 2;
  }
  const std::string out = argv[2];
  const ZoneFacts facts = ReadZoneFacts();
  std::vector<Place> places = ReadCities500(argv[1]);
  std::printf("read: %zu places\n", places.size());
  std::printf("repeats: %zu places listed twice dropped\n",
              DropRepeats(places));
  MendZones(places, facts);
  AddZoneCities(places, facts);
  AddExtraNames(places);
  const Names names = NamesFromLibgeonames(places);

  std::set<std::string> codes;
  std::set<std::pair<std::string, std::string>> divisions;
  std::vector<std::string> placeLines;
  std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return std::tie(a.countryCode, a.division, a.name, a.latitudeText,
                    a.longitudeText) < std::tie(b.countryCode, b.division,
                                                b.name, b.latitudeText,
                                                b.longitudeText);
  });
  for (const Place& p : places) {
    codes.insert(p.countryCode);
    if (!p.division.empty()) divisions.insert({p.countryCode, p.division});
    placeLines.push_back(
        Join({p.name, p.ascii, Join(p.alternates, ","), p.latitudeText,
              p.longitudeText, p.countryCode, p.division,
              std::to_string(p.population), p.zone},
             "\t"));
  }
  std::vector<std::string> countryLines;
  for (const std::string& code : codes) {
    std::string name;
    const auto known = names.countries.find(code);
    if (known != names.countries.end()) {
      name = known->second;
    } else {
      const QLocale::Territory territory =
          QLocale::codeToTerritory(QString::fromStdString(code));
      name = territory == QLocale::AnyTerritory
                 ? code
                 : QLocale::territoryToString(territory).toStdString();
      std::printf("country: %s not in libgeonames, named \"%s\"\n",
                  code.c_str(), name.c_str());
    }
    countryLines.push_back(code + "\t" + name);
  }
  std::vector<std::string> divisionLines;
  std::size_t unnamed = 0;
  for (const auto& [code, division] : divisions) {
    const auto known = names.divisions.find({code, division});
    if (known == names.divisions.end()) {
      ++unnamed;
      continue;
    }
    divisionLines.push_back(code + "\t" + division + "\t" + known->second +
                            "\t" + Abbreviation(code, division, known->second));
  }
  std::printf("divisions: %zu named, %zu without a name\n",
              divisionLines.size(), unnamed);
  Write(out + "/places.tsv",
        "#name\tascii_name\tother_names\tlatitude\tlongitude\tcountry\t"
        "division\tpopulation\tzone",
        placeLines);
  Write(out + "/countries.tsv", "#country\tname", countryLines);
  Write(out + "/divisions.tsv", "#country\tdivision\tname\tabbreviation",
        divisionLines);
  std::printf("written: %zu places, %zu countries\n", placeLines.size(),
              countryLines.size());
  return 0;
}
