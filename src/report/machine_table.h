// The records read so far, gathered by machine (the first five fields equal),
// with every time of every type kept for the statistics.
#pragma once

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "driver/record_layout.h"
#include "report/time_text.h"

namespace datacomp::report {

using MachineFields = std::array<std::string, kMachineFields>;
using RecordTimes = std::array<Ticks, kRecordTypes.size()>;

struct MachineData {
  MachineFields fields;                 // UTF-8
  std::set<std::string> initials;       // UTF-8, the first kMaxInitials distinct ones
  std::size_t moreInitials = 0;         // distinct ones beyond those
  std::size_t records = 0;
  std::array<std::vector<Ticks>, kRecordTypes.size()> times;
};

class MachineTable {
 public:
  static constexpr std::size_t kMaxInitials = 50;

  // Fields and initials as the file holds them: code page 1252.
  void Add(const std::array<std::string_view, kMachineFields>& fields, std::string_view initials,
           const RecordTimes& times);

  std::vector<MachineData>& Machines() { return machines_; }
  std::size_t Records() const { return records_; }

 private:
  std::unordered_map<std::string, std::size_t> index_;  // the raw fields, joined
  std::vector<MachineData> machines_;                   // in the order first seen
  std::size_t records_ = 0;
};

}  // namespace datacomp::report
