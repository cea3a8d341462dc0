// The whole execution: start-up, the console dialogue with its seventeen
// timed runs, and the error report when an error ends it.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace datacomp {

struct StepLimits {
  std::int32_t floatSteps;
  std::int32_t integerSteps;
};

inline constexpr StepLimits kFixedStepLimits{15000000, 100000000};

// Returns the exit status: 0 after the final Enter, 1 after the error report.
int RunProgram(platform::Platform& platform, StepLimits limits);

}  // namespace datacomp
