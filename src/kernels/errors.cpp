#include "kernels/errors.h"

#include <utility>

#include "platform/hardware_faults.h"

namespace datacomp {
namespace {

// The caller's location: just inside the call that raised, so that the
// figure names the raising function even when the call ends it.
#define DATACOMP_CALLER_LOCATION() \
  platform::CodeOffset(static_cast<const char*>(__builtin_return_address(0)) - 1)

}  // namespace

ProgramError::ProgramError(ErrorKind kind, std::uintptr_t location, int inOutCode,
                           std::string registryMessage)
    : kind_(kind),
      location_(location),
      inOutCode_(inOutCode),
      registryMessage_(std::move(registryMessage)) {}

int ProgramError::ErrorCode() const {
  switch (kind_) {
    case ErrorKind::RangeError: return 4;
    case ErrorKind::IntOverflow: return 5;
    case ErrorKind::InvalidOp: return 6;
    case ErrorKind::ZeroDivide: return 7;
    case ErrorKind::Overflow: return 8;
    case ErrorKind::DivByZero: return 3;
    case ErrorKind::Privilege: return 218;
    case ErrorKind::InOutError:
    case ErrorKind::RegistryError: return 0;
  }
  return 0;
}

const char* ProgramError::ClassName() const {
  switch (kind_) {
    case ErrorKind::RangeError: return "ERangeError";
    case ErrorKind::IntOverflow: return "EIntOverflow";
    case ErrorKind::InvalidOp: return "EInvalidOp";
    case ErrorKind::ZeroDivide: return "EZeroDivide";
    case ErrorKind::Overflow: return "EOverflow";
    case ErrorKind::DivByZero: return "EDivByZero";
    case ErrorKind::InOutError: return "EInOutError";
    case ErrorKind::Privilege: return "EPrivilege";
    case ErrorKind::RegistryError: return "ERegistryException";
  }
  return "Exception";
}

std::string ProgramError::Message() const {
  switch (kind_) {
    case ErrorKind::RangeError: return "Fehler bei Bereichspr\xFC" "fung";
    case ErrorKind::IntOverflow: return "Integer\xFC" "berlauf";
    case ErrorKind::InvalidOp: return "Ung\xFC" "ltige Gleitkommaoperation";
    case ErrorKind::ZeroDivide: return "Gleitkommadivision durch Null";
    case ErrorKind::Overflow: return "Gleitkomma\xFC" "berlauf";
    case ErrorKind::DivByZero: return "Division durch Null";
    case ErrorKind::Privilege: return "Privilegierte Anweisung";
    case ErrorKind::InOutError: return InOutMessage(inOutCode_);
    case ErrorKind::RegistryError: return registryMessage_;
  }
  return {};
}

std::string InOutMessage(int code) {
  switch (code) {
    case 2: return "Datei nicht gefunden";
    case 3: return "Ung\xFC" "ltiger Dateiname";
    case 4: return "Zu viele ge\xF6" "ffnete Dateien";
    case 5: return "Dateizugriff verweigert";
    case 100: return "Versuch hinter dem Dateiende zu lesen";
    case 101: return "Zu wenig Speicherplatz";
    case 106: return "Ung\xFC" "ltige numerische Eingabe";
    default: return "E/A-Fehler " + std::to_string(code);
  }
}

[[gnu::noinline, gnu::cold]] void RaiseError(ErrorKind kind) {
  throw ProgramError(kind, DATACOMP_CALLER_LOCATION());
}

[[gnu::noinline, gnu::cold]] void RaiseInOutError(int code) {
  throw ProgramError(ErrorKind::InOutError, DATACOMP_CALLER_LOCATION(), code);
}

[[gnu::noinline, gnu::cold]] void RaiseRegistryError(std::string message) {
  throw ProgramError(ErrorKind::RegistryError, DATACOMP_CALLER_LOCATION(), 0, std::move(message));
}

}  // namespace datacomp
