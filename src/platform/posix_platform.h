// The POSIX build's facilities (Linux). Declared here so that tests can build
// them over chosen inputs, such as a cpuinfo text.
#pragma once

#include <map>
#include <string>

#include "platform/codepage1252.h"
#include "platform/platform.h"

namespace datacomp::platform {

// errno to the Windows code the program knows, or errno itself.
int WindowsErrorCode(int posixErrno);

// Writes every byte to `fd`, going on after partial writes and interrupts;
// returns an error code. The console and the results file both write so.
int WriteAllBytes(int fd, std::string_view bytes);

// True when the user's locale (LC_ALL, LC_CTYPE, LANG) uses UTF-8.
bool LocaleUsesUtf8();

class PosixConsole final : public Console {
 public:
  PosixConsole();
  bool OutputIsConsole() override;
  int WriteOutput(std::string_view bytes) override;
  int WriteError(std::string_view bytes) override;
  int ReadInput(char* buffer, std::size_t capacity, std::size_t& received) override;
  std::string ToOemText(std::string_view ansiText) override;

 private:
  bool utf8Locale_;
  bool outputIsTerminal_;
  bool inputIsTerminal_;
  Utf8ToCp1252Decoder decoder_;
  std::string decoded_;  // terminal input converted but not yet delivered
};

class PosixClock final : public Clock {
 public:
  LocalTime Now() override;
};

class PosixProcess final : public Process {
 public:
  std::string CurrentDirectory(int& errorCode) override;
  std::string ProgramFileName() override;
};

class PosixFileSystem final : public FileSystem {
 public:
  bool FileExists(const std::string& name) override;
  int OpenForAppend(const std::string& name, FileHandle& handle) override;
  int Create(const std::string& name, FileHandle& handle) override;
  int Write(FileHandle handle, std::string_view bytes) override;
  int Close(FileHandle handle) override;
};

class PosixLocale final : public Locale {
 public:
  std::optional<std::string> Text(LocaleItem item) override;
};

// The processor key's values made from a cpuinfo text: "VendorIdentifier"
// from vendor_id, "ProcessorNameString" from model name, "Identifier" as
// "<machine> Family F Model M Stepping S". Only processor 0 is read.
std::map<std::string, std::string> ProcessorValuesFromCpuinfo(const std::string& cpuinfo,
                                                              const std::string& machine);

class CpuinfoRegistry final : public Registry {
 public:
  long OpenProcessorKey(RegistryKey& key) override;
  long QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                      std::uint32_t& size) override;
  long QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type, char* buffer,
                      std::uint32_t size) override;
  void CloseKey(RegistryKey key) override;

 private:
  const std::string* Find(RegistryKey key, const std::string& name) const;
  std::map<std::string, std::string> values_;
  bool open_ = false;
};

class PosixSystemInfo final : public SystemInfo {
 public:
  std::uint32_t NumberOfProcessors() override;
  std::optional<OsVersion> Version() override;
};

class PosixScheduler final : public Scheduler {
 public:
  std::uint64_t TimeStampCounter() override;
  std::uint32_t GetPriorityClass() override;
  void SetPriorityClass(std::uint32_t priorityClass) override;
  std::int32_t GetThreadPriority() override;
  void SetThreadPriority(std::int32_t priority) override;
  void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace datacomp::platform
