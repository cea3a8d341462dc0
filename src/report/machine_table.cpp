#include "report/machine_table.h"

#include "platform/codepage1252.h"

namespace datacomp::report {

void MachineTable::Add(const std::array<std::string_view, kMachineFields>& fields,
                       std::string_view initials, const RecordTimes& times) {
  std::string key;
  for (const std::string_view field : fields) {
    key.append(field);
    key += ';';  // never inside a field
  }
  auto [it, inserted] = index_.try_emplace(std::move(key), machines_.size());
  if (inserted) {
    MachineData& machine = machines_.emplace_back();
    for (std::size_t i = 0; i < kMachineFields; ++i) {
      machine.fields[i] = platform::Cp1252ToUtf8(fields[i]);
    }
  }
  MachineData& machine = machines_[it->second];
  ++machine.records;
  ++records_;
  for (std::size_t i = 0; i < times.size(); ++i) machine.times[i].push_back(times[i]);
  std::string name = platform::Cp1252ToUtf8(initials);
  if (machine.initials.count(name) == 0) {
    if (machine.initials.size() < kMaxInitials) {
      machine.initials.insert(std::move(name));
    } else {
      ++machine.moreInitials;
    }
  }
}

}  // namespace datacomp::report
