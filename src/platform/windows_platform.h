// The Windows build's facilities: the Windows calls themselves.
#pragma once

#include "platform/platform.h"

namespace datacomp::platform {

// Writes every byte to a handle (a HANDLE), going on after partial writes;
// returns a Windows error code. The console and the results file both write so.
int WriteAllBytes(void* handle, std::string_view bytes);

class WindowsConsole final : public Console {
 public:
  bool OutputIsConsole() override;
  int WriteOutput(std::string_view bytes) override;
  int WriteError(std::string_view bytes) override;
  int ReadInput(char* buffer, std::size_t capacity, std::size_t& received) override;
  std::string ToOemText(std::string_view ansiText) override;
};

class WindowsClock final : public Clock {
 public:
  LocalTime Now() override;
};

class WindowsProcess final : public Process {
 public:
  std::string CurrentDirectory(int& errorCode) override;
  std::string ProgramFileName() override;
};

class WindowsFileSystem final : public FileSystem {
 public:
  bool FileExists(const std::string& name) override;
  int OpenForAppend(const std::string& name, FileHandle& handle) override;
  int Create(const std::string& name, FileHandle& handle) override;
  int Write(FileHandle handle, std::string_view bytes) override;
  int Close(FileHandle handle) override;
};

class WindowsLocale final : public Locale {
 public:
  std::optional<std::string> Text(LocaleItem item) override;
};

class WindowsRegistry final : public Registry {
 public:
  long OpenProcessorKey(RegistryKey& key) override;
  long QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                      std::uint32_t& size) override;
  long QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type, char* buffer,
                      std::uint32_t size) override;
  void CloseKey(RegistryKey key) override;
};

class WindowsSystemInfo final : public SystemInfo {
 public:
  std::uint32_t NumberOfProcessors() override;
  std::optional<OsVersion> Version() override;
};

class WindowsScheduler final : public Scheduler {
 public:
  std::uint64_t TimeStampCounter() override;
  std::uint32_t GetPriorityClass() override;
  void SetPriorityClass(std::uint32_t priorityClass) override;
  std::int32_t GetThreadPriority() override;
  void SetThreadPriority(std::int32_t priority) override;
  void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace datacomp::platform
