// What the user sees when an error ends the execution.
#pragma once

#include <string>

#include "kernels/errors.h"
#include "platform/platform.h"

namespace datacomp {

// The two lines of the report, code page 1252, each ending with CR LF.
std::string ErrorReportText(const ProgramError& error, const std::string& programFileName);

// Writes out what standard output holds, then the report and an empty line
// on standard error.
void ReportError(const ProgramError& error, platform::Platform& platform);

}  // namespace datacomp
