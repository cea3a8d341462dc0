#include "driver/program.h"

#include <string>
#include <string_view>

#include "driver/console_input.h"
#include "driver/error_report.h"
#include "driver/number_formats.h"
#include "driver/results_file.h"
#include "driver/run_table.h"
#include "driver/texts.h"
#include "driver/time_of_day.h"
#include "kernels/arithmetic_environment.h"
#include "kernels/console_output.h"
#include "probe/machine_probes.h"

namespace datacomp {
namespace {

constexpr std::size_t kInitialsLength = 8;

void Print(std::string_view text) { StandardOutput().Write(text); }

void PrintLine(std::string_view text) { StandardOutput().Write(std::string(text) + "\r\n"); }

// Stores one field of the record. A ";" inside a value would add a field and
// shift every later one for whoever reads the file, so it is stored as ",".
void StoreField(ResultsFile& results, std::string value) {
  for (char& c : value) {
    if (c == ';') c = ',';
  }
  results.Write(value);
  results.Write(";");
}

std::string NumberText(long double value) {
  return FormatFloatText(value, FloatFormat::Number, 9, 4);
}

class Dialogue {
 public:
  Dialogue(platform::Platform& platform, StepLimits limits)
      : platform_(platform), limits_(limits), input_(platform.console), results_(platform.fileSystem) {}

  void Run() {
    results_.Open();
    Banner();
    MachineLines();
    Initials();
    Notices();
    FloatStepLimit = limits_.floatSteps;
    IntegerStepLimit = limits_.integerSteps;
    for (const TimedRun& run : kTimedRuns) TimedRunOf(run);
    Closing();
  }

 private:
  void Banner() {
    PrintLine(texts::kBannerTitle);
    PrintLine(texts::kBannerAttribution);
    PrintLine("");
    PrintLine(texts::kBannerTermsOfUse);
    PrintLine("");
  }

  template <class Probe>
  void MachineLine(const char* label, Probe probe) {
    Print(label);  // on the screen while the probe works
    const std::string text = probe();
    PrintLine(text);
    StoreField(results_, text);
  }

  void MachineLines() {
    MachineLine(texts::kVendorLabel, [&] { return ProcessorVendor(platform_.registry); });
    MachineLine(texts::kNameLabel, [&] { return ProcessorName(platform_.registry); });
    MachineLine(texts::kClockLabel, [&] {
      return FormatFloatText(ProcessorClockMHz(platform_.scheduler), FloatFormat::Fixed, 4, 0);
    });
    MachineLine(texts::kCountLabel,
                [&] { return FormatIntegerText(ProcessorCount(platform_.systemInfo)); });
    MachineLine(texts::kSystemLabel, [] { return OperatingSystemName(); });
  }

  // What is typed appears through the console's own echo; nothing is printed.
  void Initials() {
    Print(texts::kInitialsPrompt);
    StoreField(results_, input_.ReadLine(kInitialsLength));
  }

  void Notices() {
    PrintLine("");
    PrintLine(texts::kStorageNotice);
    PrintLine(std::string(texts::kMailRequestStart) + texts::kResultsMailAddress + ".");
    PrintLine("");
  }

  // Between the two clock readings lie only the reset of StepCounter and the
  // kernel, with whatever the kernel prints.
  void TimedRunOf(const TimedRun& run) {
    if (run.labelBeforeRun) Print(run.label);
    const auto startTime = static_cast<float>(TimeOfDay(platform_.clock));
    StepCounter = 0;
    run.kernel();
    const auto endTime = static_cast<float>(TimeOfDay(platform_.clock));
    const float elapsedSeconds = ElapsedSecondsBetween(startTime, endTime);

    const std::string timeText = NumberText(elapsedSeconds);
    std::string line = run.labelBeforeRun ? std::string() : std::string(run.label) + " ";
    line += timeText;
    line += texts::kSecondsUnit;
    switch (run.role) {
      case RunRole::WarmUp:
        line += texts::kWarmUpEnding;
        break;
      case RunRole::Reference:
        referenceSeconds_ = elapsedSeconds;
        line += texts::kReferenceEnding;
        break;
      case RunRole::Compared:
        line += "  " + NumberText(ExtendedDivide(elapsedSeconds, referenceSeconds_));
        break;
    }
    PrintLine(line);
    if (run.role != RunRole::WarmUp) results_.Write(timeText + ";");
  }

  void Closing() {
    PrintLine("");
    int errorCode = 0;
    const std::string directory = platform_.process.CurrentDirectory(errorCode);
    CheckInOut(errorCode);
    PrintLine(std::string(texts::kStorageLocation) + directory);
    PrintLine("");
    Print(texts::kPressEnter);
    input_.ReadLine(0);
    results_.Close();
    StandardOutput().Flush();
  }

  platform::Platform& platform_;
  StepLimits limits_;
  ConsoleInput input_;
  ResultsFile results_;
  float referenceSeconds_ = 0;
};

}  // namespace

int RunProgram(platform::Platform& platform, StepLimits limits) {
  LoadStartupControlWord();
  InstallHardwareErrors();
  StandardOutput().Attach(platform.console);
  CaptureOsVersion(platform.systemInfo);
  LoadNumberSeparators(platform.locale);
  try {
    Dialogue(platform, limits).Run();
    return 0;
  } catch (const ProgramError& error) {
    ReportError(error, platform);
    return 1;
  }
}

}  // namespace datacomp
