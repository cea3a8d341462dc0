#include "driver/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>
#include <vector>

#include "driver/error_report.h"
#include "driver/results_file.h"
#include "driver/texts.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"
#include "kernels/float_kernels.h"
#include "kernels/program_values.h"
#include "platform/fake_platform.h"

namespace datacomp {
namespace {

constexpr StepLimits kOneStep{0, 0};

// What a floating-point kernel prints after one step: the value is the x87
// unit's, checked against the step model elsewhere; here only its place in
// the dialogue counts.
std::string KernelText(void (*kernel)()) {
  platform::FakePlatform scratch;
  StandardOutput().Attach(scratch);
  FloatStepLimit = 0;
  StepCounter = 0;
  kernel();
  StandardOutput().Flush();
  return scratch.output;
}

const std::vector<std::string>& FloatValues() {
  static const std::vector<std::string> values = {
      KernelText(KernelReal),     KernelText(KernelReal),   KernelText(KernelReal48),
      KernelText(KernelSingle),   KernelText(KernelDouble), KernelText(KernelExtended),
      KernelText(KernelCurrency)};
  return values;
}

const char* const kFloatLabels[] = {" Real    : ", " Real    : ", " Real48  : ", " Single  : ",
                                    " Double  : ", " Extended: ", " Currency: "};
const char* const kIntegerLabels[] = {" Integer : ", " Byte    : ", " ShortInt: ", " Word    : ",
                                      " SmallInt: ", " Cardinal: ", " LongWord: ", " LongInt : ",
                                      " Comp    : "};

// A machine as the fake platform describes it, and a clock from midnight on
// (fine-grained 32-bit readings) on which every timed run takes one second.
void Prepare(platform::FakePlatform& fake) {
  fake.values["VendorIdentifier"].data = "GenuineIntel";
  fake.values["ProcessorNameString"].data = "Intel(R) Pentium(R) 4 CPU 3.00GHz";
  fake.values["Identifier"].data = "x86 Family 15 Model 4 Stepping 1";
  fake.numberOfProcessors = 2;
  fake.osVersion = platform::OsVersion{2, 5, 1, "Service Pack 2", ""};
  fake.counterReadings = {1000, 1500001000};
  fake.now = {0, 0, 0, 0};
  fake.clockStepMilliseconds = 1000;
}

// The console of a run on the prepared machine.
std::string ExpectedConsole() {
  std::string text;
  text += "Benchmarktool zum Vergleich von Datentypen und Prozessoren unter Windows(R)\r\n";
  text += std::string(texts::kBannerAttribution) + "\r\n\r\n";
  text += std::string(texts::kBannerTermsOfUse) + "\r\n\r\n";
  text += "Hersteller des Prozessors  : GenuineIntel\r\n";
  text += "Name des Prozessors        : Intel(R) Pentium(R) 4 CPU 3.00GHz/x86 Family 15 Model 4 "
          "Stepping 1\r\n";
  text += "Takt des Prozessors in MHz : 3000\r\n";
  text += "Anzahl Prozessoren         : 2\r\n";
  text += "Betriebssystem             : Windows XP Service Pack 2\r\n";
  text += "Ihr K\xFCrzel (max 8 Zeichen) : ";
  text += "\r\n";
  text += "Die Zeiten sowie ihre Angaben werden unter \"datacomp.txt\" gespeichert.\r\n";
  text += std::string(texts::kMailRequestStart) + texts::kResultsMailAddress + ".\r\n";
  text += "\r\n";
  for (int run = 0; run < 7; ++run) {
    text += FloatValues()[run] + kFloatLabels[run] + " 1.0000 sek  1";
    text += run == 0 ? " 1x zum Warmlaufen!\r\n" : run == 1 ? "\r\n" : ".0000\r\n";
  }
  text += "\r\n";
  for (int run = 0; run < 9; ++run) {
    text += std::string(kIntegerLabels[run]) + " 1.0000 sek  1" + (run == 0 ? "\r\n" : ".0000\r\n");
  }
  text += " Int64   :  1.0000 sek  1.0000\r\n";
  text += "\r\nSpeicherort : C:\\Benchmarks\r\n\r\nENTER zum Beenden";
  return text;
}

std::string ExpectedRecord(const std::string& initials) {
  std::string record =
      "GenuineIntel;Intel(R) Pentium(R) 4 CPU 3.00GHz/x86 Family 15 Model 4 Stepping 1;3000;2;"
      "Windows XP Service Pack 2;";
  record += initials + ";";
  for (int i = 0; i < 16; ++i) record += "1.0000;";
  return record;
}

class Dialogue : public ::testing::Test {
 protected:
  Dialogue() { Prepare(fake_); }
  ~Dialogue() override { LoadStartupControlWord(); }

