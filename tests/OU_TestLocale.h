// A locale context built for a test: its own symbols and locale name over a resource provider,
// with the built-in formatting resources. Shared by every suite that needs a made-up locale.
#pragma once

#include <string>
#include <utility>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils::Testing {

class TestLocale {
 public:
  // `provider` must outlive the locale.
  explicit TestLocale(LocaleResources::SymbolStrings symbols = LocaleResources::getDefaultSymbols(),
                      std::string localeName = "xx_XX",
                      const Vesk::ResourceManager::ResourceProvider& provider =
                          Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider())
      : _resources(std::move(symbols), std::move(localeName)),
        _context(provider, _resources, FormattingResources::getDefaultFormattingResources(),
                 Vesk::DOM::TimeZone::getUTCTimeZone()) {}
  TestLocale(const TestLocale&) = delete;
  TestLocale& operator=(const TestLocale&) = delete;

  operator const LocaleContext&() const { return _context; }  // NOLINT: used as a context
  [[nodiscard]] const LocaleContext& get() const { return _context; }

 private:
  LocaleResources _resources;
  LocaleContext _context;
};

}  // namespace Vesk::OfficeUtils::Testing
