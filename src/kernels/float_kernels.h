// The six floating-point kernels: each sets its variable to 1.0E10 and
// repeats one step until StepCounter passes FloatStepLimit, then prints its
// final value in the exponent format, right-aligned in 25 characters.
#pragma once

namespace datacomp {

void KernelReal();
void KernelReal48();
void KernelSingle();
void KernelDouble();
void KernelExtended();
void KernelCurrency();

}  // namespace datacomp
