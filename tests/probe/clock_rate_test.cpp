#include <gtest/gtest.h>

#include "kernels/arithmetic_environment.h"
#include "platform/fake_platform.h"
#include "probe/machine_probes.h"

namespace datacomp {
namespace {

const std::vector<std::string> kCallsOfAnEstimate = {
    "get class",  "get thread", "set class 256", "set thread 15", "sleep 10",
    "counter",    "sleep 500",  "counter",       "set thread -2", "set class 32"};

platform::FakePlatform& Scheduler(platform::FakePlatform& fake) {
  fake.priorityClass = 32;  // NORMAL_PRIORITY_CLASS
  fake.threadPriority = -2;
  return fake;
}

TEST(ProcessorClockMHz, TicksPerMicrosecondOfTheAssumedHalfSecond) {
  struct Case {
    std::uint64_t start;
    std::uint64_t end;
    long double megahertz;
  };
  const Case cases[] = {
      {1000, 1500001000, 3000},
      {7, 5000000007ULL, 10000},  // beyond 32 bits: all 64 of them count
      {42, 42, 0},
      {0, 1600000000, 3200},  // a longer real sleep is not corrected for
      {~0ULL - 499, 1000, 0.003L},  // the counter wrapped
  };
  for (const Case& c : cases) {
    platform::FakePlatform fake;
    Scheduler(fake).counterReadings = {c.start, c.end};
    EXPECT_EQ(ProcessorClockMHz(fake), ExtendedDivide(c.megahertz * 500000, 500000.0L))
        << c.start << " " << c.end;
    EXPECT_EQ(fake.schedulerCalls, kCallsOfAnEstimate);
  }
}

TEST(ProcessorClockMHz, RefusedCounterReadGivesZeroAndRestoresThePriorities) {
  platform::FakePlatform fake;
  Scheduler(fake).counterReadings = {1000, 2000};
  // A privileged instruction faults like a forbidden rdtsc.
  fake.onCounterRead = [] { asm volatile("hlt"); };
  EXPECT_EQ(ProcessorClockMHz(fake), 0.0L);
  EXPECT_EQ(fake.schedulerCalls,
            (std::vector<std::string>{"get class", "get thread", "set class 256", "set thread 15",
                                      "sleep 10", "counter", "set thread -2", "set class 32"}));
  EXPECT_EQ(fake.priorityClass, 32u);
  EXPECT_EQ(fake.threadPriority, -2);
}

TEST(ProcessorClockMHz, PriorityClassBeyondTheSignedRangeChangesNothing) {
  platform::FakePlatform fake;
  fake.priorityClass = 0x80000000u;
  EXPECT_EQ(ProcessorClockMHz(fake), 0.0L);
  EXPECT_EQ(fake.schedulerCalls, std::vector<std::string>{"get class"});
}

}  // namespace
}  // namespace datacomp
