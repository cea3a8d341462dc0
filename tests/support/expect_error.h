// Runs a piece of code that must end with one of the program's errors.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "kernels/errors.h"

namespace datacomp::testing {

template <class Action>
std::optional<ProgramError> ErrorOf(Action&& action) {
  try {
    action();
  } catch (const ProgramError& error) {
    return error;
  }
  return std::nullopt;
}

#define EXPECT_PROGRAM_ERROR(kind, statement)                                        \
  do {                                                                               \
    const auto caught = ::datacomp::testing::ErrorOf([&] { statement; });            \
    ASSERT_TRUE(caught.has_value()) << "no error from: " #statement;                 \
    EXPECT_EQ(caught->ClassName(), ::datacomp::ProgramError((kind), 0).ClassName()); \
  } while (0)

}  // namespace datacomp::testing
