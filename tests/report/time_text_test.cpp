#include "report/time_text.h"

#include <gtest/gtest.h>

namespace datacomp::report {
namespace {

TEST(TimeText, EveryLocalesSeparators) {
  const std::pair<const char*, Ticks> cases[] = {
      {"0.1234", 1234},          {"0,1234", 1234},          {"1.3081", 13081},
      {"1,234.5000", 12345000},  {"1.234,5000", 12345000},  {"1 234,5000", 12345000},
      {"1'234.5000", 12345000},  {"1\xA0" "234,5000", 12345000},
      {"1234.5000", 12345000},   {"12345000", 12345000},    {"01234", 1234},
      {"214,748.3647", 2147483647},
  };
  for (const auto& [text, ticks] : cases) {
    const auto parsed = ParseTimeText(text);
    ASSERT_TRUE(std::holds_alternative<Ticks>(parsed))
        << text << ": " << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<Ticks>(parsed), ticks) << text;
  }
}

TEST(TimeText, WhatIsNoTime) {
  const char* const cases[] = {
      "",            "-0.4000",      "2,00",         "1.23",       "abc.defg",
      "1,2345.0000", "12,34.5000",   "1,234,56.0000", "1,234.567.0000", "1E0009",
      ".1234",       "1,234'567.0000", "214748.3648",
  };
  for (const char* text : cases) {
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseTimeText(text))) << text;
  }
}

}  // namespace
}  // namespace datacomp::report
