#include "kernels/float_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "driver/number_formats.h"
#include "kernels/console_output.h"
#include "kernels/float_steps.h"
#include "platform/fake_platform.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

// The step composed from the arithmetic environment's own functions, one
// operation at a time through memory: what each kernel's block of x87 code
// must compute.
long double ModelResult(long double first, long double second) {
  const long double sineTerm = ExtendedMultiply(ExtendedDivide(Sine(first), KernelPi), KernelE);
  const long double g = Exponential(KernelRatio);
  return Cosine(ExtendedMultiply(g, second)) + sineTerm;
}

// One model per type: how x is read and how r is stored.
struct Model {
  long double value;  // the variable, widened
  std::function<void(Model&)> step;
};

void ModelBinary64(Model& m) {
  m.value = static_cast<double>(ModelResult(m.value, m.value));
}
void ModelBinary32(Model& m) {
  m.value = static_cast<float>(ModelResult(m.value, m.value));
}
void ModelExtended(Model& m) { m.value = ModelResult(m.value, m.value); }
void ModelReal48(Model& m) {
  volatile Real48 variable;
  ExtendedToReal48(m.value, variable);
  ExtendedToReal48(ModelResult(Real48ToExtended(variable), Real48ToExtended(variable)), variable);
  m.value = Real48ToExtended(variable);
}

// The Currency model keeps the raw count in `value`.
void ModelCurrency(Model& m) {
  const long double first = ExtendedDivide(m.value, 10000.0L);
  const long double sineTerm = ExtendedMultiply(ExtendedDivide(Sine(first), KernelPi), KernelE);
  const long double g = Exponential(KernelRatio);
  const long double argument = ExtendedDivide(ExtendedMultiply(g, m.value), 10000.0L);
  const long double r = Cosine(argument) + sineTerm;
  m.value = static_cast<long double>(StoreInt64(ExtendedMultiply(r, 10000.0L)));
}

struct KernelCase {
  const char* name;
  void (*kernel)();
  std::function<long double()> value;  // the kernel's variable, widened
  void (*model)(Model&);
  long double start;
  long double libmFirstStep;  // the first step in double precision, for a rough check
};

// The C library's long double functions reduce large arguments their own way.
long double LibmFirstStep() {
  return cosl(expl(KernelRatio) * 1.0E10L) + sinl(1.0E10L) / KernelPi * KernelE;
}

const KernelCase kKernels[] = {
    {"Real", KernelReal, [] { return RealValue; }, ModelBinary64, 1.0E10L, LibmFirstStep()},
    {"Real48", KernelReal48, [] { return Real48ToExtended(Real48Value); }, ModelReal48, 1.0E10L,
     LibmFirstStep()},
    {"Single", KernelSingle, [] { return SingleValue; }, ModelBinary32, 1.0E10L, LibmFirstStep()},
    {"Double", KernelDouble, [] { return DoubleValue; }, ModelBinary64, 1.0E10L, LibmFirstStep()},
    {"Extended", KernelExtended, [] { return ExtendedValue; }, ModelExtended, 1.0E10L,
     LibmFirstStep()},
    {"Currency", KernelCurrency, [] { return static_cast<long double>(CurrencyValue); },
     ModelCurrency, 1.0E14L, LibmFirstStep() * 10000},
};

class FloatKernels : public ::testing::Test {
 protected:
  void SetUp() override { StandardOutput().Attach(console_); }
  void TearDown() override { LoadStartupControlWord(); }

  std::string Printed() {
    StandardOutput().Flush();
    std::string text = console_.output;
    console_.output.clear();
    return text;
  }

  platform::FakePlatform console_;
};

std::string ExpectedText(const KernelCase& k, long double modelValue) {
  const long double shown =
      k.kernel == KernelCurrency ? ExtendedDivide(modelValue, 10000.0L) : modelValue;
  std::string text = FormatFloatText(shown, FloatFormat::Exponent, 25, 4);
  return text.size() < 25 ? std::string(25 - text.size(), ' ') + text : text;
}

TEST_F(FloatKernels, EveryStepAsTheModelComputesIt) {
  for (const KernelCase& k : kKernels) {
    Model model{k.start, k.model};
    for (int i = 0; i < 2000; ++i) model.step(model);
    FloatStepLimit = 1999;
    StepCounter = 0;
    k.kernel();
    EXPECT_EQ(StepCounter, 2000u) << k.name;
    EXPECT_EQ(k.value(), model.value) << k.name;
    EXPECT_EQ(Printed(), ExpectedText(k, model.value)) << k.name;
  }
}

