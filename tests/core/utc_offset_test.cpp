// SPDX-License-Identifier: GPL-3.0-or-later
#include "tables/utc_offset.h"

#include <gtest/gtest.h>

#include <string>

#include "present/quantity_text.h"

namespace tarvelin {
namespace {

constexpr int kHour = 3600;  // seconds
constexpr int kMinute = 60;  // seconds

// The list entry and box for an offset, from the numbers and the names the
// database gives: one hour of saving ticks the box on the standard entry;
// anything else needs an entry of the whole offset or the offset itself.
TEST(UtcOffset, ZoneListChoiceFollowsTheOffsetAndTheNames) {
  struct Case {
    int offset, saving;
    ZoneNaming standard, inForce;
    int position;  // -1: none
    bool box;
  };
  const ZoneNaming gmt{"GMT", "Greenwich Mean Time"};
  const ZoneNaming cet{"CET", "Central European Standard Time"};
  const Case cases[] = {
      {0, 0, gmt, gmt, 29, false},
      {kHour, kHour, gmt, {"BST", "British Summer Time"}, 29, true},
      {2 * kHour, 2 * kHour, gmt, {"BDST", "British Summer Time"}, 15, false},
      {kHour, 0, cet, cet, 20, false},
      {2 * kHour,
       kHour,
       cet,
       {"CEST", "Central European Summer Time"},
       20,
       true},
      // Newfoundland in summer: an hour over -3:30.
      {-2 * kHour - 30 * kMinute,
       kHour,
       {"NST", "Newfoundland Standard Time"},
       {"NDT", ""},
       50,
       true},
      {5 * kHour + 30 * kMinute,
       0,
       {"IST", "India Standard Time"},
       {},
       34,
       false},
      // The names decide between entries of one offset; without names the
      // first that is not a daylight, summer or war-time variant.
      {12 * kHour, 0, {"NZST", "New Zealand Standard Time"}, {}, 47, false},
      {12 * kHour, 0, {}, {}, 35, false},
      {5 * kHour + 45 * kMinute, 0, {}, {}, -1, false},
      {-4 * kHour - 30 * kMinute, 30 * kMinute, {}, {}, -1, false},
      {19 * kMinute + 32, 0, {"AMT", ""}, {}, -1, false},
  };
  for (const Case& c : cases) {
    const std::optional<ZoneListChoice> choice =
        ZoneListChoiceFor(c.offset, c.saving, c.standard, c.inForce);
    const std::string where = UtcOffsetText(c.offset) + " with " +
                              std::to_string(c.saving) + " s of saving";
    EXPECT_EQ(choice ? choice->position : -1, c.position) << where;
    if (choice) {
      EXPECT_EQ(choice->daylightSaving, c.box) << where;
    }
  }
}

TEST(UtcOffset, ZoneFarFromThePlace) {
  struct Case {
    int offset;
    double longitude;
    double apart;
    bool far;
  };
  const Case cases[] = {
      {5 * kHour + 30 * kMinute, 77.2, 5.3, false},  // Delhi
      {-9 * kHour, 77.2, 147.8, true},               // Delhi on Alaska time
      {12 * kHour, -170, 10, false},                 // across the date line
      {14 * kHour, -157.4, 7.4, false},              // Kiritimati
      {0, -0.13, 0.13, false},
      {8 * kHour, 75.99, 44.01, false},  // Kashgar on China's time
      {3 * kHour, 0, 45, false},         // exactly 45 degrees is not far
      {3 * kHour + 1, 0, 45 + 15.0 / 3600, true},
      {-5 * kHour, 77.2, 152.2, true},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(MeridianDistanceDegrees(c.offset, c.longitude), c.apart, 1e-9)
        << c.offset << " at " << c.longitude;
    EXPECT_EQ(ZoneFarFromLongitude(c.offset, c.longitude), c.far)
        << c.offset << " at " << c.longitude;
  }
}

}  // namespace
}  // namespace tarvelin
