// The table in its three text forms: terminal, Markdown, CSV.
#include <fmt/format.h>

#include <algorithm>

#include "report/outputs.h"

namespace datacomp::report {
namespace {

constexpr int kTimeDecimals = 4;

std::string InitialsList(const MachineResult& machine) {
  std::string text;
  for (const std::string& initials : machine.initials) {
    if (!text.empty()) text += ", ";
    text += initials.empty() ? "(leer)" : initials;
  }
  if (machine.moreInitials > 0) text += fmt::format(" und {} weitere", machine.moreInitials);
  return text;
}

// Column width counted in characters, not UTF-8 bytes.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string PadLeft(const std::string& text, std::size_t width) {
  const std::size_t w = Width(text);
  return w >= width ? text : std::string(width - w, ' ') + text;
}

std::string PadRight(const std::string& text, std::size_t width) {
  const std::size_t w = Width(text);
  return w >= width ? text : text + std::string(width - w, ' ');
}

constexpr char kLegend[] =
    "Median: Median der Zeiten in Sekunden; ! = Streuung (Variationskoeffizient) von 5 % oder "
    "mehr, die Messung ist instabil.\n"
    "Verhältnis: zur Referenz der Gruppe derselben Maschine (Real für Gleitkomma, Integer für "
    "Ganzzahlen).\n"
    "Tempo: im Vergleich zur schnellsten Maschine für diesen Typ (1,00); kleiner ist langsamer.\n";

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

const char* GroupName(TypeGroup group) {
  return group == TypeGroup::FloatingPoint ? "Gleitkomma" : "Ganzzahl";
}

std::string TerminalTable(const Evaluation& evaluation, const NumberStyle& style) {
  std::string text = fmt::format("{} Datensätze von {} Maschinen\n\n", evaluation.records,
                                 evaluation.machines.size());
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    const MachineResult& machine = evaluation.machines[m];
    text += fmt::format("[{}] {}\n    Kürzel: {}; {} Datensätze\n", m + 1,
                        MachineDescription(machine), InitialsList(machine), machine.records);
  }
  constexpr std::size_t kTypeWidth = 9;
  constexpr std::size_t kColumn = 11;
  text += '\n';
  text += std::string(kTypeWidth, ' ');
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    text += " | " + PadRight(fmt::format("[{}]", m + 1), 3 * kColumn);
  }
  text += '\n';
  text += PadRight("Typ", kTypeWidth);
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    text += " | " + PadLeft("Median", kColumn) + PadLeft("Verhältnis", kColumn) +
            PadLeft("Tempo", kColumn);
  }
  text += "\n";
  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    if (t > 0 && kRecordTypes[t].group != kRecordTypes[t - 1].group) text += "\n";
    text += PadRight(kRecordTypes[t].name, kTypeWidth);
    for (const MachineResult& machine : evaluation.machines) {
      const TypeResult& type = machine.types[t];
      const std::string median = FormatFixed(type.medianSeconds, kTimeDecimals, style) +
                                 (type.unstable ? "!" : " ");
      text += " | " + PadLeft(median, kColumn) + PadLeft(FactorText(type.ratio, style), kColumn) +
              PadLeft(FactorText(type.speed, style), kColumn);
    }
    text += "\n";
  }
  return text + "\n" + kLegend;
}

std::string MarkdownExport(const Evaluation& evaluation) {
  const NumberStyle plain;
  std::string text = "# datacomp: Auswertung\n\n";
  text += fmt::format("{} Datensätze von {} Maschinen.\n\n", evaluation.records,
                      evaluation.machines.size());
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    const MachineResult& machine = evaluation.machines[m];
    text += fmt::format("{}. {} (Kürzel: {}; {} Datensätze)\n", m + 1, MachineDescription(machine),
                        InitialsList(machine), machine.records);
  }
  text += "\n| Typ |";
  std::string rule = "\n|---|";
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    text += fmt::format(" [{0}] Median (s) | [{0}] Verhältnis | [{0}] Tempo |", m + 1);
    rule += "---:|---:|---:|";
  }
  text += rule + "\n";
  for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
    text += fmt::format("| {} |", kRecordTypes[t].name);
    for (const MachineResult& machine : evaluation.machines) {
      const TypeResult& type = machine.types[t];
      text += fmt::format(" {}{} | {} | {} |",
                          FormatFixed(type.medianSeconds, kTimeDecimals, plain),
                          type.unstable ? " !" : "", FactorText(type.ratio, plain),
                          FactorText(type.speed, plain));
    }
    text += "\n";
  }
  return text + "\n" + kLegend;
}

std::string CsvExport(const Evaluation& evaluation) {
  std::string text =
      "Maschine,Hersteller,Prozessor,Takt (MHz),Prozessoren,Betriebssystem,Kürzel,Datensätze,"
      "Typ,Gruppe,Median (s),Anzahl,Variationskoeffizient,Instabil,Verhältnis,Tempo\r\n";
  for (std::size_t m = 0; m < evaluation.machines.size(); ++m) {
    const MachineResult& machine = evaluation.machines[m];
    for (std::size_t t = 0; t < kRecordTypes.size(); ++t) {
      const TypeResult& type = machine.types[t];
      text += fmt::format("{},{},{},{},{},{},{},{},{},{},{:.4f},{},{:.6f},{},{},{}\r\n", m + 1,
                          CsvField(machine.fields[0]), CsvField(machine.fields[1]),
                          CsvField(machine.fields[2]), CsvField(machine.fields[3]),
                          CsvField(machine.fields[4]), CsvField(InitialsList(machine)),
                          machine.records, kRecordTypes[t].name, GroupName(kRecordTypes[t].group),
                          type.medianSeconds, type.count, type.variation,
                          type.unstable ? "ja" : "nein",
                          type.ratio ? fmt::format("{:.6f}", *type.ratio) : "",
                          type.speed ? fmt::format("{:.6f}", *type.speed) : "");
    }
  }
  return text;
}

}  // namespace datacomp::report
