#include "report/time_text.h"

#include <limits>

namespace datacomp::report {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// No locale separates with a letter; "1E0009" is the general format of a
// time beyond nine digits, not 1.0009.
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::variant<Ticks, std::string> ParseTimeText(std::string_view text) {
  if (text.empty()) return std::string("leere Zeit");
  if (text[0] == '-') return std::string("negative Zeit");
  if (text.size() < 5) return std::string("keine Zeit mit vier Nachkommastellen");
  for (std::size_t i = text.size() - 4; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::string("keine Zeit mit vier Nachkommastellen");
  }
  std::string_view integerPart = text.substr(0, text.size() - 4);
  const std::string_view decimals = text.substr(text.size() - 4);
  // A locale without a decimal separator writes the digits straight on.
  if (!IsDigit(integerPart.back())) integerPart.remove_suffix(1);
  const char decimalSeparator = text[text.size() - 5];
  if (IsLetter(decimalSeparator)) return std::string("keine Zeit in der Zahlenschreibweise");
  if (integerPart.empty()) return std::string("keine Stelle vor dem Dezimaltrennzeichen");

  std::int64_t value = 0;
  char thousandsSeparator = 0;
  std::size_t groupDigits = 0;
  bool grouped = false;
  for (std::size_t i = 0; i < integerPart.size(); ++i) {
    const char c = integerPart[i];
    if (IsDigit(c)) {
      value = value * 10 + (c - '0');
      ++groupDigits;
      if (value > std::numeric_limits<Ticks>::max() / 10000) {
        return std::string("Zeit außerhalb des Bereichs");
      }
      if (grouped && groupDigits > 3) return std::string("falsche Zifferngruppen");
      continue;
    }
    // A thousands separator: after a first group of one to three digits, then
    // always the same character between groups of three.
    const bool firstSeparator = !grouped;
    if (IsLetter(c) || c == decimalSeparator || groupDigits == 0 ||
        (firstSeparator && groupDigits > 3) ||
        (!firstSeparator && (groupDigits != 3 || c != thousandsSeparator))) {
      return std::string("falsche Zifferngruppen");
    }
    thousandsSeparator = c;
    grouped = true;
    groupDigits = 0;
  }
  if (grouped && groupDigits != 3) return std::string("falsche Zifferngruppen");
  const std::int64_t ticks = value * 10000 + (decimals[0] - '0') * 1000 +
                             (decimals[1] - '0') * 100 + (decimals[2] - '0') * 10 +
                             (decimals[3] - '0');
  if (ticks > std::numeric_limits<Ticks>::max()) {
    return std::string("Zeit außerhalb des Bereichs");
  }
  return static_cast<Ticks>(ticks);
}

}  // namespace datacomp::report
