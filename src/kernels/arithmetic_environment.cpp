#include "kernels/arithmetic_environment.h"

#include "platform/hardware_faults.h"

namespace datacomp {
namespace {

ErrorKind KindOfFault(platform::HardwareFault fault) {
  switch (fault) {
    case platform::HardwareFault::FloatInvalidOperation: return ErrorKind::InvalidOp;
    case platform::HardwareFault::FloatDivideByZero: return ErrorKind::ZeroDivide;
    case platform::HardwareFault::FloatOverflow: return ErrorKind::Overflow;
    case platform::HardwareFault::IntegerDivideByZero: return ErrorKind::DivByZero;
    case platform::HardwareFault::PrivilegedInstruction: return ErrorKind::Privilege;
  }
  return ErrorKind::InvalidOp;
}

[[noreturn]] void OnHardwareFault(platform::HardwareFault fault, std::uintptr_t codeOffset) {
  // The unit may still hold the exception; the program goes on from the
  // start-up state.
  LoadStartupControlWord();
  throw ProgramError(KindOfFault(fault), codeOffset);
}

}  // namespace

void InstallHardwareErrors() { platform::InstallHardwareFaultHandler(OnHardwareFault); }

}  // namespace datacomp
