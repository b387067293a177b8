#include "chart/chart_sign.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/birth_record.h"
#include "engine/position_text.h"

namespace tarvelin {
namespace {

// The quick readings must tell the same sign as the texts the chart shows.
TEST(ChartSign, BodyTextsGiveTheSignOfCharactersFourToSix) {
  const std::string texts[] = {
      "15 Ari 30",
      "00 Pis 00",
      "29 Sco 59",
      "12 Xyz 34",
      "12 Ari",
      "12 Ar",
      "",
      "00 0\" 00",
      "1\u00B0 Ari 30",
      "\u00B0\u00B0\u00B0Tau 00",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(ChartSignIndex(kSignAbbrevs, text), SignIndexOfChartText(text))
        << "text \"" << text << "\"";
  }
}

TEST(ChartSign, LongitudesGiveTheSignOfTheirChartNotation) {
  std::vector<double> longitudes = {0,        1e-12, 29.999999999, 30,
                                    59.99999, 180,   329.5,        359.9999999,
                                    360,      360.5, 719.9};
  for (double v = 0; v < 360; v += 0.37) longitudes.push_back(v);
  for (double v : longitudes) {
    EXPECT_EQ(SignIndexOfLongitude(v),
              SignIndexOfChartText(ToChartNotation(FormatSignPosition(v))))
        << "longitude " << v;
  }
}

}  // namespace
}  // namespace tarvelin
