// The program's standard output, shared by the driver and the kernels. On a
// console every piece of text reaches the screen at once; redirected output
// goes out in blocks of 128 bytes and the rest at the end. Every write is
// followed by the input/output check.
#pragma once

#include <string_view>

#include "kernels/block_buffer.h"
#include "platform/platform.h"

namespace datacomp {

class ConsoleOutput {
 public:
  void Attach(platform::Console& console);
  void Write(std::string_view text);
  // Writes out what redirected output still holds.
  void Flush();
  // The same on the way to the error report, where a failure has no one left
  // to tell.
  void FlushQuietly();

 private:
  int WriteHeld();  // what redirected output still holds; an error code

  platform::Console* console_ = nullptr;
  bool immediate_ = true;
  BlockBuffer buffer_;
};

ConsoleOutput& StandardOutput();

}  // namespace datacomp
