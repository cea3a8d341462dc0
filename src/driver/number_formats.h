// The text of every number the program prints or stores: the exponent format
// (kernel values), the number format (times and ratios), the fixed format
// (clock rate), the general format as their fallback, and plain integers.
// The decimal conversion is done in x87 extended arithmetic, digit for digit
// as the program has always printed them; the C library's conversion differs
// in the last digits.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace datacomp {

// The user's separators, read once at start-up; '\0' means none is written.
extern char LocaleDecimalSeparator;
extern char LocaleThousandsSeparator;

// A value of one character is used as it is, an empty value means no
// separator, and anything else (or no answer) gives "." and ",".
void LoadNumberSeparators(platform::Locale& locale);

enum class FloatFormat { Exponent, Number, Fixed };

// A value as 0.d1d2...dn × 10^exponent.
struct DecimalForm {
  enum class Kind { Finite, Infinity, NotANumber };
  Kind kind = Kind::Finite;
  bool negative = false;
  char digits[18] = {};
  int digitCount = 0;  // 0 for zero; the last digit is never '0'
  int exponent = 0;
};

// Decimal conversion to at most `precision` significant digits and at most
// `limit` decimals.
DecimalForm ConvertToDecimal(long double value, int precision, int limit);

std::string FormatFloatText(long double value, FloatFormat format, int precision, int digits);
std::string FormatIntegerText(std::int32_t value);

}  // namespace datacomp
