#include "present/result_view.h"

#include <cmath>

#include "engine/angles.h"
#include "present/position_text.h"
#include "present/quantity_text.h"
#include "present/zone_text.h"
#include "tables/house_significance.h"

namespace tarvelin {

const char kNoSunriseNotice[] =
    "The Sun does not rise or set at this place on this date, so the Hora "
    "Lagna cannot be found.";

namespace {

// The mark after a retrograde planet's name.
constexpr char kRetrogradeMark[] = " (R) ";

// The lines of one marker cell: empty lines, "HL" on the Hora Lagna's.
std::string MarkerText(const MarkerCell& cell) {
  std::string text;
  for (int line = 0; line < cell.count; ++line) {
    text += kCellLineBreak;
    if (line == cell.horaLagnaLine) text += "HL";
  }
  return text;
}

}  // namespace

PlanetNameTable MarkedPlanetNames(const RetroFlagTable& flags) {
  PlanetNameTable names = PlainPlanetNames();
  // Mercury .. Saturn: the first five flags, bodies kMercury .. kSaturn.
  for (int k = 0; k <= kSaturn - kMercury; ++k) {
    if (flags[k]) names[kMercury + k] += kRetrogradeMark;
  }
  return names;
}

ResultView PresentResult(const Birth& birth, const ChartResult& result) {
  ResultView view;
  const PlanetNameTable names = MarkedPlanetNames(result.retrograde);
  for (int i = 0; i < kBodyCount; ++i) {
    view.planet[i] = ChartNotationOf(result.longitudes[i]);
    // Each body on its own line in its sign, in table order.
    const int sign = SignIndexOfLongitude(result.longitudes[i]);
    if (sign < 0) continue;
    view.chartLabels[sign] += kCellLineBreak;
    view.chartLabels[sign] += names[i];
  }
  for (int s = 0; s < 12; ++s)
    view.lblArudha[s] = MarkerText(result.markers[s]);

  const CivilDateTime& t = birth.local;
  view.lblName = birth.name;
  view.lblDOB = DateText(t, DateStyle::kForm);
  view.lblTOB = TimeText(t, TimeStyle::kForm);
  view.lblLatitude = CoordinateText(birth.latitudeDegrees, Axis::kLatitude,
                                    CoordinateStyle::kLabel);
  view.lblLongitude = CoordinateText(birth.longitudeDegrees, Axis::kLongitude,
                                     CoordinateStyle::kLabel);
  view.lblCity = birth.city;
  view.lblState = birth.state;
  view.lblCountry = birth.country;
  view.lblZone = ZoneSummaryText(birth);

  if (!result.horaLagna) {
    view.hasHoraLagna = false;
    view.notice = kNoSunriseNotice;
    view.lblHoraDesc = kNoSunriseNotice;
    return view;
  }
  view.hasHoraLagna = true;
  view.lblHoraDesc = kHouseSignificance[result.horaLagna->house - 1];
  view.attributes =
      ShowSignAttributes(SharedSignTables(), result.horaLagna->signIndex);
  return view;
}

}  // namespace tarvelin
