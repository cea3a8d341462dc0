#include <limits>

#include "kernels/arithmetic_environment.h"
#include "probe/machine_probes.h"

namespace datacomp {
namespace {

constexpr std::uint32_t kSettlingSleepMilliseconds = 10;
constexpr std::uint32_t kMeasurementSleepMilliseconds = 500;
constexpr long double kMicrosecondsMeasured = 500000;

// The counter ticks across the measurement sleep, at the raised priorities;
// both priorities are restored, thread first, whether it succeeds or not.
std::uint64_t TicksAtHighestPriority(platform::Scheduler& scheduler) {
  const std::uint32_t priorityClass = scheduler.GetPriorityClass();
  if (priorityClass > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    RaiseError(ErrorKind::RangeError);  // before anything has been raised
  }
  const auto savedClass = static_cast<std::int32_t>(priorityClass);
  const std::int32_t savedThreadPriority = scheduler.GetThreadPriority();
  scheduler.SetPriorityClass(platform::kRealtimePriorityClass);
  scheduler.SetThreadPriority(platform::kThreadPriorityTimeCritical);
  auto restore = [&] {
    scheduler.SetThreadPriority(savedThreadPriority);
    scheduler.SetPriorityClass(static_cast<std::uint32_t>(savedClass));
  };
  std::uint64_t ticks = 0;
  try {
    scheduler.Sleep(kSettlingSleepMilliseconds);
    const std::uint64_t start = scheduler.TimeStampCounter();
    scheduler.Sleep(kMeasurementSleepMilliseconds);
    ticks = scheduler.TimeStampCounter() - start;
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return ticks;
}

}  // namespace

long double ProcessorClockMHz(platform::Scheduler& scheduler) {
  try {
    const std::uint64_t ticks = TicksAtHighestPriority(scheduler);
    // All 64 bits of the difference count.
    return ExtendedDivide(static_cast<long double>(ticks), kMicrosecondsMeasured);
  } catch (const ProgramError&) {
    return 0;  // the estimate failed; nobody is told
  }
}

}  // namespace datacomp
