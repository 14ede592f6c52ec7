// What nearly every operation of the library takes by constant reference: the locale's resource
// provider, words and date-time formatting, and the application time zone. The three referred
// objects are not owned and must outlive the context; the built-in contexts live until exit.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "OfficeUtils/Locale/OU_TimeZoneManager.h"
#include "host/DOM/OU_FormulaTypes.h"
#include "host/DOM/OU_TimeZone.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

// The currencies a locale knows: the provider's lists under Keys::CurrencySymbolsListPath and
// Keys::CurrencyCodesListPath, each entry as written and lower-cased under ICU's default locale
// (same index), for case-insensitive lookups ("EUR" finds "eur").
struct CurrencyLists {
  std::vector<std::string> symbols;
  std::vector<std::string> loweredSymbols;
  std::vector<std::string> codes;
  std::vector<std::string> loweredCodes;
};

namespace Detail {
struct CurrencyListsCache;
}  // namespace Detail

class LocaleContext {
 public:
  LocaleContext(const Vesk::ResourceManager::ResourceProvider& provider,
                const LocaleResources& resources, const FormattingResources& formattingResources,
                Vesk::DOM::TimeZone timeZone);

  [[nodiscard]] const Vesk::ResourceManager::ResourceProvider& getResourceProvider() const {
    return *_provider;
  }
  [[nodiscard]] const LocaleResources& getResources() const { return *_resources; }
  [[nodiscard]] const FormattingResources& getFormattingResources() const {
    return *_formattingResources;
  }
  [[nodiscard]] const TimeZoneManager& getTimeZoneManager() const { return _timeZoneManager; }

  // Read from the provider and lower-cased on the first call from any thread, then kept for the
  // life of the context; its copies share them. Lowered under the ICU default locale of that
  // first call.
  [[nodiscard]] const CurrencyLists& getCurrencyLists() const;

  // Not synchronised with readers of the context.
  void setApplicationTimeZone(Vesk::DOM::TimeZone timeZone);

  // The built-in context of a formula dialect (one object per value 0 to 3): the empty
  // provider with English separators, the dialect's default resources, the default formatting
  // resources, UTC. Any other value is a programming error (assertion "Unknown FormulaType").
  [[nodiscard]] static const LocaleContext& getDefaultLocaleContext(Vesk::DOM::FormulaType type);
  // The same with the English function names.
  [[nodiscard]] static const LocaleContext& getEnLocaleContext();

 private:
  const Vesk::ResourceManager::ResourceProvider* _provider;
  const LocaleResources* _resources;
  const FormattingResources* _formattingResources;
  TimeZoneManager _timeZoneManager;
  std::shared_ptr<Detail::CurrencyListsCache> _currencyLists;
};

}  // namespace Vesk::OfficeUtils
