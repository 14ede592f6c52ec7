#include "OfficeUtils/FormatDetector/Detectors/OU_FormatContext.h"

#include "OfficeUtils/Locale/OU_LocaleContext.h"

namespace Vesk::OfficeUtils {

FormatContext::FormatContext(const LocaleContext& locale) : _factory(locale), _matcher(locale) {}

const FormatContext& FormatContext::getDefaultFormatContext() {
  static const FormatContext context(
      LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType{2}));
  return context;
}

}  // namespace Vesk::OfficeUtils
