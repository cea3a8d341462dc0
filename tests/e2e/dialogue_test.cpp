// The real program with its real step limits, as a user runs it with
// redirected input and output.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <regex>
#include <string>
#include <vector>

#include "e2e/program_runner.h"

namespace datacomp::e2e {
namespace {

std::string Escaped(const std::string& text) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return std::regex_replace(text, special, R"(\$&)");
}

const std::string kText = R"([^\r\n]*)";

// Times and ratios are below 1000 here, so no thousands separator shows.
std::string Number(char decimal) { return R"(\d+)" + Escaped(std::string(1, decimal)) + R"(\d{4})"; }

const char* const kFloatLabels[] = {" Real    : ", " Real    : ", " Real48  : ", " Single  : ",
                                    " Double  : ", " Extended: ", " Currency: "};
const char* const kIntegerLabels[] = {" Integer : ", " Byte    : ", " ShortInt: ", " Word    : ",
                                      " SmallInt: ", " Cardinal: ", " LongWord: ", " LongInt : ",
                                      " Comp    : "};

// The whole console, with a group for each machine value, each kernel value
// and each time.
std::regex ConsolePattern(const std::string& directory, char decimal = '.') {
  const std::string number = Number(decimal);
  const std::string timeGroup = "(" + number + ")";
  const std::string kernelValue =
      R"((-?\d)" + Escaped(std::string(1, decimal)) + R"(\d{17}E[+-]\d{4}))";
  std::string p;
  p += Escaped("Benchmarktool zum Vergleich von Datentypen und Prozessoren unter Windows(R)\r\n");
  p += kText + "\r\n\r\n" + kText + "\r\n\r\n";
  p += Escaped("Hersteller des Prozessors  : ") + "(" + kText + ")\r\n";
  p += Escaped("Name des Prozessors        : ") + "(" + kText + ")\r\n";
  p += Escaped("Takt des Prozessors in MHz : ") + R"((\d+|\d(?:.\d+)?E\d+))" + "\r\n";
  p += Escaped("Anzahl Prozessoren         : ") + R"((\d+))" + "\r\n";
  p += Escaped("Betriebssystem             : ") + "(" + kText + ")\r\n";
  p += Escaped("Ihr K\xFCrzel (max 8 Zeichen) : \r\n");
  p += Escaped("Die Zeiten sowie ihre Angaben werden unter \"datacomp.txt\" gespeichert.\r\n");
  p += "Bitte senden Sie [^\r\n]*@[^\r\n]*\r\n\r\n";
  for (int run = 0; run < 7; ++run) {
    p += kernelValue + Escaped(kFloatLabels[run]) + " " + timeGroup + " sek  ";
    p += run == 0 ? Escaped("1 1x zum Warmlaufen!") : run == 1 ? "1" : number;
    p += "\r\n";
  }
  p += "\r\n";
  for (int run = 0; run < 9; ++run) {
    p += Escaped(kIntegerLabels[run]) + " " + timeGroup + " sek  " + (run == 0 ? "1" : number);
    p += "\r\n";
  }
  p += Escaped(" Int64   :  ") + timeGroup + " sek  " + number + "\r\n";
  p += Escaped("\r\nSpeicherort : " + ShownPath(directory) + "\r\n\r\nENTER zum Beenden");
  return std::regex(p);
}

std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t end; (end = record.find(';', start)) != std::string::npos; start = end + 1) {
    fields.push_back(record.substr(start, end - start));
  }
  EXPECT_EQ(start, record.size()) << "the record ends with \";\"";
  return fields;
}

struct InitialsCase {
  const char* name;
  std::string input;
  std::string stored;
};

class RealProgram : public ::testing::TestWithParam<InitialsCase> {};

TEST_P(RealProgram, ConsoleRecordAndExitStatus) {
  const InitialsCase& c = GetParam();
  const std::string directory = MakeWorkDirectory();
  const Outcome outcome = RunToEnd(directory, c.input);
  EXPECT_EQ(outcome.exitStatus, 0);
  EXPECT_EQ(outcome.error, "");

  std::smatch console;
  ASSERT_TRUE(std::regex_match(outcome.output, console, ConsolePattern(directory)))
      << outcome.output;

  const std::string record = ReadFile(directory + "/datacomp.txt");
  const std::vector<std::string> fields = Fields(record);
  ASSERT_EQ(fields.size(), 22u) << record;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(fields[i], console[1 + i].str()) << "machine value " << i;
  EXPECT_EQ(fields[5], c.stored);
  // Groups 6 to 19: value and time of the seven floating-point runs; 20 to
  // 29: the ten integer times. The warm-up time is not stored.
  for (int run = 1; run < 7; ++run) {
    EXPECT_EQ(fields[5 + run], console[7 + 2 * run].str()) << "floating-point run " << run;
  }
  for (int run = 0; run < 10; ++run) {
    EXPECT_EQ(fields[12 + run], console[20 + run].str()) << "integer run " << run;
  }
  // The same arithmetic prints the same value: both Real runs and Double.
  EXPECT_EQ(console[8].str(), console[6].str());
  EXPECT_EQ(console[14].str(), console[6].str());
}

