#include <windows.h>

#include "platform/hardware_faults.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;  // start of the image, set by the linker

namespace datacomp::platform {
namespace {

FaultHandler g_handler = nullptr;

bool FaultOfStatus(DWORD status, HardwareFault& fault) {
  switch (status) {
    case STATUS_FLOAT_INVALID_OPERATION:
    case STATUS_FLOAT_STACK_CHECK:
    case STATUS_FLOAT_DENORMAL_OPERAND:
    case STATUS_FLOAT_INEXACT_RESULT:
    case STATUS_FLOAT_UNDERFLOW:
      fault = HardwareFault::FloatInvalidOperation;
      return true;
    case STATUS_FLOAT_DIVIDE_BY_ZERO:
      fault = HardwareFault::FloatDivideByZero;
      return true;
    case STATUS_FLOAT_OVERFLOW:
      fault = HardwareFault::FloatOverflow;
      return true;
    case STATUS_INTEGER_DIVIDE_BY_ZERO:
      fault = HardwareFault::IntegerDivideByZero;
      return true;
    case STATUS_PRIVILEGED_INSTRUCTION:
      fault = HardwareFault::PrivilegedInstruction;
      return true;
    default:
      return false;  // C++ exceptions and real crashes go their own way
  }
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* exception) {
  HardwareFault fault;
  if (!FaultOfStatus(exception->ExceptionRecord->ExceptionCode, fault)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  // Wine hands over the x87 exception still pending: clear it first.
  asm volatile("fnclex");
  g_handler(fault, CodeOffset(exception->ExceptionRecord->ExceptionAddress));
  return EXCEPTION_CONTINUE_SEARCH;  // not reached: the handler throws
}

}  // namespace

void InstallHardwareFaultHandler(FaultHandler handler) {
  const bool first = g_handler == nullptr;
  g_handler = handler;
  if (first) ::AddVectoredExceptionHandler(1, OnException);
}

std::uintptr_t CodeOffset(const void* address) {
  return reinterpret_cast<std::uintptr_t>(address) -
         reinterpret_cast<std::uintptr_t>(&__ImageBase);
}

}  // namespace datacomp::platform
