// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/shortest_number.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace tarvelin {
namespace {

using u128 = unsigned __int128;

// The doubles read back as a number are those of the interval half way to
// each neighbour: for v = c * 2^q, scaled by 2^(2-q) to whole numbers,
// [4c - 2, 4c + 2] (below a power of two [4c - 1, 4c + 2]), the ends
// included when c is even. A decimal D / 10^p reads back as v exactly when
// D * 10^p-scaled lies in it. From 10^-4 up to 2^53 the shift 2 - q stays
// below 70, at most 19 places are ever needed (17 significant digits), and
// 4c * 10^19 < 2^128: all of it whole-number arithmetic.
constexpr double kSmallest = 1e-4;
constexpr double kLargest = 9007199254740992.0;  // 2^53
constexpr int kMostPlaces = 19;

constexpr std::uint64_t kPow10[20] = {1ULL,
                                      10ULL,
                                      100ULL,
                                      1000ULL,
                                      10000ULL,
                                      100000ULL,
                                      1000000ULL,
                                      10000000ULL,
                                      100000000ULL,
                                      1000000000ULL,
                                      10000000000ULL,
                                      100000000000ULL,
                                      1000000000000ULL,
                                      10000000000000ULL,
                                      100000000000000ULL,
                                      1000000000000000ULL,
                                      10000000000000000ULL,
                                      100000000000000000ULL,
                                      1000000000000000000ULL,
                                      10000000000000000000ULL};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536"
    "37383940414243444546474849505152535455565758596061626364656667686970717273"
    "7475767778798081828384858687888990919293949596979899";

// Decimal digits of n >= 1.
int Digits(std::uint64_t n) {
  const int bits = 64 - __builtin_clzll(n | 1);
  const int guess = (bits * 1233) >> 12;  // about log10(2^bits)
  return guess + (n >= kPow10[guess] ? 1 : 0);
}

// The 8 digits of n < 10^8 at `out`.
void Write8(char* out, std::uint32_t n) {
  const std::uint32_t high = n / 10000, low = n % 10000;
  std::memcpy(out, kDigitPairs + 2 * (high / 100), 2);
  std::memcpy(out + 2, kDigitPairs + 2 * (high % 100), 2);
  std::memcpy(out + 4, kDigitPairs + 2 * (low / 100), 2);
  std::memcpy(out + 6, kDigitPairs + 2 * (low % 100), 2);
}

// The 24 digits of n (< 10^24, leading zeros included) at `out`.
void Write24(char* out, std::uint64_t n) {
  Write8(out + 16, static_cast<std::uint32_t>(n % 100000000));
  n /= 100000000;
  Write8(out + 8, static_cast<std::uint32_t>(n % 100000000));
  Write8(out, static_cast<std::uint32_t>(n / 100000000));
}

struct Interval {
  std::uint64_t lower, value, upper;
  int shift;  // 2 - q, 1 .. 70
  u128 mask;  // 2^shift - 1
  bool inclusive;
};

// floor(x / 2^shift), and whether the division left nothing.
struct Quotient {
  u128 whole;
  bool exact;
};
Quotient Divided(u128 x, const Interval& v) {
  return {x >> v.shift, (x & v.mask) == 0};
}

// Whether some D / 10^places lies in the interval; `low` and `high` get the
// first and last such D.
bool Fits(const Interval& v, int places, u128& low, u128& high) {
  const std::uint64_t scale = kPow10[places];
  const Quotient lower = Divided(u128{v.lower} * scale, v);
  const Quotient upper = Divided(u128{v.upper} * scale, v);
  low = lower.whole + ((lower.exact && v.inclusive) ? 0 : 1);
  high = upper.whole - ((upper.exact && !v.inclusive) ? 1 : 0);
  return low <= high;
}

}  // namespace

