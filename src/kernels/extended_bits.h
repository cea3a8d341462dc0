// The memory image of an 80-bit extended value: 64-bit significand with an
// explicit integer bit, then sign (bit 15) and biased exponent (bits 0-14).
#pragma once

#include <cstdint>
#include <cstring>

namespace datacomp {

struct ExtendedBits {
  std::uint64_t significand = 0;
  std::uint16_t signExponent = 0;

  std::uint16_t Exponent() const { return signExponent & 0x7FFF; }
  bool Negative() const { return (signExponent & 0x8000) != 0; }
};

inline ExtendedBits BitsOf(long double value) {
  ExtendedBits bits;
  unsigned char image[sizeof(long double)];
  std::memcpy(image, &value, sizeof image);
  std::memcpy(&bits.significand, image, 8);
  std::memcpy(&bits.signExponent, image + 8, 2);
  return bits;
}

inline long double ExtendedFromBits(std::uint64_t significand, std::uint16_t signExponent) {
  unsigned char image[sizeof(long double)] = {};
  std::memcpy(image, &significand, 8);
  std::memcpy(image + 8, &signExponent, 2);
  long double value;
  std::memcpy(&value, image, sizeof value);
  return value;
}

}  // namespace datacomp
