// The results files made for the report's tests.
#pragma once

#include <string>

namespace datacomp::report::testing {

inline std::string Fixture(const char* name) {
  return std::string(DATACOMP_REPORT_FIXTURES) + "/" + name;
}

}  // namespace datacomp::report::testing
