#include "kernels/real48.h"

#include "kernels/errors.h"
#include "kernels/extended_bits.h"

namespace datacomp {
namespace {

constexpr int kBiasDifference = 16383 - 129;
constexpr std::uint64_t kIntegerBit = 1ULL << 63;
constexpr std::uint64_t kFractionMask = (1ULL << 39) - 1;

}  // namespace

// Each conversion is a call of its own at every use.
[[gnu::noinline]] long double Real48ToExtended(const volatile Real48& value) {
  const std::uint8_t exponent = value[0];
  if (exponent == 0) return 0.0L;
  const std::uint8_t top = value[5];
  const std::uint64_t fraction = std::uint64_t{value[1]} | std::uint64_t{value[2]} << 8 |
                                 std::uint64_t{value[3]} << 16 | std::uint64_t{value[4]} << 24 |
                                 std::uint64_t{top & 0x7Fu} << 32;
  const auto signExponent =
      static_cast<std::uint16_t>((exponent + kBiasDifference) | ((top & 0x80u) << 8));
  return ExtendedFromBits(kIntegerBit | fraction << 24, signExponent);
}

[[gnu::noinline]] void ExtendedToReal48(long double value, volatile Real48& variable) {
  const ExtendedBits bits = BitsOf(value);
  int exponent = bits.Exponent();
  // Round at bit 24 on bit 23 alone: ties go away from zero.
  const std::uint64_t kept = bits.significand & ~((1ULL << 24) - 1);
  std::uint64_t significand = kept + (bits.significand & (1ULL << 23) ? 1ULL << 24 : 0);
  if (significand < kept) {  // carried out of bit 63
    significand = kIntegerBit;
    ++exponent;
  }
  const int biased = exponent - kBiasDifference;
  if (biased >= 256) RaiseError(ErrorKind::Overflow);
  if (biased <= 0) {
    for (int i = 0; i < 6; ++i) variable[i] = 0;
    return;
  }
  const std::uint64_t fraction = (significand >> 24) & kFractionMask;
  variable[0] = static_cast<std::uint8_t>(biased);
  variable[1] = static_cast<std::uint8_t>(fraction);
  variable[2] = static_cast<std::uint8_t>(fraction >> 8);
  variable[3] = static_cast<std::uint8_t>(fraction >> 16);
  variable[4] = static_cast<std::uint8_t>(fraction >> 24);
  variable[5] = static_cast<std::uint8_t>((fraction >> 32) | (bits.Negative() ? 0x80u : 0u));
}

}  // namespace datacomp
