#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "chart/calculation.h"
#include "engine/position_text.h"
#include "tables/house_significance.h"

namespace tarvelin {
namespace {

constexpr int kIndianTime = 34;       // zone list: "Indian Time, IST, +5.3"
constexpr int kEasternStandard = 27;  // zone list: "Eastern Standard Time"

// New Delhi, 15 March 1980, 21:05:30: an evening birth.
BirthInput DelhiEvening() {
  BirthInput in;
  in.name = "ASHA RAO";
  in.month = 3;
  in.day = 15;
  in.year = 1980;
  in.hour = 21;
  in.minute = 5;
  in.second = 30;
  in.zonePosition = kIndianTime;
  in.lonDeg = 77;
  in.lonMin = 12;
  in.east = true;
  in.latDeg = 28;
  in.latMin = 36;
  in.south = false;
  in.city = "New Delhi";
  in.state = "Delhi";
  in.country = "India";
  return in;
}

// Far north of the Arctic Circle in mid-December: polar night.
BirthInput PolarNight() {
  BirthInput in = DelhiEvening();
  in.month = 12;
  in.latDeg = 70;
  in.latMin = 0;
  in.city = "Polar";
  return in;
}

// A morning birth in New York, 2 July 2001, 9:05:07 local time.
BirthInput NewYorkMorning() {
  BirthInput in;
  in.name = "JOHN ROE";
  in.month = 7;
  in.day = 2;
  in.year = 2001;
  in.hour = 9;
  in.minute = 5;
  in.second = 7;
  in.zonePosition = kEasternStandard;
  in.lonDeg = 74;
  in.lonMin = 0;
  in.east = false;
  in.latDeg = 40;
  in.latMin = 43;
  in.south = false;
  in.city = "New York";
  in.state = "NY";
  in.country = "USA";
  return in;
}

int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos;
       at = text.find(part, at + part.size())) {
    ++n;
  }
  return n;
}

void ExpectSameView(const ResultView& got, const ResultView& want,
                    const char* what) {
  EXPECT_EQ(got.planet, want.planet) << what;
  EXPECT_EQ(got.chartLabels, want.chartLabels) << what;
  EXPECT_EQ(got.lblArudha, want.lblArudha) << what;
  EXPECT_EQ(got.lblName, want.lblName) << what;
  EXPECT_EQ(got.lblDOB, want.lblDOB) << what;
  EXPECT_EQ(got.lblTOB, want.lblTOB) << what;
  EXPECT_EQ(got.lblLatitude, want.lblLatitude) << what;
  EXPECT_EQ(got.lblLongitude, want.lblLongitude) << what;
  EXPECT_EQ(got.lblCity, want.lblCity) << what;
  EXPECT_EQ(got.lblState, want.lblState) << what;
  EXPECT_EQ(got.lblCountry, want.lblCountry) << what;
  EXPECT_EQ(got.lblHoraDesc, want.lblHoraDesc) << what;
  EXPECT_EQ(got.hasHoraLagna, want.hasHoraLagna) << what;
  EXPECT_EQ(got.notice, want.notice) << what;
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    EXPECT_EQ(got.attributes.*field.member, want.attributes.*field.member)
        << what << ": " << field.name;
  }
}

