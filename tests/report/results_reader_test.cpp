#include "report/results_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "report_fixtures.h"

namespace datacomp::report {
namespace {

struct Read {
  MachineTable machines;
  std::vector<SkippedRecord> skipped;
};

void ReadFile(Read& read, const char* name) {
  std::ifstream file(testing::Fixture(name), std::ios::binary);
  ASSERT_TRUE(file) << name;
  ResultsReader reader(read.machines, read.skipped);
  ASSERT_TRUE(reader.Read(file, name));
}

TEST(ResultsReader, EachKindOfUnusableRecordIsListedAndTheRestRead) {
  Read read;
  ReadFile(read, "cut_records.txt");
  EXPECT_EQ(read.machines.Records(), 2u);
  ASSERT_EQ(read.skipped.size(), 5u);
  const std::pair<std::size_t, const char*> expected[] = {
      {3, "nur "},                        // a run cut short
      {4, "23 statt 22 Feldern"},         // ";" in a value
      {5, "Feld 10 (Double): \"2,00\""},  // no time
      {6, "negative Zeit"},
      {7, "Text nach dem 22. Feld"},
  };
  for (std::size_t i = 0; i < read.skipped.size(); ++i) {
    EXPECT_EQ(read.skipped[i].source, "cut_records.txt");
    EXPECT_EQ(read.skipped[i].line, expected[i].first);
    EXPECT_NE(read.skipped[i].reason.find(expected[i].second), std::string::npos)
        << read.skipped[i].reason;
  }
}

TEST(ResultsReader, EverySeparatorFormOnOneMachine) {
  Read read;
  ReadFile(read, "foreign_separators.txt");
  EXPECT_TRUE(read.skipped.empty());
  ASSERT_EQ(read.machines.Machines().size(), 1u);
  for (const auto& times : read.machines.Machines()[0].times) {
    ASSERT_EQ(times.size(), 8u);
    for (const Ticks t : times) EXPECT_EQ(t, 12345000);
  }
}

TEST(ResultsReader, MachinesGroupedByTheirFirstFiveFields) {
  Read read;
  ReadFile(read, "several_machines.txt");
  EXPECT_TRUE(read.skipped.empty());
  EXPECT_EQ(read.machines.Records(), 8u);
  const auto& machines = read.machines.Machines();
  ASSERT_EQ(machines.size(), 3u);
  EXPECT_EQ(machines[0].fields[0], "GenuineIntel");
  EXPECT_EQ(machines[0].records, 3u);
  EXPECT_EQ(machines[1].records, 3u);
  EXPECT_EQ(machines[2].records, 2u);
  EXPECT_EQ(machines[2].initials.count("Jürgen"), 1u) << "code page 1252 read as UTF-8";
  EXPECT_EQ(machines[0].initials.size(), 2u);
}

TEST(ResultsReader, PiecesOfAnyLengthAndALastLineWithoutLineEnd) {
  const std::string record =
      "V;N;1;1;S;I;1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;"
      "1.0000;1.0000;1.0000;1.0000;1.0000;1.0000;";
  std::string text;
  for (int i = 0; i < 5000; ++i) text += record + "\r\n";
  text += record;  // no line end after the last
  std::istringstream input(text);
  MachineTable machines;
  std::vector<SkippedRecord> skipped;
  ASSERT_TRUE(ResultsReader(machines, skipped).Read(input, "-"));
  EXPECT_TRUE(skipped.empty());
  EXPECT_EQ(machines.Records(), 5001u);
}

}  // namespace
}  // namespace datacomp::report
