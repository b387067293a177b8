// The special lagnas: the arudha padas of the twelve houses, the time-based
// lagnas counted from the Sun at the reference sunrise (ghati, Hora, bhava),
// the Indu, varnada and Sree lagnas, the Moon and Sun markers and the
// pranapada. Each leaves one marker line in the chart cell of its sign; only
// the Hora Lagna's marker has text.
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "chart/calculation.h"
#include "chart/chart_sign.h"

namespace tarvelin {
namespace {

// The value of the lord of the ninth sign counted from each sign, Aries
// first: Jupiter 10, Saturn 1, Mars 6, Mercury 8, Moon 16, Sun 30, and Venus
// (ninth lord of Virgo and of Aquarius) also 10.
constexpr std::array<std::int16_t, 12> kKalaBySign = {10, 1,  1,  10, 6,  10,
                                                      8,  16, 30, 8,  10, 6};

// Degrees the time-based lagnas move per minute after sunrise: one sign
// (30 degrees) per 24 minutes, per hour and per two hours.
constexpr double kGhatiDegreesPerMinute = 1.25;
constexpr double kHoraDegreesPerMinute = 0.5;
constexpr double kBhavaDegreesPerMinute = 0.25;

// The mark the retrograde step appends to a planet's name.
constexpr char kRetroMark[] = " (R) ";

// Folds a lagna down: while v > 360, v -= 360. The test is strict, so 360
// itself stays 360 (and then has no sign), and a value is never raised.
double FoldDown(double v) {
  while (v > 360) v -= 360;
  return v;
}

// Whether a body name names the lord, with or without the retrograde mark.
bool NamesLord(const std::string& bodyName, const std::string& lordName) {
  if (bodyName == lordName) return true;
  constexpr std::size_t kMarkLength = sizeof(kRetroMark) - 1;
  return bodyName.size() == lordName.size() + kMarkLength &&
         bodyName.compare(0, lordName.size(), lordName) == 0 &&
         bodyName.compare(lordName.size(), kMarkLength, kRetroMark) == 0;
}

// The two-digit number at characters `first` and `first + 1` (counted from
// 1) of a chart-notation text, or nothing when they are not digits.
std::optional<int> TwoDigitsAt(const std::string& text, std::size_t first) {
  if (text.size() < first + 1) return std::nullopt;
  const char hi = text[first - 1];
  const char lo = text[first];
  if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return std::nullopt;
  return (hi - '0') * 10 + (lo - '0');
}

}  // namespace

void Calculation::LagnaMarker(int cell, const std::string& marker) {
  // A cell outside the chart (the Indu count of -1, a missing first lord)
  // places nothing.
  if (cell < 0 || cell > 11) return;
  View.lblArudha[cell] += "\r\n";
  View.lblArudha[cell] += marker;
}

void Calculation::CalcArudhaPada(const std::string& lordName) {
  ArudhaCount = static_cast<std::int16_t>(ArudhaCount + 1);
  const int k = ArudhaCount;  // the house, 1 for the ascendant's own

  for (int i = 0; i < kBodyCount; ++i) {
    const int index = ChartSignIndex(SignAbbrevs, PlanetTable[i]);
    if (index < 0) continue;  // no sign in the text: the fields keep theirs
    const auto n = static_cast<std::int16_t>(index + 1);
    // A retrograde lord is still the lord: compare without the mark.
    if (NamesLord(PlanetNames[i], lordName)) LordSign = n;
    if (i == 1) MoonKala = kKalaBySign[index];
    if (i == 9) {
      HouseSign = n;
      AscendantKala = kKalaBySign[index];
    }
  }

  if (k == 1) {
    InduBase = HouseSign;
    FirstLordSign = LordSign;
  } else {
    // Count on from the ascendant's sign and keep the house in 1..12, so
    // that the seventh-sign rule below holds for every house.
    HouseSign = static_cast<std::int16_t>(HouseSign + (k - 1));
    while (HouseSign > 12)
      HouseSign = static_cast<std::int16_t>(HouseSign - 12);
  }

  // The pada lies as far beyond the lord as the lord lies beyond the house.
  int d = 2 * (LordSign - HouseSign);
  while (d < 0) d += 12;
  if (d > 12) d -= 12;
  if (d == 0 || d == 12) d = 9;  // on the house itself: the tenth sign

  int p = d + HouseSign;
  while (p > 12) p -= 12;
  if (p - HouseSign == 6 || p - HouseSign == -6) {
    // On the seventh sign from the house: nine signs on.
    p += 9;
    while (p > 12) p -= 12;
  }

  LagnaMarker(p - 1, "");
  if (k == 1) LagnaMarker(FirstLordSign - 1, "");
}

void Calculation::GhatiLagnaStep() {
  GhatiLagna =
      FoldDown(SunriseSunLongitude + kGhatiDegreesPerMinute * ElapsedMinutes);
  LagnaMarker(SignIndexOfLongitude(GhatiLagna), "");
}

void Calculation::HoraLagnaStep() {
  HoraLagna =
      FoldDown(SunriseSunLongitude + kHoraDegreesPerMinute * ElapsedMinutes);
  HoraLagnaWhole = std::floor(HoraLagna);
  const int h = SignIndexOfLongitude(HoraLagna);
  // Without a sign (exactly 360) neither the marker nor the sign fields
  // change.
  if (h < 0) return;
  LagnaMarker(h, "HL");
  HoraLagnaSign = static_cast<std::int16_t>(h + 1);
  HoraLagnaSignIndex = static_cast<std::int16_t>(h);
}

void Calculation::BhavaLagnaStep() {
  BhavaLagna =
      FoldDown(SunriseSunLongitude + kBhavaDegreesPerMinute * ElapsedMinutes);
  LagnaMarker(SignIndexOfLongitude(BhavaLagna), "");
}

void Calculation::InduLagnaStep() {
  // Counted from the ascendant's sign (the first arudha call set InduBase),
  // that sign counting as one.
  const int r = (AscendantKala + MoonKala) % 12;
  int base = InduBase + r - 1;
  while (base > 12) base -= 12;
  // A remainder of 0 from Aries lands one sign before it: wrap into 1..12.
  while (base < 1) base += 12;
  InduBase = static_cast<std::int16_t>(base);
  InduSignIndex = base - 1;
  LagnaMarker(InduSignIndex, "");
}

void Calculation::VarnadaLagnaStep() {
  // Odd signs (Aries, Gemini, ...; even sign index) keep their degrees, the
  // others count them back from 360.
  double a = AscendantWholeDegrees;
  const bool ascendantOdd = static_cast<int>(std::floor(a / 30)) % 2 == 0;
  if (!ascendantOdd) a = 360 - a;
  double b = HoraLagnaWhole;
  const bool horaOdd = static_cast<int>(std::floor(b / 30)) % 2 == 0;
  if (!horaOdd) b = 360 - b;

  double v = ascendantOdd == horaOdd ? std::fabs(a + b) : std::fabs(a - b);
  v = FoldDown(v);
  if (!ascendantOdd) v = 360 - v;
  VarnadaLagna = v;
  LagnaMarker(SignIndexOfLongitude(v), "");
}

void Calculation::MoonSunMarkers() {
  LagnaMarker(ChartSignIndex(SignAbbrevs, PlanetTable[1]), "");
  // The Sun's entry is the Sun at the reference sunrise; without one there
  // is no such Sun to mark.
  if (!ReferenceSunrise) return;
  LagnaMarker(ChartSignIndex(SignAbbrevs, PlanetTable[0]), "");
}

void Calculation::SreeLagnaStep() {
  // 3 / 40 is the reciprocal of a nakshatra's span of 13 deg 20'.
  const double v = SiderealAscendant +
                   (MoonLongitude - MoonNakshatraStart) * (3.0 / 40.0) * 360;
  SreeLagna = FoldDown(v);
  LagnaMarker(SignIndexOfLongitude(SreeLagna), "");
}

void Calculation::PranapadaStep() {
  // Elapsed vighatis (150 per hour) divided by 15.
  const double v = ElapsedSeconds / 3600.0 * 150 / 15;
  Vighati2Degree(v);

  const std::optional<int> sunMinutes = TwoDigitsAt(SunriseSunText, 8);
  const std::optional<int> sunDegrees = TwoDigitsAt(SunriseSunText, 1);
  const int h = ChartSignIndex(SignAbbrevs, SunriseSunText);
  if (!sunMinutes || !sunDegrees || h < 0) return;  // no Sun at sunrise

  const double c1 = std::floor((*sunMinutes + PranaMinutes) / 60);
  const double c2 = std::floor((*sunDegrees + PranaDegrees + c1) / 30);
  PranaSigns += c2;

  double x = PranaSigns + h;  // movable signs
  if (h % 3 == 1) x += 8;     // fixed signs
  if (h % 3 == 2) x += 4;     // dual signs
  while (x > 11) x -= 12;
  PranapadaSignIndex = static_cast<int>(x);
  LagnaMarker(PranapadaSignIndex, "");
}

void Calculation::Vighati2Degree(double x) {
  const double a = std::fabs(x);
  const double w = std::floor(a);
  const double f = a - w;
  // The whole part is divided by 15 once more, although the caller has
  // already divided by 15.
  PranaSigns = std::floor(w / 15);
  const double f1 = f * 30;
  PranaDegrees = std::floor(f1);
  const double f2 = (f1 - std::floor(f1)) * 60;
  PranaMinutes = std::floor(f2);
  const double f3 = (f2 - std::floor(f2)) * 60;
  PranaSeconds = std::floor(f3);
}

}  // namespace tarvelin
