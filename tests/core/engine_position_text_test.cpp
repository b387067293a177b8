#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

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
  const std::string afterDegreeSign = "1" + kDeg + " Leo 30";
  EXPECT_EQ(ChartSignView(afterDegreeSign), "Leo");
  // Six plain characters, then a stray continuation byte: it belongs to the
  // sixth character, so the sign text takes it along and names no sign.
  const std::string strayByte = "15 Ari\x80 30";
  EXPECT_EQ(ChartSignView(strayByte), "Ari\x80");
  EXPECT_EQ(SignIndexOfChartText(strayByte), -1);
  const std::string sixCharacters = "15 Ari";
  EXPECT_EQ(ChartSignView(sixCharacters), "Ari");
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

// The direct chart notation must be the text route's, character for
// character, wherever the truncation of degrees, minutes or signs is close.
TEST(EnginePositionText, DirectChartNotationEqualsTheTextRoute) {
  constexpr double kSecond = 1.0 / 3600;  // degrees
  constexpr double kInf = std::numeric_limits<double>::infinity();
  std::vector<double> longitudes = {0.0,
                                    -0.0,
                                    std::numeric_limits<double>::denorm_min(),
                                    std::numeric_limits<double>::min(),
                                    1e-300,
                                    1e-15,
                                    1e-9,
                                    std::nextafter(360.0, 0.0),
                                    359.999,
                                    360.0,
                                    360.5,
                                    719.9,
                                    1e20,
                                    -1e-9,
                                    -15.5,
                                    -359.9,
                                    kInf,
                                    -kInf,
                                    std::numeric_limits<double>::quiet_NaN()};
  // Sign boundaries, the last hundredth of a second before them (29° 59'
  // 59.99") and the neighbouring doubles.
  for (int s = 0; s <= 12; ++s) {
    const double boundary = 30.0 * s;
    for (const double v :
         {boundary, boundary - 0.01 * kSecond, boundary + 0.01 * kSecond}) {
      longitudes.push_back(v);
      longitudes.push_back(std::nextafter(v, 0.0));
      longitudes.push_back(std::nextafter(v, 400.0));
    }
  }
  // Whole minutes and seconds, where the products 60 (a - degrees) land on
  // or next to a whole number and the floors decide the text.
  for (int d = 0; d < 360; d += 7) {
    for (int m = 0; m < 60; ++m) {
      for (const int sec : {0, 1, 59}) {
        const double v = d + m / 60.0 + sec * kSecond;
        longitudes.push_back(v);
        longitudes.push_back(std::nextafter(v, 0.0));
        longitudes.push_back(std::nextafter(v, 400.0));
      }
    }
  }
  // A spread over the whole turn from a fixed-seed generator.
  std::uint64_t seed = 0x2545F4914F6CDD1DULL;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    longitudes.push_back(static_cast<double>(seed >> 11) * 0x1p-53 * 360.0);
  }
  for (const double v : longitudes) {
    const std::string want = ToChartNotation(FormatSignPosition(v));
    ASSERT_EQ(ChartNotationOf(v), want)
        << "longitude " << std::hexfloat << v << std::defaultfloat << " (" << v
        << ")";
  }
}

}  // namespace
}  // namespace tarvelin
