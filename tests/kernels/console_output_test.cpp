#include "kernels/console_output.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake_platform.h"
#include "support/expect_error.h"

namespace datacomp {
namespace {

TEST(ConsoleOutput, ConsoleReceivesEveryPieceAtOnce) {
  platform::FakePlatform fake;
  fake.outputIsConsole = true;
  ConsoleOutput output;
  output.Attach(fake);
  output.Write("Hersteller : ");
  output.Write("x\r\n");
  EXPECT_EQ(fake.outputWrites, (std::vector<std::string>{"Hersteller : ", "x\r\n"}));
}

TEST(ConsoleOutput, RedirectedOutputGoesOutInBlocksOf128AndTheRestAtTheEnd) {
  platform::FakePlatform fake;
  ConsoleOutput output;
  output.Attach(fake);
  const std::string text(300, 'a');
  output.Write(text.substr(0, 100));
  EXPECT_TRUE(fake.outputWrites.empty());
  output.Write(text.substr(100, 28));  // exactly fills the first block
  ASSERT_EQ(fake.outputWrites.size(), 1u);
  output.Write(text.substr(128));
  ASSERT_EQ(fake.outputWrites.size(), 2u);
  output.Flush();
  ASSERT_EQ(fake.outputWrites.size(), 3u);
  EXPECT_EQ(fake.outputWrites[0].size(), 128u);
  EXPECT_EQ(fake.outputWrites[1].size(), 128u);
  EXPECT_EQ(fake.outputWrites[2].size(), 44u);
  EXPECT_EQ(fake.output, text);
  output.Flush();  // nothing left: no empty write
  EXPECT_EQ(fake.outputWrites.size(), 3u);
}

TEST(ConsoleOutput, FailedBlockWriteRaisesTheInOutErrorWithTheSystemCode) {
  platform::FakePlatform fake;
  fake.failOutputWriteAt = 0;
  fake.outputWriteError = 112;
  ConsoleOutput output;
  output.Attach(fake);
  output.Write(std::string(127, 'a'));
  const auto error = testing::ErrorOf([&] { output.Write("bc"); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->Kind(), ErrorKind::InOutError);
  EXPECT_EQ(error->InOutCode(), 112);
}

}  // namespace
}  // namespace datacomp
