#include <sys/utsname.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/posix_platform.h"

namespace datacomp::platform {
namespace {

constexpr long kErrorSuccess = 0;
constexpr long kErrorMoreData = 234;
constexpr RegistryKey kProcessorKey = 1;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::map<std::string, std::string> ProcessorValuesFromCpuinfo(const std::string& cpuinfo,
                                                              const std::string& machine) {
  std::map<std::string, std::string> fields;
  std::istringstream lines(cpuinfo);
  std::string line;
  while (std::getline(lines, line)) {
    if (Trim(line).empty()) {
      if (!fields.empty()) break;  // end of processor 0's block
      continue;
    }
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string key = Trim(line.substr(0, colon));
    if (fields.count(key) == 0) fields[key] = Trim(line.substr(colon + 1));
  }

  std::map<std::string, std::string> values;
  if (auto it = fields.find("vendor_id"); it != fields.end()) values["VendorIdentifier"] = it->second;
  if (auto it = fields.find("model name"); it != fields.end()) {
    values["ProcessorNameString"] = it->second;
  }
  const auto family = fields.find("cpu family");
  const auto model = fields.find("model");
  const auto stepping = fields.find("stepping");
  if (family != fields.end() && model != fields.end() && stepping != fields.end()) {
    values["Identifier"] = machine + " Family " + family->second + " Model " + model->second +
                           " Stepping " + stepping->second;
  }
  return values;
}

long CpuinfoRegistry::OpenProcessorKey(RegistryKey& key) {
  std::ifstream file("/proc/cpuinfo");
  if (!file) return 2;  // ERROR_FILE_NOT_FOUND
  std::ostringstream text;
  text << file.rdbuf();
  utsname names{};
  const std::string machine = ::uname(&names) == 0 ? names.machine : "";
  values_ = ProcessorValuesFromCpuinfo(text.str(), machine);
  open_ = true;
  key = kProcessorKey;
  return kErrorSuccess;
}

const std::string* CpuinfoRegistry::Find(RegistryKey key, const std::string& name) const {
  if (!open_ || key != kProcessorKey) return nullptr;
  const auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

long CpuinfoRegistry::QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                                     std::uint32_t& size) {
  const std::string* value = Find(key, name);
  if (value == nullptr) return open_ ? 2 : 6;  // not found / invalid handle
  type = kRegSz;
  size = static_cast<std::uint32_t>(value->size() + 1);
  return kErrorSuccess;
}

long CpuinfoRegistry::QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type,
                                     char* buffer, std::uint32_t size) {
  const std::string* value = Find(key, name);
  if (value == nullptr) return open_ ? 2 : 6;
  type = kRegSz;
  if (size < value->size() + 1) return kErrorMoreData;
  std::memcpy(buffer, value->c_str(), value->size() + 1);
  return kErrorSuccess;
}

void CpuinfoRegistry::CloseKey(RegistryKey key) {
  if (key == kProcessorKey) open_ = false;
}

}  // namespace datacomp::platform
