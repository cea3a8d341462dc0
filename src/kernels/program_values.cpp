#include "kernels/program_values.h"

namespace datacomp {

volatile std::uint32_t StepCounter = 0;
volatile std::int32_t FloatStepLimit = 0;
volatile std::int32_t IntegerStepLimit = 0;

}  // namespace datacomp
