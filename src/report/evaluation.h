// The statistics of each machine and type: median, count, spread, and the
// comparisons the table shows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "report/machine_table.h"

namespace datacomp::report {

// A spread (coefficient of variation) from here on marks a measurement as
// unstable.
inline constexpr double kUnstableVariation = 0.05;

struct TypeResult {
  double medianSeconds = 0;
  std::size_t count = 0;
  double variation = 0;  // standard deviation / mean
  bool unstable = false;
  std::optional<double> ratio;  // to the group's reference type on the same machine
  std::optional<double> speed;  // fastest machine's median / this median
};

struct MachineResult {
  MachineFields fields;
  std::vector<std::string> initials;
  std::size_t moreInitials = 0;
  std::size_t records = 0;
  std::array<TypeResult, kRecordTypes.size()> types;
};

struct Evaluation {
  std::vector<MachineResult> machines;
  std::size_t records = 0;
};

// Takes the machines' times (they are reordered, not kept).
Evaluation Evaluate(MachineTable& table);

// "vendor name, clock MHz, count CPUs, system": how a machine is named.
std::string MachineDescription(const MachineResult& machine);

}  // namespace datacomp::report
