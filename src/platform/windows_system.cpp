#include <windows.h>
#include <x86intrin.h>

#include <vector>

#include "platform/fixed_text.h"
#include "platform/windows_platform.h"

namespace datacomp::platform {

LocalTime WindowsClock::Now() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return LocalTime{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::string WindowsProcess::CurrentDirectory(int& errorCode) {
  const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
  std::vector<char> buffer(needed + 1);
  const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length >= buffer.size()) {
    errorCode = static_cast<int>(::GetLastError());
    if (errorCode == 0) errorCode = ERROR_INSUFFICIENT_BUFFER;
    return {};
  }
  errorCode = 0;
  return std::string(buffer.data(), length);
}

std::string WindowsProcess::ProgramFileName() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, length);
  const auto separator = full.find_last_of("\\/");
  return separator == std::string::npos ? full : full.substr(separator + 1);
}

// The buffer holds two characters: a longer value does not fit, the call
// fails, and the caller falls back to its default.
std::optional<std::string> WindowsLocale::Text(LocaleItem item) {
  char buffer[2] = {};
  const int length = ::GetLocaleInfoA(
      ::GetThreadLocale(), item == LocaleItem::ThousandsSeparator ? LOCALE_STHOUSAND : LOCALE_SDECIMAL,
      buffer, sizeof buffer);
  if (length <= 0) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(length - 1));
}

std::uint32_t WindowsSystemInfo::NumberOfProcessors() {
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  return info.dwNumberOfProcessors;
}

std::optional<OsVersion> WindowsSystemInfo::Version() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL captured = ::GetVersionExA(&info);
#pragma GCC diagnostic pop
  if (!captured) return std::nullopt;
  OsVersion version;
  version.platformId = static_cast<std::int32_t>(info.dwPlatformId);
  version.majorVersion = static_cast<std::int32_t>(info.dwMajorVersion);
  version.minorVersion = static_cast<std::int32_t>(info.dwMinorVersion);
  version.servicePack = TextOfFixedField(info.szCSDVersion, sizeof info.szCSDVersion);
  return version;
}

std::uint64_t WindowsScheduler::TimeStampCounter() { return __rdtsc(); }

std::uint32_t WindowsScheduler::GetPriorityClass() {
  return ::GetPriorityClass(::GetCurrentProcess());
}

void WindowsScheduler::SetPriorityClass(std::uint32_t priorityClass) {
  ::SetPriorityClass(::GetCurrentProcess(), priorityClass);
}

std::int32_t WindowsScheduler::GetThreadPriority() {
  return ::GetThreadPriority(::GetCurrentThread());
}

void WindowsScheduler::SetThreadPriority(std::int32_t priority) {
  ::SetThreadPriority(::GetCurrentThread(), priority);
}

void WindowsScheduler::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace datacomp::platform
