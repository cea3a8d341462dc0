#include <gtest/gtest.h>

#include "platform/fake_platform.h"
#include "probe/machine_probes.h"

namespace datacomp {
namespace {

std::string NameOf(std::optional<platform::OsVersion> version) {
  platform::FakePlatform fake;
  fake.osVersion = std::move(version);
  CaptureOsVersion(fake);
  return OperatingSystemName();
}

platform::OsVersion Windows(std::int32_t platformId, std::int32_t major, std::int32_t minor,
                            std::string servicePack = "") {
  return platform::OsVersion{platformId, major, minor, std::move(servicePack), ""};
}

TEST(OperatingSystemName, TableOfWindowsVersions) {
  const std::pair<platform::OsVersion, const char*> cases[] = {
      {Windows(1, 4, 0), "Windows 95"},
      {Windows(1, 4, 10), "Windows 98"},
      {Windows(1, 4, 90), "Windows Me"},
      {Windows(1, 4, 3), "Unbekannte Version"},
      {Windows(1, 5, 0), "Unbekannte Version"},
      {Windows(2, 3, 51), "Windows NT 3.51"},
      {Windows(2, 3, 50), "Unbekannte Version"},
      {Windows(2, 4, 0), "Windows NT 4"},
      {Windows(2, 4, 10), "Unbekannte Version"},
      {Windows(2, 5, 0), "Windows 2000"},
      {Windows(2, 5, 1), "Windows XP"},
      {Windows(2, 5, 2), "Windows .NET Server"},
      {Windows(2, 5, 3), "Unbekannte Version"},
      {Windows(2, 6, 1), "Unbekannte Version"},
      {Windows(2, 10, 0), "Unbekannte Version"},
      {Windows(0, 4, 0), "Unbekannte Version"},
      {Windows(3, 5, 1), "Unbekannte Version"},
  };
  for (const auto& [version, name] : cases) {
    EXPECT_EQ(NameOf(version), name)
        << version.platformId << " " << version.majorVersion << " " << version.minorVersion;
  }
}

TEST(OperatingSystemName, ServicePackFollowsAfterOneBlank) {
  EXPECT_EQ(NameOf(Windows(2, 5, 1, "Service Pack 2")), "Windows XP Service Pack 2");
  EXPECT_EQ(NameOf(Windows(2, 5, 1, " SP2")), "Windows XP  SP2");
  EXPECT_EQ(NameOf(Windows(2, 6, 1, "Service Pack 1")), "Unbekannte Version Service Pack 1");
  const std::string full(128, 'S');
  EXPECT_EQ(NameOf(Windows(2, 5, 0, full)), "Windows 2000 " + full);
}

TEST(OperatingSystemName, NoAnswerIsAnUnknownVersionWithoutSuffix) {
  NameOf(Windows(2, 5, 1, "Service Pack 3"));
  EXPECT_EQ(NameOf(std::nullopt), "Unbekannte Version");
}

TEST(OperatingSystemName, SystemWithoutWindowsNumbersNamesItself) {
  EXPECT_EQ(NameOf(platform::OsVersion{0, 0, 0, "6.1.0-18-amd64", "Linux"}),
            "Linux 6.1.0-18-amd64");
}

TEST(OperatingSystemName, EveryCallGivesTheStartUpCapture) {
  platform::FakePlatform fake;
  fake.osVersion = Windows(2, 5, 1, "Service Pack 2");
  CaptureOsVersion(fake);
  fake.osVersion = Windows(1, 4, 0);
  EXPECT_EQ(OperatingSystemName(), "Windows XP Service Pack 2");
  EXPECT_EQ(OperatingSystemName(), "Windows XP Service Pack 2");
}

}  // namespace
}  // namespace datacomp
