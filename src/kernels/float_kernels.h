// The six floating-point kernels: each sets its variable to 1.0E10 and
// repeats one step until StepCounter passes FloatStepLimit,
//   x := Cosine(Exponential(KernelRatio) × x) + Sine(x) / KernelPi × KernelE,
// on the x87 unit, reading and storing x in its own type; then it prints its
// final value in the exponent format, right-aligned in 25 characters.
#pragma once

#include <cstdint>

#include "kernels/real48.h"

namespace datacomp {

extern volatile double RealValue;
extern volatile Real48 Real48Value;
extern volatile float SingleValue;
extern volatile double DoubleValue;
extern volatile long double ExtendedValue;
extern volatile std::int64_t CurrencyValue;  // units of 1/10000

extern const long double KernelPi;
extern const long double KernelE;
extern const long double KernelRatio;

void KernelReal();  // also stops once its value is exactly 0
void KernelReal48();
void KernelSingle();
void KernelDouble();
void KernelExtended();
void KernelCurrency();

}  // namespace datacomp
