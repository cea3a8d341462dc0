#include "driver/time_of_day.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"

namespace datacomp {
namespace {

TEST(TimeOfDay, FractionOfTheDay) {
  platform::FakePlatform fake;
  fake.now = {0, 0, 0, 0};
  EXPECT_EQ(TimeOfDay(fake), 0.0);
  fake.now = {12, 0, 0, 0};
  EXPECT_EQ(TimeOfDay(fake), 0.5);
  fake.now = {6, 0, 0, 0};
  EXPECT_EQ(TimeOfDay(fake), 0.25);
  fake.now = {23, 59, 59, 999};
  EXPECT_EQ(TimeOfDay(fake), static_cast<double>(86399999.0L / 86400000.0L));
  fake.now = {0, 0, 0, 1};
  EXPECT_EQ(TimeOfDay(fake), static_cast<double>(1.0L / 86400000.0L));
}

TEST(ElapsedSeconds, FromTwo32BitReadings) {
  // From 12:00 on a reading is a multiple of 2^-24 day.
  const float start = 0.5f;
  const float end = 0.5f + 0x1p-24f;
  EXPECT_EQ(ElapsedSecondsBetween(start, end), static_cast<float>(86400.0L / 16777216.0L));
  EXPECT_EQ(ElapsedSecondsBetween(start, start), 0.0f);
  // One millisecond apart, but one 32-bit step: about 5.15 ms.
  const auto a = static_cast<float>(43200000.0 / 86400000.0);
  const auto b = static_cast<float>(43200001.0 / 86400000.0);
  EXPECT_EQ(ElapsedSecondsBetween(a, b), 0.0f);
}

TEST(ElapsedSeconds, RunOverMidnightEndsOnTheNextDay) {
  const auto start = static_cast<float>(86390000.0 / 86400000.0);  // 23:59:50
  const auto end = static_cast<float>(5000.0 / 86400000.0);       // 00:00:05
  const float elapsed = ElapsedSecondsBetween(start, end);
  EXPECT_GT(elapsed, 14.9f);
  EXPECT_LT(elapsed, 15.1f);
}

}  // namespace
}  // namespace datacomp
