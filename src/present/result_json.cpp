// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/result_json.h"

#include <cstring>

#include "present/hora_lagna_text.h"
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/zone_text.h"
#include "sunrise/retrograde.h"
#include "tables/zone_table.h"

namespace tarvelin {
namespace {

// The numbers a row writes twice (the ascendant and the Moon again among
// the longitudes, the hora lagna among the special lagnas and as itself):
// made once and copied where the very same double comes again.
class RepeatedNumbers {
 public:
  // Writes `value`; kept for later when `keep`.
  void Write(JsonWriter& out, double value, bool keep) {
    for (int i = 0; i < count_; ++i) {
      if (std::memcmp(&values_[i], &value, sizeof value) == 0) {
        out.Raw(texts_[i]);
        return;
      }
    }
    if (!keep || count_ == kKept) {
      out.Number(value);
      return;
    }
    texts_[count_] = JsonWriter::NumberText(value, buffers_[count_]);
    values_[count_] = value;
    out.Raw(texts_[count_++]);
  }

 private:
  static constexpr int kKept = 3;
  int count_ = 0;
  double values_[kKept];
  JsonWriter::NumberBuffer buffers_[kKept];
  std::string_view texts_[kKept];
};

void DateTimeOrNull(JsonWriter& out,
                    const std::optional<CivilDateTime>& moment) {
  if (moment) {
    DateTimeBuffer buffer;
    out.String(DateTimeText(*moment, buffer), sizeof buffer.chars);
  } else {
    out.Null();
  }
}

void RiseAndSet(JsonWriter& out, const char* day,
                const std::optional<CivilDateTime>& sunrise,
                const std::optional<CivilDateTime>& sunset) {
  out.Key(day);
  out.BeginObject();
  out.Key("sunrise");
  DateTimeOrNull(out, sunrise);
  out.Key("sunset");
  DateTimeOrNull(out, sunset);
  out.EndObject();
}

template <std::size_t N>
void StringArray(JsonWriter& out, const std::array<std::string, N>& texts) {
  out.BeginArray();
  for (const std::string& text : texts) out.String(text);
  out.EndArray();
}

void Input(JsonWriter& out, const Birth& birth) {
  const DegreesMinutes lon = ToDegreesMinutes(birth.longitudeDegrees);
  const DegreesMinutes lat = ToDegreesMinutes(birth.latitudeDegrees);
  const CivilDateTime& t = birth.local;
  out.Key("input");
  out.BeginObject();
  out.Key("name");
  out.String(birth.name);
  const std::pair<const char*, int> numbers[] = {
      {"year", t.year},         {"month", t.month},      {"day", t.day},
      {"hour", t.hour},         {"minute", t.minute},    {"second", t.second},
      {"lon_deg", lon.degrees}, {"lon_min", lon.minutes}};
  for (const auto& [key, value] : numbers) {
    out.Key(key);
    out.Integer(value);
  }
  out.Key("east");
  out.Bool(!lon.negative);
  out.Key("lat_deg");
  out.Integer(lat.degrees);
  out.Key("lat_min");
  out.Integer(lat.minutes);
  out.Key("south");
  out.Bool(lat.negative);
  out.Key("zone_index");
  out.Integer(birth.zoneIndex);
  out.Key("dst");
  out.Bool(birth.daylightSavingSeconds != 0);
  out.Key("city");
  out.String(birth.city);
  out.Key("state");
  out.String(birth.state);
  out.Key("country");
  out.String(birth.country);
  out.EndObject();
}

void Details(JsonWriter& out, const ResultView& view) {
  const std::pair<const char*, const std::string*> details[] = {
      {"lblName", &view.lblName},
      {"lblDOB", &view.lblDOB},
      {"lblTOB", &view.lblTOB},
      {"lblLatitude", &view.lblLatitude},
      {"lblLongitude", &view.lblLongitude},
      {"lblCity", &view.lblCity},
      {"lblState", &view.lblState},
      {"lblCountry", &view.lblCountry},
      {"lblZone", &view.lblZone}};
  out.Key("details");
  out.BeginObject();
  for (const auto& [key, text] : details) {
    out.Key(key);
    out.String(*text);
  }
  out.EndObject();
}

void Lagnas(JsonWriter& out, const SpecialLagnas& lagnas, bool timed,
            RepeatedNumbers& repeated) {
  // The ghati, hora, bhava and varnada lagnas and the pranapada count from
  // the reference sunrise; the Sree and Indu lagnas do not.
  const auto timedNumber = [&](const char* key, double value, bool again) {
    out.Key(key);
    if (timed) {
      repeated.Write(out, value, again);
    } else {
      out.Null();
    }
  };
  const auto cell = [&](const char* key, int index, bool known) {
    out.Key(key);
    if (known && index >= 0 && index < 12) {
      out.Integer(index);
    } else {
      out.Null();
    }
  };
  out.Key("special_lagnas");
  out.BeginObject();
  timedNumber("ghati", lagnas.ghati, false);
  timedNumber("hora", lagnas.hora, true);  // the hora lagna's own
  timedNumber("bhava", lagnas.bhava, false);
  timedNumber("varnada", lagnas.varnada, false);
  out.Key("sree");
  out.Number(lagnas.sree);
  cell("indu_sign_index", lagnas.induSignIndex, true);
  cell("pranapada_sign_index", lagnas.pranapadaSignIndex, timed);
  out.EndObject();
}

void HoraLagnaMember(JsonWriter& out, const std::optional<HoraLagna>& hl,
                     const ResultView& view, RepeatedNumbers& repeated) {
  out.Key("hora_lagna");
  if (!hl) {
    out.Null();
    return;
  }
  out.BeginObject();
  out.Key("longitude");
  repeated.Write(out, hl->longitude, false);
  out.Key("sign_index");
  out.Integer(hl->signIndex);
  out.Key("sign");
  out.String(SharedSignTables().EnglishName[hl->signIndex]);
  out.Key("house");
  out.Integer(hl->house);
  out.Key("house_text");
  out.String(view.lblHoraDesc);
  out.EndObject();
}

void AttributeMembers(JsonWriter& out, const SignAttributeFields& fields) {
  out.BeginObject();
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    out.Key(field.name);
    out.String(fields.*field.member);
  }
  out.EndObject();
}

// The attributes object of each sign on one line, written once for the
// process: a batch writes one per row, and they are most of its bytes.
const std::array<std::string, 12>& OneLineAttributes() {
  static const std::array<std::string, 12> texts = [] {
    std::array<std::string, 12> t;
    for (int s = 0; s < 12; ++s) {
      JsonWriter json(JsonLayout::kOneLine);
      AttributeMembers(json, ShowSignAttributes(SharedSignTables(), s));
      t[s] = json.Text();
    }
    return t;
  }();
  return texts;
}

void Attributes(JsonWriter& out, const std::optional<HoraLagna>& hl,
                const ResultView& view) {
  out.Key("attributes");
  if (!hl) {
    out.Null();
  } else if (out.layout() == JsonLayout::kOneLine) {
    out.Raw(OneLineAttributes()[hl->signIndex]);
  } else {
    AttributeMembers(out, view.attributes);
  }
}

// The zone object: the entry or exact offset used, and the offset in force
// with its daylight-saving part.
void ZoneMembers(JsonWriter& out, const Birth& birth) {
  // The standard offset as hours and minutes to add to the clock for
  // universal time, both with the sign of the whole.
  const int toAdd = -(birth.utcOffsetSeconds - birth.daylightSavingSeconds);
  out.BeginObject();
  out.Key("text");
  if (birth.zoneIndex >= 0 && birth.zoneIndex < kZoneCount) {
    out.String(kZoneTable[birth.zoneIndex].text);
  } else {
    out.Null();
  }
  out.Key("offset_hours");
  out.Integer(toAdd / kSecondsPerHour);
  out.Key("offset_minutes");
  out.Integer(toAdd % kSecondsPerHour / 60);
  out.Key("used");
  out.String(ZoneUsedText(birth));
  out.Key("exact");
  out.Bool(birth.zoneIndex == Birth::kExactOffset);
  out.Key("utc_offset");
  out.String(UtcOffsetText(birth.utcOffsetSeconds));
  out.Key("utc_offset_seconds");
  out.Integer(birth.utcOffsetSeconds);
  out.Key("daylight_saving_seconds");
  out.Integer(birth.daylightSavingSeconds);
  out.Key("atlas_zone");
  if (birth.atlasZone.empty()) {
    out.Null();
  } else {
    out.String(birth.atlasZone);
  }
  out.EndObject();
}

// The zone object of a birth on a zone-list entry, with or without its hour
// of daylight saving, on one line: written once for the process, as a
// batch writes one a row. Nothing for any other birth or layout.
const std::string* OneLineListZone(const JsonWriter& out, const Birth& birth) {
  if (out.layout() != JsonLayout::kOneLine || !OnPlainZoneEntry(birth)) {
    return nullptr;
  }
  const bool saving = birth.daylightSavingSeconds != 0;
  static const std::array<std::array<std::string, 2>, kZoneCount> texts = [] {
    std::array<std::array<std::string, 2>, kZoneCount> t;
    for (int zone = 0; zone < kZoneCount; ++zone) {
      for (const bool dst : {false, true}) {
        JsonWriter json(JsonLayout::kOneLine);
        ZoneMembers(json, WithZoneEntry(Birth{}, zone, dst));
        t[static_cast<std::size_t>(zone)][dst] = json.Text();
      }
    }
    return t;
  }();
  return &texts[static_cast<std::size_t>(birth.zoneIndex)][saving];
}

// The JSON string of a marker cell, on one line, for every cell of up to
// kCachedLines lines: made once for the process, as a batch writes twelve a
// row. Nothing for a longer cell or another layout.
const std::string* OneLineMarker(const JsonWriter& out,
                                 const MarkerCell& cell) {
  constexpr int kCachedLines = 24;
  if (out.layout() != JsonLayout::kOneLine || cell.count < 0 ||
      cell.count >= kCachedLines || cell.horaLagnaLine < -1 ||
      cell.horaLagnaLine >= kCachedLines) {
    return nullptr;
  }
  // [count][horaLagnaLine + 1]
  static const auto texts = [] {
    std::array<std::array<std::string, kCachedLines + 1>, kCachedLines> t;
    for (int count = 0; count < kCachedLines; ++count) {
      for (int line = -1; line < kCachedLines; ++line) {
        JsonWriter json(JsonLayout::kOneLine);
        json.String(MarkerText(MarkerCell{count, line}));
        t[static_cast<std::size_t>(count)][static_cast<std::size_t>(line + 1)] =
            json.Text();
      }
    }
    return t;
  }();
  return &texts[static_cast<std::size_t>(cell.count)]
               [static_cast<std::size_t>(cell.horaLagnaLine + 1)];
}

}  // namespace

