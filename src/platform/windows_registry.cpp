#include <windows.h>

#include "platform/windows_platform.h"

namespace datacomp::platform {
namespace {

constexpr char kProcessorKey[] = "Hardware\\Description\\System\\CentralProcessor\\0";

HKEY KeyOf(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

long WindowsRegistry::OpenProcessorKey(RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG result = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProcessorKey, 0, KEY_READ, &opened);
  key = reinterpret_cast<RegistryKey>(opened);
  return result;
}

long WindowsRegistry::QueryValueSize(RegistryKey key, const std::string& name, std::uint32_t& type,
                                     std::uint32_t& size) {
  DWORD valueType = 0;
  DWORD valueSize = 0;
  const LONG result =
      ::RegQueryValueExA(KeyOf(key), name.c_str(), nullptr, &valueType, nullptr, &valueSize);
  type = valueType;
  size = valueSize;
  return result;
}

long WindowsRegistry::QueryValueData(RegistryKey key, const std::string& name, std::uint32_t& type,
                                     char* buffer, std::uint32_t size) {
  DWORD valueType = 0;
  DWORD valueSize = size;
  const LONG result = ::RegQueryValueExA(KeyOf(key), name.c_str(), nullptr, &valueType,
                                         reinterpret_cast<BYTE*>(buffer), &valueSize);
  type = valueType;
  return result;
}

void WindowsRegistry::CloseKey(RegistryKey key) { ::RegCloseKey(KeyOf(key)); }

}  // namespace datacomp::platform
