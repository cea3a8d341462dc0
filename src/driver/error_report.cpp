#include "driver/error_report.h"

#include <cinttypes>
#include <cstdio>

#include "kernels/console_output.h"

namespace datacomp {

std::string ErrorReportText(const ProgramError& error, const std::string& programFileName) {
  char location[24];
  std::snprintf(location, sizeof location, "%08" PRIXPTR, error.Location());
  std::string message = error.Message();
  if (message.empty() || message.back() != '.') message += '.';
  return std::string("Exception ") + error.ClassName() + " in Modul " + programFileName + " bei " +
         location + ".\r\n" + message + "\r\n";
}

void ReportError(const ProgramError& error, platform::Platform& platform) {
  StandardOutput().FlushQuietly();
  const std::string text = ErrorReportText(error, platform.process.ProgramFileName());
  platform.console.WriteError(platform.console.ToOemText(text) + "\r\n");
}

}  // namespace datacomp
