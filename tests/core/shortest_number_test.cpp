// SPDX-License-Identifier: GPL-3.0-or-later
// The batch's number writer gives std::to_chars's text to the byte: the
// shortest that reads back, the nearest of those, plain or scientific as
// to_chars chooses. Checked on random doubles of every size and on the
// awkward ones (powers of two and of ten and their neighbours).
#include "present/shortest_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace tarvelin {
namespace {

std::string Ours(double x) {
  char text[64];
  return std::string(text, WriteShortestNumber(text, x));
}

std::string Theirs(double x) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, x).ptr);
}

TEST(ShortestNumber, WritesWhatToCharsWrites) {
  std::mt19937_64 random(1980);
  int differ = 0;
  const auto check = [&differ](double x) {
    if (Ours(x) != Theirs(x) && ++differ <= 10) {
      ADD_FAILURE() << Theirs(x) << " written as " << Ours(x);
    }
  };
  for (int i = 0; i < 200000; ++i) {
    // Sizes from 10^-6 to 10^17 (the fast range and both sides of it) ...
    const double exponent =
        std::uniform_real_distribution<double>(-6, 17)(random);
    check(std::pow(10.0, exponent) * ((random() & 1) != 0 ? 1 : -1));
    // ... and any bits at all.
    const std::uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) check(any);
  }
  for (int power = -5; power <= 16; ++power) {
    for (int m = 1; m < 200; ++m) {
      const double x = m * std::pow(10.0, power);
      for (const double y :
           {x, std::nextafter(x, 0.0), std::nextafter(x, 1e300)})
        check(y);
    }
  }
  for (int power = -15; power <= 54; ++power) {
    const double x = std::ldexp(1.0, power);
    for (const double y : {x, std::nextafter(x, 0.0), std::nextafter(x, 1e300)})
      check(y);
  }
  for (const double x : {0.0, -0.0, 4.35, 93.31, 135.0, 1e-4, 0.001, 1e15, 1e16,
                         9007199254740991.0, 9007199254740992.0})
    check(x);
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace tarvelin
