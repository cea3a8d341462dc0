// The six-byte real: byte 0 the exponent biased by 129 (0 means zero), bytes
// 1 to 5 a 39-bit fraction below an implicit leading 1, the sign in the top
// bit of byte 5. The x87 unit cannot load or store it: every use passes
// through these conversions, which work on bit patterns alone.
#pragma once

#include <cstdint>

namespace datacomp {

using Real48 = std::uint8_t[6];

// Exact.
long double Real48ToExtended(const volatile Real48& value);

// Rounds to 40 significant bits, half away from zero. Below the smallest
// magnitude the variable becomes +0; beyond the largest the floating-point
// overflow error is raised and the variable keeps its old contents.
void ExtendedToReal48(long double value, volatile Real48& variable);

}  // namespace datacomp
