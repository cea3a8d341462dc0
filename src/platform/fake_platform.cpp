#include "platform/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace datacomp::platform {

FakePlatform::FakePlatform()
    : platform_{*this, *this, *this, *this, *this, *this, *this, *this} {}

bool FakePlatform::OutputIsConsole() { return outputIsConsole; }

int FakePlatform::WriteOutput(std::string_view bytes) {
  if (static_cast<int>(outputWrites.size()) == failOutputWriteAt) {
    outputWrites.emplace_back();
    return outputWriteError;
  }
  outputWrites.emplace_back(bytes);
  output += bytes;
  return 0;
}

int FakePlatform::WriteError(std::string_view bytes) {
  errorOutput += bytes;
  return 0;
}

int FakePlatform::ReadInput(char* buffer, std::size_t capacity, std::size_t& received) {
  ++inputReads;
  received = 0;
  if (inputError != 0) return inputError;
  received = std::min({capacity, inputChunk, input.size() - inputOffset_});
  std::memcpy(buffer, input.data() + inputOffset_, received);
  inputOffset_ += received;
  return 0;
}

std::string FakePlatform::ToOemText(std::string_view ansiText) {
  std::string text(ansiText);
  if (oemUppercase) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

LocalTime FakePlatform::Now() {
  if (onClockRead) onClockRead();
  if (!scriptedTimes.empty()) {
    const LocalTime scripted = scriptedTimes.front();
    scriptedTimes.pop_front();
    return scripted;
  }
  const LocalTime reading = now;
  long total = ((now.hour * 60L + now.minute) * 60 + now.second) * 1000 + now.millisecond +
               clockStepMilliseconds;
  total %= 86400000L;
  now.millisecond = static_cast<int>(total % 1000);
  now.second = static_cast<int>(total / 1000 % 60);
  now.minute = static_cast<int>(total / 60000 % 60);
  now.hour = static_cast<int>(total / 3600000);
  return reading;
}

std::string FakePlatform::CurrentDirectory(int& errorCode) {
  errorCode = currentDirectoryError;
  return currentDirectoryError == 0 ? currentDirectory : std::string();
}

std::string FakePlatform::ProgramFileName() { return programFileName; }

bool FakePlatform::FileExists(const std::string& name) {
  const auto it = files.find(name);
  return it != files.end() && !it->second.directory;
}

int FakePlatform::OpenForAppend(const std::string& name, FileHandle& handle) {
  const auto it = files.find(name);
  if (it == files.end()) return kErrorFileNotFound;
  if (it->second.directory || it->second.readOnly) return kErrorAccessDenied;
  if (it->second.heldByOther) return kErrorSharingViolation;
  openName_ = name;
  handle = kHandle;
  return 0;
}

int FakePlatform::Create(const std::string& name, FileHandle& handle) {
  const auto it = files.find(name);
  if (it != files.end()) {
    if (it->second.directory || it->second.readOnly) return kErrorAccessDenied;
    if (it->second.heldByOther) return kErrorSharingViolation;
  }
  files[name] = File{};
  openName_ = name;
  handle = kHandle;
  return 0;
}

int FakePlatform::Write(FileHandle handle, std::string_view bytes) {
  if (handle != kHandle) return 6;  // invalid handle
  if (static_cast<int>(fileWrites.size()) == failFileWriteAt) {
    fileWrites.emplace_back();
    return fileWriteError;
  }
  fileWrites.emplace_back(bytes);
  files[openName_].bytes += bytes;
  return 0;
}

int FakePlatform::Close(FileHandle handle) {
  if (handle != kHandle) return 6;
  ++closes;
  return closeError;
}

std::optional<std::string> FakePlatform::Text(LocaleItem item) {
  return item == LocaleItem::ThousandsSeparator ? thousandsSeparator : decimalSeparator;
}

long FakePlatform::OpenProcessorKey(RegistryKey& key) {
  if (!keyPresent) return 2;
  ++keyOpens;
  key = 1;
  return 0;
}

long FakePlatform::QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  std::uint32_t& size) {
  registryCalls.push_back("size " + name);
  const auto it = values.find(name);
  if (key != 1 || it == values.end()) return 2;
  if (it->second.sizeStatus != 0) return it->second.sizeStatus;
  type = it->second.type;
  size = it->second.size.value_or(static_cast<std::uint32_t>(it->second.data.size()));
  return 0;
}

long FakePlatform::QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type,
                                  char* buffer, std::uint32_t size) {
  registryCalls.push_back("data " + name);
  const auto it = values.find(name);
  if (key != 1 || it == values.end()) return 2;
  if (it->second.dataStatus != 0) return it->second.dataStatus;
  type = it->second.type;
  const std::size_t n = std::min<std::size_t>(size, it->second.data.size());
  std::memset(buffer, 0, size);
  std::memcpy(buffer, it->second.data.data(), n);
  return 0;
}

void FakePlatform::CloseKey(RegistryKey) { ++keyCloses; }

std::uint32_t FakePlatform::NumberOfProcessors() { return numberOfProcessors; }
std::optional<OsVersion> FakePlatform::Version() { return osVersion; }

std::uint64_t FakePlatform::TimeStampCounter() {
  schedulerCalls.push_back("counter");
  if (onCounterRead) onCounterRead();
  if (counterReadings.empty()) return 0;
  const std::uint64_t reading = counterReadings.front();
  counterReadings.pop_front();
  return reading;
}

std::uint32_t FakePlatform::GetPriorityClass() {
  schedulerCalls.push_back("get class");
  return priorityClass;
}

void FakePlatform::SetPriorityClass(std::uint32_t value) {
  schedulerCalls.push_back("set class " + std::to_string(value));
  priorityClass = value;
}

std::int32_t FakePlatform::GetThreadPriority() {
  schedulerCalls.push_back("get thread");
  return threadPriority;
}

void FakePlatform::SetThreadPriority(std::int32_t value) {
  schedulerCalls.push_back("set thread " + std::to_string(value));
  threadPriority = value;
}

void FakePlatform::Sleep(std::uint32_t milliseconds) {
  schedulerCalls.push_back("sleep " + std::to_string(milliseconds));
}

}  // namespace datacomp::platform
