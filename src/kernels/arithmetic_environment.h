// The rules every computation runs under: the x87 control word, the
// elementary functions and the division as the x87 unit computes them, the
// checked integer operations and the step test. Each piece of assembly sits in
// a small function of its own so that a fault inside it unwinds correctly.
#pragma once

#include <cstdint>
#include <limits>

#include "kernels/errors.h"
#include "kernels/program_values.h"
#include "kernels/x87_sequences.h"

namespace datacomp {

// Invalid operation, zero divide and overflow unmasked; 64-bit significand;
// round to nearest.
inline constexpr std::uint16_t StartupControlWord = 0x1332;

// Resets the x87 unit and loads StartupControlWord. Run at start-up and after
// every processor fault.
[[gnu::always_inline]] inline void LoadStartupControlWord() {
  const std::uint16_t controlWord = StartupControlWord;
  asm volatile("fninit\n\tfldcw %0" : : "m"(controlWord));
}

[[gnu::always_inline]] inline std::uint16_t ReadControlWord() {
  std::uint16_t controlWord;
  asm volatile("fnstcw %0" : "=m"(controlWord));
  return controlWord;
}

// Turns processor faults into the program's errors from now on.
void InstallHardwareErrors();

// FSIN; an operand outside the unit's range (C2 set) gives +0.
[[gnu::always_inline]] inline long double Sine(long double x) {
  long double result;
  asm volatile("fldt %[x]\n\t" DATACOMP_X87_SINE "fstpt %[r]\n\tfwait"
               : [r] "=m"(result)
               : [x] "m"(x)
               : "ax", "cc");
  return result;
}

// FCOS; an operand outside the unit's range (C2 set) gives +0.
[[gnu::always_inline]] inline long double Cosine(long double x) {
  long double result;
  asm volatile("fldt %[x]\n\t" DATACOMP_X87_COSINE "fstpt %[r]\n\tfwait"
               : [r] "=m"(result)
               : [x] "m"(x)
               : "ax", "cc");
  return result;
}

// e^x as 2^(x·log2 e) with F2XM1 and FSCALE.
[[gnu::always_inline]] inline long double Exponential(long double x) {
  long double result;
  asm volatile("fldt %[x]\n\t" DATACOMP_X87_EXPONENTIAL "fstpt %[r]\n\tfwait"
               : [r] "=m"(result)
               : [x] "m"(x));
  return result;
}

// One FDIV of a by b.
[[gnu::always_inline]] inline long double ExtendedDivide(long double a, long double b) {
  long double result;
  asm volatile("fldt %[a]\n\tfldt %[b]\n\t" DATACOMP_X87_DIVIDE "fstpt %[r]\n\tfwait"
               : [r] "=m"(result)
               : [a] "m"(a), [b] "m"(b));
  return result;
}

// One FMUL of a by b.
[[gnu::always_inline]] inline long double ExtendedMultiply(long double a, long double b) {
  long double result;
  asm volatile(
      "fldt %[a]\n\t"
      "fldt %[b]\n\t"
      "fmulp\n\t"
      "fstpt %[r]\n\t"
      "fwait"
      : [r] "=m"(result)
      : [a] "m"(a), [b] "m"(b));
  return result;
}

// FRNDINT: to an integer, ties to even under StartupControlWord.
[[gnu::always_inline]] inline long double RoundToInteger(long double x) {
  long double result;
  asm volatile(
      "fldt %[x]\n\t"
      "frndint\n\t"
      "fstpt %[r]\n\t"
      "fwait"
      : [r] "=m"(result)
      : [x] "m"(x));
  return result;
}

// FISTP into a 64-bit integer, rounded to nearest; out of range it raises
// the invalid-operation error.
[[gnu::always_inline]] inline std::int64_t StoreInt64(long double x) {
  std::int64_t result;
  asm volatile(
      "fldt %[x]\n\t"
      "fistpll %[r]\n\t"
      "fwait"
      : [r] "=m"(result)
      : [x] "m"(x));
  return result;
}

// Hides a constant from the optimiser, so that a multiplication by 2 stays a
// multiplication rather than becoming an addition or a shift.
template <class T>
[[gnu::always_inline]] inline T Opaque(T value) {
  asm("" : "+r"(value));
  return value;
}

[[gnu::always_inline]] inline std::int32_t CheckedSignedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t sum;
  if (__builtin_add_overflow(a, b, &sum)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return sum;
}

[[gnu::always_inline]] inline std::uint32_t CheckedUnsignedAdd(std::uint32_t a, std::uint32_t b) {
  std::uint32_t sum;
  if (__builtin_add_overflow(a, b, &sum)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return sum;
}

[[gnu::always_inline]] inline std::int32_t CheckedSignedMultiply(std::int32_t a, std::int32_t b) {
  std::int32_t product;
  if (__builtin_mul_overflow(a, b, &product)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return product;
}

[[gnu::always_inline]] inline std::uint32_t CheckedUnsignedMultiply(std::uint32_t a,
                                                                    std::uint32_t b) {
  std::uint32_t product;
  if (__builtin_mul_overflow(a, b, &product)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return product;
}

[[gnu::always_inline]] inline std::int64_t Checked64Add(std::int64_t a, std::int64_t b) {
  std::int64_t sum;
  if (__builtin_add_overflow(a, b, &sum)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return sum;
}

[[gnu::always_inline]] inline std::int64_t Checked64Multiply(std::int64_t a, std::int64_t b) {
  std::int64_t product;
  if (__builtin_mul_overflow(a, b, &product)) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return product;
}

// The processor's 64-bit division; a divisor of 0 faults and arrives as the
// division-by-zero error.
[[gnu::always_inline]] inline std::int64_t DivideSigned64(std::int64_t dividend,
                                                          std::int64_t divisor) {
  std::int64_t quotient;
  asm volatile("cqto\n\tidivq %[d]"
               : "=a"(quotient)
               : "a"(dividend), [d] "r"(divisor)
               : "rdx", "cc");
  return quotient;
}

// The smallest value divided by -1 does not fit; it is checked before the
// division, whose fault would otherwise be taken for a division by zero.
[[gnu::always_inline]] inline std::int64_t Checked64Divide(std::int64_t dividend,
                                                           std::int64_t divisor) {
  if (divisor == -1 && dividend == std::numeric_limits<std::int64_t>::min()) [[unlikely]]
    RaiseError(ErrorKind::IntOverflow);
  return DivideSigned64(dividend, divisor);
}

// The processor's 32-bit divisions, truncating toward zero.
[[gnu::always_inline]] inline std::int32_t DivideSigned32(std::int32_t dividend,
                                                          std::int32_t divisor) {
  std::int32_t quotient;
  asm volatile("cltd\n\tidivl %[d]"
               : "=a"(quotient)
               : "a"(dividend), [d] "r"(divisor)
               : "edx", "cc");
  return quotient;
}

[[gnu::always_inline]] inline std::uint32_t DivideUnsigned32(std::uint32_t dividend,
                                                             std::uint32_t divisor) {
  std::uint32_t quotient;
  asm volatile("xorl %%edx, %%edx\n\tdivl %[d]"
               : "=a"(quotient)
               : "a"(dividend), [d] "r"(divisor)
               : "edx", "cc");
  return quotient;
}

// Logical shifts: a zero enters at the top, for signed values too.
[[gnu::always_inline]] inline std::int32_t ShiftRightLogical(std::int32_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) >> 1);
}
[[gnu::always_inline]] inline std::uint32_t ShiftRightLogical(std::uint32_t value) {
  return value >> 1;
}
[[gnu::always_inline]] inline std::int64_t ShiftRightLogical(std::int64_t value) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(value) >> 1);
}

// Stores `value` into a narrow variable; outside the type's range the
// range-check error is raised and the variable keeps its old value.
template <class Narrow>
[[gnu::always_inline]] inline void StoreRangeChecked(volatile Narrow& variable,
                                                     std::int32_t value) {
  if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max())
      [[unlikely]]
    RaiseError(ErrorKind::RangeError);
  variable = static_cast<Narrow>(value);
}

// The end of every kernel step: StepCounter + 1 (checked), then true while
// StepCounter <= limit, both as signed 64-bit values.
[[gnu::always_inline]] inline bool StepTest(const volatile std::int32_t& limit) {
  StepCounter = CheckedUnsignedAdd(StepCounter, 1u);
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(StepCounter)) <=
         static_cast<std::int64_t>(limit);
}

}  // namespace datacomp
