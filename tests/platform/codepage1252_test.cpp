#include "platform/codepage1252.h"

#include <gtest/gtest.h>

namespace datacomp::platform {
namespace {

TEST(Cp1252ToUtf8, EachRangeOfTheCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("Ihr K\xFCrzel"), "Ihr K\xC3\xBCrzel");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");       // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");           // Y with diaeresis
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");           // undefined: the C1 control
  EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\xC2\xA0\xC3\xBF");
  EXPECT_EQ(Cp1252ToUtf8("abc\r\n"), "abc\r\n");
}

TEST(Utf8ToCp1252, EveryByteOfTheCodePageComesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  Utf8ToCp1252Decoder decoder;
  std::string back;
  decoder.Decode(Cp1252ToUtf8(all), back);
  decoder.Finish(back);
  EXPECT_EQ(back, all);
}

TEST(Utf8ToCp1252, CharactersTheCodePageLacksAndBrokenSequences) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xE6\x97\xA5", "?"},            // a CJK character
      {"\xF0\x9F\x98\x80", "?"},        // an emoji
      {"\xC3", "?"},                    // cut off at the end
      {"\xC3" "A", "?A"},               // broken off by an ASCII byte
      {"\xBF", "?"},                    // stray continuation byte
      {"J\xC3\xBCrgen", "J\xFCrgen"},
  };
  for (const auto& [utf8, expected] : cases) {
    Utf8ToCp1252Decoder decoder;
    std::string out;
    decoder.Decode(utf8, out);
    decoder.Finish(out);
    EXPECT_EQ(out, expected);
  }
}

TEST(Utf8ToCp1252, CharacterSplitAcrossPieces) {
  Utf8ToCp1252Decoder decoder;
  std::string out;
  decoder.Decode("K\xC3", out);
  EXPECT_EQ(out, "K");
  decoder.Decode("\xBCrzel", out);
  EXPECT_EQ(out, "K\xFCrzel");
}

}  // namespace
}  // namespace datacomp::platform