void WriteResultJson(JsonWriter& out, const Birth& birth,
                     const ChartResult& result, const ResultView& view,
                     const HoraLagnaReading& reading,
                     const std::function<void(JsonWriter&)>& moreMembers) {
  const bool timed = result.timing.has_value();
  static const PlanetNameTable bodies = PlainPlanetNames();

  out.BeginObject();
  Input(out, birth);

  out.Key("zone");
  if (const std::string* zone = OneLineListZone(out, birth)) {
    out.Raw(*zone);
  } else {
    ZoneMembers(out, birth);
  }

  // Each with whether it comes again (the ascendant and the Moon).
  const struct {
    const char* key;
    double value;
    bool again;
  } engine[] = {{"universal_hours", result.universalHours, false},
                {"sidereal_correction", result.siderealCorrection, false},
                {"sidereal_ascendant", result.siderealAscendant, true},
                {"moon_longitude", result.moonLongitude, true},
                {"moon_nakshatra_start", result.moonNakshatraStart, false}};
  RepeatedNumbers repeated;
  for (const auto& number : engine) {
    out.Key(number.key);
    repeated.Write(out, number.value, number.again);
  }

  out.Key("longitudes");
  out.BeginObject();
  for (int i = 0; i < kBodyCount; ++i) {
    out.Key(bodies[i]);
    repeated.Write(out, result.longitudes[i], false);
  }
  out.EndObject();

  out.Key("position_texts");
  out.BeginArray();
  for (const double longitude : result.longitudes) {
    PositionBuffer buffer;
    const std::string_view text = FormatSignPosition(longitude, buffer);
    out.String(text,
               text.data() == buffer.chars ? sizeof buffer.chars : text.size());
  }
  out.EndArray();

  out.Key("planet_table");
  StringArray(out, view.planet);

  out.Key("retrograde");
  out.BeginObject();
  for (int i = 0; i < kRetroPlanetCount; ++i) {
    out.Key(kRetroPlanetNames[i]);
    out.Bool(result.retrograde[i]);
  }
  out.EndObject();

  out.Key("chart");
  StringArray(out, view.chartLabels);
  out.Key("markers");
  out.BeginArray();
  for (const MarkerCell& cell : result.markers) {
    if (const std::string* json = OneLineMarker(out, cell)) {
      out.Raw(*json);
    } else {
      out.String(MarkerText(cell));
    }
  }
  out.EndArray();
  Details(out, view);

  out.Key("sunrises");
  out.BeginObject();
  RiseAndSet(out, "birth_day", result.birthDay.sunrise, result.birthDay.sunset);
  RiseAndSet(out, "day_before", result.dayBefore.sunrise,
             result.dayBefore.sunset);
  RiseAndSet(out, "day_after", result.dayAfter.sunrise, result.dayAfter.sunset);
  out.EndObject();

  out.Key("reference_sunrise");
  if (timed) {
    DateTimeOrNull(out, result.timing->sunrise);
    out.Key("elapsed_minutes");
    out.Integer(result.timing->elapsedMinutes);
    out.Key("elapsed_seconds");
    out.Integer(result.timing->elapsedSeconds);
    out.Key("sunrise_sun_longitude");
    out.Number(result.sunriseSunLongitude);
    out.Key("sunrise_sun_text");
    out.String(ChartNotationOf(result.sunriseSunLongitude));
  } else {
    out.Null();
    for (const char* key : {"elapsed_minutes", "elapsed_seconds",
                            "sunrise_sun_longitude", "sunrise_sun_text"}) {
      out.Key(key);
      out.Null();
    }
  }

  Lagnas(out, result.lagnas, timed, repeated);
  HoraLagnaMember(out, result.horaLagna, view, repeated);
  out.Key("ascendant_sign");
  out.Integer(result.ascendantSignIndex + 1);
  Attributes(out, result.horaLagna, view);
  out.Key("notice");
  out.OptionalString(view.notice);
  WriteHoraLagnaJson(out, result, reading);
  if (moreMembers) moreMembers(out);
  out.EndObject();
}

void WriteRowErrorJson(JsonWriter& out, long line, const std::string& message) {
  out.BeginObject();
  out.Key("line");
  out.Integer(line);
  out.Key("error");
  out.String(message);
  out.EndObject();
}

}  // namespace tarvelin
