// Locale contexts for the number formatter tests: custom separators over the empty provider.
#pragma once

#include <string>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils::Testing {

// A context with the given decimal and thousands separators (and the English exponent "E").
class SeparatorContext {
 public:
  SeparatorContext(std::string decimalSeparator, std::string thousandSeparator)
      : _resources(
            LocaleResources::SymbolStrings{
                {LocalizableSymbolType::DecimalSeparator, std::move(decimalSeparator)},
                {LocalizableSymbolType::ThousandSeparator, std::move(thousandSeparator)},
                {LocalizableSymbolType::ExponentLiteral, "E"}},
            "xx_XX"),
        _context(Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(),
                 _resources, FormattingResources::getDefaultFormattingResources(),
                 Vesk::DOM::TimeZone::getUTCTimeZone()) {}
  SeparatorContext(const SeparatorContext&) = delete;
  SeparatorContext& operator=(const SeparatorContext&) = delete;

  operator const LocaleContext&() const { return _context; }  // NOLINT: used as a context
  [[nodiscard]] const LocaleContext& get() const { return _context; }

 private:
  LocaleResources _resources;
  LocaleContext _context;
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
