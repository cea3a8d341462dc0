// The seventeen timed runs, in the order they run.
#pragma once

#include <array>

namespace datacomp {

enum class RunRole {
  WarmUp,     // shown, never stored
  Reference,  // the group's reference: ratio "1"
  Compared,   // shown with its ratio to the group's reference
};

struct TimedRun {
  const char* label;
  void (*kernel)();
  RunRole role;
  bool labelBeforeRun;  // the label is on the console before the run starts
};

extern const std::array<TimedRun, 17> kTimedRuns;

}  // namespace datacomp
