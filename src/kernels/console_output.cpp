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

void ConsoleOutput::Flush() {
  const std::string_view held = buffer_.Held();
  buffer_.Clear();
  if (!held.empty()) CheckInOut(console_->WriteOutput(held));
}

void ConsoleOutput::FlushQuietly() {
  if (console_ == nullptr) return;
  const std::string_view held = buffer_.Held();
  buffer_.Clear();
  if (!held.empty()) console_->WriteOutput(held);
}

ConsoleOutput& StandardOutput() {
  static ConsoleOutput output;
  return output;
}

}  // namespace datacomp
