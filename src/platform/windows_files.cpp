#include <windows.h>

#include "platform/windows_platform.h"

namespace datacomp::platform {
namespace {

int LastError() { return static_cast<int>(::GetLastError()); }

HANDLE HandleOf(FileHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

bool WindowsFileSystem::FileExists(const std::string& name) {
  WIN32_FIND_DATAA entry{};
  const HANDLE search = ::FindFirstFileA(name.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  ::FindClose(search);
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int WindowsFileSystem::OpenForAppend(const std::string& name, FileHandle& handle) {
  const HANDLE file = ::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  DWORD high = 0;
  const DWORD low = ::GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) {
    const int error = LastError();
    ::CloseHandle(file);
    return error;
  }
  LONG position = static_cast<LONG>(high);
  if (::SetFilePointer(file, static_cast<LONG>(low), &position, FILE_BEGIN) ==
          INVALID_SET_FILE_POINTER &&
      ::GetLastError() != NO_ERROR) {
    const int error = LastError();
    ::CloseHandle(file);
    return error;
  }
  handle = reinterpret_cast<FileHandle>(file);
  return 0;
}

int WindowsFileSystem::Create(const std::string& name, FileHandle& handle) {
  const HANDLE file = ::CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  handle = reinterpret_cast<FileHandle>(file);
  return 0;
}

int WriteAllBytes(void* handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
      return LastError();
    }
    if (written == 0) return ERROR_WRITE_FAULT;  // no progress: never loop for ever
    bytes.remove_prefix(written);
  }
  return 0;
}

int WindowsFileSystem::Write(FileHandle handle, std::string_view bytes) {
  return WriteAllBytes(HandleOf(handle), bytes);
}

int WindowsFileSystem::Close(FileHandle handle) {
  return ::CloseHandle(HandleOf(handle)) ? 0 : LastError();
}

}  // namespace datacomp::platform