TEST_F(FloatKernels, FirstStepFromOnePointZeroE10) {
  for (const KernelCase& k : kKernels) {
    Model model{k.start, k.model};
    model.step(model);
    FloatStepLimit = 0;
    StepCounter = 0;
    k.kernel();
    EXPECT_EQ(StepCounter, 1u) << k.name;
    EXPECT_EQ(k.value(), model.value) << k.name;
    // The x87 unit's sine and cosine of these large arguments agree with the
    // C library's to far better than this.
    EXPECT_NEAR(static_cast<double>(k.value()), static_cast<double>(k.libmFirstStep),
                k.kernel == KernelCurrency ? 1.0 : k.kernel == KernelSingle ? 1e-6 : 1e-8)
        << k.name;
    Printed();
  }
}

TEST_F(FloatKernels, ZeroOrNegativeLimitRunsOneStep) {
  for (const std::int32_t limit : {0, -1, -15000000}) {
    for (const KernelCase& k : kKernels) {
      FloatStepLimit = limit;
      StepCounter = 0;
      k.kernel();
      EXPECT_EQ(StepCounter, 1u) << k.name << " limit " << limit;
    }
  }
  Printed();
}

TEST_F(FloatKernels, RealAndDoublePrintTheSameValue) {
  FloatStepLimit = 5000;
  StepCounter = 0;
  KernelReal();
  const std::string real = Printed();
  StepCounter = 0;
  KernelReal();
  EXPECT_EQ(Printed(), real);
  StepCounter = 0;
  KernelDouble();
  EXPECT_EQ(Printed(), real);
  EXPECT_EQ(real.size(), 25u);
}

TEST_F(FloatKernels, CounterAtItsLastValueOverflowsAtTheEndOfTheFirstStep) {
  for (const KernelCase& k : kKernels) {
    FloatStepLimit = 15000000;
    StepCounter = 4294967295u;
    EXPECT_PROGRAM_ERROR(ErrorKind::IntOverflow, k.kernel());
    Model model{k.start, k.model};
    model.step(model);
    EXPECT_EQ(k.value(), model.value) << k.name << ": the step ran before the test";
  }
  EXPECT_EQ(Printed(), "");
}

TEST_F(FloatKernels, RealStopsAtOnceWhenItsValueIsZero) {
  FloatStepLimit = 100;
  StepCounter = 0;
  int steps = 0;
  RunRealKernel([&](volatile double& x) {
    DoubleStep(x);
    if (++steps == 5) x = -0.0;
  });
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(StepCounter, 4u);  // the stopping step has no step test
  EXPECT_EQ(Printed(), "0.00000000000000000E+0000");
}

TEST_F(FloatKernels, ZeroEndsRealEvenWithTheCounterAtItsLastValue) {
  FloatStepLimit = 100;
  StepCounter = 4294967295u;
  RunRealKernel([](volatile double& x) { x = 0.0; });
  EXPECT_EQ(StepCounter, 4294967295u);
  Printed();
}

TEST_F(FloatKernels, ExceptionInAStepIsRaisedWithinIt) {
  const double infinity = std::numeric_limits<double>::infinity();
  volatile double binary64 = infinity;
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, DoubleStep(binary64));
  volatile float binary32 = -std::numeric_limits<float>::infinity();
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, SingleStep(binary32));
  volatile long double extended = -std::numeric_limits<long double>::infinity();
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, ExtendedStep(extended));
  EXPECT_PROGRAM_ERROR(ErrorKind::InvalidOp, ExtendedStepResult(infinity, 1.0L));
  // The unit goes on from its start-up state.
  volatile double fine = 1.0E10;
  DoubleStep(fine);
  EXPECT_EQ(fine, static_cast<double>(ModelResult(1.0E10L, 1.0E10L)));
}

TEST(FloatKernelConstants, AreTheDecimalsRoundedToExtended) {
  EXPECT_EQ(KernelPi, 3.14159265358979L);
  EXPECT_EQ(KernelE, 2.71828182846L);
  EXPECT_EQ(KernelRatio, ExtendedDivide(KernelE, KernelPi));
}

}  // namespace
}  // namespace datacomp
