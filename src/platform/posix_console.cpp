#include <cerrno>
#include <langinfo.h>
#include <locale.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/posix_platform.h"

namespace datacomp::platform {
bool LocaleUsesUtf8() {
  locale_t locale = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return false;
  const bool utf8 = std::strcmp(::nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
  ::freelocale(locale);
  return utf8;
}

PosixConsole::PosixConsole()
    : utf8Locale_(LocaleUsesUtf8()),
      outputIsTerminal_(::isatty(STDOUT_FILENO) == 1),
      inputIsTerminal_(::isatty(STDIN_FILENO) == 1) {}

bool PosixConsole::OutputIsConsole() { return outputIsTerminal_; }

int PosixConsole::WriteOutput(std::string_view bytes) {
  if (outputIsTerminal_ && utf8Locale_) {
    return WriteAllBytes(STDOUT_FILENO, Cp1252ToUtf8(bytes));
  }
  return WriteAllBytes(STDOUT_FILENO, bytes);
}

int PosixConsole::WriteError(std::string_view bytes) {
  return WriteAllBytes(STDERR_FILENO, bytes);
}

int PosixConsole::ReadInput(char* buffer, std::size_t capacity, std::size_t& received) {
  received = 0;
  if (!(inputIsTerminal_ && utf8Locale_)) {
    for (;;) {
      const ssize_t n = ::read(STDIN_FILENO, buffer, capacity);
      if (n >= 0) {
        received = static_cast<std::size_t>(n);
        return 0;
      }
      if (errno != EINTR) return WindowsErrorCode(errno);
    }
  }
  // Typed UTF-8 is handed on as code page 1252, one byte per character; a
  // character split across reads waits for its remaining bytes.
  char raw[64];
  while (decoded_.empty()) {
    const ssize_t n = ::read(STDIN_FILENO, raw, sizeof raw);
    if (n < 0) {
      if (errno == EINTR) continue;
      return WindowsErrorCode(errno);
    }
    if (n == 0) {
      decoder_.Finish(decoded_);
      if (decoded_.empty()) return 0;
      break;
    }
    decoder_.Decode(std::string_view(raw, static_cast<std::size_t>(n)), decoded_);
  }
  received = std::min(capacity, decoded_.size());
  std::memcpy(buffer, decoded_.data(), received);
  decoded_.erase(0, received);
  return 0;
}

std::string PosixConsole::ToOemText(std::string_view ansiText) {
  if (utf8Locale_) return Cp1252ToUtf8(ansiText);
  return std::string(ansiText);
}

}  // namespace datacomp::platform