TEST(Pipeline, EveningBirthIsTimedFromThatDaysSunrise) {
  Calculation c;
  const ResultView& view = c.Calculate(DelhiEvening());

  ASSERT_TRUE(c.SunriseBirthDay && c.SunsetBirthDay);
  ASSERT_TRUE(c.ReferenceSunrise.has_value());
  EXPECT_GT(c.BirthInstant, *c.SunsetBirthDay) << "not an evening birth";
  EXPECT_EQ(*c.ReferenceSunrise, *c.SunriseBirthDay)
      << "got " << IsoText(*c.ReferenceSunrise);
  EXPECT_EQ(c.ReferenceSunrise->day, 15);
  EXPECT_EQ(c.ReferenceSunrise->month, 3);
  EXPECT_EQ(c.ReferenceSunrise->year, 1980);
  EXPECT_EQ(c.BirthInstant, (CivilDateTime{1980, 3, 15, 21, 5, 30}));
  EXPECT_EQ(c.ElapsedMinutes,
            MinuteBoundariesBetween(*c.ReferenceSunrise, c.BirthInstant));
  EXPECT_EQ(c.ElapsedSeconds,
            SecondsBetween(*c.ReferenceSunrise, c.BirthInstant));
  EXPECT_GT(c.ElapsedMinutes, 12 * 60);  // sunrise to evening: over 12 hours

  EXPECT_EQ(c.SunriseParts[0], "15");
  EXPECT_EQ(c.SunriseParts[1], "March");
  EXPECT_EQ(c.SunriseParts[2], "1980");
  EXPECT_EQ(c.SunriseParts[3], std::to_string(c.ReferenceSunrise->hour));
  EXPECT_EQ(c.SunriseParts[4], std::to_string(c.ReferenceSunrise->minute));
  EXPECT_EQ(c.BirthDateText, "March 15,1980");

  EXPECT_TRUE(view.hasHoraLagna);
  EXPECT_FALSE(view.notice.has_value());
}

TEST(Pipeline, HoraLagnaShowsInChartHouseTextAndAttributes) {
  Calculation c;
  const ResultView& view = c.Calculate(DelhiEvening());

  ASSERT_GE(c.HoraLagnaSignIndex, 0);
  ASSERT_LT(c.HoraLagnaSignIndex, 12);
  int hlCells = 0;
  for (int s = 0; s < 12; ++s) hlCells += CountOf(view.lblArudha[s], "HL");
  EXPECT_EQ(hlCells, 1);
  EXPECT_NE(view.lblArudha[c.HoraLagnaSignIndex].find("\r\nHL"),
            std::string::npos);
  EXPECT_EQ(c.HoraLagnaSign, c.HoraLagnaSignIndex + 1);
  EXPECT_EQ(c.HoraLagnaSignIndex, static_cast<int>(c.HoraLagna / 30));

  ASSERT_GE(c.HoraLagnaHouse, 1);
  ASSERT_LE(c.HoraLagnaHouse, 12);
  EXPECT_EQ(view.lblHoraDesc, kHouseSignificance[c.HoraLagnaHouse - 1]);

  const SignAttributeFields want =
      ShowSignAttributes(FillSignTables(), c.HoraLagnaSignIndex);
  EXPECT_EQ(view.attributes.lblEnglishName, want.lblEnglishName);
  EXPECT_EQ(view.attributes.txtHealth, want.txtHealth);
  EXPECT_FALSE(view.attributes.lblEnglishName.empty());

  // Every lagna and pada lands in a cell: 12 padas and the first lord, the
  // ghati, Hora, bhava, Indu and varnada lagnas, Moon and Sun, Sree lagna and
  // pranapada, each one line (a value of exactly 360 would place none).
  int lines = 0;
  for (const std::string& cell : view.lblArudha) lines += CountOf(cell, "\r\n");
  EXPECT_EQ(lines, 13 + 9);
  EXPECT_GE(c.InduSignIndex, 0);
  EXPECT_GE(c.PranapadaSignIndex, 0);
  EXPECT_LE(c.PranapadaSignIndex, 11);
}

