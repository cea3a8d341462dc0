#include "kernels/float_kernels.h"

#include "driver/number_formats.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"

namespace datacomp {
namespace {

void RunPlaceholderSteps() {
  do {
  } while (StepTest(FloatStepLimit));
  std::string text = FormatFloatText(1.0E10L, FloatFormat::Exponent, 25, 4);
  StandardOutput().Write(std::string(25 - std::min<std::size_t>(25, text.size()), ' ') + text);
}

}  // namespace

void KernelReal() { RunPlaceholderSteps(); }
void KernelReal48() { RunPlaceholderSteps(); }
void KernelSingle() { RunPlaceholderSteps(); }
void KernelDouble() { RunPlaceholderSteps(); }
void KernelExtended() { RunPlaceholderSteps(); }
void KernelCurrency() { RunPlaceholderSteps(); }

}  // namespace datacomp
