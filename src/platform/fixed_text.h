// Text of a fixed-size character field of a system structure: the bytes
// before the first NUL, or all of them when it holds none.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace datacomp::platform {

inline std::string TextOfFixedField(const char* field, std::size_t capacity) {
  const void* nul = std::memchr(field, '\0', capacity);
  return std::string(field, nul != nullptr ? static_cast<const char*>(nul) - field : capacity);
}

}  // namespace datacomp::platform
