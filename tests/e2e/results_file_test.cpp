// The results file as users meet it: created, appended to, held against a
// second execution, and the failures that end an execution at its open or
// at a block write.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <regex>
#include <string>

#include "e2e/program_runner.h"

namespace datacomp::e2e {
namespace {

// The report of an input/output error with a message (a regex) on standard
// error, the empty line after it included.
::testing::AssertionResult IsInOutReport(const std::string& error, const std::string& message) {
  const std::regex report("Exception EInOutError in Modul " + ProgramName() +
                          " bei [0-9A-F]{8}\\.\r\n" + message + "\r\n\r\n");
  if (std::regex_match(error, report)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "report: " << error;
}

int FieldCount(const std::string& record) {
  int count = 0;
  for (const char c : record) count += c == ';';
  return count;
}

TEST(ResultsFile, CreatedThenHeldAgainstASecondExecutionThenAppendedTo) {
  const std::string directory = MakeWorkDirectory();
  const std::string file = directory + "/datacomp.txt";
  {
    RunningProgram first(directory);
    first.Type("ONE\r\n");
    ASSERT_TRUE(first.WaitForOutputEnding("ENTER zum Beenden", 600));

    const std::string before = ReadFile(file);
    const Outcome second = RunToEnd(directory, "TWO\r\n\r\n");
    EXPECT_EQ(second.exitStatus, 1);
    EXPECT_EQ(second.output, "") << "it ends before the banner";
    EXPECT_TRUE(IsInOutReport(second.error, "E/A-Fehler 32\\."));
    EXPECT_EQ(ReadFile(file), before) << "the second execution leaves the file untouched";

    first.Type("\r\n");
    const Outcome outcome = first.Finish();
    EXPECT_EQ(outcome.exitStatus, 0);
  }
  const std::string firstRecord = ReadFile(file);
  EXPECT_EQ(FieldCount(firstRecord), 22);
  EXPECT_EQ(firstRecord.back(), ';') << "no line end after the record";
  EXPECT_EQ(firstRecord.find("\r\n"), std::string::npos) << "it starts at the first byte";
  EXPECT_NE(firstRecord.find(";ONE;"), std::string::npos);

  const Outcome third = RunToEnd(directory, "THREE\r\n\r\n");
  EXPECT_EQ(third.exitStatus, 0);
  const std::string both = ReadFile(file);
  ASSERT_GT(both.size(), firstRecord.size() + 2);
  EXPECT_EQ(both.substr(0, firstRecord.size() + 2), firstRecord + "\r\n");
  const std::string thirdRecord = both.substr(firstRecord.size() + 2);
  EXPECT_EQ(FieldCount(thirdRecord), 22);
  EXPECT_NE(thirdRecord.find(";THREE;"), std::string::npos);
  EXPECT_EQ(thirdRecord.back(), ';');
}

TEST(ResultsFile, DirectoryOfThatNameEndsTheExecutionBeforeTheBanner) {
  const std::string directory = MakeWorkDirectory();
  ASSERT_EQ(::mkdir((directory + "/datacomp.txt").c_str(), 0755), 0);
  const Outcome outcome = RunToEnd(directory, "AB\r\n\r\n");
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.output, "");
  EXPECT_TRUE(IsInOutReport(outcome.error, "Dateizugriff verweigert\\."));
  // The code location is an offset in the image: the same at every run.
  EXPECT_EQ(RunToEnd(directory, "AB\r\n\r\n").error, outcome.error);
}

TEST(ResultsFile, ReadOnlyFileEndsTheExecutionBeforeTheBannerAndStaysAsItWas) {
  const std::string directory = MakeWorkDirectory();
  const std::string file = directory + "/datacomp.txt";
  WriteFile(file, "earlier;record;");
  // Immutable even for root, who ignores the permission bits.
  if (std::system(("chattr +i '" + file + "' 2>/dev/null").c_str()) != 0) {
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    if (::geteuid() == 0) GTEST_SKIP() << "no way to make a file read-only for root here";
  }
  const Outcome outcome = RunToEnd(directory, "AB\r\n\r\n");
  std::system(("chattr -i '" + file + "' 2>/dev/null").c_str());
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_EQ(outcome.output, "");
  EXPECT_TRUE(IsInOutReport(outcome.error, "Dateizugriff verweigert\\."));
  EXPECT_EQ(ReadFile(file), "earlier;record;");
}

TEST(ResultsFile, FullDiskEndsTheExecutionAtTheFirstBlockWrite) {
  const std::string directory = MakeWorkDirectory();
  ASSERT_EQ(::symlink("/dev/full", (directory + "/datacomp.txt").c_str()), 0);
  const Outcome outcome = RunToEnd(directory, "AB\r\n\r\n");
  EXPECT_EQ(outcome.exitStatus, 1);
  EXPECT_TRUE(IsInOutReport(outcome.error, "E/A-Fehler 112\\."));
  EXPECT_EQ(outcome.output.rfind("Benchmarktool", 0), 0u) << "the banner was shown";
  EXPECT_EQ(outcome.output.find("ENTER zum Beenden"), std::string::npos);
}

TEST(ResultsFile, InterruptedExecutionLeavesWholeBlocksOnly) {
  const std::string directory = MakeWorkDirectory();
  const std::string file = directory + "/datacomp.txt";
  RunningProgram program(directory);
  program.Type("CC\r\n");
  struct stat st {};
  for (int i = 0; i < 1200 && (::stat(file.c_str(), &st) != 0 || st.st_size == 0); ++i) {
    ::usleep(50000);
  }
  ASSERT_EQ(st.st_size, 128) << "the first block reached the file";
  program.Signal(SIGINT);
  const Outcome outcome = program.Finish();
  // The exit status is the system's own (Wine's is 0); the run was cut short.
  EXPECT_EQ(outcome.output.find("ENTER zum Beenden"), std::string::npos);
  EXPECT_EQ(outcome.error, "") << "no report for Ctrl+C";
  const std::string bytes = ReadFile(file);
  EXPECT_EQ(bytes.size() % 128, 0u);
  EXPECT_GE(FieldCount(bytes), 6) << bytes;
}

}  // namespace
}  // namespace datacomp::e2e
