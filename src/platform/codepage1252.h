// Windows code page 1252 to and from UTF-8, for consoles that speak UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace datacomp::platform {

// Each byte to its character in UTF-8. The five bytes that the code page
// leaves undefined become the C1 controls of the same number, as Windows does.
std::string Cp1252ToUtf8(std::string_view bytes);

// Decodes UTF-8 text that may arrive in pieces: a character split between two
// pieces is completed by the next call. A character the code page lacks, and
// a malformed sequence, become "?".
class Utf8ToCp1252Decoder {
 public:
  // Appends the code page bytes of `utf8` to `out`.
  void Decode(std::string_view utf8, std::string& out);
  // Ends the text: an unfinished sequence becomes "?".
  void Finish(std::string& out);

 private:
  void Emit(std::uint32_t codePoint, std::string& out);
  std::uint32_t codePoint_ = 0;
  int pending_ = 0;  // continuation bytes still expected
};

}  // namespace datacomp::platform
