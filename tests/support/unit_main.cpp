// The unit tests run under the program's own arithmetic environment: the x87
// control word of the kernels, and processor faults arriving as errors.
#include <gtest/gtest.h>

#include "kernels/arithmetic_environment.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  datacomp::LoadStartupControlWord();
  datacomp::InstallHardwareErrors();
  return RUN_ALL_TESTS();
}