char* WriteShortestNumber(char* out, double value) {
  const double size = value < 0 ? -value : value;
  if (!(size >= kSmallest && size < kLargest)) {
    return std::to_chars(out, out + 48, value).ptr;
  }
  std::uint64_t bits;
  std::memcpy(&bits, &size, sizeof bits);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  // Normal numbers only in this range: c has its 53rd bit.
  const std::uint64_t c = fraction | (std::uint64_t{1} << 52);
  const int q = static_cast<int>(bits >> 52) - 1075;
  Interval v;
  v.shift = 2 - q;
  v.mask = (u128{1} << v.shift) - 1;
  v.value = 4 * c;
  v.upper = 4 * c + 2;
  v.lower = fraction == 0 ? 4 * c - 1 : 4 * c - 2;
  v.inclusive = (c & 1) == 0;

  // The fewest places that fit: 17 significant digits always do. Start at
  // 16 and look one up or down; a short number ("93.31") is searched down.
  int exponent;  // floor(log10(size)), or near it
  if (size >= 1) {
    exponent = Digits(static_cast<std::uint64_t>(size)) - 1;
  } else {
    exponent = -1;
    for (double p = 0.1; size < p && exponent > -4; p /= 10) --exponent;
  }
  int places = 15 - exponent;
  if (places < 0) places = 0;
  if (places > kMostPlaces) places = kMostPlaces;
  u128 low = 0, high = 0;
  int missed = -1;  // the most places known not to fit
  while (!Fits(v, places, low, high)) {
    if (places == kMostPlaces) return std::to_chars(out, out + 48, value).ptr;
    missed = places++;
  }
  int least = missed + 1;  // fewer than this do not fit
  if (least < places) {
    u128 fewerLow, fewerHigh;
    if (Fits(v, places - 1, fewerLow, fewerHigh)) {
      --places;
      low = fewerLow;
      high = fewerHigh;
    } else {
      least = places;
    }
  }
  while (least < places) {  // fitting only grows with the places
    const int middle = (least + places) / 2;
    u128 middleLow, middleHigh;
    if (Fits(v, middle, middleLow, middleHigh)) {
      places = middle;
      low = middleLow;
      high = middleHigh;
    } else {
      least = middle + 1;
    }
  }

  // Of those, the nearest to the value; half way, the even one.
  const u128 scaled = u128{v.value} * kPow10[places];
  u128 nearest = scaled >> v.shift;
  const u128 rest = scaled & v.mask;
  const u128 half = u128{1} << (v.shift - 1);
  if (rest > half || (rest == half && (nearest & 1) != 0)) ++nearest;
  if (nearest < low) nearest = low;
  if (nearest > high) nearest = high;
  if ((nearest >> 63) != 0) return std::to_chars(out, out + 48, value).ptr;
  const auto d = static_cast<std::uint64_t>(nearest);

  // Plain ("93.31") unless the scientific form ("1e-04") is shorter, as
  // std::to_chars chooses (plain on a tie); that one it writes itself.
  const int digits = Digits(d);
  int significant = digits;
  if (places == 0) {
    while (significant > 1 && d % kPow10[digits - significant + 1] == 0) {
      --significant;
    }
  }
  const int decimalExponent = digits - 1 - places;
  const int plainLength =
      places == 0 ? digits : (digits > places ? digits + 1 : places + 2);
  const int scientificLength =
      significant + (significant > 1 ? 1 : 0) + 2 +
      (decimalExponent >= 100 || decimalExponent <= -100 ? 3 : 2);
  if (plainLength > scientificLength) {
    return std::to_chars(out, out + 48, value).ptr;
  }
  // The digits right-aligned in the first 24 of `all`, then copied in
  // pieces of a fixed size (what lies beyond the text is written over or
  // left; the 48 characters at `out` leave room).
  char all[48];
  Write24(all, d);
  const char* const first = all + 24 - digits;
  if (value < 0) *out++ = '-';
  if (places == 0) {
    std::memcpy(out, first, 20);
    return out + digits;
  }
  if (digits > places) {  // "93.31": the whole part, the point, the rest
    const int wholeDigits = digits - places;
    char text[48];
    std::memcpy(text, first, 20);
    std::memcpy(out, text, 20);
    std::memcpy(out + wholeDigits + 1, text + wholeDigits, 20);
    out[wholeDigits] = '.';
    return out + digits + 1;
  }
  // "0.0123": zeros to the first digit.
  out[0] = '0';
  out[1] = '.';
  std::memset(out + 2, '0', 20);
  std::memcpy(out + 2 + places - digits, first, 20);
  return out + 2 + places;
}

}  // namespace tarvelin
