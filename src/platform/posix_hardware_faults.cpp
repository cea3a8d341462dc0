#include <csignal>
#include <ucontext.h>

#include "platform/hardware_faults.h"

extern "C" char __executable_start;  // start of the image, set by the linker

namespace datacomp::platform {
namespace {

FaultHandler g_handler = nullptr;

HardwareFault FaultOfFloatingPointSignal(int code) {
  switch (code) {
    case FPE_INTDIV:
      return HardwareFault::IntegerDivideByZero;
    case FPE_FLTDIV:
      return HardwareFault::FloatDivideByZero;
    case FPE_FLTOVF:
      return HardwareFault::FloatOverflow;
    default:  // invalid operation, stack fault, and the masked kinds
      return HardwareFault::FloatInvalidOperation;
  }
}

std::uintptr_t FaultingOffset(void* context) {
  const auto* uc = static_cast<const ucontext_t*>(context);
  return CodeOffset(reinterpret_cast<const void*>(uc->uc_mcontext.gregs[REG_RIP]));
}

void OnFloatingPointSignal(int, siginfo_t* info, void* context) {
  g_handler(FaultOfFloatingPointSignal(info->si_code), FaultingOffset(context));
}

// A privileged instruction (a refused counter read) raises a general
// protection fault, which arrives with si_code SI_KERNEL; any other SIGSEGV
// is a real crash and keeps its default action.
void OnSegmentationSignal(int signal, siginfo_t* info, void* context) {
  if (info->si_code == SI_KERNEL) {
    g_handler(HardwareFault::PrivilegedInstruction, FaultingOffset(context));
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

void Install(int signal, void (*action)(int, siginfo_t*, void*)) {
  struct sigaction sa {};
  sa.sa_sigaction = action;
  // The handler leaves by throwing: without SA_NODEFER the signal would stay
  // blocked and the next fault would end the process.
  sa.sa_flags = SA_SIGINFO | SA_NODEFER;
  sigemptyset(&sa.sa_mask);
  ::sigaction(signal, &sa, nullptr);
}

}  // namespace

void InstallHardwareFaultHandler(FaultHandler handler) {
  g_handler = handler;
  Install(SIGFPE, OnFloatingPointSignal);
  Install(SIGSEGV, OnSegmentationSignal);
  // A closed pipe on standard output is a failed write, as on Windows.
  ::signal(SIGPIPE, SIG_IGN);
}

std::uintptr_t CodeOffset(const void* address) {
  return reinterpret_cast<std::uintptr_t>(address) -
         reinterpret_cast<std::uintptr_t>(&__executable_start);
}

}  // namespace datacomp::platform
