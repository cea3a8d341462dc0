#include "driver/number_formats.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/fake_platform.h"

namespace datacomp {
namespace {

struct FormatCase {
  long double value;
  const char* text;
};

// Sets the separators for one test and puts the usual ones back afterwards.
class SeparatorsScope {
 public:
  SeparatorsScope(char decimal, char thousands) {
    LocaleDecimalSeparator = decimal;
    LocaleThousandsSeparator = thousands;
  }
  ~SeparatorsScope() {
    LocaleDecimalSeparator = '.';
    LocaleThousandsSeparator = ',';
  }
};

std::string Number(long double value) { return FormatFloatText(value, FloatFormat::Number, 9, 4); }
std::string Fixed(long double value) { return FormatFloatText(value, FloatFormat::Fixed, 4, 0); }
std::string Exponent(long double value) {
  return FormatFloatText(value, FloatFormat::Exponent, 25, 4);
}

TEST(NumberFormat, Cases) {
  SeparatorsScope separators('.', ',');
  const FormatCase cases[] = {
      {1.234f, "1.2340"},
      {0.03125L, "0.0313"},
      {-0.03125L, "-0.0313"},
      {1234.5L, "1,234.5000"},
      {123456.789L, "123,456.7890"},
      {999999999.4L, "999,999,999.0000"},
      {999999999.99L, "1E0009"},
      {1234567890.0L, "1.23456789E0009"},
      {0.0L, "0.0000"},
      {-0.00004L, "0.0000"},
      {-0.00006L, "-0.0001"},
      {-1.0L / 3, "-0.3333"},
      {2.0L / 3, "0.6667"},
      {0.00005L, "0.0001"},
      {5.149841f, "5.1498"},
      {1234567.0L, "1,234,567.0000"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(Number(c.value), c.text) << c.text;
}

TEST(NumberFormat, CommaDecimalAndDotThousands) {
  SeparatorsScope separators(',', '.');
  const FormatCase cases[] = {
      {1234.5L, "1.234,5000"},
      {123456.789L, "123.456,7890"},
      {-0.03125L, "-0,0313"},
      {1234567890.0L, "1,23456789E0009"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(Number(c.value), c.text) << c.text;
}

TEST(NumberFormat, NoThousandsSeparator) {
  SeparatorsScope separators('.', '\0');
  EXPECT_EQ(Number(1234.5L), "1234.5000");
  EXPECT_EQ(Number(123456.789L), "123456.7890");
}

TEST(FixedFormat, Cases) {
  SeparatorsScope separators('.', ',');
  const FormatCase cases[] = {
      {2394.6L, "2395"}, {0.5L, "1"},     {2.5L, "3"},       {0.4L, "0"},
      {0.0L, "0"},       {9999.7L, "1E4"}, {12345.6L, "1.235E4"}, {1234.0L, "1234"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(Fixed(c.value), c.text) << c.text;
}

TEST(FixedFormat, CommaDecimalAndNoGrouping) {
  SeparatorsScope separators(',', '.');
  EXPECT_EQ(Fixed(2394.6L), "2395");
  EXPECT_EQ(Fixed(12345.6L), "1,235E4");
  EXPECT_EQ(Fixed(9999.7L), "1E4");
}

TEST(ExponentFormat, Cases) {
  SeparatorsScope separators('.', ',');
  const FormatCase cases[] = {
      {1.5L, "1.50000000000000000E+0000"},
      {0.0L, "0.00000000000000000E+0000"},
      {-0.0L, "0.00000000000000000E+0000"},
      {0.375L, "3.75000000000000000E-0001"},
      {-2.25L, "-2.25000000000000000E+0000"},
      {1024.0L, "1.02400000000000000E+0003"},
      {1.0L / 3, "3.33333333333333333E-0001"},
      {1.0E10L, "1.00000000000000000E+0010"},
      {1.0E-10L, "1.00000000000000000E-0010"},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(Exponent(c.value), c.text) << c.text;
  EXPECT_EQ(Exponent(1.5L).size(), 25u);
  EXPECT_EQ(Exponent(-1.5L).size(), 26u);
}

TEST(ExponentFormat, CommaDecimal) {
  SeparatorsScope separators(',', '.');
  EXPECT_EQ(Exponent(1.5L), "1,50000000000000000E+0000");
  EXPECT_EQ(Exponent(-2.25L), "-2,25000000000000000E+0000");
}

TEST(EveryFormat, InfinityAndNotANumber) {
  const long double infinity = std::numeric_limits<long double>::infinity();
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  for (const FloatFormat format : {FloatFormat::Exponent, FloatFormat::Number, FloatFormat::Fixed}) {
    EXPECT_EQ(FormatFloatText(infinity, format, 9, 4), "INF");
    EXPECT_EQ(FormatFloatText(-infinity, format, 9, 4), "-INF");
    EXPECT_EQ(FormatFloatText(nan, format, 9, 4), "NAN");
    EXPECT_EQ(FormatFloatText(-nan, format, 9, 4), "NAN");
  }
}

TEST(DecimalConversion, DigitsAndExponent) {
  const DecimalForm form = ConvertToDecimal(1234.5L, 18, 9999);
  EXPECT_EQ(std::string(form.digits, form.digitCount), "12345");
  EXPECT_EQ(form.exponent, 4);
  EXPECT_FALSE(form.negative);
  // Denormals count as zero.
  const DecimalForm tiny = ConvertToDecimal(std::numeric_limits<long double>::denorm_min(), 18, 9999);
  EXPECT_EQ(tiny.digitCount, 0);
  EXPECT_EQ(tiny.exponent, 0);
  // The largest and smallest normal values still convert.
  const std::string largest = Exponent(std::numeric_limits<long double>::max());
  EXPECT_EQ(largest.substr(0, 17), "1.189731495357231") << largest;
  EXPECT_EQ(largest.substr(19), "E+4932") << largest;
  const std::string smallest = Exponent(std::numeric_limits<long double>::min());
  EXPECT_EQ(smallest.substr(0, 17), "3.362103143112093") << smallest;
  EXPECT_EQ(smallest.substr(19), "E-4932") << smallest;
}

TEST(IntegerFormat, PlainDecimalText) {
  EXPECT_EQ(FormatIntegerText(2), "2");
  EXPECT_EQ(FormatIntegerText(-5), "-5");
  EXPECT_EQ(FormatIntegerText(0), "0");
  EXPECT_EQ(FormatIntegerText(1234567), "1234567");
  EXPECT_EQ(FormatIntegerText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(LocaleSeparators, OneCharacterRule) {
  struct Case {
    std::optional<std::string> thousands;
    std::optional<std::string> decimal;
    char expectedThousands;
    char expectedDecimal;
  };
  const Case cases[] = {
      {std::string("."), std::string(","), '.', ','},
      {std::string(""), std::string("."), '\0', '.'},
      {std::string("\xE2\x80\xAF"), std::string(","), ',', ','},  // UTF-8 narrow no-break space
      {std::string("''"), std::string("::"), ',', '.'},
      {std::nullopt, std::nullopt, ',', '.'},
  };
  for (const Case& c : cases) {
    platform::FakePlatform fake;
    fake.thousandsSeparator = c.thousands;
    fake.decimalSeparator = c.decimal;
    LoadNumberSeparators(fake);
    EXPECT_EQ(LocaleThousandsSeparator, c.expectedThousands);
    EXPECT_EQ(LocaleDecimalSeparator, c.expectedDecimal);
  }
  SeparatorsScope restore('.', ',');
}

}  // namespace
}  // namespace datacomp
