// The program-wide values the driver shares with the kernels. Volatile: every
// access the kernels make is part of the measured work.
#pragma once

#include <cstdint>

namespace datacomp {

extern volatile std::uint32_t StepCounter;
extern volatile std::int32_t FloatStepLimit;
extern volatile std::int32_t IntegerStepLimit;

}  // namespace datacomp
