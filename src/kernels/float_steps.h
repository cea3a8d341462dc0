// The steps of the floating-point kernels, each one block of x87 code, and
// the loop of KernelReal. Internal to the kernels; tests reach them here.
#pragma once

#include <cstdint>

#include "kernels/arithmetic_environment.h"
#include "kernels/float_kernels.h"

namespace datacomp {

// Prints a kernel's final value in the exponent format, right-aligned in 25
// characters.
void PrintFinalValue(long double value);

inline const long double kCurrencyScale = 10000.0L;

// The step between reading x (st(0) holds it) and reading it again:
// SineTerm := Sine(x) / KernelPi × KernelE, then g := Exponential(KernelRatio).
// Leaves g, SineTerm.
#define DATACOMP_SINE_TERM_AND_EXPONENTIAL                          \
  DATACOMP_X87_SINE                                                 \
  "fldt %[pi]\n\t" DATACOMP_X87_DIVIDE "fldt %[e]\n\t"              \
  "fmulp\n\t"                                                       \
  "fldt %[ratio]\n\t" DATACOMP_X87_EXPONENTIAL

// From g × x (st(0)) and SineTerm: r := Cosine(g × x) + SineTerm.
#define DATACOMP_COSINE_PLUS_SINE_TERM DATACOMP_X87_COSINE "faddp\n\t"

#define DATACOMP_STEP_CONSTANTS \
  [pi] "m"(KernelPi), [e] "m"(KernelE), [ratio] "m"(KernelRatio)

// One step on a variable the unit loads and stores itself; the wait after
// the store raises an exception of the step within it.
#define DATACOMP_PLAIN_STEP(load, store, variable)                                    \
  asm volatile(load " %[x]\n\t" DATACOMP_SINE_TERM_AND_EXPONENTIAL load " %[x]\n\t" \
                    "fmulp\n\t" DATACOMP_COSINE_PLUS_SINE_TERM store " %[x]\n\t"    \
                    "fwait"                                                          \
               : [x] "+m"(variable)                                                  \
               : DATACOMP_STEP_CONSTANTS                                             \
               : "ax", "cc")

[[gnu::always_inline]] inline void DoubleStep(volatile double& x) {
  DATACOMP_PLAIN_STEP("fldl", "fstpl", x);
}

[[gnu::always_inline]] inline void SingleStep(volatile float& x) {
  DATACOMP_PLAIN_STEP("flds", "fstps", x);
}

[[gnu::always_inline]] inline void ExtendedStep(volatile long double& x) {
  DATACOMP_PLAIN_STEP("fldt", "fstpt", x);
}

// The count is read as an integer twice: once divided by the scale, once
// multiplied by g before the division; r × scale is stored rounded.
[[gnu::always_inline]] inline void CurrencyStep(volatile std::int64_t& count) {
  asm volatile(
      "fildll %[x]\n\t"
      "fldt %[scale]\n\t" DATACOMP_X87_DIVIDE DATACOMP_SINE_TERM_AND_EXPONENTIAL
      "fildll %[x]\n\t"
      "fmulp\n\t"
      "fldt %[scale]\n\t" DATACOMP_X87_DIVIDE DATACOMP_COSINE_PLUS_SINE_TERM
      "fldt %[scale]\n\t"
      "fmulp\n\t"
      "fistpll %[x]\n\t"
      "fwait"
      : [x] "+m"(count)
      : DATACOMP_STEP_CONSTANTS, [scale] "m"(kCurrencyScale)
      : "ax", "cc");
}

// Between the two conversions of a Real48 step: x as read for the sine and
// x as read for the product, both widened; r in extended.
[[gnu::always_inline]] inline long double ExtendedStepResult(long double first,
                                                             long double second) {
  long double result;
  asm volatile("fldt %[first]\n\t" DATACOMP_SINE_TERM_AND_EXPONENTIAL
               "fldt %[second]\n\t"
               "fmulp\n\t" DATACOMP_COSINE_PLUS_SINE_TERM
               "fstpt %[r]\n\t"
               "fwait"
               : [r] "=m"(result)
               : [first] "m"(first), [second] "m"(second), DATACOMP_STEP_CONSTANTS
               : "ax", "cc");
  return result;
}

// KernelReal's loop: after each step the stored value is read back, and an
// exact 0 (either sign) ends the loop at once, without the step test.
template <class Step>
[[gnu::always_inline]] inline void RunRealKernel(Step step) {
  RealValue = 1.0E10;
  do {
    step(RealValue);
    if (RealValue == 0) break;
  } while (StepTest(FloatStepLimit));
  PrintFinalValue(RealValue);
}

}  // namespace datacomp
