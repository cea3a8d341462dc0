#include "kernels/console_output.h"

#include "kernels/errors.h"

namespace datacomp {

void ConsoleOutput::Attach(platform::Console& console) {
  console_ = &console;
  immediate_ = console.OutputIsConsole();
  buffer_.Clear();
}

void ConsoleOutput::Write(std::string_view text) {
  if (immediate_) {
    CheckInOut(console_->WriteOutput(text));
    return;
  }
  buffer_.Add(text, [this](std::string_view block) { CheckInOut(console_->WriteOutput(block)); });
}

int ConsoleOutput::WriteHeld() {
  const std::string_view held = buffer_.Held();
  buffer_.Clear();
  return held.empty() ? 0 : console_->WriteOutput(held);
}

void ConsoleOutput::Flush() { CheckInOut(WriteHeld()); }

void ConsoleOutput::FlushQuietly() {
  if (console_ != nullptr) WriteHeld();
}

ConsoleOutput& StandardOutput() {
  static ConsoleOutput output;
  return output;
}

}  // namespace datacomp
