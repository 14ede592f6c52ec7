// A locale context built for a test: its own symbols and locale name over a resource provider,
// with the built-in formatting resources. Shared by every suite that needs a made-up locale.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
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

// The context of a real locale (ICU's data under the shipped words) in UTC, built once per name
// and kept for the whole test program. Throws for a name without locale data.
inline const LocaleContext& namedLocale(const std::string& name) {
  struct Entry {
    std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
    std::unique_ptr<LocaleManager> manager;
  };
  static std::map<std::string, Entry> cache;
  auto& entry = cache[name];
  if (!entry.manager) {
    entry.provider = makeLocaleProvider(name);
    if (!entry.provider) throw std::runtime_error("no locale data for " + name);
    entry.manager =
        std::make_unique<LocaleManager>(*entry.provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  }
  return entry.manager->getLocaleContext();
}

}  // namespace Vesk::OfficeUtils::Testing