  int Run() { return RunProgram(fake_.AsPlatform(), kOneStep); }
  std::string Record() { return fake_.files[kResultsFileName].bytes; }

  platform::FakePlatform fake_;
};

TEST_F(Dialogue, WholeConsoleAndRecord) {
  fake_.input = "ABC\r\n\r\n";
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fake_.output, ExpectedConsole());
  EXPECT_EQ(Record(), ExpectedRecord("ABC"));
  EXPECT_EQ(fake_.closes, 1);
  EXPECT_EQ(fake_.errorOutput, "");
}

TEST_F(Dialogue, RedirectedOutputLeavesInWholeBlocks) {
  fake_.input = "ABC\r\n\r\n";
  ASSERT_EQ(Run(), 0);
  ASSERT_GT(fake_.outputWrites.size(), 2u);
  for (std::size_t i = 0; i + 1 < fake_.outputWrites.size(); ++i) {
    EXPECT_EQ(fake_.outputWrites[i].size(), 128u) << "write " << i;
  }
}

TEST_F(Dialogue, ConsoleReceivesEachPieceAtOnce) {
  fake_.outputIsConsole = true;
  fake_.input = "ABC\r\n\r\n";
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(fake_.output, ExpectedConsole());
  // Each label is on the screen before its probe runs.
  EXPECT_NE(std::find(fake_.outputWrites.begin(), fake_.outputWrites.end(),
                      "Takt des Prozessors in MHz : "),
            fake_.outputWrites.end());
  EXPECT_NE(std::find(fake_.outputWrites.begin(), fake_.outputWrites.end(), " Int64   :  "),
            fake_.outputWrites.end());
}

struct InitialsCase {
  const char* name;
  std::string input;
  std::string stored;
};

TEST_F(Dialogue, InitialsInTheRecord) {
  const InitialsCase cases[] = {
      {"typed", "ABC\r\n\r\n", "ABC"},
      {"empty line", "\r\n\r\n", ""},
      {"longer than 8", "ABCDEFGHIJ\r\n\r\n", "ABCDEFGH"},
      // A ";" would add a field to the record.
      {"with semicolon", "A;B;C\r\n\r\n", "A,B,C"},
      {"end of input", "", ""},
      {"0x1A", "AB\x1A" "CD\r\n", "AB"},
      {"code page 1252", "J\xFCrgen\r\n\r\n", "J\xFCrgen"},
  };
  for (const InitialsCase& c : cases) {
    platform::FakePlatform fake;
    Prepare(fake);
    fake.input = c.input;
    EXPECT_EQ(RunProgram(fake.AsPlatform(), kOneStep), 0) << c.name;
    EXPECT_EQ(fake.files[kResultsFileName].bytes, ExpectedRecord(c.stored)) << c.name;
    EXPECT_EQ(fake.output, ExpectedConsole()) << c.name;
  }
}

TEST_F(Dialogue, ExistingFileIsAppendedTo) {
  fake_.files[kResultsFileName].bytes = "earlier;";
  fake_.input = "ABC\r\n\r\n";
  ASSERT_EQ(Run(), 0);
  EXPECT_EQ(Record(), "earlier;\r\n" + ExpectedRecord("ABC"));
}

TEST_F(Dialogue, RecordCutAtAnErrorHoldsWholeBlocksOnly) {
  // The Integer run (the reference) takes no time: the Byte ratio divides by
  // zero with more than 128 bytes of the record written.
  for (int run = 1; run <= 9; ++run) {
    const int start = 2 * run;
    fake_.scriptedTimes.push_back({0, 0, start, 0});
    fake_.scriptedTimes.push_back({0, 0, run == 8 ? start : start + 1, 0});
  }
  fake_.input = "ABC\r\n\r\n";
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Record(), ExpectedRecord("ABC").substr(0, 128));
  EXPECT_EQ(fake_.closes, 1);  // released without writing what it held
}

