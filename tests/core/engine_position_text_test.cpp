#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/position_text.h"

namespace tarvelin {
namespace {

const std::string kDeg = "\u00B0";

TEST(EnginePositionText, FormatsTruncatedDegreesMinutesSecondsAndSign) {
  struct Case {
    double longitude;
    std::string text;
    std::string chart;
  };
  const Case cases[] = {
      {15.5, "15" + kDeg + " 30' 0\" Ari", "15 Ari 30"},
      {35.2, "5" + kDeg + " 12' 0\" Tau", "05 Tau 12"},
      // Just below a sign boundary: truncation, no carry into Taurus.
      {30.0 - 1e-9, "29" + kDeg + " 59' 59\" Ari", "29 Ari 59"},
      {0.0, "0" + kDeg + " 0' 0\" Ari", "00 Ari 00"},
      {359.999, "29" + kDeg + " 59' 56\" Pis", "29 Pis 59"},
      {245.765625, "5" + kDeg + " 45' 56\" Sag", "05 Sag 45"},  // exact binary
      // The sign of a negative value is that of its magnitude.
      {-15.5, "15" + kDeg + " 30' 0\" Ari", "15 Ari 30"},
  };
  for (const Case& c : cases) {
    const std::string text = FormatSignPosition(c.longitude);
    EXPECT_EQ(text, c.text) << "longitude " << c.longitude;
    EXPECT_EQ(ToChartNotation(text), c.chart) << "longitude " << c.longitude;
  }
}

TEST(EnginePositionText, ThreeSixtyHasNoSignAnywhere) {
  const std::string text = FormatSignPosition(360.0);
  EXPECT_EQ(text, "0" + kDeg + " 0' 0\" ");
  const std::string chart = ToChartNotation(text);
  EXPECT_EQ(chart.substr(0, 3), "00 ");
  EXPECT_EQ(SignIndexOfChartText(chart), -1) << "chart notation " << chart;
  for (int s = 0; s < 12; ++s) {
    EXPECT_NE(ChartSignText(chart), SignAbbreviation(s)) << chart;
  }
}

TEST(EnginePositionText, SignAbbreviationsComeFromTheTwelveLetterTriples) {
  EXPECT_EQ(std::string(kSignAbbreviations),
            "AriTauGemCanLeoVirLibScoSagCapAquPis");
  EXPECT_EQ(SignAbbreviation(0), "Ari");
  EXPECT_EQ(SignAbbreviation(7), "Sco");
  EXPECT_EQ(SignAbbreviation(11), "Pis");
  EXPECT_EQ(SignAbbreviation(12), "");
  EXPECT_EQ(SignAbbreviation(-1), "");
}

TEST(EnginePositionText, SignOfEveryChartTextIsFoundByCharactersFourToSix) {
  for (int s = 0; s < 12; ++s) {
    const double longitude = 30.0 * s + 12.25;
    const std::string chart = ToChartNotation(FormatSignPosition(longitude));
    EXPECT_EQ(chart.size(), 9u) << chart;
    EXPECT_EQ(ChartSignText(chart), SignAbbreviation(s)) << chart;
    EXPECT_EQ(SignIndexOfChartText(chart), s) << chart;
  }
  EXPECT_EQ(ChartSignText("15 Ar"), "");
  EXPECT_EQ(SignIndexOfChartText(""), -1);
  EXPECT_EQ(SignIndexOfChartText("15 ari 30"), -1);  // compared exactly
}

TEST(EnginePositionText, CharactersAreCountedNotBytes) {
  // With a two-byte degree sign in front, characters 4 to 6 are still the
  // three characters after it, not bytes 4 to 6.
  EXPECT_EQ(ChartSignText("1" + kDeg + " Leo"), "Leo");
  // The last three characters of a text ending in the degree sign.
  EXPECT_EQ(ToChartNotation("7" + kDeg + " 5' 3\" ab" + kDeg),
            "07 ab" + kDeg + " 05");
}

TEST(EnginePositionText, ChartNotationPadsShortFieldsAndTrimsBlanks) {
  EXPECT_EQ(ToChartNotation("  3" + kDeg + " 7' 59\" Cap"), "03 Cap 07");
  // An empty field gets one "0" only.
  EXPECT_EQ(ToChartNotation(kDeg + "' 0\" Vir"), "0 Vir 0");
  EXPECT_EQ(ToChartNotation("no markers here"), "");
}

TEST(EnginePositionText, ArcTan2CoversEveryQuadrantAndTheAxes) {
  const double pi = std::acos(-1.0);
  constexpr double kTolerance = 1e-15;
  struct Case {
    double y, x, want;
  };
  const Case cases[] = {
      {0, -1, pi},           {0, 0, 0},        {1, 0, pi / 2},
      {-1, 0, -pi / 2},      {1, 1, pi / 4},   {1, -1, 3 * pi / 4},
      {-1, -1, -3 * pi / 4}, {-1, 1, -pi / 4}, {0, 2, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ArcTan2(c.y, c.x), c.want, kTolerance)
        << "ArcTan2(" << c.y << ", " << c.x << ")";
    EXPECT_NEAR(ArcTan2(c.y, c.x), std::atan2(c.y, c.x), kTolerance)
        << "ArcTan2(" << c.y << ", " << c.x << ") against atan2";
  }
}

}  // namespace
}  // namespace tarvelin
