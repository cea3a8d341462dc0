#include "driver/console_input.h"

#include "kernels/errors.h"

namespace datacomp {

int ConsoleInput::Peek() {
  if (ended_) return kEnd;
  if (position_ == filled_) {
    std::size_t received = 0;
    CheckInOut(console_.ReadInput(buffer_.data(), buffer_.size(), received));
    position_ = 0;
    filled_ = received;
    if (received == 0) {
      ended_ = true;
      return kEnd;
    }
  }
  if (buffer_[position_] == '\x1A') {
    ended_ = true;
    return kEnd;
  }
  return static_cast<unsigned char>(buffer_[position_]);
}

int ConsoleInput::Next() {
  const int c = Peek();
  if (c != kEnd) ++position_;
  return c;
}

std::string ConsoleInput::ReadLine(std::size_t keep) {
  std::string text;
  for (;;) {
    const int c = Next();
    if (c == kEnd || c == '\n') break;
    if (c == '\r' && Peek() == '\n') {
      Next();
      break;
    }
    if (text.size() < keep) text += static_cast<char>(c);
  }
  return text;
}

}  // namespace datacomp
