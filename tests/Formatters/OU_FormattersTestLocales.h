// Locale contexts for the formatter tests: custom separators over the empty provider, and the
// locales ICU knows through the shipped provider.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
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

// The context of a locale name ("de_DE") in UTC, built on first use and kept for the run.
inline const LocaleContext& namedContext(const std::string& name) {
  static std::map<std::string,
                  std::pair<std::shared_ptr<const Vesk::ResourceManager::ResourceProvider>,
                            std::unique_ptr<LocaleManager>>>
      locales;
  auto& [provider, manager] = locales[name];
  if (!manager) {
    provider = makeLocaleProvider(name);
    if (!provider) throw std::invalid_argument("no locale " + name);
    manager = std::make_unique<LocaleManager>(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  }
  return manager->getLocaleContext();
}

}  // namespace Vesk::OfficeUtils::Testing