void PrintTo(const InitialsCase& c, std::ostream* os) { *os << c.name; }

std::string CpuinfoValue(const std::string& key) {
  std::istringstream lines(ReadFile("/proc/cpuinfo"));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(key, 0) == 0 && line.find(':') != std::string::npos) {
      return line.substr(line.find(':') + 2);
    }
  }
  return {};
}

// The machine lines name this machine as the build's system reports it.
TEST(RealProgram, MachineLinesNameThisMachine) {
  const std::string directory = MakeWorkDirectory();
  const Outcome outcome = RunToEnd(directory, "\r\n\r\n");
  std::smatch console;
  ASSERT_TRUE(std::regex_match(outcome.output, console, ConsolePattern(directory)));
  const std::string vendor = console[1];
  const std::string name = console[2];
  const double megahertz = std::stod(console[3]);
  const int count = std::stoi(console[4]);
  const std::string system = console[5];
  EXPECT_EQ(count, static_cast<int>(::sysconf(_SC_NPROCESSORS_ONLN)));
  EXPECT_EQ(vendor, CpuinfoValue("vendor_id"));
  EXPECT_NE(name.find('/'), std::string::npos);
  EXPECT_NE(name.find(" Family " + CpuinfoValue("cpu family") + " Model " + CpuinfoValue("model") +
                      " Stepping " + CpuinfoValue("stepping")),
            std::string::npos)
      << name;
  const std::string reported = CpuinfoValue("cpu MHz");
  if (!reported.empty()) {
    EXPECT_NEAR(megahertz, std::stod(reported), std::stod(reported) * 0.25);
  }
  if (ShownPath("/") == "/") {
    EXPECT_EQ(name.rfind(CpuinfoValue("model name") + "/", 0), 0u) << name;
    EXPECT_EQ(system.rfind("Linux ", 0), 0u) << system;
  } else {
    // A new Wine prefix reports version 6.1 with "Service Pack 1": after
    // Windows XP, so no name of the table.
    EXPECT_EQ(system, "Unbekannte Version Service Pack 1");
  }
}

// The seven floating-point values of a run, in order.
std::vector<std::string> KernelValues(const std::string& output) {
  static const std::regex value(R"((-?\d\.\d{17}E[+-]\d{4}) (Real|Single|Double|Extended|Currency))");
  std::vector<std::string> values;
  for (auto it = std::sregex_iterator(output.begin(), output.end(), value);
       it != std::sregex_iterator(); ++it) {
    values.push_back((*it)[1].str());
  }
  return values;
}

// Both builds run the same x87 code: the same values on the same machine.
TEST(BothBuilds, PrintTheSameFloatingPointValues) {
  const char* other = std::getenv("DATACOMP_OTHER_COMMAND");
  ASSERT_NE(other, nullptr) << "DATACOMP_OTHER_COMMAND names the other build";
  const Outcome thisBuild = RunToEnd(MakeWorkDirectory(), "\r\n\r\n");
  ::setenv("DATACOMP_COMMAND", other, 1);
  const Outcome otherBuild = RunToEnd(MakeWorkDirectory(), "\r\n\r\n");
  ASSERT_EQ(thisBuild.exitStatus, 0);
  ASSERT_EQ(otherBuild.exitStatus, 0);
  const std::vector<std::string> values = KernelValues(thisBuild.output);
  EXPECT_EQ(values.size(), 7u) << thisBuild.output;
  EXPECT_EQ(KernelValues(otherBuild.output), values);
}

// Every printed and stored number takes the user's separators.
TEST(RealProgramInGermany, CommaAsDecimalSeparator) {
  const std::string directory = MakeWorkDirectory();
  const Outcome outcome = RunToEnd(directory, "DE\r\n\r\n", "de_DE.UTF-8");
  EXPECT_EQ(outcome.exitStatus, 0);
  std::smatch console;
  ASSERT_TRUE(std::regex_match(outcome.output, console, ConsolePattern(directory, ',')))
      << outcome.output;
  const std::vector<std::string> fields = Fields(ReadFile(directory + "/datacomp.txt"));
  ASSERT_EQ(fields.size(), 22u);
  for (int i = 6; i < 22; ++i) {
    EXPECT_TRUE(std::regex_match(fields[i], std::regex(Number(',')))) << fields[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Initials, RealProgram,
    ::testing::Values(InitialsCase{"Typed", "ABC\r\n\r\n", "ABC"},
                      InitialsCase{"EmptyLine", "\r\n\r\n", ""},
                      InitialsCase{"LongerThanEight", "ABCDEFGHIJKLMNOP\n\n", "ABCDEFGH"},
                      InitialsCase{"Semicolon", "A;B\r\n\r\n", "A,B"},
                      InitialsCase{"EndOfInput", "", ""},
                      InitialsCase{"EndOfFileByte", "XY\x1A" "Z\r\n\r\n", "XY"}),
    [](const ::testing::TestParamInfo<InitialsCase>& info) { return info.param.name; });

}  // namespace
}  // namespace datacomp::e2e
