#include "OfficeUtils/Locale/OU_LocaleContext.h"

#include <mutex>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {

namespace Detail {
struct CurrencyListsCache {
  std::once_flag once;
  CurrencyLists lists;
};
}  // namespace Detail

namespace {

constexpr const char* SourceFile = "OfficeUtils/Locale/OU_LocaleContext";

// The parts every built-in context shares. The default formatting resources are derived with the
// format-code parser, which reads conditions under the dialect-2 context; they are built from
// texts without conditions, so building them never comes back here.
LocaleContext makeDefaultLocaleContext(const LocaleResources& resources) {
  return LocaleContext(SystemSettingsResourceProvider::getEmptyResourceProvider(), resources,
                       FormattingResources::getDefaultFormattingResources(),
                       Vesk::DOM::TimeZone::getUTCTimeZone());
}

}  // namespace

LocaleContext::LocaleContext(const Vesk::ResourceManager::ResourceProvider& provider,
                             const LocaleResources& resources,
                             const FormattingResources& formattingResources,
                             Vesk::DOM::TimeZone timeZone)
    : _provider(&provider),
      _resources(&resources),
      _formattingResources(&formattingResources),
      _timeZoneManager(timeZone),
      _currencyLists(std::make_shared<Detail::CurrencyListsCache>()) {}

const CurrencyLists& LocaleContext::getCurrencyLists() const {
  auto& cache = *_currencyLists;
  std::call_once(cache.once, [&] {
    const auto lowered = [](const std::vector<std::string>& list) {
      std::vector<std::string> result;
      result.reserve(list.size());
      for (const auto& entry : list) result.push_back(Vesk::utf8StringToLowerCase(entry));
      return result;
    };
    using Vesk::ResourceManager::Keys::CurrencyCodesListPath;
    using Vesk::ResourceManager::Keys::CurrencySymbolsListPath;
    auto& lists = cache.lists;
    lists.symbols = _provider->safeGetResourceStringArray(CurrencySymbolsListPath);
    lists.loweredSymbols = lowered(lists.symbols);
    lists.codes = _provider->safeGetResourceStringArray(CurrencyCodesListPath);
    lists.loweredCodes = lowered(lists.codes);
  });
  return cache.lists;
}

void LocaleContext::setApplicationTimeZone(Vesk::DOM::TimeZone timeZone) {
  _timeZoneManager.setApplicationTimeZone(timeZone);
}

const LocaleContext& LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType type) {
  using Vesk::DOM::FormulaType;
  switch (type) {
    case FormulaType::OpenDocument: {
      static const LocaleContext context =
          makeDefaultLocaleContext(LocaleResources::getDefaultLocaleResources(type));
      return context;
    }
    case FormulaType::OOXML: {
      static const LocaleContext context =
          makeDefaultLocaleContext(LocaleResources::getDefaultLocaleResources(type));
      return context;
    }
    case FormulaType::OOXMLStrict: {
      static const LocaleContext context =
          makeDefaultLocaleContext(LocaleResources::getDefaultLocaleResources(type));
      return context;
    }
    case FormulaType::OOXMLTransitional: {
      static const LocaleContext context =
          makeDefaultLocaleContext(LocaleResources::getDefaultLocaleResources(type));
      return context;
    }
  }
  OU_FAIL("Unknown FormulaType");
}

const LocaleContext& LocaleContext::getEnLocaleContext() {
  static const LocaleResources resources(DefaultEnResourceLoader::getDefaultFunctionsNamesMap());
  static const LocaleContext context = makeDefaultLocaleContext(resources);
  return context;
}

}  // namespace Vesk::OfficeUtils
