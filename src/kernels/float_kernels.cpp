#include "kernels/float_kernels.h"

#include <string>

#include "driver/number_formats.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"
#include "kernels/float_steps.h"

namespace datacomp {

volatile double RealValue;
volatile Real48 Real48Value;
volatile float SingleValue;
volatile double DoubleValue;
volatile long double ExtendedValue;
volatile std::int64_t CurrencyValue;

// Decimal constants rounded to extended, not π and e themselves, written as
// their exact 64-bit significands so that they are fixed before anything runs.
constexpr long double KernelPi = 0xC90FDAA2216887DEp-62L;     // 3.14159265358979
constexpr long double KernelE = 0xADF85458A2FE7A1Dp-62L;      // 2.71828182846
constexpr long double KernelRatio = 0xDD816A7654D274EFp-64L;  // KernelE / KernelPi

void PrintFinalValue(long double value) {
  constexpr std::size_t kWidth = 25;
  const std::string text = FormatFloatText(value, FloatFormat::Exponent, 25, 4);
  StandardOutput().Write(text.size() < kWidth ? std::string(kWidth - text.size(), ' ') + text
                                              : text);
}

void KernelReal() {
  RunRealKernel([](volatile double& x) { DoubleStep(x); });
}

namespace {

// The loop of a kernel whose variable the unit loads and stores itself.
template <class Value, class Step>
[[gnu::always_inline]] inline void RunPlainKernel(volatile Value& variable, Step step) {
  variable = 1.0E10;
  do {
    step(variable);
  } while (StepTest(FloatStepLimit));
  PrintFinalValue(variable);
}

}  // namespace

void KernelDouble() { RunPlainKernel(DoubleValue, [](volatile double& x) { DoubleStep(x); }); }

void KernelSingle() { RunPlainKernel(SingleValue, [](volatile float& x) { SingleStep(x); }); }

void KernelExtended() {
  RunPlainKernel(ExtendedValue, [](volatile long double& x) { ExtendedStep(x); });
}

void KernelReal48() {
  constexpr Real48 kStart = {0xA2, 0x00, 0x00, 0xF9, 0x02, 0x15};  // 1.0E10
  for (int i = 0; i < 6; ++i) Real48Value[i] = kStart[i];
  do {
    const long double first = Real48ToExtended(Real48Value);
    const long double second = Real48ToExtended(Real48Value);
    ExtendedToReal48(ExtendedStepResult(first, second), Real48Value);
  } while (StepTest(FloatStepLimit));
  PrintFinalValue(Real48ToExtended(Real48Value));
}

void KernelCurrency() {
  CurrencyValue = 100000000000000;  // 1.0E10 in units of 1/10000
  do {
    CurrencyStep(CurrencyValue);
  } while (StepTest(FloatStepLimit));
  PrintFinalValue(ExtendedDivide(CurrencyValue, kCurrencyScale));
}

}  // namespace datacomp
