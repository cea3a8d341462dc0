#include "probe/machine_probes.h"

namespace datacomp {

// Written once by CaptureOsVersion, read by OperatingSystemName.
std::int32_t OsPlatform = 0;
std::int32_t OsMajorVersion = 0;
std::int32_t OsMinorVersion = 0;
std::string OsServicePack;
// A build without Windows version numbers names its system here.
std::string OsSystemName;

namespace {

constexpr std::int32_t kWin32Windows = 1;
constexpr std::int32_t kWin32Nt = 2;

struct NamedVersion {
  std::int32_t platform;
  std::int32_t major;
  std::int32_t minor;
  const char* name;
};

constexpr NamedVersion kNamedVersions[] = {
    {kWin32Windows, 4, 0, "Windows 95"},   {kWin32Windows, 4, 10, "Windows 98"},
    {kWin32Windows, 4, 90, "Windows Me"},  {kWin32Nt, 3, 51, "Windows NT 3.51"},
    {kWin32Nt, 4, 0, "Windows NT 4"},      {kWin32Nt, 5, 0, "Windows 2000"},
    {kWin32Nt, 5, 1, "Windows XP"},        {kWin32Nt, 5, 2, "Windows .NET Server"},
};

std::string VersionName() {
  if (!OsSystemName.empty()) return OsSystemName;
  for (const NamedVersion& v : kNamedVersions) {
    if (v.platform == OsPlatform && v.major == OsMajorVersion && v.minor == OsMinorVersion) {
      return v.name;
    }
  }
  return "Unbekannte Version";
}

}  // namespace

void CaptureOsVersion(platform::SystemInfo& systemInfo) {
  const std::optional<platform::OsVersion> version = systemInfo.Version();
  // Without an answer every value keeps (here: takes) its start value.
  if (!version) {
    OsPlatform = OsMajorVersion = OsMinorVersion = 0;
    OsServicePack.clear();
    OsSystemName.clear();
    return;
  }
  OsPlatform = version->platformId;
  OsMajorVersion = version->majorVersion;
  OsMinorVersion = version->minorVersion;
  OsServicePack = version->servicePack;
  OsSystemName = version->systemName;
}

std::string OperatingSystemName() {
  const std::string name = VersionName();
  return OsServicePack.empty() ? name : name + " " + OsServicePack;
}

}  // namespace datacomp
