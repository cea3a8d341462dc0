#include "kernels/arithmetic_environment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "kernels/extended_bits.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

constexpr std::uint16_t kReservedBit = 0x0040;  // always reads back as 1

bool IsPositiveZero(long double value) { return value == 0 && !std::signbit(value); }

TEST(ControlWord, StartupWordIsInForce) {
  EXPECT_EQ(ReadControlWord() | kReservedBit, StartupControlWord | kReservedBit);
}

TEST(ElementaryFunctions, SineAndCosineOutsideTheUnitsRangeGivePositiveZero) {
  EXPECT_TRUE(IsPositiveZero(Sine(1.0E19L)));
  EXPECT_TRUE(IsPositiveZero(Sine(-1.0E19L)));
  EXPECT_TRUE(IsPositiveZero(Cosine(1.0E19L)));
  EXPECT_TRUE(IsPositiveZero(Cosine(-1.0E19L)));
}

TEST(ElementaryFunctions, SineAndCosineOfZero) {
  EXPECT_TRUE(IsPositiveZero(Sine(0.0L)));
  EXPECT_EQ(Cosine(0.0L), 1.0L);
}

TEST(ElementaryFunctions, Exponential) {
  EXPECT_EQ(Exponential(0.0L), 1.0L);
  const long double kernelRatio = ExtendedFromBits(0xDD816A7654D274EFULL, 0x3FFE);
  // 2.37561411650568 to 14 decimals (2.3756141165056851... in full).
  EXPECT_EQ(std::floor(Exponential(kernelRatio) * 1e14L), 237561411650568.0L);
  EXPECT_EQ(Exponential(1.0L), 2.718281828459045235360287L);
}

TEST(ElementaryFunctions, ExponentialBeyondTheRangeOverflowsAndBelowItUnderflowsSilently) {
  EXPECT_PROGRAM_ERROR(ErrorKind::Overflow, Exponential(20000.0L));
  EXPECT_EQ(Exponential(-20000.0L), 0.0L);
}

TEST(ExtendedDivide, DividesTheFirstByTheSecond) {
  EXPECT_EQ(ExtendedDivide(1.0L, 4.0L), 0.25L);
  EXPECT_EQ(ExtendedDivide(1.0L, 3.0L), 1.0L / 3.0L);
}

TEST(ExtendedDivide, ByZeroRaisesAndTheUnitGoesOnFromTheStartupState) {
  EXPECT_PROGRAM_ERROR(ErrorKind::ZeroDivide, ExtendedDivide(1.0L, 0.0L));
  EXPECT_EQ(ReadControlWord() | kReservedBit, StartupControlWord | kReservedBit);
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, ExtendedDivide(0.0L, 0.0L));
  EXPECT_EQ(ExtendedDivide(3.0L, 2.0L), 1.5L);
  // Again: a second fault must arrive as well as the first.
  EXPECT_PROGRAM_ERROR(ErrorKind::ZeroDivide, ExtendedDivide(-1.0L, 0.0L));
}

TEST(HardwareFaults, OutOfRangeIntegerStoreIsAnInvalidOperation) {
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, StoreInt64(1.0E19L));
  EXPECT_EQ(StoreInt64(2.5L), 2);  // ties to even
  EXPECT_EQ(StoreInt64(3.5L), 4);
}

TEST(HardwareFaults, IntegerDivisionByZeroIsTheDivisionByZeroError) {
  EXPECT_PROGRAM_ERROR(ErrorKind::DivByZero, DivideSigned32(7, Opaque(0)));
  EXPECT_PROGRAM_ERROR(ErrorKind::DivByZero, DivideUnsigned32(7, Opaque(0u)));
  EXPECT_PROGRAM_ERROR(ErrorKind::DivByZero, Checked64Divide(7, Opaque<std::int64_t>(0)));
}

TEST(HardwareFaults, LocationIsInsideTheImage) {
  const auto error = testing::ErrorOf([] { DivideSigned32(1, Opaque(0)); });
  ASSERT_TRUE(error.has_value());
  const auto again = testing::ErrorOf([] { DivideSigned32(1, Opaque(0)); });
  ASSERT_TRUE(again.has_value());
  EXPECT_GT(error->Location(), 0u);
  EXPECT_LT(error->Location(), 0x10000000u);
}

struct CheckedCase {
  const char* name;
  std::function<void()> operation;
  ErrorKind kind;
};

