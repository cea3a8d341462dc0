// One step of each kernel: every benchmark iteration runs a kernel for
// kSteps steps (a tenth of that for the floating-point kernels); the "step"
// counter is the time of one of them.
#include <benchmark/benchmark.h>

#include "driver/number_formats.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"
#include "kernels/float_kernels.h"
#include "kernels/integer_kernels.h"
#include "platform/fake_platform.h"

namespace {

using namespace datacomp;

constexpr std::int32_t kSteps = 1000000;

platform::FakePlatform& Console() {
  static platform::FakePlatform console;
  return console;
}

void Prepare() {
  LoadStartupControlWord();
  InstallHardwareErrors();
  StandardOutput().Attach(Console());
}

// Runs `kernel` for `steps` steps per iteration under its own step limit.
void KernelSteps(benchmark::State& state, void (*kernel)(), volatile std::int32_t& limit,
                 std::int32_t steps) {
  Prepare();
  limit = steps - 1;
  for (auto _ : state) {
    StepCounter = 0;
    kernel();
    Console().output.clear();
  }
  state.counters["step"] = benchmark::Counter(
      steps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void IntegerKernelSteps(benchmark::State& state, void (*kernel)()) {
  KernelSteps(state, kernel, IntegerStepLimit, kSteps);
}

BENCHMARK_CAPTURE(IntegerKernelSteps, Integer, KernelInteger);
BENCHMARK_CAPTURE(IntegerKernelSteps, Byte, KernelByte);
BENCHMARK_CAPTURE(IntegerKernelSteps, ShortInt, KernelShortInt);
BENCHMARK_CAPTURE(IntegerKernelSteps, Word, KernelWord);
BENCHMARK_CAPTURE(IntegerKernelSteps, SmallInt, KernelSmallInt);
BENCHMARK_CAPTURE(IntegerKernelSteps, Cardinal, KernelCardinal);
BENCHMARK_CAPTURE(IntegerKernelSteps, LongWord, KernelLongWord);
BENCHMARK_CAPTURE(IntegerKernelSteps, LongInt, KernelLongInt);
BENCHMARK_CAPTURE(IntegerKernelSteps, Comp, KernelComp);
BENCHMARK_CAPTURE(IntegerKernelSteps, Int64, KernelInt64);

void FloatKernelSteps(benchmark::State& state, void (*kernel)()) {
  KernelSteps(state, kernel, FloatStepLimit, kSteps / 10);
}

BENCHMARK_CAPTURE(FloatKernelSteps, Real, KernelReal);
BENCHMARK_CAPTURE(FloatKernelSteps, Real48, KernelReal48);
BENCHMARK_CAPTURE(FloatKernelSteps, Single, KernelSingle);
BENCHMARK_CAPTURE(FloatKernelSteps, Double, KernelDouble);
BENCHMARK_CAPTURE(FloatKernelSteps, Extended, KernelExtended);
BENCHMARK_CAPTURE(FloatKernelSteps, Currency, KernelCurrency);

void NumberFormat(benchmark::State& state) {
  Prepare();
  long double value = 1.2339999675750732421875L;
  for (auto _ : state) benchmark::DoNotOptimize(FormatFloatText(value, FloatFormat::Number, 9, 4));
}
BENCHMARK(NumberFormat);

void ExponentFormat(benchmark::State& state) {
  Prepare();
  long double value = -0.8652559794325698901639L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFloatText(value, FloatFormat::Exponent, 25, 4));
  }
}
BENCHMARK(ExponentFormat);

}  // namespace

BENCHMARK_MAIN();
