#include "report/evaluation.h"

#include <gtest/gtest.h>

#include "report/machine_table.h"

namespace datacomp::report {
namespace {

RecordTimes Times(Ticks real, Ticks others, Ticks integer) {
  RecordTimes times;
  times.fill(others);
  times[0] = real;     // Real
  times[6] = integer;  // Integer
  return times;
}

void Add(MachineTable& table, const char* vendor, const RecordTimes& times, const char* initials = "") {
  table.Add({vendor, "Name", "3000", "2", "System"}, initials, times);
}

TEST(Evaluation, MedianOfAnOddAndAnEvenCount) {
  MachineTable table;
  for (const Ticks real : {30000, 10000, 20000}) Add(table, "A", Times(real, 10000, 10000));
  for (const Ticks real : {40000, 10000, 20000, 30000}) Add(table, "B", Times(real, 10000, 10000));
  const Evaluation evaluation = Evaluate(table);
  ASSERT_EQ(evaluation.machines.size(), 2u);
  EXPECT_DOUBLE_EQ(evaluation.machines[0].types[0].medianSeconds, 2.0);
  EXPECT_DOUBLE_EQ(evaluation.machines[1].types[0].medianSeconds, 2.5);
  EXPECT_EQ(evaluation.machines[1].types[0].count, 4u);
  EXPECT_EQ(evaluation.records, 7u);
}

TEST(Evaluation, SpreadMarksUnstableFromFivePercentOn) {
  MachineTable table;
  // Sample standard deviation over the mean: 9500, 10000, 10500 give exactly 5 %.
  for (const Ticks t : {9500, 10000, 10500}) Add(table, "A", Times(t, 10000, 10000));
  for (const Ticks t : {9501, 10000, 10499}) Add(table, "B", Times(t, 10000, 10000));
  Add(table, "C", Times(10000, 10000, 10000));
  const Evaluation evaluation = Evaluate(table);
  EXPECT_DOUBLE_EQ(evaluation.machines[0].types[0].variation, 0.05);
  EXPECT_TRUE(evaluation.machines[0].types[0].unstable);
  EXPECT_FALSE(evaluation.machines[0].types[1].unstable);
  EXPECT_FALSE(evaluation.machines[1].types[0].unstable);
  EXPECT_EQ(evaluation.machines[2].types[0].variation, 0.0);
}

TEST(Evaluation, RatioToTheGroupsReferenceAndSpeedToTheFastestMachine) {
  MachineTable table;
  Add(table, "Fast", Times(10000, 20000, 5000));
  Add(table, "Slow", Times(40000, 40000, 5000));
  const Evaluation evaluation = Evaluate(table);
  const auto& fast = evaluation.machines[0].types;
  const auto& slow = evaluation.machines[1].types;
  EXPECT_DOUBLE_EQ(*fast[0].ratio, 1.0);
  EXPECT_DOUBLE_EQ(*fast[1].ratio, 2.0);  // Real48 against Real
  EXPECT_DOUBLE_EQ(*fast[7].ratio, 4.0);  // Byte against Integer
  EXPECT_DOUBLE_EQ(*fast[0].speed, 1.0);
  EXPECT_DOUBLE_EQ(*slow[0].speed, 0.25);
  EXPECT_DOUBLE_EQ(*slow[1].speed, 0.5);
  EXPECT_DOUBLE_EQ(*slow[6].speed, 1.0);  // equally fast
}

TEST(Evaluation, ZeroTimesHaveNoRatioOrSpeed) {
  MachineTable table;
  Add(table, "A", Times(0, 10000, 0));
  const Evaluation evaluation = Evaluate(table);
  EXPECT_FALSE(evaluation.machines[0].types[1].ratio.has_value());
  EXPECT_FALSE(evaluation.machines[0].types[0].speed.has_value());
  EXPECT_DOUBLE_EQ(*evaluation.machines[0].types[1].speed, 1.0);
}

TEST(Evaluation, AnyDifferentMachineFieldMakesAnotherMachine) {
  MachineTable table;
  const RecordTimes times = Times(10000, 10000, 10000);
  table.Add({"V", "N", "3000", "2", "S"}, "a", times);
  table.Add({"V", "N", "3000", "2", "S"}, "b", times);
  table.Add({"V", "N", "3001", "2", "S"}, "a", times);
  table.Add({"V", "N", "3000", "4", "S"}, "a", times);
  table.Add({"V", "N", "3000", "2", "S2"}, "a", times);
  const Evaluation evaluation = Evaluate(table);
  ASSERT_EQ(evaluation.machines.size(), 4u);
  EXPECT_EQ(evaluation.machines[0].records, 2u);
  EXPECT_EQ(evaluation.machines[0].initials, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace datacomp::report
