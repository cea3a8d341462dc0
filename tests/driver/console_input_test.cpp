#include "driver/console_input.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

struct LineCase {
  const char* name;
  std::string input;
  std::string initials;    // the first line's first 8 characters
  std::string secondLine;  // what the next read finds
};

TEST(ConsoleInput, InitialsLines) {
  const LineCase cases[] = {
      {"plain LF", "ABC\nrest\n", "ABC", "rest"},
      {"CR LF", "ABC\r\nrest\r\n", "ABC", "rest"},
      {"empty line", "\r\nrest\r\n", "", "rest"},
      {"longer than 8", "ABCDEFGHIJKL\r\nrest\r\n", "ABCDEFGH", "rest"},
      {"exactly 8", "ABCDEFGH\nrest", "ABCDEFGH", "rest"},
      {"end of input at once", "", "", ""},
      {"end of input inside the line", "AB", "AB", ""},
      {"0x1A ends the input", "AB\x1A" "CD\r\nrest\r\n", "AB", ""},
      {"0x1A at the start", "\x1A" "ABC\n", "", ""},
      {"lone CR is a character", "A\rB\nrest\n", "A\rB", "rest"},
      {"semicolon kept", "A;B\n", "A;B", ""},
      {"code page bytes kept", "\xFC\xE4\n", "\xFC\xE4", ""},
  };
  for (const LineCase& c : cases) {
    platform::FakePlatform fake;
    fake.input = c.input;
    ConsoleInput input(fake);
    EXPECT_EQ(input.ReadLine(8), c.initials) << c.name;
    EXPECT_EQ(input.ReadLine(100), c.secondLine) << c.name;
  }
}

TEST(ConsoleInput, VeryLongLineIsReadPieceByPieceInConstantMemory) {
  platform::FakePlatform fake;
  fake.input = std::string(1000000, 'x') + "\r\nnext\r\n";
  fake.inputChunk = 7;  // also splits the CR LF across reads
  ConsoleInput input(fake);
  EXPECT_EQ(input.ReadLine(8), "xxxxxxxx");
  EXPECT_EQ(input.ReadLine(8), "next");
  EXPECT_GT(fake.inputReads, 1000000u / 7);
}

TEST(ConsoleInput, AfterTheEndEveryReadFindsTheEndAtOnce) {
  platform::FakePlatform fake;
  fake.input = "\x1A" "more\n";
  ConsoleInput input(fake);
  EXPECT_EQ(input.ReadLine(8), "");
  const std::size_t reads = fake.inputReads;
  EXPECT_EQ(input.ReadLine(0), "");
  EXPECT_EQ(fake.inputReads, reads);
}

TEST(ConsoleInput, FailedReadIsAnInOutError) {
  platform::FakePlatform fake;
  fake.inputError = 6;
  ConsoleInput input(fake);
  const auto error = testing::ErrorOf([&] { input.ReadLine(8); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Kind(), ErrorKind::InOutError);
  EXPECT_EQ(error->InOutCode(), 6);
}

}  // namespace
}  // namespace datacomp
