#include "driver/number_formats.h"

#include <algorithm>

#include "driver/powers_of_ten.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/extended_bits.h"

namespace datacomp {

char LocaleDecimalSeparator = '.';
char LocaleThousandsSeparator = ',';

namespace {

char SeparatorOf(const std::optional<std::string>& text, char fallback) {
  if (!text || text->size() > 1) return fallback;
  return text->empty() ? '\0' : (*text)[0];
}

constexpr int kAllDigits = 18;
constexpr int kNoLimit = 9999;

// Scales a positive magnitude by 10^power with at most three rounded factors.
long double ScaleByPowerOfTen(long double magnitude, int power) {
  const bool multiply = power > 0;
  const int n = power < 0 ? -power : power;
  auto apply = [&](long double factor) {
    magnitude = multiply ? ExtendedMultiply(magnitude, factor) : ExtendedDivide(magnitude, factor);
  };
  apply(PowerOfTenUnits(n % 32));
  if ((n / 32) % 16 != 0) apply(PowerOfTenThirtyTwos((n / 32) % 16));
  if (n / 512 != 0) apply(PowerOfTenFiveTwelves(std::min(n / 512, 9)));
  return magnitude;
}

// The rounded magnitude's 18 digits and its decimal exponent.
void EighteenDigits(long double magnitude, int binaryExponent, char (&digits)[kAllDigits],
                    int& exponent) {
  exponent = ((binaryExponent * 19728) >> 16) + 1;  // floor(e · log10 2) + 1
  long double scaled = RoundToInteger(ScaleByPowerOfTen(magnitude, kAllDigits - exponent));
  if (scaled >= 1e18L) {
    scaled = RoundToInteger(ExtendedDivide(scaled, 10.0L));
    ++exponent;
  }
  auto integer = static_cast<std::uint64_t>(StoreInt64(scaled));
  for (int i = kAllDigits - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
}

// Keeps d1 .. dk, rounding half up on d(k+1) with carry to the left.
void RoundToDigits(DecimalForm& form, int k) {
  if (k >= kAllDigits) return;
  const bool roundUp = form.digits[k] >= '5';
  form.digitCount = k;
  if (!roundUp) return;
  while (form.digitCount > 0 && form.digits[form.digitCount - 1] == '9') --form.digitCount;
  if (form.digitCount == 0) {
    form.digits[0] = '1';
    form.digitCount = 1;
    ++form.exponent;
  } else {
    ++form.digits[form.digitCount - 1];
  }
}

void AppendPaddedExponent(std::string& text, int value, int digits) {
  std::string magnitude = std::to_string(value < 0 ? -value : value);
  if (digits <= 4 && static_cast<int>(magnitude.size()) < digits) {
    text.append(static_cast<std::size_t>(digits) - magnitude.size(), '0');
  }
  text += magnitude;
}

char DigitAt(const DecimalForm& form, int index) {
  return index >= 0 && index < form.digitCount ? form.digits[index] : '0';
}

void AppendSeparator(std::string& text, char separator) {
  if (separator != '\0') text += separator;
}

std::string ExponentFormat(const DecimalForm& form, int precision, int digits) {
  std::string text;
  if (form.negative) text += '-';
  text += DigitAt(form, 0);
  AppendSeparator(text, LocaleDecimalSeparator);
  for (int i = 1; i < precision; ++i) text += DigitAt(form, i);
  const int exponent = form.digitCount == 0 ? 0 : form.exponent - 1;
  text += 'E';
  text += exponent < 0 ? '-' : '+';
  AppendPaddedExponent(text, exponent, digits);
  return text;
}

std::string GroupedNumber(const DecimalForm& form, int decimals, bool grouped) {
  std::string text;
  if (form.negative) text += '-';
  if (form.exponent <= 0) {
    text += '0';
  } else {
    for (int i = 0; i < form.exponent; ++i) {
      const int remaining = form.exponent - i;
      if (grouped && i > 0 && remaining % 3 == 0) AppendSeparator(text, LocaleThousandsSeparator);
      text += DigitAt(form, i);
    }
  }
  if (decimals > 0) {
    decimals = std::min(decimals, kAllDigits);
    AppendSeparator(text, LocaleDecimalSeparator);
    int written = 0;
    if (form.exponent < 0) {
      const int zeros = std::min(-form.exponent, decimals);
      text.append(static_cast<std::size_t>(zeros), '0');
      written = zeros;
    }
    for (int index = std::max(form.exponent, 0); written < decimals; ++index, ++written) {
      text += DigitAt(form, index);
    }
  }
  return text;
}

std::string GeneralFormat(const DecimalForm& form, int digits) {
  std::string text;
  if (form.negative) text += '-';
  text += DigitAt(form, 0);
  if (form.digitCount > 1) {
    AppendSeparator(text, LocaleDecimalSeparator);
    text.append(form.digits + 1, static_cast<std::size_t>(form.digitCount - 1));
  }
  text += 'E';
  AppendPaddedExponent(text, form.exponent - 1, digits);
  return text;
}

}  // namespace

void LoadNumberSeparators(platform::Locale& locale) {
  LocaleThousandsSeparator = SeparatorOf(locale.Text(platform::LocaleItem::ThousandsSeparator), ',');
  LocaleDecimalSeparator = SeparatorOf(locale.Text(platform::LocaleItem::DecimalSeparator), '.');
}

DecimalForm ConvertToDecimal(long double value, int precision, int limit) {
  DecimalForm form;
  const ExtendedBits bits = BitsOf(value);
  if (bits.Exponent() == 0) return form;  // zeros and denormals
  if (bits.Exponent() == 0x7FFF) {
    const bool integerBitOnly = bits.significand == 0x8000000000000000ULL;
    const bool integerBitClear = (bits.significand >> 63) == 0;
    if (integerBitOnly || integerBitClear) {
      form.kind = DecimalForm::Kind::Infinity;
      form.negative = bits.Negative();
    } else {
      form.kind = DecimalForm::Kind::NotANumber;
    }
    return form;
  }

  const long double magnitude = ExtendedFromBits(bits.significand, bits.Exponent());
  EighteenDigits(magnitude, bits.Exponent() - 16383, form.digits, form.exponent);
  form.digitCount = kAllDigits;

  int k = form.exponent + limit;
  if (k < 0) return DecimalForm{};
  k = std::min(k, precision);
  RoundToDigits(form, k);
  while (form.digitCount > 0 && form.digits[form.digitCount - 1] == '0') --form.digitCount;
  if (form.digitCount == 0) return DecimalForm{};
  form.negative = bits.Negative();
  return form;
}

std::string FormatFloatText(long double value, FloatFormat format, int precision, int digits) {
  precision = std::clamp(precision, 2, kAllDigits);
  const int limit = format == FloatFormat::Exponent ? kNoLimit : digits;
  const DecimalForm form = ConvertToDecimal(value, precision, limit);
  if (form.kind == DecimalForm::Kind::Infinity) return form.negative ? "-INF" : "INF";
  if (form.kind == DecimalForm::Kind::NotANumber) return "NAN";
  if (format == FloatFormat::Exponent) return ExponentFormat(form, precision, digits);
  if (form.exponent > precision) return GeneralFormat(form, digits);
  return GroupedNumber(form, digits, format == FloatFormat::Number);
}

std::string FormatIntegerText(std::int32_t value) {
  const std::int64_t wide = value;
  std::string text = std::to_string(wide < 0 ? -wide : wide);
  return wide < 0 ? "-" + text : text;
}

}  // namespace datacomp