TEST(CheckedOperations, RaiseTheirErrorKind) {
  using L32 = std::numeric_limits<std::int32_t>;
  using L64 = std::numeric_limits<std::int64_t>;
  const CheckedCase cases[] = {
      {"signed add", [] { CheckedSignedAdd(L32::max(), 1); }, ErrorKind::IntOverflow},
      {"signed add below", [] { CheckedSignedAdd(L32::min(), -1); }, ErrorKind::IntOverflow},
      {"unsigned add", [] { CheckedUnsignedAdd(4294967295u, 1u); }, ErrorKind::IntOverflow},
      {"signed multiply", [] { CheckedSignedMultiply(1 << 30, 2); }, ErrorKind::IntOverflow},
      {"unsigned multiply", [] { CheckedUnsignedMultiply(1u << 31, 2u); },
       ErrorKind::IntOverflow},
      {"64-bit add", [] { Checked64Add(L64::max(), 1); }, ErrorKind::IntOverflow},
      {"64-bit multiply", [] { Checked64Multiply(L64::max() / 2 + 1, 2); },
       ErrorKind::IntOverflow},
      {"64-bit divide", [] { Checked64Divide(L64::min(), Opaque<std::int64_t>(-1)); },
       ErrorKind::IntOverflow},
  };
  for (const CheckedCase& c : cases) {
    const auto error = testing::ErrorOf(c.operation);
    ASSERT_TRUE(error.has_value()) << c.name;
    EXPECT_EQ(error->Kind(), c.kind) << c.name;
  }
}

TEST(CheckedOperations, ResultsInRange) {
  EXPECT_EQ(CheckedSignedAdd(2147483646, 1), 2147483647);
  EXPECT_EQ(CheckedUnsignedAdd(4294967294u, 1u), 4294967295u);
  EXPECT_EQ(CheckedSignedMultiply(-(1 << 30), 2), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(CheckedUnsignedMultiply(2147483647u, 2u), 4294967294u);
  EXPECT_EQ(Checked64Divide(2147483648LL, Opaque<std::int64_t>(-1)), -2147483648LL);
  EXPECT_EQ(Checked64Divide(-7, Opaque<std::int64_t>(2)), -3);  // toward zero
  EXPECT_EQ(DivideSigned32(-7, Opaque(5)), -1);
  EXPECT_EQ(DivideUnsigned32(4294967295u, Opaque(5u)), 858993459u);
}

TEST(CheckedOperations, ShiftRightIsLogicalForSignedValuesToo) {
  const std::int8_t shortInt = -2;
  EXPECT_EQ(ShiftRightLogical(static_cast<std::int32_t>(shortInt)), 2147483647);
  EXPECT_EQ(ShiftRightLogical(std::int64_t{-2}), std::numeric_limits<std::int64_t>::max());
}

TEST(RangeCheckedStore, ByteOverflowsOnlyAtTheStoreAndKeepsItsValue) {
  volatile std::uint8_t byte = 255;
  const std::int32_t sum = CheckedSignedAdd(byte, 1);
  EXPECT_EQ(sum, 256);
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(byte, sum));
  EXPECT_EQ(byte, 255);
}

TEST(RangeCheckedStore, BoundsOfEachNarrowType) {
  volatile std::int8_t shortInt = 127;
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(shortInt, shortInt + 1));
  EXPECT_EQ(shortInt, 127);
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(shortInt, -129));
  StoreRangeChecked(shortInt, -128);
  EXPECT_EQ(shortInt, -128);

  volatile std::uint16_t word = 0;
  StoreRangeChecked(word, 65535);
  EXPECT_EQ(word, 65535);
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(word, 65536));
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(word, -1));

  volatile std::int16_t smallInt = 0;
  StoreRangeChecked(smallInt, -32768);
  EXPECT_EQ(smallInt, -32768);
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(smallInt, 32768));

  volatile std::uint8_t byte = 0;
  EXPECT_PROGRAM_ERROR(ErrorKind::RangeError, StoreRangeChecked(byte, -1));
}

// Runs steps the way a kernel does and counts them.
std::uint32_t StepsFor(std::int32_t limit) {
  volatile std::int32_t stepLimit = limit;
  std::uint32_t steps = 0;
  StepCounter = 0;
  do {
    ++steps;
  } while (StepTest(stepLimit));
  EXPECT_EQ(StepCounter, steps);
  return steps;
}

TEST(StepTest, RunsTheLimitPlusOneStepsAndAtLeastOne) {
  EXPECT_EQ(StepsFor(0), 1u);
  EXPECT_EQ(StepsFor(-1), 1u);
  EXPECT_EQ(StepsFor(std::numeric_limits<std::int32_t>::min()), 1u);
  EXPECT_EQ(StepsFor(9), 10u);
  EXPECT_EQ(StepsFor(15000000), 15000001u);
}

TEST(StepTest, CounterPastItsRangeIsAnOverflowAndKeepsItsValue) {
  volatile std::int32_t limit = 10;
  StepCounter = 4294967295u;
  EXPECT_PROGRAM_ERROR(ErrorKind::IntOverflow, StepTest(limit));
  EXPECT_EQ(StepCounter, 4294967295u);
}

}  // namespace
}  // namespace datacomp
