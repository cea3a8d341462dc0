// The error kinds that end an execution: each reaches the error report with
// its class name and message. Raising never returns to the point of failure.
#pragma once

#include <cstdint>
#include <string>

namespace datacomp {

enum class ErrorKind {
  RangeError,      // a range-checked store
  IntOverflow,     // a checked integer operation, the step test
  InvalidOp,       // x87 invalid operation
  ZeroDivide,      // x87 division by zero
  Overflow,        // x87 overflow; a six-byte real out of range
  DivByZero,       // the processor's integer division fault
  InOutError,      // a failed console or file operation
  Privilege,       // a privileged instruction (a refused counter read)
  RegistryError,   // a processor text that cannot be read
};

class ProgramError {
 public:
  ProgramError(ErrorKind kind, std::uintptr_t location, int inOutCode = 0,
               std::string registryMessage = {});

  ErrorKind Kind() const { return kind_; }
  // Offset of the raising point in the executable image.
  std::uintptr_t Location() const { return location_; }
  int InOutCode() const { return inOutCode_; }
  int ErrorCode() const;
  const char* ClassName() const;
  std::string Message() const;  // code page 1252

 private:
  ErrorKind kind_;
  std::uintptr_t location_;
  int inOutCode_;
  std::string registryMessage_;
};

// The message of an input/output error with that code.
std::string InOutMessage(int code);

// Raise `kind` at the caller's location. Out of line and cold, so that a
// passing check costs a compare and a conditional jump.
[[noreturn]] void RaiseError(ErrorKind kind);
[[noreturn]] void RaiseInOutError(int code);
[[noreturn]] void RaiseRegistryError(std::string message);

// The input/output check after every console and file operation.
inline void CheckInOut(int code) {
  if (code != 0) [[unlikely]]
    RaiseInOutError(code);
}

}  // namespace datacomp
