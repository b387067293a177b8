// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences beside the answer: which change of sign is nearer, how many
// whole minutes a birth must move to reach the other sign, and the shares
// of an uncertain birth time in whole percents.
#include "present/hora_lagna_text.h"

#include <gtest/gtest.h>

namespace tarvelin {
namespace {

HoraLagnaMargin LeoFrom1021(std::int64_t since, std::int64_t to) {
  HoraLagnaMargin m;
  m.signIndex = 4;  // Leo
  m.from = {1980, 3, 15, 10, 21, 30};
  m.to = {1980, 3, 15, 11, 21, 30};
  m.secondsSinceChange = since;
  m.secondsToChange = to;
  m.signBefore = 3;  // Cancer
  m.signAfter = 5;   // Virgo
  return m;
}

TEST(HoraLagnaText, MarginNamesTheNearerChangeInWholeMinutes) {
  const std::string stays =
      "The Hora Lagna stays in Leo for births from 10:21:30 to 11:21:30";
  struct Case {
    std::int64_t since, to;
    std::string tail;
  };
  const Case cases[] = {
      // 3 minutes back is the change itself, still Leo: 4 minutes is Cancer.
      {180, 3420, "; 4 minutes earlier it is Cancer."},
      {200, 3400, "; 4 minutes earlier it is Cancer."},
      {59, 3541, "; 1 minute earlier it is Cancer."},
      // Forward, the change is the first moment of Virgo.
      {3420, 180, "; 3 minutes later it is Virgo."},
      {3539, 61, "; 2 minutes later it is Virgo."},
      {3540, 60, "; 1 minute later it is Virgo."},
      {3599, 1, "; 1 minute later it is Virgo."},
  };
  ChartResult result;
  result.horaLagna = HoraLagna{};
  for (const Case& c : cases) {
    HoraLagnaReading reading;
    reading.margin = LeoFrom1021(c.since, c.to);
    EXPECT_EQ(PresentHoraLagna(result, reading).margin, stays + c.tail)
        << c.since << " s since, " << c.to << " s to the change";
  }
  // No sunrise times the births past the nearer change: nothing said of it.
  HoraLagnaReading polar;
  polar.margin = LeoFrom1021(3000, 600);
  polar.margin->signAfter.reset();
  EXPECT_EQ(PresentHoraLagna(result, polar).margin, stays + ".");
}

TEST(HoraLagnaText, UncertaintyInWholePercents) {
  ChartResult result;
  result.horaLagna = HoraLagna{};
  HoraLagnaReading reading;
  reading.uncertaintyMinutes = 15;
  reading.shares = {{3, 0.3}, {4, 0.7}};
  EXPECT_EQ(PresentHoraLagna(result, reading).uncertainty,
            "With the birth time uncertain by \u00B1 15 minutes, the Hora "
            "Lagna is Cancer 30 %, Leo 70 %.");
  // A sliver is never "0 %".
  EXPECT_EQ(SharesText({{3, 0.004}, {4, 0.996}}), "Cancer <1 %, Leo 100 %");
  // A window partly without a sunrise gives no shares.
  reading.shares.clear();
  EXPECT_NE(PresentHoraLagna(result, reading).uncertainty.find("cannot"),
            std::string::npos);
  // Without an uncertainty, or a Hora Lagna, nothing.
  reading.uncertaintyMinutes = 0;
  EXPECT_EQ(PresentHoraLagna(result, reading).uncertainty, "");
  reading.uncertaintyMinutes = 15;
  reading.shares = {{3, 1.0}};
  result.horaLagna.reset();
  EXPECT_EQ(PresentHoraLagna(result, reading).uncertainty, "");
}

}  // namespace
}  // namespace tarvelin
