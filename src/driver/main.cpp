// datacomp: times one fixed computation on sixteen numeric data types and
// appends the machine's record to datacomp.txt. Takes no arguments.
#include "driver/program.h"
#include "platform/platform.h"

int main() {
  return datacomp::RunProgram(datacomp::platform::SystemPlatform(), datacomp::kFixedStepLimits);
}
