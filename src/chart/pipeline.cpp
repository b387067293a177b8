// The calculation behind "Get My Hora Lagna": from a validated birth to the
// result view, in one pass. The steps run in a fixed order because later ones
// read what earlier ones leave in the calculation state.
#include <cstdlib>
#include <string>

#include "chart/calculation.h"
#include "chart/chart_sign.h"
#include "chart/reference_sunrise.h"
#include "tables/zone_table.h"

namespace tarvelin {

const std::array<std::string, 12> kChartLabelNames = {
    "lblAries",       "lblTaurus",    "lblGemini",   "lblCancer",
    "lblLeo",         "lblVirgo",     "lblLibra",    "lblScorpio",
    "lblSagattarius", "lblCapricorn", "lblAquarius", "lblPisces"};

const char kNoSunriseNotice[] =
    "The Sun does not rise or set at this place on this date, so the Hora "
    "Lagna cannot be found.";

namespace {

// "28° 36' N": degrees, minutes and the hemisphere letter.
std::string CoordinateText(int degrees, int minutes, const char* hemisphere) {
  return std::to_string(degrees) + "\u00B0 " + std::to_string(minutes) + "'" +
         hemisphere;
}

}  // namespace

const ResultView& Calculation::Calculate(const BirthInput& input) {
  // The view is built afresh: the chart labels and marker cells start empty
  // and nothing of an earlier calculation is left on it.
  View = ResultView{};

  // Record: the name, the zone offsets, then the rest in field order. The
  // record keeps the zone offsets as magnitudes only.
  BirthRecord.Name = input.name;
  Zone_Calculation(input.zonePosition, ZoneOffsetHours, ZoneOffsetMinutes);
  BirthRecord.Month = static_cast<std::int16_t>(input.month);
  BirthRecord.Day = static_cast<std::int16_t>(input.day);
  BirthRecord.Year = static_cast<std::int16_t>(input.year);
  BirthRecord.Hour = static_cast<std::int16_t>(input.hour);
  BirthRecord.Minute = static_cast<std::int16_t>(input.minute);
  BirthRecord.ZoneHours = static_cast<std::int16_t>(std::abs(ZoneOffsetHours));
  BirthRecord.ZoneMinutes =
      static_cast<std::int16_t>(std::abs(ZoneOffsetMinutes));
  BirthRecord.LonDeg = static_cast<std::int16_t>(input.lonDeg);
  BirthRecord.LonMin = static_cast<std::int16_t>(input.lonMin);
  BirthRecord.LatDeg = static_cast<std::int16_t>(input.latDeg);
  BirthRecord.LatMin = static_cast<std::int16_t>(input.latMin);
  BirthRecord.IsEast = input.east;
  BirthRecord.IsSouth = input.south;
  BirthRecord.HasDST = input.dst;

  // Birth run of the engine, then the retrograde marks on the body names.
  SunrisePass = false;
  CalcAscendant();
  CalcMoon();
  CalcPlanets();
  MarkRetrogrades();

  // Planet table: position texts only; the retrograde mark shows in the chart.
  View.planet = PlanetTable;

  // Details. The hemisphere letters come from the form's choices.
  View.lblName = BirthRecord.Name;
  View.lblDOB = MonthName(BirthRecord.Month) + "/" +
                std::to_string(BirthRecord.Day) + "/" +
                std::to_string(BirthRecord.Year);
  View.lblTOB = std::to_string(BirthRecord.Hour) + ":" +
                std::to_string(BirthRecord.Minute);
  View.lblLatitude = CoordinateText(BirthRecord.LatDeg, BirthRecord.LatMin,
                                    input.south ? " S" : " N");
  View.lblLongitude = CoordinateText(BirthRecord.LonDeg, BirthRecord.LonMin,
                                     input.east ? " E" : " W");
  View.lblCity = input.city;
  View.lblState = input.state;
  View.lblCountry = input.country;

  // Fresh start for the arudha count and the lagnas that count from it.
  ArudhaCount = 0;
  FirstLordSign = 0;
  SunriseSunLongitude = 0;
  InduBase = 0;
  InduSignIndex = -1;
  PranapadaSignIndex = -1;
  HoraLagnaHouse = 0;

  // Chart: each body on its own line in its sign, in table order.
  for (int i = 0; i < kBodyCount; ++i) {
    const int n = ChartSignIndex(kSignAbbrevs, PlanetTable[i]) + 1;
    if (n < 1) continue;  // a text without a sign stays out of the chart
    View.chartLabels[n - 1] += "\r\n";
    View.chartLabels[n - 1] += PlanetNames[i];
    if (i == 9) AscendantSign = n;
  }

  // Arudha padas of the twelve houses, the ascendant's sign first. Without
  // an ascendant sign the calls run for Taurus .. Pisces. The bodies stay in
  // their signs for all twelve: look the signs up once.
  const BodySignTable bodySigns = BodySigns();
  int a = bodySigns[9];
  if (a >= 0) {
    CalcArudhaPada(SignLords[a], bodySigns);
  } else {
    a = 0;
  }
  for (int s = a + 1; s < 12; ++s) CalcArudhaPada(SignLords[s], bodySigns);
  for (int s = 0; s < a; ++s) CalcArudhaPada(SignLords[s], bodySigns);

  // Sunrise and sunset of the birth day, the day before and the day after.
  BirthDateText = MonthName(BirthRecord.Month) + " " +
                  std::to_string(BirthRecord.Day) + "," +
                  std::to_string(BirthRecord.Year);
  const CivilDateTime birthDate{
      BirthRecord.Year, BirthRecord.Month, BirthRecord.Day, 0, 0, 0};
  CalcSunRiseSunSet(birthDate.month, birthDate.day, birthDate.year);
  SunriseBirthDay = RiseSetTimes[0];
  SunsetBirthDay = RiseSetTimes[1];
  const CivilDateTime dayBefore = AddDays(birthDate, -1);
  CalcSunRiseSunSet(dayBefore.month, dayBefore.day, dayBefore.year);
  SunriseDayBefore = RiseSetTimes[0];
  SunsetDayBefore = RiseSetTimes[1];
  const CivilDateTime dayAfter = AddDays(birthDate, 1);
  CalcSunRiseSunSet(dayAfter.month, dayAfter.day, dayAfter.year);
  SunriseDayAfter = RiseSetTimes[0];
  SunsetDayAfter = RiseSetTimes[1];

  BirthInstant =
      CivilDateTime{BirthRecord.Year, BirthRecord.Month,  BirthRecord.Day,
                    BirthRecord.Hour, BirthRecord.Minute, input.second};

  // The sunrise that times the birth.
  SunrisePass = true;
  const std::optional<ReferenceTiming> timing = ChooseReferenceSunrise(
      BirthInstant, SunriseBirthDay, SunsetBirthDay, SunriseDayBefore);

  // Sunrise run of the engine: the Sun at the reference sunrise. The planet
  // rows and chart labels keep the birth-run texts. The engine refuses only
  // sunrise texts that make no date, which a found sunrise always makes.
  bool sunriseRun = false;
  if (timing) {
    ReferenceSunrise = timing->sunrise;
    ElapsedMinutes = timing->elapsedMinutes;
    ElapsedSeconds = timing->elapsedSeconds;
    SunriseParts = {std::to_string(timing->sunrise.day),
                    MonthName(timing->sunrise.month),
                    std::to_string(timing->sunrise.year),
                    std::to_string(timing->sunrise.hour),
                    std::to_string(timing->sunrise.minute)};
    sunriseRun = CalcPlanets();
  }

  if (!sunriseRun) {
    // Polar day or night: no sunrise to count from, so no Hora Lagna and
    // nothing that hangs on it. The lagnas that need no sunrise still mark
    // the chart.
    ReferenceSunrise.reset();
    ElapsedMinutes = 0;
    ElapsedSeconds = 0;
    SunriseParts = {};
    InduLagnaStep();
    MoonSunMarkers();
    SreeLagnaStep();
    View.hasHoraLagna = false;
    View.notice = kNoSunriseNotice;
    View.lblHoraDesc = kNoSunriseNotice;
    return View;
  }

  GhatiLagnaStep();
  HoraLagnaStep();
  HouseStep();
  BhavaLagnaStep();
  InduLagnaStep();
  VarnadaLagnaStep();
  MoonSunMarkers();
  SreeLagnaStep();
  PranapadaStep();
  View.hasHoraLagna = true;

  if (HoraLagnaSignIndex >= 0 && HoraLagnaSignIndex < 12) {
    View.attributes =
        ShowSignAttributes(SharedSignTables(), HoraLagnaSignIndex);
  }
  return View;
}

}  // namespace tarvelin
