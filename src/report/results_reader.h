// Reads results files as the benchmark writes them: records separated by
// CR LF, 22 fields each ended by ";", code page 1252. A record that cannot
// be used is listed with its place and the reason; the rest is evaluated.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "report/machine_table.h"

namespace datacomp::report {

struct SkippedRecord {
  std::string source;  // the file's name, or "-" for standard input
  std::size_t line;    // counted from 1
  std::string reason;
};

class ResultsReader {
 public:
  ResultsReader(MachineTable& machines, std::vector<SkippedRecord>& skipped)
      : machines_(machines), skipped_(skipped) {}

  // Reads to the end of `input`; false when the input could not be read.
  bool Read(std::istream& input, const std::string& source);

  // One line without its line end.
  void Line(std::string_view line, const std::string& source, std::size_t number);

 private:
  MachineTable& machines_;
  std::vector<SkippedRecord>& skipped_;
};

}  // namespace datacomp::report
