#include "report/report_command.h"

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "report/evaluation.h"
#include "report/outputs.h"
#include "report/results_reader.h"

namespace datacomp::report {
namespace {

constexpr char kProgram[] = "datacomp-report";

struct Options {
  std::vector<std::string> files;
  std::string format = "text";
  std::string svgFile;
  std::string htmlFile;
};

void DescribeOptions(CLI::App& app, Options& options) {
  app.description(
      "Liest Ergebnisdateien des Benchmarks datacomp (datacomp.txt) und vergleicht die Maschinen "
      "darin: je Maschine und Datentyp den Median der Zeiten, die Zahl der Messungen und ihre "
      "Streuung, das Verhältnis zum Referenztyp der Gruppe und das Tempo im Vergleich zur "
      "schnellsten Maschine.\n"
      "Datensätze, die nicht ausgewertet werden können (abgebrochene Läufe, zusätzliche Felder, "
      "unlesbare Zeiten), werden mit Datei, Zeile und Grund auf der Standardfehlerausgabe "
      "genannt; der Rest wird ausgewertet.");
  app.get_formatter()->label("Usage", "Aufruf");
  app.get_formatter()->label("OPTIONS", "OPTIONEN");
  app.get_formatter()->label("Positionals", "Argumente");
  app.get_formatter()->label("Options", "Optionen");
  app.get_formatter()->label("REQUIRED", "ERFORDERLICH");
  app.set_help_flag("-h,--help", "Diese Hilfe zeigen");
  app.add_option("DATEI", options.files,
                 "Eine oder mehrere Ergebnisdateien; \"-\" liest die Standardeingabe.")
      ->required();
  app.add_option("-f,--format", options.format,
                 "Ausgabe auf der Standardausgabe: text (Tabelle mit den Zahlen-Trennzeichen der "
                 "Spracheinstellung, Vorgabe), csv, json oder markdown (UTF-8, Dezimalpunkt).")
      ->check(CLI::IsMember({"text", "csv", "json", "markdown"}));
  app.add_option("--svg", options.svgFile,
                 "Schreibt das Diagramm als eigenständige SVG-Datei: je Datentyp ein Balken je "
                 "Maschine; logarithmische Skala, wenn die Werte mehr als Faktor 100 spannen.");
  app.add_option("--html", options.htmlFile,
                 "Schreibt eine HTML-Seite mit Diagramm und Tabelle.");
}

// Reads one input; false with a message when it cannot be read.
bool ReadInput(const std::string& name, std::istream& in, ResultsReader& reader,
               std::ostream& err) {
  if (name == "-") {
    if (reader.Read(in, "-")) return true;
    err << kProgram << ": Die Standardeingabe kann nicht gelesen werden.\n";
    return false;
  }
  std::error_code error;
  if (std::filesystem::is_directory(name, error)) {
    err << fmt::format("{}: \"{}\" ist ein Verzeichnis, keine Ergebnisdatei.\n", kProgram, name);
    return false;
  }
  std::ifstream file(name, std::ios::binary);
  if (!file) {
    err << fmt::format("{}: Die Datei \"{}\" kann nicht gelesen werden: {}.\n", kProgram, name,
                       std::strerror(errno));
    return false;
  }
  if (!reader.Read(file, name)) {
    err << fmt::format("{}: Beim Lesen der Datei \"{}\" ist ein Fehler aufgetreten.\n", kProgram,
                       name);
    return false;
  }
  return true;
}

// Writes a whole file or nothing: the text goes to a temporary file that
// replaces the target only once complete.
bool WriteWholeFile(const std::string& name, const std::string& text, std::ostream& err) {
  const std::string temporary = name + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << text;
    file.flush();
    if (file) {
      file.close();
      std::error_code error;
      std::filesystem::rename(temporary, name, error);
      if (!error) return true;
    }
  }
  err << fmt::format("{}: Die Datei \"{}\" kann nicht geschrieben werden.\n", kProgram, name);
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace

int RunReportCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err) {
  CLI::App app(kProgram, kProgram);
  Options options;
  DescribeOptions(app, options);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help, out, err);
  } catch (const CLI::ParseError& error) {
    err << fmt::format("{}: {}\nHilfe: {} --help\n", kProgram, error.what(), kProgram);
    return 1;
  }

  MachineTable machines;
  std::vector<SkippedRecord> skipped;
  ResultsReader reader(machines, skipped);
  for (const std::string& name : options.files) {
    if (!ReadInput(name, in, reader, err)) return 1;
  }
  for (const SkippedRecord& record : skipped) {
    err << fmt::format("{}: übersprungen: {}, Zeile {}: {}\n", kProgram, record.source,
                       record.line, record.reason);
  }
  if (machines.Records() == 0) {
    err << kProgram << ": Keine auswertbaren Datensätze.\n";
    return 1;
  }

  Evaluation evaluation = Evaluate(machines);
  if (!options.svgFile.empty() && !WriteWholeFile(options.svgFile, SvgChart(evaluation), err)) {
    return 1;
  }
  if (!options.htmlFile.empty() && !WriteWholeFile(options.htmlFile, HtmlPage(evaluation), err)) {
    return 1;
  }
  if (options.format == "csv") {
    out << CsvExport(evaluation);
  } else if (options.format == "json") {
    out << JsonExport(evaluation, skipped);
  } else if (options.format == "markdown") {
    out << MarkdownExport(evaluation);
  } else {
    out << TerminalTable(evaluation, NumberStyle::OfUserLocale());
  }
  out.flush();
  if (!out) {
    err << kProgram << ": Die Ausgabe kann nicht geschrieben werden.\n";
    return 1;
  }
  return 0;
}

}  // namespace datacomp::report
