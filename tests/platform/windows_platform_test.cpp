#include "platform/windows_platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "probe/machine_probes.h"

namespace datacomp::platform {
namespace {

TEST(WindowsFiles, SecondWriterIsRefusedWithTheSharingCode) {
  char directory[MAX_PATH];
  ASSERT_GT(::GetTempPathA(MAX_PATH, directory), 0u);
  const std::string name = std::string(directory) + "datacomp-sharing-test.txt";
  ::DeleteFileA(name.c_str());
  WindowsFileSystem files;
  FileHandle first = 0;
  ASSERT_EQ(files.Create(name, first), 0);
  ASSERT_EQ(files.Write(first, "a;"), 0);
  EXPECT_TRUE(files.FileExists(name));
  FileHandle second = 0;
  EXPECT_EQ(files.OpenForAppend(name, second), kErrorSharingViolation);
  EXPECT_EQ(files.Create(name, second), kErrorSharingViolation);
  ASSERT_EQ(files.Close(first), 0);
  ASSERT_EQ(files.OpenForAppend(name, second), 0);
  ASSERT_EQ(files.Write(second, "b;"), 0);
  ASSERT_EQ(files.Close(second), 0);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, 4u);
  ::DeleteFileA(name.c_str());
}

TEST(WindowsFiles, DirectoryIsNoFile) {
  char directory[MAX_PATH];
  ASSERT_GT(::GetTempPathA(MAX_PATH, directory), 0u);
  const std::string name = std::string(directory) + "datacomp-directory-test.txt";
  ::CreateDirectoryA(name.c_str(), nullptr);
  WindowsFileSystem files;
  EXPECT_FALSE(files.FileExists(name));
  FileHandle handle = 0;
  EXPECT_EQ(files.Create(name, handle), kErrorAccessDenied);
  ::RemoveDirectoryA(name.c_str());
}

TEST(WindowsRegistry, ProcessorKeyHoldsTheVendorAndNameTexts) {
  WindowsRegistry registry;
  EXPECT_FALSE(ProcessorVendor(registry).empty());
  EXPECT_NE(ProcessorName(registry).find('/'), std::string::npos);
}

TEST(WindowsSystemInfo, VersionAndProcessors) {
  WindowsSystemInfo info;
  EXPECT_GE(info.NumberOfProcessors(), 1u);
  const std::optional<OsVersion> version = info.Version();
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->platformId, 2);
  EXPECT_TRUE(version->systemName.empty());
}

TEST(WindowsLocale, OneCharacterSeparators) {
  WindowsLocale locale;
  const auto decimal = locale.Text(LocaleItem::DecimalSeparator);
  ASSERT_TRUE(decimal.has_value());
  EXPECT_LE(decimal->size(), 1u);
}

}  // namespace
}  // namespace datacomp::platform
