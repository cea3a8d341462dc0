// Collects text and hands it on in whole blocks of 128 bytes: a block goes
// out the moment it is full, the shorter rest only when asked for.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace datacomp {

class BlockBuffer {
 public:
  static constexpr std::size_t kBlockSize = 128;

  // Adds `text`, calling `writeBlock(std::string_view)` for every block that fills.
  template <class WriteBlock>
  void Add(std::string_view text, WriteBlock&& writeBlock) {
    while (!text.empty()) {
      const std::size_t take = std::min(text.size(), kBlockSize - used_);
      std::memcpy(bytes_.data() + used_, text.data(), take);
      used_ += take;
      text.remove_prefix(take);
      if (used_ == kBlockSize) {
        used_ = 0;  // emptied before the write, which may raise
        writeBlock(std::string_view(bytes_.data(), kBlockSize));
      }
    }
  }

  std::string_view Held() const { return std::string_view(bytes_.data(), used_); }
  void Clear() { used_ = 0; }

 private:
  std::array<char, kBlockSize> bytes_{};
  std::size_t used_ = 0;
};

}  // namespace datacomp