TEST(Pipeline, ChartListsEachBodyOnceInTableOrderWithRetrogradeMarks) {
  Calculation c;
  const ResultView& view = c.Calculate(DelhiEvening());

  // Mars was retrograde from January to April 1980.
  ASSERT_TRUE(c.RetroFlags[2]);
  EXPECT_EQ(c.PlanetNames[4], "Mars (R) ");

  const PlanetNameTable names = c.PlanetNames;
  int ascendantCell = -1;
  for (int s = 0; s < 12; ++s) {
    const std::string& label = view.chartLabels[s];
    if (label.empty()) continue;
    EXPECT_EQ(label.rfind("\r\n", 0), 0u) << "label " << s << " " << label;
    std::size_t last = 0;
    for (int i = 0; i < kBodyCount; ++i) {
      const std::size_t at = label.find("\r\n" + names[i]);
      if (at == std::string::npos) continue;
      EXPECT_GE(at, last) << names[i] << " out of table order in " << label;
      last = at;
      if (i == 9) ascendantCell = s;
    }
  }
  std::string all;
  for (const std::string& label : view.chartLabels) all += label;
  for (int i = 0; i < kBodyCount; ++i) {
    // "Mars" would also match inside "Mars (R) "; the whole line counts.
    EXPECT_EQ(CountOf(all + "\r\n", "\r\n" + names[i] + "\r\n"), 1) << names[i];
  }
  EXPECT_EQ(ascendantCell + 1, c.AscendantSign);

  // The planet table shows the birth positions, without marks.
  for (int i = 0; i < kBodyCount; ++i) {
    EXPECT_EQ(view.planet[i].size(), 9u) << view.planet[i];
    EXPECT_EQ(view.planet[i].find("(R)"), std::string::npos);
  }
  EXPECT_EQ(SignIndexOfChartText(view.planet[9]) + 1, c.AscendantSign);
}

TEST(Pipeline, DetailsAndRecord) {
  Calculation c;
  const ResultView& india = c.Calculate(DelhiEvening());
  EXPECT_EQ(india.lblName, "ASHA RAO");
  EXPECT_EQ(india.lblDOB, "March/15/1980");
  EXPECT_EQ(india.lblTOB, "21:5");
  EXPECT_EQ(india.lblLatitude, "28\u00B0 36' N");
  EXPECT_EQ(india.lblLongitude, "77\u00B0 12' E");
  EXPECT_EQ(india.lblCity, "New Delhi");
  EXPECT_EQ(india.lblState, "Delhi");
  EXPECT_EQ(india.lblCountry, "India");
  EXPECT_EQ(c.ZoneOffsetHours, -5);
  EXPECT_EQ(c.ZoneOffsetMinutes, -30);
  EXPECT_EQ(c.BirthRecord.ZoneHours, 5);
  EXPECT_EQ(c.BirthRecord.ZoneMinutes, 30);

  BirthInput south = NewYorkMorning();
  south.south = true;
  const ResultView& ny = c.Calculate(south);
  EXPECT_EQ(ny.lblDOB, "July/2/2001");
  EXPECT_EQ(ny.lblTOB, "9:5");
  EXPECT_EQ(ny.lblLatitude, "40\u00B0 43' S");
  EXPECT_EQ(ny.lblLongitude, "74\u00B0 0' W");
  EXPECT_TRUE(c.BirthRecord.IsSouth);
  EXPECT_FALSE(c.BirthRecord.IsEast);
  EXPECT_EQ(c.BirthRecord.ZoneHours, 5);
  EXPECT_EQ(c.BirthRecord.ZoneMinutes, 0);
}

TEST(Pipeline, TwoCalculationsInARowLeaveNothingOfTheFirst) {
  struct Case {
    const char* name;
    BirthInput first, second;
  };
  const Case cases[] = {
      {"Delhi then New York", DelhiEvening(), NewYorkMorning()},
      {"New York then Delhi", NewYorkMorning(), DelhiEvening()},
      {"Delhi then polar night", DelhiEvening(), PolarNight()},
      {"polar night then New York", PolarNight(), NewYorkMorning()},
  };
  for (const Case& k : cases) {
    Calculation fresh;
    const ResultView want = fresh.Calculate(k.second);
    Calculation reused;
    reused.Calculate(k.first);
    const ResultView got = reused.Calculate(k.second);
    ExpectSameView(got, want, k.name);
    EXPECT_EQ(reused.ReferenceSunrise.has_value(),
              fresh.ReferenceSunrise.has_value())
        << k.name;
  }
}

