// SPDX-License-Identifier: GPL-3.0-or-later
// Each quantity is written by one formatter, so every output of one birth
// shows it alike: the result form's labels, "How it was found", the text
// report and the JSON. The birth is the awkward one: an offset with seconds
// (a local mean time), daylight saving on it, south and west.
#include "present/quantity_text.h"

#include <gtest/gtest.h>

#include <string>

#include "chart/calculate.h"
#include "chart/hora_lagna_day.h"
#include "present/explanation.h"
#include "present/json_writer.h"
#include "present/result_json.h"
#include "present/result_view.h"
#include "present/text_report.h"

namespace tarvelin {
namespace {

std::size_t Count(const std::string& text, const std::string& piece) {
  std::size_t n = 0;
  for (auto at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + 1)) {
    ++n;
  }
  return n;
}

TEST(QuantityText, OneBirthShowsTheSameTextsEverywhere) {
  Birth birth;
  birth.name = "RAM";
  birth.local = {1935, 7, 1, 14, 30, 0};
  birth.latitudeDegrees = -(34 + 36 / 60.0);
  birth.longitudeDegrees = -(58 + 22 / 60.0);
  birth.utcOffsetSeconds = -(3 * 3600 + 26 * 60 + 52) + 3600;  // -02:26:52
  birth.daylightSavingSeconds = 3600;
  birth.atlasZone = "America/Nowhere";

  EXPECT_EQ(UtcOffsetText(birth.utcOffsetSeconds), "UTC-02:26:52");
  const std::string standard = "UTC-03:26:52";
  const std::string latitude = CoordinateText(
      birth.latitudeDegrees, Axis::kLatitude, CoordinateStyle::kLabel);
  const std::string longitude = CoordinateText(
      birth.longitudeDegrees, Axis::kLongitude, CoordinateStyle::kLabel);
  EXPECT_EQ(latitude, "34\u00B0 36' S");
  EXPECT_EQ(longitude, "58\u00B0 22' W");

  const ChartResult result = Calculate(birth);
  const ResultView view = PresentResult(birth, result);
  std::string found;
  for (const std::string& line : HowItWasFound(birth, result)) {
    found += line + "\n";
  }
  const HoraLagnaReading reading = ReadHoraLagna(birth, result, {});
  const std::string report =
      TextReport(birth, result, view, PresentHoraLagna(result, reading));
  JsonWriter json(JsonLayout::kIndented);
  WriteResultJson(json, birth, result, view, reading);
  const std::string jsonText(json.Text());

  // The window's third tab and the printed page show these very lines.
  EXPECT_NE(found.find("Zone offset: UTC-02:26:52 (America/Nowhere); "
                       "daylight saving: +01:00 included, standard time " +
                       standard + "."),
            std::string::npos)
      << found;
  EXPECT_EQ(view.lblZone,
            "UTC-02:26:52 (America/Nowhere), with daylight "
            "saving (+01:00)");
  EXPECT_EQ(view.lblLatitude, latitude);
  EXPECT_EQ(view.lblLongitude, longitude);
  // Zone, Time Zone and "How it was found" in the report; no other offset.
  EXPECT_EQ(Count(report, "UTC-02:26:52"), 3u) << report;
  EXPECT_EQ(Count(report, "UTC-02:26"), 3u) << report;
  EXPECT_EQ(Count(report, latitude), 1u);
  EXPECT_EQ(Count(report, longitude), 1u);
  EXPECT_NE(jsonText.find("\"utc_offset\": \"UTC-02:26:52\""),
            std::string::npos);
  EXPECT_NE(jsonText.find("\"lblZone\": \"" + view.lblZone + "\""),
            std::string::npos);
  EXPECT_NE(jsonText.find("\"lblLatitude\": \"" + latitude + "\""),
            std::string::npos);
}

// The texts of the other quantities, where they are not plain.
TEST(QuantityText, DatesTimesAndCoordinatesInEachStyle) {
  const CivilDateTime t{1901, 2, 3, 4, 5, 6};
  EXPECT_EQ(DateText(t, DateStyle::kIso), "1901-02-03");
  EXPECT_EQ(DateText(t, DateStyle::kLong), "3 February 1901");
  EXPECT_EQ(DateText(t, DateStyle::kForm), "February/3/1901");
  EXPECT_EQ(TimeText(t, TimeStyle::kClock), "04:05:06");
  EXPECT_EQ(TimeText(t, TimeStyle::kForm), "4:5");
  EXPECT_EQ(TimeText(t, TimeStyle::kHoursMinutes), "04:05");
  EXPECT_EQ(DateTimeText(t), "1901-02-03T04:05:06");
  EXPECT_EQ(OffsetText(-15), "-00:00:15");
  EXPECT_EQ(OffsetText(0), "+00:00");
  // Rounded to the minute, never past the largest the form takes.
  EXPECT_EQ(CoordinateText(-0.0, Axis::kLatitude, CoordinateStyle::kEntry),
            "0:00S");
  EXPECT_EQ(CoordinateText(-0.001, Axis::kLatitude, CoordinateStyle::kEntry),
            "0:00N");
  EXPECT_EQ(CoordinateText(-(12 + 59.6 / 60), Axis::kLongitude,
                           CoordinateStyle::kEntry),
            "13:00W");
  EXPECT_EQ(
      CoordinateText(179.9999, Axis::kLongitude, CoordinateStyle::kQuestion),
      "179\u00B059' E");
}

}  // namespace
}  // namespace tarvelin