struct ReportCase {
  const char* name;
  std::deque<platform::LocalTime> times;
  const char* className;
  const char* message;
};

TEST_F(Dialogue, ZeroReferenceTimeEndsAtTheNextRatio) {
  const ReportCase cases[] = {
      {"next run takes time",
       {{0, 0, 1, 0}, {0, 0, 2, 0}, {0, 0, 3, 0}, {0, 0, 3, 0}, {0, 0, 4, 0}, {0, 0, 5, 0}},
       "EZeroDivide",
       "Gleitkommadivision durch Null."},
      {"next run takes none either",
       {{0, 0, 1, 0}, {0, 0, 2, 0}, {0, 0, 3, 0}, {0, 0, 3, 0}, {0, 0, 4, 0}, {0, 0, 4, 0}},
       "EInvalidOp",
       "Ung\xFC" "ltige Gleitkommaoperation."},
  };
  for (const ReportCase& c : cases) {
    platform::FakePlatform fake;
    Prepare(fake);
    fake.scriptedTimes = c.times;
    fake.input = "\r\n";
    EXPECT_EQ(RunProgram(fake.AsPlatform(), kOneStep), 1) << c.name;
    const std::regex report(std::string("Exception ") + c.className +
                            " in Modul datacomp\\.exe bei [0-9A-F]{8}\\.\r\n" + c.message +
                            "\r\n\r\n");
    EXPECT_TRUE(std::regex_match(fake.errorOutput, report)) << c.name << ": " << fake.errorOutput;
    // The reference line shows "1" whatever its time; the report follows the
    // next kernel's value.
    const std::string tail = std::string(FloatValues()[1]) + " Real    :  0.0000 sek  1\r\n" +
                             FloatValues()[2];
    EXPECT_EQ(fake.output.substr(fake.output.size() - tail.size()), tail) << c.name;
    LoadStartupControlWord();
  }
}

TEST_F(Dialogue, HardwareFaultsReachTheReport) {
  struct FaultCase {
    const char* name;
    std::function<void()> fault;
    const char* report;
  };
  const FaultCase cases[] = {
      {"integer division", [] { DivideSigned32(1, Opaque(0)); },
       "Exception EDivByZero in Modul datacomp.exe bei [0-9A-F]{8}\\.\r\nDivision durch Null\\."
       "\r\n\r\n"},
      {"x87 overflow", [] { Exponential(100000.0L); },
       "Exception EOverflow in Modul datacomp.exe bei [0-9A-F]{8}\\.\r\nGleitkomma\xFC" "berlauf\\."
       "\r\n\r\n"},
  };
  for (const FaultCase& c : cases) {
    platform::FakePlatform fake;
    Prepare(fake);
    int readings = 0;
    // The end of the Int64 run: its label is already on the console.
    fake.onClockRead = [&] {
      if (++readings == 34) c.fault();
    };
    EXPECT_EQ(RunProgram(fake.AsPlatform(), kOneStep), 1) << c.name;
    EXPECT_TRUE(std::regex_match(fake.errorOutput, std::regex(c.report)))
        << c.name << ": " << fake.errorOutput;
    const std::string tail = " Comp    :  1.0000 sek  1.0000\r\n Int64   :  ";
    EXPECT_EQ(fake.output.substr(fake.output.size() - tail.size()), tail) << c.name;
  }
}

TEST_F(Dialogue, ProbeTextWithASemicolonKeepsTheFieldsInPlace) {
  fake_.values["VendorIdentifier"].data = "Genuine;Intel";
  fake_.input = "ABC\r\n\r\n";
  ASSERT_EQ(Run(), 0);
  EXPECT_NE(fake_.output.find("Hersteller des Prozessors  : Genuine;Intel\r\n"), std::string::npos);
  EXPECT_EQ(Record().substr(0, 14), "Genuine,Intel;");
}

TEST_F(Dialogue, RegistryErrorReportFollowsTheMachineLabel) {
  fake_.values["ProcessorNameString"].type = platform::kRegDword;
  EXPECT_EQ(Run(), 1);
  const std::string tail = "Hersteller des Prozessors  : GenuineIntel\r\nName des Prozessors        : ";
  EXPECT_EQ(fake_.output.substr(fake_.output.size() - tail.size()), tail);
  EXPECT_TRUE(std::regex_match(
      fake_.errorOutput,
      std::regex("Exception ERegistryException in Modul datacomp\\.exe bei [0-9A-F]{8}\\.\r\n"
                 "Ung\xFCltiger Datentyp f\xFCr 'ProcessorNameString'\\.\r\n\r\n")))
      << fake_.errorOutput;
}

