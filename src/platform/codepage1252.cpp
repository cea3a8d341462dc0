#include "platform/codepage1252.h"

#include <array>

namespace datacomp::platform {
namespace {

// Characters of the bytes 0x80 to 0x9F; every other byte is its own code point.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(CodePointOf(static_cast<unsigned char>(c)), out);
  return out;
}

void Utf8ToCp1252Decoder::Emit(std::uint32_t cp, std::string& out) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    out += static_cast<char>(cp);
    return;
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) {
      out += static_cast<char>(0x80 + i);
      return;
    }
  }
  out += '?';
}

void Utf8ToCp1252Decoder::Decode(std::string_view utf8, std::string& out) {
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (pending_ > 0) {
      if ((byte & 0xC0) == 0x80) {
        codePoint_ = (codePoint_ << 6) | (byte & 0x3F);
        if (--pending_ == 0) Emit(codePoint_, out);
        continue;
      }
      pending_ = 0;  // sequence broken off: it stands for one "?"
      out += '?';
    }
    if (byte < 0x80) {
      out += static_cast<char>(byte);
    } else if ((byte & 0xE0) == 0xC0) {
      codePoint_ = byte & 0x1F;
      pending_ = 1;
    } else if ((byte & 0xF0) == 0xE0) {
      codePoint_ = byte & 0x0F;
      pending_ = 2;
    } else if ((byte & 0xF8) == 0xF0) {
      codePoint_ = byte & 0x07;
      pending_ = 3;
    } else {
      out += '?';
    }
  }
}

void Utf8ToCp1252Decoder::Finish(std::string& out) {
  if (pending_ > 0) out += '?';
  pending_ = 0;
}

}  // namespace datacomp::platform
