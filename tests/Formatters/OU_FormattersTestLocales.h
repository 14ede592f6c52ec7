// Locale contexts with made-up separators over the empty provider, for the formatter tests.
#pragma once

#include <string>
#include <utility>

#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils::Testing {

// A context with the given decimal and thousands separators (and the English exponent "E").
struct SeparatorContext : TestLocale {
  SeparatorContext(std::string decimalSeparator, std::string thousandSeparator)
      : TestLocale({{LocalizableSymbolType::DecimalSeparator, std::move(decimalSeparator)},
                    {LocalizableSymbolType::ThousandSeparator, std::move(thousandSeparator)},
                    {LocalizableSymbolType::ExponentLiteral, "E"}}) {}
};

// "1.234.567,5": the decimal comma.
inline const LocaleContext& commaContext() {
  static const SeparatorContext context(",", ".");
  return context;
}
inline const LocaleContext& enContext() {
  return LocaleContext::getEnLocaleContext();
}

}  // namespace Vesk::OfficeUtils::Testing
