// Numbers for people: the decimal and thousands separators of the user's
// locale on the terminal, "." and none in the exports.
#pragma once

#include <optional>
#include <string>

namespace datacomp::report {

struct NumberStyle {
  std::string decimal = ".";
  std::string thousands;  // may be empty or several bytes (UTF-8)

  // The user's numeric locale (LC_ALL, LC_NUMERIC, LANG).
  static NumberStyle OfUserLocale();
};

std::string FormatFixed(double value, int decimals, const NumberStyle& style);

// A ratio or speed with two decimals, "–" where there is none.
std::string FactorText(const std::optional<double>& factor, const NumberStyle& style);

}  // namespace datacomp::report
