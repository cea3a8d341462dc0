// A time as the benchmark writes it: the number format with four decimals
// and any locale's separators ("1,234.5000", "1.234,5000", "1 234,5000",
// "0.1234"). The character before the last four digits is the decimal
// separator; groups of three digits before it may be split by any one
// thousands separator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace datacomp::report {

// Ten-thousandths of a second: the resolution the record holds.
using Ticks = std::int32_t;
inline constexpr double kTicksPerSecond = 10000.0;

// The ticks, or why the text is no time.
std::variant<Ticks, std::string> ParseTimeText(std::string_view text);

}  // namespace datacomp::report
