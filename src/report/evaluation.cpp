#include "report/evaluation.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace datacomp::report {
namespace {

double MedianSeconds(std::vector<Ticks>& ticks) {
  const std::size_t middle = ticks.size() / 2;
  std::nth_element(ticks.begin(), ticks.begin() + middle, ticks.end());
  double median = ticks[middle];
  if (ticks.size() % 2 == 0) {
    median = (median + *std::max_element(ticks.begin(), ticks.begin() + middle)) / 2;
  }
  return median / kTicksPerSecond;
}

// Sample standard deviation over the mean; 0 for a single value.
double Variation(const std::vector<Ticks>& ticks) {
  if (ticks.size() < 2) return 0;
  double sum = 0;
  for (const Ticks t : ticks) sum += t;
  const double mean = sum / static_cast<double>(ticks.size());
  if (mean == 0) return 0;
  double squares = 0;
  for (const Ticks t : ticks) squares += (t - mean) * (t - mean);
  return std::sqrt(squares / static_cast<double>(ticks.size() - 1)) / mean;
}

std::size_t ReferenceOf(std::size_t type) {
  for (std::size_t i = 0; i < kRecordTypes.size(); ++i) {
    if (kRecordTypes[i].reference && kRecordTypes[i].group == kRecordTypes[type].group) return i;
  }
  return type;
}

}  // namespace

Evaluation Evaluate(MachineTable& table) {
  Evaluation evaluation;
  evaluation.records = table.Records();
  for (MachineData& data : table.Machines()) {
    MachineResult& machine = evaluation.machines.emplace_back();
    machine.fields = data.fields;
    machine.initials.assign(data.initials.begin(), data.initials.end());
    machine.moreInitials = data.moreInitials;
    machine.records = data.records;
    for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
      TypeResult& result = machine.types[t];
      result.count = data.times[t].size();
      result.variation = Variation(data.times[t]);
      result.unstable = result.variation >= kUnstableVariation;
      result.medianSeconds = MedianSeconds(data.times[t]);
    }
    for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
      const double reference = machine.types[ReferenceOf(t)].medianSeconds;
      if (reference > 0) machine.types[t].ratio = machine.types[t].medianSeconds / reference;
    }
  }
  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    double fastest = 0;
    for (const MachineResult& machine : evaluation.machines) {
      const double median = machine.types[t].medianSeconds;
      if (median > 0 && (fastest == 0 || median < fastest)) fastest = median;
    }
    for (MachineResult& machine : evaluation.machines) {
      const double median = machine.types[t].medianSeconds;
      if (median > 0) machine.types[t].speed = fastest / median;
    }
  }
  return evaluation;
}

std::string MachineDescription(const MachineResult& machine) {
  return fmt::format("{} {}, {} MHz, {} Prozessoren, {}", machine.fields[0], machine.fields[1],
                     machine.fields[2], machine.fields[3], machine.fields[4]);
}

}  // namespace datacomp::report
