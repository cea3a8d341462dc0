#include "platform/posix_platform.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>

#include "probe/machine_probes.h"

namespace datacomp::platform {
namespace {

// Sets LC_ALL for the lifetime of the object.
class LocaleScope {
 public:
  explicit LocaleScope(const char* name) { ::setenv("LC_ALL", name, 1); }
  ~LocaleScope() { ::unsetenv("LC_ALL"); }
};

TEST(WindowsErrorCode, MappedWhereTheProgramGivesTheCodeAMeaning) {
  const std::pair<int, int> cases[] = {
      {ENOENT, 2}, {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4}, {ENFILE, 4},
      {EACCES, 5}, {EPERM, 5},   {EROFS, 5},        {EISDIR, 5}, {EWOULDBLOCK, 32},
      {ENOSPC, 112}, {EDQUOT, 112}, {EPIPE, 109},   {EIO, EIO},  {EBADF, EBADF},
  };
  for (const auto& [posix, windows] : cases) EXPECT_EQ(WindowsErrorCode(posix), windows) << posix;
}

TEST(CpuinfoValues, ProcessorZeroOnly) {
  const std::string cpuinfo =
      "processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 158\n"
      "model name\t: Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\nstepping\t: 10\n\n"
      "processor\t: 1\nvendor_id\t: Other\nmodel name\t: Other name\n";
  const auto values = ProcessorValuesFromCpuinfo(cpuinfo, "x86_64");
  EXPECT_EQ(values.at("VendorIdentifier"), "GenuineIntel");
  EXPECT_EQ(values.at("ProcessorNameString"), "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
  EXPECT_EQ(values.at("Identifier"), "x86_64 Family 6 Model 158 Stepping 10");
}

TEST(CpuinfoValues, AbsentLinesAreAbsentValues) {
  const auto values = ProcessorValuesFromCpuinfo("processor\t: 0\nvendor_id\t: AuthenticAMD\n", "x86_64");
  EXPECT_EQ(values.size(), 1u);
  EXPECT_EQ(values.count("ProcessorNameString"), 0u);
  EXPECT_EQ(values.count("Identifier"), 0u);
}

class PosixFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/datacomp-files-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    directory_ = pattern;
  }
  std::string Path(const char* name) { return directory_ + "/" + name; }
  std::string directory_;
  PosixFileSystem files_;
};

TEST_F(PosixFiles, SecondOpenWhileTheFirstHoldsTheFileFailsWithTheSharingCode) {
  FileHandle first = 0;
  ASSERT_EQ(files_.Create(Path("datacomp.txt"), first), 0);
  ASSERT_EQ(files_.Write(first, "a;"), 0);
  EXPECT_TRUE(files_.FileExists(Path("datacomp.txt")));
  FileHandle second = 0;
  EXPECT_EQ(files_.OpenForAppend(Path("datacomp.txt"), second), kErrorSharingViolation);
  EXPECT_EQ(files_.Create(Path("datacomp.txt"), second), kErrorSharingViolation);
  ASSERT_EQ(files_.Close(first), 0);
  struct stat st {};
  ASSERT_EQ(::stat(Path("datacomp.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_size, 2);  // the failed create truncated nothing
  ASSERT_EQ(files_.OpenForAppend(Path("datacomp.txt"), second), 0);
  ASSERT_EQ(files_.Write(second, "b;"), 0);
  ASSERT_EQ(files_.Close(second), 0);
  EXPECT_EQ(::stat(Path("datacomp.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_size, 4);
}

TEST_F(PosixFiles, DirectoryOfThatNameIsNoFileAndCannotBeCreated) {
  ASSERT_EQ(::mkdir(Path("datacomp.txt").c_str(), 0755), 0);
  EXPECT_FALSE(files_.FileExists(Path("datacomp.txt")));
  FileHandle handle = 0;
  EXPECT_EQ(files_.Create(Path("datacomp.txt"), handle), kErrorAccessDenied);
}

TEST_F(PosixFiles, FullDiskIsTheDiskFullCode) {
  FileHandle handle = 0;
  ASSERT_EQ(::symlink("/dev/full", Path("datacomp.txt").c_str()), 0);
  ASSERT_EQ(files_.OpenForAppend(Path("datacomp.txt"), handle), 0);
  EXPECT_EQ(files_.Write(handle, std::string(128, 'x')), kErrorDiskFull);
  files_.Close(handle);
}

TEST(PosixLocale, SeparatorsOfTheUsersLocale) {
  struct Case {
    const char* locale;
    std::optional<std::string> decimal;
    std::optional<std::string> thousands;
  };
  const Case cases[] = {
      {"de_DE.UTF-8", ",", "."},
      {"C", ".", ""},
      {"fr_FR.UTF-8", ",", "\xE2\x80\xAF"},  // a narrow no-break space, three bytes
      {"xx_NOWHERE.UTF-8", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    LocaleScope scope(c.locale);
    PosixLocale locale;
    EXPECT_EQ(locale.Text(LocaleItem::DecimalSeparator), c.decimal) << c.locale;
    EXPECT_EQ(locale.Text(LocaleItem::ThousandsSeparator), c.thousands) << c.locale;
  }
}

TEST(PosixConsole, ReportTextFollowsTheLocalesCharacterSet) {
  {
    LocaleScope scope("C.UTF-8");
    PosixConsole console;
    EXPECT_EQ(console.ToOemText("Integer\xFC" "berlauf"), "Integer\xC3\xBC" "berlauf");
  }
  {
    LocaleScope scope("C");
    PosixConsole console;
    EXPECT_EQ(console.ToOemText("Integer\xFC" "berlauf"), "Integer\xFC" "berlauf");
  }
}

// On a UTF-8 terminal the code page text goes out as UTF-8 and typed UTF-8
// comes in as code page bytes; the child reports what it read on stderr.
TEST(PosixConsole, TerminalSpeaksUtf8) {
  termios raw{};
  ::cfmakeraw(&raw);
  int master = -1;
  const pid_t pid = ::forkpty(&master, nullptr, &raw, nullptr);
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    PosixConsole console;
    if (!console.OutputIsConsole()) ::_exit(2);
    console.WriteOutput("K\xFCrzel|");
    std::string line;
    char buffer[4];
    std::size_t received = 0;
    while (line.find('\n') == std::string::npos &&
           console.ReadInput(buffer, sizeof buffer, received) == 0 && received > 0) {
      line.append(buffer, received);
    }
    std::string hex = "IN:";
    for (const unsigned char c : line) {
      hex += "0123456789ABCDEF"[c >> 4];
      hex += "0123456789ABCDEF"[c & 15];
    }
    console.WriteError(hex + "|");
    ::_exit(0);
  }
  const std::string typed = "J\xC3\xBCrgen \xE2\x82\xAC \xE6\x97\xA5\n";  // ü, euro sign, a CJK character
  ASSERT_EQ(::write(master, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));
  std::string seen;
  char buffer[256];
  for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) seen.append(buffer, n);
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::close(master);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_NE(seen.find("K\xC3\xBCrzel|"), std::string::npos) << seen;
  // J ü r g e n, blank, euro (0x80), blank, "?" for the CJK character, LF.
  EXPECT_NE(seen.find("IN:4AFC7267656E2080203F0A|"), std::string::npos) << seen;
}

// The real estimate on this machine lies near the rate the system reports.
TEST(PosixScheduler, RealEstimateIsNearTheReportedClockRate) {
  std::ifstream cpuinfo("/proc/cpuinfo");
  double reported = 0;
  for (std::string line; std::getline(cpuinfo, line);) {
    if (line.rfind("cpu MHz", 0) == 0) {
      reported = std::stod(line.substr(line.find(':') + 1));
      break;
    }
  }
  if (reported == 0) GTEST_SKIP() << "the system reports no clock rate";
  PosixScheduler scheduler;
  const std::int32_t threadPriority = scheduler.GetThreadPriority();
  const std::uint32_t priorityClass = scheduler.GetPriorityClass();
  const auto estimate = static_cast<double>(ProcessorClockMHz(scheduler));
  EXPECT_GT(estimate, reported * 0.75);
  EXPECT_LT(estimate, reported * 1.25);
  EXPECT_EQ(scheduler.GetThreadPriority(), threadPriority);
  EXPECT_EQ(scheduler.GetPriorityClass(), priorityClass);
}

}  // namespace
}  // namespace datacomp::platform