TEST(Pipeline, PolarNightGivesAChartButNoHoraLagna) {
  Calculation c;
  c.Calculate(DelhiEvening());  // an earlier sunrise must not be reused
  const ResultView& view = c.Calculate(PolarNight());

  EXPECT_FALSE(c.SunriseBirthDay.has_value());
  EXPECT_FALSE(c.ReferenceSunrise.has_value());
  EXPECT_FALSE(view.hasHoraLagna);
  ASSERT_TRUE(view.notice.has_value());
  EXPECT_EQ(*view.notice, kNoSunriseNotice);
  EXPECT_EQ(view.lblHoraDesc, kNoSunriseNotice);
  for (const SignFieldRef& field : kSignAttributeFieldRefs) {
    EXPECT_TRUE((view.attributes.*field.member).empty()) << field.name;
  }
  for (const std::string& cell : view.lblArudha) {
    EXPECT_EQ(cell.find("HL"), std::string::npos) << cell;
  }
  // Chart, planet table and details are still there.
  std::string all;
  for (const std::string& label : view.chartLabels) all += label;
  EXPECT_EQ(CountOf(all, "\r\n"), kBodyCount);
  for (const std::string& row : view.planet) EXPECT_EQ(row.size(), 9u) << row;
  EXPECT_EQ(view.lblDOB, "December/15/1980");
  EXPECT_EQ(view.lblLatitude, "70\u00B0 0' N");
  // Padas, first lord, Indu, Moon and Sree lagna need no sunrise.
  int lines = 0;
  for (const std::string& cell : view.lblArudha) lines += CountOf(cell, "\r\n");
  EXPECT_EQ(lines, 13 + 3);
}

// Births at the edges of the day, placed on the sunrise and sunset that the
// calculation itself finds for New York on 2 July 2001.
class PipelineDayEdges : public ::testing::Test {
 protected:
  void SetUp() override {
    Calculation probe;
    probe.Calculate(NewYorkMorning());
    ASSERT_TRUE(probe.SunriseBirthDay && probe.SunsetBirthDay &&
                probe.SunriseDayBefore);
    sunrise_ = *probe.SunriseBirthDay;
    sunset_ = *probe.SunsetBirthDay;
    sunriseBefore_ = *probe.SunriseDayBefore;
  }

  static BirthInput At(const CivilDateTime& t) {
    BirthInput in = NewYorkMorning();
    in.hour = t.hour;
    in.minute = t.minute;
    in.second = t.second;
    return in;
  }

  CivilDateTime sunrise_, sunset_, sunriseBefore_;
};

TEST_F(PipelineDayEdges, ExactlyAtSunriseAndSunsetIsADayBirth) {
  for (const CivilDateTime& birth : {sunrise_, sunset_}) {
    Calculation c;
    c.Calculate(At(birth));
    ASSERT_TRUE(c.ReferenceSunrise.has_value());
    EXPECT_EQ(*c.ReferenceSunrise, sunrise_) << IsoText(birth);
    EXPECT_EQ(c.ElapsedMinutes, MinuteBoundariesBetween(sunrise_, birth));
  }
}

TEST_F(PipelineDayEdges, OneMinuteBeforeSunriseCountsFromThePreviousMorning) {
  Calculation c;
  c.Calculate(At(AddMinutes(sunrise_, -1)));
  ASSERT_TRUE(c.ReferenceSunrise.has_value());
  EXPECT_EQ(*c.ReferenceSunrise, sunriseBefore_);
  // A day less one minute, give or take the day-to-day shift of sunrise.
  EXPECT_NEAR(static_cast<double>(c.ElapsedMinutes), 1439, 3);
}

TEST_F(PipelineDayEdges, SecondsDoNotReachTheElapsedMinutes) {
  Calculation c;
  c.Calculate(At(AddSeconds(sunrise_, 10 * 60 + 59)));
  EXPECT_EQ(c.ElapsedMinutes, 10);
  EXPECT_EQ(c.ElapsedSeconds, 659);
}

}  // namespace
}  // namespace tarvelin
