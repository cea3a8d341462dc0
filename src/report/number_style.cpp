#include "report/number_style.h"

#include <fmt/format.h>
#include <langinfo.h>
#include <locale.h>

namespace datacomp::report {

NumberStyle NumberStyle::OfUserLocale() {
  locale_t locale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return NumberStyle{};
  std::string decimal(::nl_langinfo_l(RADIXCHAR, locale));
  std::string thousands(::nl_langinfo_l(THOUSEP, locale));
  ::freelocale(locale);
  if (decimal.empty()) decimal.push_back('.');
  return NumberStyle{std::move(decimal), std::move(thousands)};
}

std::string FormatFixed(double value, int decimals, const NumberStyle& style) {
  const std::string plain = fmt::format("{:.{}f}", value, decimals);
  const std::size_t point = plain.find('.');
  const std::string integer = plain.substr(0, point);
  const std::size_t sign = integer[0] == '-' ? 1 : 0;
  std::string text = integer.substr(0, sign);
  for (std::size_t i = sign; i < integer.size(); ++i) {
    if (i > sign && (integer.size() - i) % 3 == 0) text += style.thousands;
    text += integer[i];
  }
  if (point != std::string::npos) text += style.decimal + plain.substr(point + 1);
  return text;
}

std::string FactorText(const std::optional<double>& factor, const NumberStyle& style) {
  return factor ? FormatFixed(*factor, 2, style) : "–";
}

}  // namespace datacomp::report
