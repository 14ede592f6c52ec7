// Locale contexts for the number formatter tests: custom separators over the empty provider.
#pragma once

#include <string>

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
// "1 234 567,5" with U+00A0 NO-BREAK SPACE between groups.
inline const LocaleContext& noBreakSpaceContext() {
  static const SeparatorContext context(",", "\u00A0");
  return context;
}
// "1’234’567.5" with U+2019 RIGHT SINGLE QUOTATION MARK (three bytes) between groups.
inline const LocaleContext& apostropheContext() {
  static const SeparatorContext context(".", "\u2019");
  return context;
}
inline const LocaleContext& enContext() {
  return LocaleContext::getEnLocaleContext();
}

}  // namespace Vesk::OfficeUtils::Testing
