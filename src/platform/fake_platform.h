// A test double for every facility: scripted input, captured output, an
// in-memory results file, a registry of chosen values, and failures on demand.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace datacomp::platform {

class FakePlatform final : public Console,
                           public Clock,
                           public Process,
                           public FileSystem,
                           public Locale,
                           public Registry,
                           public SystemInfo,
                           public Scheduler {
 public:
  FakePlatform();
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  Platform& AsPlatform() { return platform_; }

  // --- console
  bool outputIsConsole = false;
  std::string input;                 // what standard input delivers
  std::size_t inputChunk = 128;      // at most this much per read
  int inputError = 0;                // the code every read fails with
  std::string output;                // all of standard output
  std::vector<std::string> outputWrites;
  int failOutputWriteAt = -1;        // index of the write that fails ...
  int outputWriteError = 0;          // ... with this code
  std::string errorOutput;
  bool oemUppercase = false;         // makes the OEM conversion visible
  std::size_t inputReads = 0;

  bool OutputIsConsole() override;
  int WriteOutput(std::string_view bytes) override;
  int WriteError(std::string_view bytes) override;
  int ReadInput(char* buffer, std::size_t capacity, std::size_t& received) override;
  std::string ToOemText(std::string_view ansiText) override;

  // --- clock: the scripted readings first; after them each reading gives
  // `now` and advances it by `clockStepMilliseconds`. `onClockRead` runs
  // before every reading.
  std::deque<LocalTime> scriptedTimes;
  LocalTime now{12, 0, 0, 0};
  int clockStepMilliseconds = 0;
  std::function<void()> onClockRead;
  LocalTime Now() override;

  // --- process
  std::string currentDirectory = "C:\\Benchmarks";
  int currentDirectoryError = 0;
  std::string programFileName = "datacomp.exe";
  std::string CurrentDirectory(int& errorCode) override;
  std::string ProgramFileName() override;

  // --- the results file system
  struct File {
    std::string bytes;
    bool directory = false;
    bool readOnly = false;
    bool heldByOther = false;
  };
  std::map<std::string, File> files;
  int failFileWriteAt = -1;  // index of the block write that fails ...
  int fileWriteError = 0;    // ... with this code
  int closeError = 0;
  std::vector<std::string> fileWrites;
  int closes = 0;
  bool FileExists(const std::string& name) override;
  int OpenForAppend(const std::string& name, FileHandle& handle) override;
  int Create(const std::string& name, FileHandle& handle) override;
  int Write(FileHandle handle, std::string_view bytes) override;
  int Close(FileHandle handle) override;

  // --- locale
  std::optional<std::string> thousandsSeparator = std::string(",");
  std::optional<std::string> decimalSeparator = std::string(".");
  std::optional<std::string> Text(LocaleItem item) override;

  // --- registry
  struct Value {
    std::uint32_t type = kRegSz;
    std::string data;                     // the stored bytes, NULs included
    long sizeStatus = 0;                  // answer of the size query
    std::optional<std::uint32_t> size;    // reported size; default data.size()
    long dataStatus = 0;                  // answer of the data read
  };
  bool keyPresent = true;
  std::map<std::string, Value> values;
  int keyOpens = 0;
  int keyCloses = 0;
  std::vector<std::string> registryCalls;  // "size Name" / "data Name"
  long OpenProcessorKey(RegistryKey& key) override;
  long QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                      std::uint32_t& size) override;
  long QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type,
                      char* buffer, std::uint32_t size) override;
  void CloseKey(RegistryKey key) override;

  // --- system information
  std::uint32_t numberOfProcessors = 4;
  std::optional<OsVersion> osVersion;
  std::uint32_t NumberOfProcessors() override;
  std::optional<OsVersion> Version() override;

  // --- scheduler
  std::deque<std::uint64_t> counterReadings;
  std::function<void()> onCounterRead;  // may fault
  std::uint32_t priorityClass = 0x20;
  std::int32_t threadPriority = 0;
  std::vector<std::string> schedulerCalls;
  std::uint64_t TimeStampCounter() override;
  std::uint32_t GetPriorityClass() override;
  void SetPriorityClass(std::uint32_t value) override;
  std::int32_t GetThreadPriority() override;
  void SetThreadPriority(std::int32_t value) override;
  void Sleep(std::uint32_t milliseconds) override;

 private:
  static constexpr FileHandle kHandle = 7;
  std::size_t inputOffset_ = 0;
  std::string openName_;
  Platform platform_;
};

}  // namespace datacomp::platform
