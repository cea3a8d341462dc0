#include "report/outputs.h"

#include <csv.h>
#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "report_fixtures.h"

namespace datacomp::report {
namespace {

Evaluation FixtureEvaluation(const char* name, std::vector<SkippedRecord>* skipped = nullptr) {
  MachineTable table;
  std::vector<SkippedRecord> ignored;
  std::ifstream file(testing::Fixture(name), std::ios::binary);
  ResultsReader(table, skipped != nullptr ? *skipped : ignored).Read(file, name);
  return Evaluate(table);
}

// The rows of a CSV text, as a CSV reader (libcsv) sees them.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  struct Rows {
    std::vector<std::vector<std::string>> rows{{}};
  } rows;
  csv_parser parser;
  EXPECT_EQ(csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI), 0);
  const auto field = [](void* data, std::size_t size, void* sink) {
    static_cast<Rows*>(sink)->rows.back().emplace_back(static_cast<char*>(data), size);
  };
  const auto row = [](int, void* sink) { static_cast<Rows*>(sink)->rows.emplace_back(); };
  EXPECT_EQ(csv_parse(&parser, text.data(), text.size(), field, row, &rows), text.size())
      << csv_strerror(csv_error(&parser));
  EXPECT_EQ(csv_fini(&parser, field, row, &rows), 0);
  csv_free(&parser);
  rows.rows.pop_back();  // after the last line end
  return rows.rows;
}

TEST(CsvExport, OneRowPerMachineAndTypeReadBackByACsvReader) {
  const Evaluation evaluation = FixtureEvaluation("several_machines.txt");
  const auto rows = CsvRows(CsvExport(evaluation));
  ASSERT_EQ(rows.size(), 1 + 3 * 16u);
  EXPECT_EQ(rows[0].size(), 16u);
  EXPECT_EQ(rows[0][10], "Median (s)");
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_EQ(rows[i].size(), 16u) << i;
  // A name with a comma stays one field.
  EXPECT_EQ(rows[1][1], "GenuineIntel");
  EXPECT_EQ(rows[1][8], "Real");
  EXPECT_EQ(rows[1][10], "2.0000");
  EXPECT_EQ(rows[33][6], "Jürgen");
  EXPECT_EQ(rows[32][8], "Int64");
  EXPECT_EQ(rows[32][13], "ja") << "Int64 of the second machine is unstable";
}

TEST(CsvExport, QuotesWhatWouldSplitAField) {
  MachineTable table;
  RecordTimes times;
  times.fill(10000);
  table.Add({"Ven,dor", "Na\"me", "1", "1", "Sys"}, "a", times);
  const auto rows = CsvRows(CsvExport(Evaluate(table)));
  ASSERT_EQ(rows.size(), 17u);
  EXPECT_EQ(rows[1][1], "Ven,dor");
  EXPECT_EQ(rows[1][2], "Na\"me");
}

TEST(JsonExport, ParsedBackByAJsonParser) {
  std::vector<SkippedRecord> skipped;
  const Evaluation evaluation = FixtureEvaluation("cut_records.txt", &skipped);
  const auto json = nlohmann::json::parse(JsonExport(evaluation, skipped));
  EXPECT_EQ(json["datensaetze"], 2);
  ASSERT_EQ(json["maschinen"].size(), 2u);
  const auto& intel = json["maschinen"][0];
  EXPECT_EQ(intel["hersteller"], "GenuineIntel");
  ASSERT_EQ(intel["typen"].size(), 16u);
  EXPECT_EQ(intel["typen"][0]["typ"], "Real");
  EXPECT_DOUBLE_EQ(intel["typen"][0]["median_s"].get<double>(), 2.0);
  EXPECT_EQ(intel["typen"][0]["verhaeltnis"], 1.0);
  EXPECT_EQ(json["uebersprungen"].size(), 5u);
  EXPECT_EQ(json["uebersprungen"][0]["zeile"], 3);
}

TEST(MarkdownExport, ATableRowPerType) {
  const std::string markdown = MarkdownExport(FixtureEvaluation("several_machines.txt"));
  std::size_t rows = 0;
  for (std::size_t at = 0; (at = markdown.find("\n| ", at)) != std::string::npos; ++at) ++rows;
  EXPECT_EQ(rows, 17u);  // the header and sixteen types
  EXPECT_NE(markdown.find("| Int64 |"), std::string::npos);
  EXPECT_NE(markdown.find("0.5400 !"), std::string::npos) << "the unstable mark";
}

TEST(TerminalTable, TheUsersSeparators) {
  NumberStyle german;
  german.decimal = ",";
  german.thousands = ".";
  const std::string table = TerminalTable(FixtureEvaluation("several_machines.txt"), german);
  EXPECT_NE(table.find("2,0000"), std::string::npos);
  EXPECT_EQ(table.find("2.0000"), std::string::npos);
  EXPECT_NE(table.find("Kürzel: Jürgen"), std::string::npos);
  EXPECT_EQ(FormatFixed(1234567.891, 4, german), "1.234.567,8910");
}

// Parses as XML and counts the elements named `name`.
int CountElements(const tinyxml2::XMLElement* element, const char* name) {
  int count = std::string(element->Name()) == name ? 1 : 0;
  for (auto* child = element->FirstChildElement(); child; child = child->NextSiblingElement()) {
    count += CountElements(child, name);
  }
  return count;
}

TEST(SvgChart, WellFormedWithABarPerMachineAndType) {
  const std::string svg = SvgChart(FixtureEvaluation("several_machines.txt"));
  tinyxml2::XMLDocument document;
  ASSERT_EQ(document.Parse(svg.c_str()), tinyxml2::XML_SUCCESS) << document.ErrorStr();
  // One bar per machine and type, a swatch per machine, the background.
  EXPECT_EQ(CountElements(document.RootElement(), "rect"), 3 * 16 + 3 + 1);
  EXPECT_NE(svg.find("lineare Skala"), std::string::npos);
}

TEST(SvgChart, LogarithmicWhereTheValuesSpanMoreThanAFactorOf100) {
  MachineTable table;
  RecordTimes times;
  times.fill(1000);
  times[0] = 200000;  // 20 s against 0.1 s
  table.Add({"V", "N<&>", "1", "1", "S"}, "", times);
  const std::string svg = SvgChart(Evaluate(table));
  tinyxml2::XMLDocument document;
  ASSERT_EQ(document.Parse(svg.c_str()), tinyxml2::XML_SUCCESS) << document.ErrorStr();
  EXPECT_NE(svg.find("logarithmische Skala"), std::string::npos);
}

TEST(SvgChart, RenderedToPngByARealRenderer) {
  const std::string directory = ::testing::TempDir();
  const std::string svgPath = directory + "/datacomp-chart.svg";
  const std::string pngPath = directory + "/datacomp-chart.png";
  std::ofstream(svgPath, std::ios::binary) << SvgChart(FixtureEvaluation("several_machines.txt"));
  std::remove(pngPath.c_str());
  ASSERT_EQ(std::system(("rsvg-convert -o '" + pngPath + "' '" + svgPath + "'").c_str()), 0);
  std::ifstream png(pngPath, std::ios::binary);
  char signature[8] = {};
  png.read(signature, sizeof signature);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST(HtmlPage, HoldsTheChartAndTheTable) {
  const std::string html = HtmlPage(FixtureEvaluation("several_machines.txt"));
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html.find("<svg"), std::string::npos);
  EXPECT_EQ(html.find("<?xml"), std::string::npos);
  EXPECT_NE(html.find("<table>"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
}

}  // namespace
}  // namespace datacomp::report