TEST_F(Dialogue, ReportIsConvertedForTheConsole) {
  fake_.oemUppercase = true;
  fake_.input = "\r\n";
  fake_.files[kResultsFileName].directory = true;
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(std::regex_match(
      fake_.errorOutput,
      std::regex("EXCEPTION EINOUTERROR IN MODUL DATACOMP\\.EXE BEI [0-9A-F]{8}\\.\r\n"
                 "DATEIZUGRIFF VERWEIGERT\\.\r\n\r\n")))
      << fake_.errorOutput;
}

TEST_F(Dialogue, ResultsFileThatCannotBeOpenedEndsBeforeTheBanner) {
  const std::pair<platform::FakePlatform::File, const char*> cases[] = {
      {{"", true, false, false}, "Dateizugriff verweigert\\."},
      {{"old;", false, true, false}, "Dateizugriff verweigert\\."},
      {{"old;", false, false, true}, "E/A-Fehler 32\\."},
  };
  for (const auto& [file, message] : cases) {
    platform::FakePlatform fake;
    Prepare(fake);
    fake.files[kResultsFileName] = file;
    EXPECT_EQ(RunProgram(fake.AsPlatform(), kOneStep), 1);
    EXPECT_EQ(fake.output, "");
    EXPECT_TRUE(std::regex_match(
        fake.errorOutput, std::regex(std::string("Exception EInOutError in Modul datacomp\\.exe "
                                                 "bei [0-9A-F]{8}\\.\r\n") +
                                     message + "\r\n\r\n")))
        << fake.errorOutput;
    EXPECT_EQ(fake.files[kResultsFileName].bytes, file.bytes);
  }
}

TEST_F(Dialogue, FailedConsoleWriteEndsWithTheReport) {
  fake_.outputIsConsole = true;
  fake_.failOutputWriteAt = 3;
  fake_.outputWriteError = 6;
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(std::regex_match(fake_.errorOutput,
                               std::regex("Exception EInOutError in Modul datacomp\\.exe bei "
                                          "[0-9A-F]{8}\\.\r\nE/A-Fehler 6\\.\r\n\r\n")))
      << fake_.errorOutput;
}

TEST_F(Dialogue, FailedDirectoryReadEndsWithTheReport) {
  fake_.currentDirectoryError = 3;
  fake_.input = "\r\n";
  EXPECT_EQ(Run(), 1);
  EXPECT_NE(fake_.errorOutput.find("Ung\xFC" "ltiger Dateiname."), std::string::npos);
}

TEST_F(Dialogue, FailedCloseEndsWithTheReportAfterTheFinalEnter) {
  fake_.closeError = 5;
  fake_.input = "ABC\r\n\r\n";
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(fake_.output, ExpectedConsole());
  EXPECT_EQ(Record(), ExpectedRecord("ABC"));
  EXPECT_NE(fake_.errorOutput.find("Dateizugriff verweigert."), std::string::npos);
}

TEST(ErrorReport, TextOfEachKind) {
  struct Case {
    ProgramError error;
    const char* text;
  };
  const Case cases[] = {
      {ProgramError(ErrorKind::RangeError, 0x1234),
       "Exception ERangeError in Modul datacomp.exe bei 00001234.\r\n"
       "Fehler bei Bereichspr\xFC" "fung.\r\n"},
      {ProgramError(ErrorKind::IntOverflow, 0xABCDEF),
       "Exception EIntOverflow in Modul datacomp.exe bei 00ABCDEF.\r\nInteger\xFC" "berlauf.\r\n"},
      {ProgramError(ErrorKind::InOutError, 0x10, 112),
       "Exception EInOutError in Modul datacomp.exe bei 00000010.\r\nE/A-Fehler 112.\r\n"},
      {ProgramError(ErrorKind::RegistryError, 0x10, 0, "Ende."),
       "Exception ERegistryException in Modul datacomp.exe bei 00000010.\r\nEnde.\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorReportText(c.error, "datacomp.exe"), c.text);
  }
}

}  // namespace
}  // namespace datacomp
