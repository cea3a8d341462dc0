// The operating-system facilities the program uses, one small interface each,
// so that the driver, kernels and probes are the same code on every build and
// every facility can be replaced by a test double.
//
// Error codes are Windows system error codes (0 = success); the POSIX build
// maps errno to them where a code has a meaning for the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace datacomp::platform {

// Windows system error codes that the program gives a meaning.
inline constexpr int kErrorFileNotFound = 2;
inline constexpr int kErrorPathNotFound = 3;
inline constexpr int kErrorTooManyOpenFiles = 4;
inline constexpr int kErrorAccessDenied = 5;
inline constexpr int kErrorSharingViolation = 32;
inline constexpr int kErrorBrokenPipe = 109;
inline constexpr int kErrorDiskFull = 112;

// Standard input, output and error. Text is code page 1252; a build whose
// terminal speaks another character set converts on the way.
class Console {
 public:
  virtual ~Console() = default;
  // True when standard output is a console (not redirected to a file or pipe).
  virtual bool OutputIsConsole() = 0;
  // Writes all bytes to standard output; returns an error code.
  virtual int WriteOutput(std::string_view bytes) = 0;
  // Writes all bytes to standard error unconverted; returns an error code.
  virtual int WriteError(std::string_view bytes) = 0;
  // Reads up to `capacity` bytes of standard input; `received` 0 means the
  // end of input. Returns an error code.
  virtual int ReadInput(char* buffer, std::size_t capacity, std::size_t& received) = 0;
  // The error report's text converted for the console (CharToOemA).
  virtual std::string ToOemText(std::string_view ansiText) = 0;
};

struct LocalTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;  // GetLocalTime
};

// What the process knows about itself.
class Process {
 public:
  virtual ~Process() = default;
  // The working directory as the system gives it; empty with an error code set
  // when it cannot be read.
  virtual std::string CurrentDirectory(int& errorCode) = 0;
  // The program's own file name without its directory.
  virtual std::string ProgramFileName() = 0;
};

// The results file: one file opened once, written in blocks, closed once.
using FileHandle = std::intptr_t;

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // An entry of that name exists and is not a directory (FindFirstFileA).
  virtual bool FileExists(const std::string& name) = 0;
  // Opens an existing file for reading and writing, position after its last
  // byte, others may read but not write while it is open.
  virtual int OpenForAppend(const std::string& name, FileHandle& handle) = 0;
  // Creates the file empty, with the same sharing rule.
  virtual int Create(const std::string& name, FileHandle& handle) = 0;
  virtual int Write(FileHandle handle, std::string_view bytes) = 0;
  virtual int Close(FileHandle handle) = 0;
};

enum class LocaleItem { ThousandsSeparator, DecimalSeparator };

class Locale {
 public:
  virtual ~Locale() = default;
  // The user's value for the item; nullopt when the system has none to give.
  virtual std::optional<std::string> Text(LocaleItem item) = 0;
};

// The processor key of the registry, below HKEY_LOCAL_MACHINE:
// "Hardware\Description\System\CentralProcessor\0", or what stands for it on
// a build without one.
using RegistryKey = std::intptr_t;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

class Registry {
 public:
  virtual ~Registry() = default;
  // RegOpenKeyExA with KEY_READ; 0 on success, `key` then open.
  virtual long OpenProcessorKey(RegistryKey& key) = 0;
  // RegQueryValueExA without a buffer: the value's type and size in bytes.
  virtual long QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                              std::uint32_t& size) = 0;
  // RegQueryValueExA into `buffer` of `size` bytes: fills it and gives the type.
  virtual long QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type,
                              char* buffer, std::uint32_t size) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
};

// What GetVersionExA reports. A build without Windows numbers names its system
// in `systemName` and gives its release as `servicePack`.
struct OsVersion {
  std::int32_t platformId = 0;
  std::int32_t majorVersion = 0;
  std::int32_t minorVersion = 0;
  std::string servicePack;
  std::string systemName;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual std::uint32_t NumberOfProcessors() = 0;          // GetSystemInfo
  virtual std::optional<OsVersion> Version() = 0;          // GetVersionExA
};

// The facilities of the clock-rate estimate. Priorities use the Windows
// numbers; a build without them maps them to its own scheduler.
inline constexpr std::uint32_t kRealtimePriorityClass = 0x100;
inline constexpr std::int32_t kThreadPriorityTimeCritical = 15;

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  virtual std::uint64_t TimeStampCounter() = 0;  // rdtsc; may fault
  virtual std::uint32_t GetPriorityClass() = 0;
  virtual void SetPriorityClass(std::uint32_t priorityClass) = 0;
  virtual std::int32_t GetThreadPriority() = 0;
  virtual void SetThreadPriority(std::int32_t priority) = 0;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// Every facility, as the program receives it.
struct Platform {
  Console& console;
  Clock& clock;
  Process& process;
  FileSystem& fileSystem;
  Locale& locale;
  Registry& registry;
  SystemInfo& systemInfo;
  Scheduler& scheduler;
};

// The facilities of the machine the program runs on. Lives for the process.
Platform& SystemPlatform();

}  // namespace datacomp::platform
