#include <windows.h>

#include <vector>

#include "platform/windows_platform.h"

namespace datacomp::platform {
bool WindowsConsole::OutputIsConsole() {
  return ::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_CHAR;
}

int WindowsConsole::WriteOutput(std::string_view bytes) {
  return WriteAllBytes(::GetStdHandle(STD_OUTPUT_HANDLE), bytes);
}

int WindowsConsole::WriteError(std::string_view bytes) {
  return WriteAllBytes(::GetStdHandle(STD_ERROR_HANDLE), bytes);
}

int WindowsConsole::ReadInput(char* buffer, std::size_t capacity, std::size_t& received) {
  DWORD read = 0;
  received = 0;
  if (!::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, static_cast<DWORD>(capacity), &read,
                  nullptr)) {
    const DWORD error = ::GetLastError();
    // A pipe whose writer has gone, or a file at its end: the end of input.
    if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF) return 0;
    return static_cast<int>(error);
  }
  received = read;
  return 0;
}

std::string WindowsConsole::ToOemText(std::string_view ansiText) {
  std::vector<char> text(ansiText.begin(), ansiText.end());
  text.push_back('\0');
  ::CharToOemA(text.data(), text.data());
  return std::string(text.data(), ansiText.size());
}

}  // namespace datacomp::platform
