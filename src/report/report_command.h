// datacomp-report: reads results files and compares the machines in them.
#pragma once

#include <iosfwd>

namespace datacomp::report {

// The whole command over the given streams; returns the exit status.
int RunReportCommand(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& err);

}  // namespace datacomp::report
