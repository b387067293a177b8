// The process-wide state of a calculation and the pipeline behind
// "Get My Hora Lagna". One Calculation lives as long as the application (the
// desktop program and the command-line tool each make one); every run
// overwrites its fields, and the values the system keeps between runs stay.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "chart/birth_record.h"
#include "engine/civil_time.h"
#include "sunrise/retrograde.h"
#include "tables/sign_tables.h"

namespace tarvelin {

// A validated birth as the input form (or the command-line tool) hands it
// over. Validation (ValidateInput) has already passed.
struct BirthInput {
  std::string name;  // as typed (the form keeps it upper case)
  int month = 1;     // 1..12
  int day = 1;
  int year = 1901;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int zonePosition = 0;  // position in the zone list, 0..70
  int lonDeg = 0, lonMin = 0;
  bool east = true;
  int latDeg = 0, latMin = 0;
  bool south = false;
  bool dst = false;
  std::string city, state, country;
};

// Chart planet label names, Aries first.
extern const std::array<std::string, 12> kChartLabelNames;

// Everything the result form shows, as texts. The result form only displays
// this; it computes nothing.
struct ResultView {
  std::array<std::string, kBodyCount> planet;  // planet(0..9), chart notation
  std::array<std::string, 12> chartLabels;     // lblAries .. lblPisces
  std::array<std::string, 12> lblArudha;       // marker cells, Aries first
  std::string lblName, lblDOB, lblTOB, lblLatitude, lblLongitude, lblCity,
      lblState, lblCountry;
  std::string lblHoraDesc;  // house sentence or notice
  bool hasHoraLagna = false;
  std::optional<std::string> notice;  // set when no Hora Lagna
  SignAttributeFields attributes;     // empty without a Hora Lagna
};

// Shown in place of the house sentence when the sunrise that times the birth
// cannot be found.
extern const char kNoSunriseNotice[];

class Calculation {
 public:
  // --- inputs ---------------------------------------------------------------
  tarvelin::BirthRecord BirthRecord;
  std::int16_t ZoneOffsetHours = 0;    // hours to add to local time for UT
  std::int16_t ZoneOffsetMinutes = 0;  // minutes, with the sign of the hours
  bool SunrisePass = false;            // false: birth run; true: sunrise run
  // Day, full month name, year, hour, minute of the reference sunrise.
  std::array<std::string, 5> SunriseParts;
  PlanetNameTable PlanetNames = PlainPlanetNames();
  std::array<std::string, 12> SignAbbrevs = kSignAbbrevs;
  std::array<std::string, 12> SignLords = kSignLords;

  // --- engine ---------------------------------------------------------------
  double UniversalTime = 0;  // hours, birth instant
  double SiderealCorrection = 0;
  double SiderealAscendant = 0;
  double AscendantWholeDegrees = 0;
  std::string AscendantText;
  double MoonLongitude = 0;
  std::string MoonText;
  double MoonNakshatraStart = 0;
  std::array<std::string, kBodyCount> PlanetTable;
  std::array<double, kBodyCount> BirthLongitudes{};  // sidereal, birth run
  double SunriseSunLongitude = 0;
  std::string SunriseSunText;
  RetroFlagTable RetroFlags{};
  // Slot 0 sunrise, slot 1 sunset of the last sunrise call; empty = missing.
  std::array<std::optional<CivilDateTime>, 3> RiseSetTimes;

  // --- pipeline -------------------------------------------------------------
  std::string BirthDateText;
  std::optional<CivilDateTime> SunriseBirthDay, SunsetBirthDay,
      SunriseDayBefore, SunsetDayBefore, SunriseDayAfter, SunsetDayAfter;
  CivilDateTime BirthInstant;
  std::optional<CivilDateTime> ReferenceSunrise;  // empty: no Hora Lagna
  std::int64_t ElapsedMinutes = 0;
  std::int64_t ElapsedSeconds = 0;
  int AscendantSign = 0;  // 1..12, kept between calculations

  // --- special lagnas -------------------------------------------------------
  std::int16_t ArudhaCount = 0, HouseSign = 0, LordSign = 0, FirstLordSign = 0,
               InduBase = 0, AscendantKala = 0, MoonKala = 0, HoraLagnaSign = 0,
               HoraLagnaSignIndex = 0;
  double HoraLagnaWhole = 0;
  double PranaSigns = 0, PranaDegrees = 0, PranaMinutes = 0, PranaSeconds = 0;
  // Lagna values after folding, and the cells of the counted lagnas; kept
  // for output (-1 / empty when a step placed nothing).
  double GhatiLagna = 0, HoraLagna = 0, BhavaLagna = 0, VarnadaLagna = 0,
         SreeLagna = 0;
  int InduSignIndex = -1, PranapadaSignIndex = -1;
  int HoraLagnaHouse = 0;  // 1..12

  ResultView View;

  // --- routines -------------------------------------------------------------
  // Engine runs on the current record; CalcPlanets follows SunrisePass.
  void CalcAscendant();
  void CalcMoon();
  // False, with nothing written, when the sunrise run's SunriseParts do not
  // make a calendar date and time; the birth run always gives true.
  bool CalcPlanets();
  void MarkRetrogrades();
  // Sunrise and sunset of one date at the birth place into RiseSetTimes.
  void CalcSunRiseSunSet(int month, int day, int year);

  void LagnaMarker(int cell, const std::string& marker);
  // Sign index 0..11 of each PlanetTable text by SignAbbrevs; -1 for a text
  // without a sign.
  using BodySignTable = std::array<int, kBodyCount>;
  BodySignTable BodySigns() const;
  // The arudha pada of the next house; the signs of the bodies are looked up
  // in PlanetTable, or taken from `bodySigns` (BodySigns() of the current
  // table, found once for all twelve houses).
  void CalcArudhaPada(const std::string& lordName);
  void CalcArudhaPada(const std::string& lordName,
                      const BodySignTable& bodySigns);
  void GhatiLagnaStep();
  void HoraLagnaStep();
  void HouseStep();
  void BhavaLagnaStep();
  void InduLagnaStep();
  void VarnadaLagnaStep();
  void MoonSunMarkers();
  void SreeLagnaStep();
  void PranapadaStep();
  void Vighati2Degree(double x);

  // The whole calculation for a validated birth (zone calculation, record,
  // engine, chart, sunrises, lagnas, house, sign attributes); returns View.
  const ResultView& Calculate(const BirthInput& input);
};

}  // namespace tarvelin
