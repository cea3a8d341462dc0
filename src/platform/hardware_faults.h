// Processor faults (x87 exceptions, the integer division fault, a refused
// privileged instruction) delivered to the program as calls of one handler,
// which turns them into the program's errors and never returns.
#pragma once

#include <cstdint>

namespace datacomp::platform {

enum class HardwareFault {
  FloatInvalidOperation,
  FloatDivideByZero,
  FloatOverflow,
  IntegerDivideByZero,
  PrivilegedInstruction,
};

// Called on the faulting thread with the fault and the faulting instruction's
// offset in the executable image. Must leave by throwing.
using FaultHandler = void (*)(HardwareFault fault, std::uintptr_t codeOffset);

void InstallHardwareFaultHandler(FaultHandler handler);

// Offset of a code address from the start of the executable's image, the same
// at every run whatever address the image is loaded at.
std::uintptr_t CodeOffset(const void* address);

}  // namespace datacomp::platform
