#include <nlohmann/json.hpp>

#include "report/outputs.h"

namespace datacomp::report {

std::string JsonExport(const Evaluation& evaluation, const std::vector<SkippedRecord>& skipped) {
  nlohmann::ordered_json root;
  root["datensaetze"] = evaluation.records;
  nlohmann::ordered_json machines = nlohmann::ordered_json::array();
  for (const MachineResult& machine : evaluation.machines) {
    nlohmann::ordered_json entry;
    entry["hersteller"] = machine.fields[0];
    entry["prozessor"] = machine.fields[1];
    entry["takt_mhz"] = machine.fields[2];  // as recorded, in the writer's number format
    entry["prozessoren"] = machine.fields[3];
    entry["betriebssystem"] = machine.fields[4];
    entry["kuerzel"] = machine.initials;
    entry["weitere_kuerzel"] = machine.moreInitials;
    entry["datensaetze"] = machine.records;
    nlohmann::ordered_json types = nlohmann::ordered_json::array();
    for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
      const TypeResult& type = machine.types[t];
      nlohmann::ordered_json result;
      result["typ"] = kRecordTypes[t].name;
      result["gruppe"] = GroupName(kRecordTypes[t].group);
      result["median_s"] = type.medianSeconds;
      result["anzahl"] = type.count;
      result["variationskoeffizient"] = type.variation;
      result["instabil"] = type.unstable;
      result["verhaeltnis"] = type.ratio ? nlohmann::ordered_json(*type.ratio) : nullptr;
      result["tempo"] = type.speed ? nlohmann::ordered_json(*type.speed) : nullptr;
      types.push_back(std::move(result));
    }
    entry["typen"] = std::move(types);
    machines.push_back(std::move(entry));
  }
  root["maschinen"] = std::move(machines);
  nlohmann::ordered_json skippedList = nlohmann::ordered_json::array();
  for (const SkippedRecord& record : skipped) {
    skippedList.push_back({{"datei", record.source}, {"zeile", record.line}, {"grund", record.reason}});
  }
  root["uebersprungen"] = std::move(skippedList);
  // Invalid UTF-8 cannot arise (the records are converted from code page
  // 1252), but a broken byte must never make the export fail.
  return root.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace datacomp::report
