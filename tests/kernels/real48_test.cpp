#include "kernels/real48.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "kernels/extended_bits.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

using Bytes = std::array<std::uint8_t, 6>;

Bytes Convert(long double value) {
  volatile Real48 variable = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  ExtendedToReal48(value, variable);
  Bytes bytes;
  for (int i = 0; i < 6; ++i) bytes[i] = variable[i];
  return bytes;
}

long double Widen(const Bytes& bytes) {
  volatile Real48 variable;
  for (int i = 0; i < 6; ++i) variable[i] = bytes[i];
  return Real48ToExtended(variable);
}

long double Extended(std::uint64_t significand, int exponent, bool negative = false) {
  return ExtendedFromBits(significand,
                          static_cast<std::uint16_t>((exponent + 16383) | (negative ? 0x8000 : 0)));
}

constexpr std::uint64_t kOne = 1ULL << 63;
constexpr std::uint64_t kAllOnes = ~0ULL;

TEST(Real48ToExtended, ExamplesAndZeroWhateverTheOtherBytes) {
  EXPECT_EQ(Widen({0x81, 0, 0, 0, 0, 0}), 1.0L);
  EXPECT_EQ(Widen({0x81, 0, 0, 0, 0, 0x80}), -1.0L);
  EXPECT_EQ(Widen({0xA2, 0x00, 0x00, 0xF9, 0x02, 0x15}), 1.0E10L);
  const long double zero = Widen({0x00, 0x12, 0x34, 0x56, 0x78, 0x9A});
  EXPECT_EQ(zero, 0.0L);
  EXPECT_FALSE(std::signbit(zero));
}

struct RoundingCase {
  const char* name;
  long double value;
  Bytes bytes;
};

TEST(ExtendedToReal48, RoundingAndUnderflow) {
  const RoundingCase cases[] = {
      {"1", 1.0L, {0x81, 0, 0, 0, 0, 0}},
      {"-1", -1.0L, {0x81, 0, 0, 0, 0, 0x80}},
      {"1.0E10", 1.0E10L, {0xA2, 0x00, 0x00, 0xF9, 0x02, 0x15}},
      {"+0", 0.0L, {0, 0, 0, 0, 0, 0}},
      {"-0", -0.0L, {0, 0, 0, 0, 0, 0}},
      {"2^-128", Extended(kOne, -128), {0x01, 0, 0, 0, 0, 0}},
      {"2^-129", Extended(kOne, -129), {0, 0, 0, 0, 0, 0}},
      {"-2^-129 loses its sign", Extended(kOne, -129, true), {0, 0, 0, 0, 0, 0}},
      {"largest below 2^-128 rounds up", Extended(kAllOnes, -129), {0x01, 0, 0, 0, 0, 0}},
      {"denormal", std::numeric_limits<long double>::denorm_min(), {0, 0, 0, 0, 0, 0}},
      {"largest", Extended(0xFFFFFFFFFF000000ULL, 126), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
      {"half-way rounds away from zero", Extended(kOne | 1ULL << 23, 0),
       {0x81, 0x01, 0, 0, 0, 0}},
      {"negative half-way", Extended(kOne | 1ULL << 23, 0, true), {0x81, 0x01, 0, 0, 0, 0x80}},
      {"just below half-way", Extended(kOne | ((1ULL << 23) - 1), 0), {0x81, 0, 0, 0, 0, 0}},
  };
  for (const RoundingCase& c : cases) EXPECT_EQ(Convert(c.value), c.bytes) << c.name;
}

TEST(ExtendedToReal48, BeyondTheRangeOverflowsAndLeavesTheVariable) {
  const std::pair<const char*, long double> cases[] = {
      {"2^127", Extended(kOne, 127)},
      {"largest below 2^127 rounds up to it", Extended(kAllOnes, 126)},
      {"+infinity", std::numeric_limits<long double>::infinity()},
      {"-infinity", -std::numeric_limits<long double>::infinity()},
      {"NaN", std::numeric_limits<long double>::quiet_NaN()},
  };
  for (const auto& [name, value] : cases) {
    volatile Real48 variable = {1, 2, 3, 4, 5, 6};
    EXPECT_PROGRAM_ERROR(ErrorKind::Overflow, ExtendedToReal48(value, variable));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(variable[i], i + 1) << name;
  }
}

TEST(Real48, EveryPatternSurvivesTheRoundTrip) {
  // Every exponent and sign with fractions from a fixed pseudo-random walk.
  std::uint64_t state = 0x9E3779B97F4A7C15ULL;
  for (int exponent = 0; exponent < 256; ++exponent) {
    for (int i = 0; i < 8000; ++i) {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      Bytes bytes;
      bytes[0] = static_cast<std::uint8_t>(exponent);
      for (int b = 1; b < 6; ++b) bytes[b] = static_cast<std::uint8_t>(state >> (8 * b + 8));
      const Bytes back = Convert(Widen(bytes));
      const Bytes expected = exponent == 0 ? Bytes{0, 0, 0, 0, 0, 0} : bytes;
      if (back != expected) {
        ADD_FAILURE() << "pattern with exponent " << exponent << " and fraction word " << i;
        return;
      }
    }
  }
}

}  // namespace
}  // namespace datacomp
