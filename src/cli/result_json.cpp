#include "cli/result_json.h"

#include "engine/position_text.h"
#include "sunrise/retrograde.h"
#include "tables/zone_table.h"

namespace tarvelin::cli {
namespace {

// "YYYY-MM-DDTHH:MM:SS", as IsoText writes it; built digit by digit since a
// batch writes seven of these per row.
std::string DateTimeText(const CivilDateTime& t) {
  const bool plain = t.year >= 0 && t.year <= 9999 && t.month >= 0 &&
                     t.month <= 99 && t.day >= 0 && t.day <= 99 &&
                     t.hour >= 0 && t.hour <= 99 && t.minute >= 0 &&
                     t.minute <= 99 && t.second >= 0 && t.second <= 99;
  if (!plain) return IsoText(t);
  std::string text = "0000-00-00T00:00:00";
  const auto put = [&text](std::size_t at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
      text[at + i] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
  };
  put(0, t.year, 4);
  put(5, t.month, 2);
  put(8, t.day, 2);
  put(11, t.hour, 2);
  put(14, t.minute, 2);
  put(17, t.second, 2);
  return text;
}

void DateTimeOrNull(JsonWriter& out,
                    const std::optional<CivilDateTime>& moment) {
  if (moment) {
    out.String(DateTimeText(*moment));
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

void Input(JsonWriter& out, const BirthInput& birth) {
  out.Key("input");
  out.BeginObject();
  out.Key("name");
  out.String(birth.name);
  const std::pair<const char*, int> numbers[] = {
      {"year", birth.year},      {"month", birth.month},
      {"day", birth.day},        {"hour", birth.hour},
      {"minute", birth.minute},  {"second", birth.second},
      {"lon_deg", birth.lonDeg}, {"lon_min", birth.lonMin}};
  for (const auto& [key, value] : numbers) {
    out.Key(key);
    out.Integer(value);
  }
  out.Key("east");
  out.Bool(birth.east);
  out.Key("lat_deg");
  out.Integer(birth.latDeg);
  out.Key("lat_min");
  out.Integer(birth.latMin);
  out.Key("south");
  out.Bool(birth.south);
  out.Key("zone_index");
  out.Integer(birth.zonePosition);
  out.Key("dst");
  out.Bool(birth.dst);
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
      {"lblCountry", &view.lblCountry}};
  out.Key("details");
  out.BeginObject();
  for (const auto& [key, text] : details) {
    out.Key(key);
    out.String(*text);
  }
  out.EndObject();
}

void SpecialLagnas(JsonWriter& out, const Calculation& calc, bool timed) {
  // The ghati, hora, bhava and varnada lagnas and the pranapada count from
  // the reference sunrise; the Sree and Indu lagnas do not.
  const auto timedNumber = [&](const char* key, double value) {
    out.Key(key);
    if (timed) {
      out.Number(value);
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
  timedNumber("ghati", calc.GhatiLagna);
  timedNumber("hora", calc.HoraLagna);
  timedNumber("bhava", calc.BhavaLagna);
  timedNumber("varnada", calc.VarnadaLagna);
  out.Key("sree");
  out.Number(calc.SreeLagna);
  cell("indu_sign_index", calc.InduSignIndex, true);
  cell("pranapada_sign_index", calc.PranapadaSignIndex, timed);
  out.EndObject();
}

void HoraLagna(JsonWriter& out, const Calculation& calc) {
  const ResultView& view = calc.View;
  out.Key("hora_lagna");
  if (!view.hasHoraLagna) {
    out.Null();
    return;
  }
  out.BeginObject();
  out.Key("longitude");
  out.Number(calc.HoraLagna);
  out.Key("sign_index");
  out.Integer(calc.HoraLagnaSignIndex);
  out.Key("sign");
  out.String(view.attributes.lblEnglishName);
  out.Key("house");
  out.Integer(calc.HoraLagnaHouse);
  out.Key("house_text");
  out.String(view.lblHoraDesc);
  out.EndObject();
}

void Attributes(JsonWriter& out, const ResultView& view) {
  out.Key("attributes");
  if (!view.hasHoraLagna) {
    out.Null();
    return;
  }
  out.BeginObject();
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    out.Key(field.name);
    out.String(view.attributes.*field.member);
  }
  out.EndObject();
}

}  // namespace

void WriteResultJson(JsonWriter& out, const BirthInput& birth,
                     const Calculation& calc,
                     const std::function<void(JsonWriter&)>& moreMembers) {
  const ResultView& view = calc.View;
  const bool timed = calc.ReferenceSunrise.has_value();
  const PlanetNameTable bodies = PlainPlanetNames();

  out.BeginObject();
  Input(out, birth);

  out.Key("zone");
  out.BeginObject();
  out.Key("text");
  const bool knownZone =
      birth.zonePosition >= 0 && birth.zonePosition < kZoneCount;
  if (knownZone) {
    out.String(kZoneTable[birth.zonePosition].text);
  } else {
    out.Null();
  }
  out.Key("offset_hours");
  out.Integer(calc.ZoneOffsetHours);
  out.Key("offset_minutes");
  out.Integer(calc.ZoneOffsetMinutes);
  out.EndObject();

  const std::pair<const char*, double> engine[] = {
      {"universal_hours", calc.UniversalTime},
      {"sidereal_correction", calc.SiderealCorrection},
      {"sidereal_ascendant", calc.SiderealAscendant},
      {"moon_longitude", calc.MoonLongitude},
      {"moon_nakshatra_start", calc.MoonNakshatraStart}};
  for (const auto& [key, value] : engine) {
    out.Key(key);
    out.Number(value);
  }

  out.Key("longitudes");
  out.BeginObject();
  for (int i = 0; i < kBodyCount; ++i) {
    out.Key(bodies[i]);
    out.Number(calc.BirthLongitudes[i]);
  }
  out.EndObject();

  out.Key("position_texts");
  out.BeginArray();
  for (const double longitude : calc.BirthLongitudes) {
    out.String(FormatSignPosition(longitude));
  }
  out.EndArray();

  out.Key("planet_table");
  StringArray(out, view.planet);

  out.Key("retrograde");
  out.BeginObject();
  for (int i = 0; i < kRetroPlanetCount; ++i) {
    out.Key(kRetroPlanetNames[i]);
    out.Bool(calc.RetroFlags[i]);
  }
  out.EndObject();

  out.Key("chart");
  StringArray(out, view.chartLabels);
  out.Key("markers");
  StringArray(out, view.lblArudha);
  Details(out, view);

  out.Key("sunrises");
  out.BeginObject();
  RiseAndSet(out, "birth_day", calc.SunriseBirthDay, calc.SunsetBirthDay);
  RiseAndSet(out, "day_before", calc.SunriseDayBefore, calc.SunsetDayBefore);
  RiseAndSet(out, "day_after", calc.SunriseDayAfter, calc.SunsetDayAfter);
  out.EndObject();

  out.Key("reference_sunrise");
  DateTimeOrNull(out, calc.ReferenceSunrise);
  out.Key("elapsed_minutes");
  if (timed) {
    out.Integer(calc.ElapsedMinutes);
  } else {
    out.Null();
  }
  out.Key("elapsed_seconds");
  if (timed) {
    out.Integer(calc.ElapsedSeconds);
  } else {
    out.Null();
  }
  out.Key("sunrise_sun_longitude");
  if (timed) {
    out.Number(calc.SunriseSunLongitude);
  } else {
    out.Null();
  }
  out.Key("sunrise_sun_text");
  if (timed) {
    out.String(calc.SunriseSunText);
  } else {
    out.Null();
  }

  SpecialLagnas(out, calc, timed);
  HoraLagna(out, calc);
  out.Key("ascendant_sign");
  out.Integer(calc.AscendantSign);
  Attributes(out, view);
  out.Key("notice");
  out.OptionalString(view.notice);
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

}  // namespace tarvelin::cli
