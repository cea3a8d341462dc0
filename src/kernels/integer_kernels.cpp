#include "kernels/integer_kernels.h"

#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"

namespace datacomp {

volatile std::int32_t IntegerValue;
volatile std::uint8_t ByteValue;
volatile std::int8_t ShortIntValue;
volatile std::uint16_t WordValue;
volatile std::int16_t SmallIntValue;
volatile std::uint32_t CardinalValue;
volatile std::uint32_t LongWordValue;
volatile std::int32_t LongIntValue;
volatile std::int64_t CompValue;
volatile std::int64_t Int64Value;

namespace {

// Every start value is the largest value of its type, halved.
constexpr std::int32_t kSigned32Start = 0x3FFFFFFF;
constexpr std::uint32_t kUnsigned32Start = 0x7FFFFFFF;
constexpr std::int64_t kSigned64Start = 0x3FFFFFFFFFFFFFFF;

// Integer, LongInt: signed 32-bit arithmetic, plain stores.
[[gnu::always_inline]] inline void RunSigned32Steps(volatile std::int32_t& x) {
  do {
    x = kSigned32Start;
    const std::int32_t first = x;
    const std::int32_t second = x;
    x = CheckedSignedAdd(first, ShiftRightLogical(second));
    std::int32_t v = x;
    v = DivideSigned32(v, 5);
    v = ShiftRightLogical(v);
    v = CheckedSignedMultiply(v, Opaque(2));
    x = v / 4;  // add 3 when negative, then shift arithmetically
  } while (StepTest(IntegerStepLimit));
}

// Cardinal, LongWord: unsigned 32-bit arithmetic, plain stores.
[[gnu::always_inline]] inline void RunUnsigned32Steps(volatile std::uint32_t& x) {
  do {
    x = kUnsigned32Start;
    const std::uint32_t first = x;
    const std::uint32_t second = x;
    x = CheckedUnsignedAdd(first, ShiftRightLogical(second));
    std::uint32_t v = x;
    v = DivideUnsigned32(v, 5);
    v = ShiftRightLogical(v);
    v = CheckedUnsignedMultiply(v, Opaque(2u));
    x = v >> 2;
  } while (StepTest(IntegerStepLimit));
}

// Byte, Word: zero-extended into signed 32-bit arithmetic, unsigned
// divisions, range-checked stores.
template <class Narrow>
[[gnu::always_inline]] inline void RunUnsignedNarrowSteps(volatile Narrow& x, Narrow start) {
  do {
    x = start;
    const std::int32_t first = x;
    const std::int32_t second = x;
    StoreRangeChecked(x, CheckedSignedAdd(first, ShiftRightLogical(second)));
    std::int32_t v = x;
    v = static_cast<std::int32_t>(DivideUnsigned32(static_cast<std::uint32_t>(v), 5));
    v = ShiftRightLogical(v);
    v = CheckedSignedMultiply(v, Opaque(2));
    StoreRangeChecked(x, static_cast<std::int32_t>(static_cast<std::uint32_t>(v) >> 2));
  } while (StepTest(IntegerStepLimit));
}

// ShortInt, SmallInt: sign-extended into signed 32-bit arithmetic, signed
// divisions, range-checked stores.
template <class Narrow>
[[gnu::always_inline]] inline void RunSignedNarrowSteps(volatile Narrow& x, Narrow start) {
  do {
    x = start;
    const std::int32_t first = x;
    const std::int32_t second = x;
    StoreRangeChecked(x, CheckedSignedAdd(first, ShiftRightLogical(second)));
    std::int32_t v = x;
    v = DivideSigned32(v, 5);
    v = ShiftRightLogical(v);
    v = CheckedSignedMultiply(v, Opaque(2));
    StoreRangeChecked(x, v / 4);
  } while (StepTest(IntegerStepLimit));
}

// The constants of the Comp step: 32-bit floats in memory.
const float kCompTwo = 2.0f;
const float kCompFive = 5.0f;
const float kCompFour = 4.0f;

// x := x + x / 2 on the x87 unit, stored rounded to nearest.
[[gnu::always_inline]] inline void CompAddHalf(volatile std::int64_t& x) {
  asm volatile(
      "fildll %[x]\n\t"
      "fdivs %[two]\n\t"
      "fildll %[x]\n\t"
      "faddp\n\t"
      "fistpll %[x]\n\t"
      "fwait"
      : [x] "+m"(x)
      : [two] "m"(kCompTwo));
}

// x := x / 5 / 2 * 2 / 4 on the x87 unit, with fractions, stored rounded.
[[gnu::always_inline]] inline void CompDivideChain(volatile std::int64_t& x) {
  asm volatile(
      "fildll %[x]\n\t"
      "fdivs %[five]\n\t"
      "fdivs %[two]\n\t"
      "fmuls %[two]\n\t"
      "fdivs %[four]\n\t"
      "fistpll %[x]\n\t"
      "fwait"
      : [x] "+m"(x)
      : [two] "m"(kCompTwo), [five] "m"(kCompFive), [four] "m"(kCompFour));
}

}  // namespace

void KernelInteger() {
  RunSigned32Steps(IntegerValue);
  StandardOutput().Write("\r\n");
}

void KernelLongInt() { RunSigned32Steps(LongIntValue); }
void KernelCardinal() { RunUnsigned32Steps(CardinalValue); }
void KernelLongWord() { RunUnsigned32Steps(LongWordValue); }
void KernelByte() { RunUnsignedNarrowSteps<std::uint8_t>(ByteValue, 0x7F); }
void KernelWord() { RunUnsignedNarrowSteps<std::uint16_t>(WordValue, 0x7FFF); }
void KernelShortInt() { RunSignedNarrowSteps<std::int8_t>(ShortIntValue, 0x3F); }
void KernelSmallInt() { RunSignedNarrowSteps<std::int16_t>(SmallIntValue, 0x3FFF); }

void KernelComp() {
  do {
    CompValue = kSigned64Start;
    CompAddHalf(CompValue);
    CompDivideChain(CompValue);
  } while (StepTest(IntegerStepLimit));
}

void KernelInt64() {
  do {
    Int64Value = kSigned64Start;
    const std::int64_t first = Int64Value;
    const std::int64_t second = Int64Value;
    Int64Value = Checked64Add(first, ShiftRightLogical(second));
    std::int64_t v = Int64Value;
    v = Checked64Divide(v, Opaque<std::int64_t>(5));
    v = ShiftRightLogical(v);
    v = Checked64Multiply(v, Opaque<std::int64_t>(2));
    Int64Value = Checked64Divide(v, Opaque<std::int64_t>(4));
  } while (StepTest(IntegerStepLimit));
}

}  // namespace datacomp
