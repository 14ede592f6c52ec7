#include "OfficeUtils/Locale/OU_LocaleContext.h"

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
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
      _timeZoneManager(timeZone) {}

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
