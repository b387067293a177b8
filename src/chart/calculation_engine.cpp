// The engine steps of a calculation: the ascendant, the Moon and the planets
// of the current birth record, written into the calculation state.
#include <cstddef>
#include <optional>
#include <string>

#include "chart/calculation.h"
#include "engine/ascendant.h"
#include "engine/civil_time.h"
#include "engine/moon.h"
#include "engine/planets.h"

namespace tarvelin {
namespace {

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// A whole number of at most `maxDigits` decimal digits, blanks around it
// allowed; nothing for any other text.
std::optional<int> ReadWholeNumber(const std::string& text, int maxDigits) {
  const std::string digits = TrimBlanks(text);
  if (digits.empty() || digits.size() > static_cast<std::size_t>(maxDigits)) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The reference sunrise from its five texts: day, full month name, year,
// hour and minute. Nothing when they do not make a calendar date and time.
std::optional<PlanetInstant> ReadSunriseInstant(
    const std::array<std::string, 5>& parts) {
  const std::optional<int> day = ReadWholeNumber(parts[0], 2);
  const int month = MonthFromName(TrimBlanks(parts[1]));
  const std::optional<int> year = ReadWholeNumber(parts[2], 4);
  const std::optional<int> hour = ReadWholeNumber(parts[3], 2);
  const std::optional<int> minute = ReadWholeNumber(parts[4], 2);
  if (!day || month == 0 || !year || !hour || !minute) return std::nullopt;
  if (*year < 1 || *day < 1 || *day > DaysInMonth(*year, month) || *hour > 23 ||
      *minute > 59) {
    return std::nullopt;
  }
  return PlanetInstant{*year, month, *day, *hour, *minute};
}

}  // namespace

void Calculation::CalcAscendant() {
  const AscendantOutputs out =
      tarvelin::CalcAscendant(BirthRecord, ZoneOffsetHours, ZoneOffsetMinutes);
  UniversalTime = out.UniversalHours;
  SiderealCorrection = out.SiderealCorrection;
  SiderealAscendant = out.SiderealAscendant;
  AscendantWholeDegrees = out.AscendantWholeDegrees;
  AscendantText = out.AscendantText;
}

void Calculation::CalcMoon() {
  const MoonOutputs out =
      tarvelin::CalcMoon(BirthRecord, ZoneOffsetHours, ZoneOffsetMinutes);
  MoonLongitude = out.MoonLongitude;
  MoonText = out.MoonText;
  MoonNakshatraStart = out.MoonNakshatraStart;
}

bool Calculation::CalcPlanets() {
  PlanetInstant instant{BirthRecord.Year, BirthRecord.Month, BirthRecord.Day,
                        BirthRecord.Hour, BirthRecord.Minute};
  if (SunrisePass) {
    const std::optional<PlanetInstant> sunrise =
        ReadSunriseInstant(SunriseParts);
    if (!sunrise) return false;  // nothing written
    instant = *sunrise;
  }

  // Both runs take the sidereal correction of the birth instant.
  const PlanetOutputs out = tarvelin::CalcPlanets(
      instant, ZoneOffsetHours, ZoneOffsetMinutes, BirthRecord.HasDST,
      SiderealCorrection, MoonText, AscendantText);
  PlanetTable = out.PlanetTable;
  if (SunrisePass) {
    SunriseSunLongitude = out.Longitudes[0];
    SunriseSunText = out.PlanetTable[0];
  } else {
    BirthLongitudes = out.Longitudes;
    BirthLongitudes[1] = MoonLongitude;
    BirthLongitudes[9] = SiderealAscendant;
  }
  return true;
}

}  // namespace tarvelin
