// Lines typed on standard input, read in constant memory whatever their
// length. A line ends with LF or CR LF; the byte 0x1A ends the input for good.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "platform/platform.h"

namespace datacomp {

class ConsoleInput {
 public:
  explicit ConsoleInput(platform::Console& console) : console_(console) {}

  // The line's first `keep` characters; the rest of it is read and dropped.
  // At the end of input the text is empty.
  std::string ReadLine(std::size_t keep);

 private:
  static constexpr int kEnd = -1;
  int Peek();
  int Next();

  platform::Console& console_;
  std::array<char, 128> buffer_{};
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;
};

}  // namespace datacomp
