#include "kernels/integer_kernels.h"

#include <gtest/gtest.h>

#include <functional>

#include "kernels/console_output.h"
#include "kernels/program_values.h"
#include "platform/fake_platform.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

struct KernelCase {
  const char* name;
  void (*kernel)();
  std::function<std::int64_t()> value;
  std::int64_t finalValue;
};

const KernelCase kKernels[] = {
    {"Integer", KernelInteger, [] { return IntegerValue; }, 80530636},
    {"Byte", KernelByte, [] { return ByteValue; }, 9},
    {"ShortInt", KernelShortInt, [] { return ShortIntValue; }, 4},
    {"Word", KernelWord, [] { return WordValue; }, 2457},
    {"SmallInt", KernelSmallInt, [] { return SmallIntValue; }, 1228},
    {"Cardinal", KernelCardinal, [] { return CardinalValue; }, 161061273},
    {"LongWord", KernelLongWord, [] { return LongWordValue; }, 161061273},
    {"LongInt", KernelLongInt, [] { return LongIntValue; }, 80530636},
    // Comp rounds where Int64 truncates.
    {"Comp", KernelComp, [] { return CompValue; }, 345876451382054093},
    {"Int64", KernelInt64, [] { return Int64Value; }, 345876451382054092},
};

class IntegerKernels : public ::testing::Test {
 protected:
  void SetUp() override { StandardOutput().Attach(console_); }
  platform::FakePlatform console_;
};

TEST_F(IntegerKernels, FinalValueAndStepCount) {
  for (const KernelCase& k : kKernels) {
    IntegerStepLimit = 1000;
    StepCounter = 0;
    k.kernel();
    EXPECT_EQ(k.value(), k.finalValue) << k.name;
    EXPECT_EQ(StepCounter, 1001u) << k.name;
  }
}

TEST_F(IntegerKernels, ZeroOrNegativeLimitRunsOneStep) {
  for (const std::int32_t limit : {0, -1, -100000000}) {
    for (const KernelCase& k : kKernels) {
      IntegerStepLimit = limit;
      StepCounter = 0;
      k.kernel();
      EXPECT_EQ(StepCounter, 1u) << k.name << " limit " << limit;
      EXPECT_EQ(k.value(), k.finalValue) << k.name;
    }
  }
}

TEST_F(IntegerKernels, CounterAtItsLastValueOverflowsInTheFirstStep) {
  for (const KernelCase& k : kKernels) {
    IntegerStepLimit = 100000000;
    StepCounter = 4294967295u;
    EXPECT_PROGRAM_ERROR(ErrorKind::IntOverflow, k.kernel());
    EXPECT_EQ(k.value(), k.finalValue) << k.name << ": the step ran before the test";
  }
}

TEST_F(IntegerKernels, OnlyIntegerWritesOneLineEnd) {
  IntegerStepLimit = 3;
  for (const KernelCase& k : kKernels) {
    StepCounter = 0;
    k.kernel();
  }
  StandardOutput().Flush();
  EXPECT_EQ(console_.output, "\r\n");
}

TEST_F(IntegerKernels, FailedLineEndIsAnInOutError) {
  console_.outputIsConsole = true;
  StandardOutput().Attach(console_);
  console_.failOutputWriteAt = 0;
  console_.outputWriteError = 6;
  IntegerStepLimit = 0;
  StepCounter = 0;
  const auto error = testing::ErrorOf([] { KernelInteger(); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Kind(), ErrorKind::InOutError);
  EXPECT_EQ(error->InOutCode(), 6);
}

}  // namespace
}  // namespace datacomp
