// datacomp-report: compares the machines in datacomp's results files.
#include <iostream>

#include "report/report_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return datacomp::report::RunReportCommand(argc, argv, std::cin, std::cout, std::cerr);
}
