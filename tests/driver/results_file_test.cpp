#include "driver/results_file.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

using File = platform::FakePlatform::File;

TEST(ResultsFile, NewFileHoldsTheRecordFromItsFirstByte) {
  platform::FakePlatform fake;
  {
    ResultsFile results(fake);
    results.Open();
    results.Write("a;");
    results.Write("b;");
    results.Close();
  }
  EXPECT_EQ(fake.files[kResultsFileName].bytes, "a;b;");
  EXPECT_EQ(fake.closes, 1);
}

TEST(ResultsFile, ExistingFileGetsALineEndThenTheRecord) {
  const std::pair<std::string, std::string> cases[] = {
      {"old;", "old;\r\nnew;"},
      {"", "\r\nnew;"},                  // an empty file: its first line stays empty
      {"old;\r\n", "old;\r\n\r\nnew;"},  // ended by hand: an empty line between
  };
  for (const auto& [before, after] : cases) {
    platform::FakePlatform fake;
    fake.files[kResultsFileName].bytes = before;
    ResultsFile results(fake);
    results.Open();
    results.Write("new;");
    results.Close();
    EXPECT_EQ(fake.files[kResultsFileName].bytes, after);
  }
}

TEST(ResultsFile, WritesWholeBlocksAndTheRestAtTheClose) {
  platform::FakePlatform fake;
  ResultsFile results(fake);
  results.Open();
  for (int i = 0; i < 30; ++i) results.Write("0.1234;");  // 210 bytes
  ASSERT_EQ(fake.fileWrites.size(), 1u);
  EXPECT_EQ(fake.fileWrites[0].size(), 128u);
  results.Close();
  ASSERT_EQ(fake.fileWrites.size(), 2u);
  EXPECT_EQ(fake.fileWrites[1].size(), 82u);
}

TEST(ResultsFile, EndWithoutCloseLeavesWholeBlocksOnly) {
  platform::FakePlatform fake;
  fake.files[kResultsFileName].bytes = "old;";
  {
    ResultsFile results(fake);
    results.Open();
    results.Write(std::string(200, 'x'));
  }
  EXPECT_EQ(fake.files[kResultsFileName].bytes, "old;\r\n" + std::string(126, 'x'));
}

struct OpenFailure {
  const char* name;
  File file;
  int code;
};

TEST(ResultsFile, OpenFailuresRaiseTheInOutErrorWithTheSystemCode) {
  const OpenFailure cases[] = {
      {"directory", File{"", true, false, false}, 5},
      {"read-only", File{"old;", false, true, false}, 5},
      {"held by another execution", File{"old;", false, false, true}, 32},
  };
  for (const OpenFailure& c : cases) {
    platform::FakePlatform fake;
    fake.files[kResultsFileName] = c.file;
    ResultsFile results(fake);
    const auto error = testing::ErrorOf([&] { results.Open(); });
    ASSERT_TRUE(error.has_value()) << c.name;
    EXPECT_EQ(error->Kind(), ErrorKind::InOutError) << c.name;
    EXPECT_EQ(error->InOutCode(), c.code) << c.name;
    EXPECT_EQ(fake.files[kResultsFileName].bytes, c.file.bytes) << c.name;
  }
}

TEST(ResultsFile, FailedBlockWriteRaisesAtTheWriteThatFillsTheBlock) {
  platform::FakePlatform fake;
  fake.failFileWriteAt = 0;
  fake.fileWriteError = 112;
  ResultsFile results(fake);
  results.Open();
  results.Write(std::string(127, 'x'));
  const auto error = testing::ErrorOf([&] { results.Write("yz"); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->InOutCode(), 112);
  EXPECT_EQ(error->Message(), "E/A-Fehler 112");
}

TEST(ResultsFile, FailedLastWriteLeavesTheFileOpen) {
  platform::FakePlatform fake;
  fake.failFileWriteAt = 0;
  fake.fileWriteError = 112;
  ResultsFile results(fake);
  results.Open();
  results.Write("a;");
  const auto error = testing::ErrorOf([&] { results.Close(); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->InOutCode(), 112);
  EXPECT_EQ(fake.closes, 0);
}

TEST(ResultsFile, FailedCloseRaises) {
  platform::FakePlatform fake;
  fake.closeError = 5;
  ResultsFile results(fake);
  results.Open();
  results.Write("a;");
  const auto error = testing::ErrorOf([&] { results.Close(); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Message(), "Dateizugriff verweigert");
  EXPECT_EQ(fake.files[kResultsFileName].bytes, "a;");
}

}  // namespace
}  // namespace datacomp
