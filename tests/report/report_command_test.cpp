#include "report/report_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "report_fixtures.h"

namespace datacomp::report {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunReport(std::vector<std::string> arguments, const std::string& input = "") {
  arguments.insert(arguments.begin(), "datacomp-report");
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      RunReportCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
  return {status, out.str(), err.str()};
}

std::string Temporary(const char* name) { return ::testing::TempDir() + "/" + name; }

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

TEST(ReportCommand, SeveralFilesAndStandardInput) {
  std::ifstream file(testing::Fixture("several_machines.txt"), std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  const Outcome outcome = RunReport({testing::Fixture("cut_records.txt"), "-"}, bytes.str());
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_NE(outcome.out.find("10 Datensätze von 3 Maschinen"), std::string::npos) << outcome.out;
  // The skipped records, each with file and line.
  EXPECT_NE(outcome.err.find("cut_records.txt, Zeile 3: nur "), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("cut_records.txt, Zeile 7: "), std::string::npos);
}

TEST(ReportCommand, EachFormatOnStandardOutput) {
  const std::pair<const char*, const char*> cases[] = {
      {"csv", "Maschine,Hersteller,"}, {"json", "{\n  \"datensaetze\": 8"},
      {"markdown", "# datacomp: Auswertung"}, {"text", "8 Datensätze von 3 Maschinen"}};
  for (const auto& [format, start] : cases) {
    const Outcome outcome = RunReport({"--format", format, testing::Fixture("several_machines.txt")});
    EXPECT_EQ(outcome.status, 0) << format << outcome.err;
    EXPECT_EQ(outcome.out.rfind(start, 0), 0u) << format << ": " << outcome.out.substr(0, 80);
  }
}

TEST(ReportCommand, ChartAndPageFiles) {
  const std::string svg = Temporary("chart.svg");
  const std::string html = Temporary("page.html");
  std::remove(svg.c_str());
  std::remove(html.c_str());
  const Outcome outcome =
      RunReport({"--svg", svg, "--html", html, testing::Fixture("several_machines.txt")});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_TRUE(Exists(svg));
  EXPECT_TRUE(Exists(html));
  EXPECT_FALSE(Exists(svg + ".tmp"));
}

TEST(ReportCommand, UnreadableInputIsAnErrorAndNothingIsWritten) {
  const std::string svg = Temporary("never.svg");
  std::remove(svg.c_str());
  const std::string cases[] = {Temporary("no-such-file.txt"), ::testing::TempDir()};
  for (const std::string& input : cases) {
    const Outcome outcome = RunReport({"--svg", svg, testing::Fixture("several_machines.txt"), input});
    EXPECT_EQ(outcome.status, 1) << input;
    EXPECT_EQ(outcome.out, "") << input;
    EXPECT_NE(outcome.err.find(input), std::string::npos) << outcome.err;
    EXPECT_FALSE(Exists(svg)) << input;
  }
}

TEST(ReportCommand, OutputFileThatCannotBeWritten) {
  const Outcome outcome = RunReport({"--svg", Temporary("no-such-directory/chart.svg"),
                               testing::Fixture("several_machines.txt")});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("kann nicht geschrieben werden"), std::string::npos);
}

TEST(ReportCommand, NothingToEvaluate) {
  const Outcome empty = RunReport({"-"}, "\r\n\r\n");
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.err.find("Keine auswertbaren Datensätze"), std::string::npos);
}

TEST(ReportCommand, HelpExplainsEveryOption) {
  const Outcome outcome = RunReport({"--help"});
  EXPECT_EQ(outcome.status, 0);
  for (const char* text : {"--format", "--svg", "--html", "DATEI", "Standardeingabe", "Aufruf"}) {
    EXPECT_NE(outcome.out.find(text), std::string::npos) << text << "\n" << outcome.out;
  }
}

TEST(ReportCommand, WrongCallsAreErrors) {
  EXPECT_EQ(RunReport({}).status, 1);
  EXPECT_EQ(RunReport({"--format", "xml", testing::Fixture("several_machines.txt")}).status, 1);
  EXPECT_EQ(RunReport({"--unknown", testing::Fixture("several_machines.txt")}).status, 1);
}

TEST(ReportCommand, TerminalNumbersInTheUsersLocale) {
  ::setenv("LC_ALL", "de_DE.UTF-8", 1);
  const Outcome outcome = RunReport({testing::Fixture("several_machines.txt")});
  ::unsetenv("LC_ALL");
  EXPECT_NE(outcome.out.find("2,0000"), std::string::npos) << outcome.out;
}

}  // namespace
}  // namespace datacomp::report
