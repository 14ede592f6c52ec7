// What formula casts and hosts need to read typed text under one locale: a cell format factory
// and a detector matcher, both built for the locale context, which must outlive them.
#pragma once

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

namespace Vesk::OfficeUtils {

class FormatContext {
 public:
  // Loads the locale's detection grammar (a few milliseconds); reuse the context.
  explicit FormatContext(const LocaleContext& locale);

  [[nodiscard]] const CellFormatFactory& getCellFormatFactory() const { return _factory; }
  [[nodiscard]] const FormatDetectorMatcher& getFormatDetectorMatcher() const { return _matcher; }

  // The context of the built-in locale context of formula dialect 2, built on the first call
  // (thread-safe) and kept until exit.
  [[nodiscard]] static const FormatContext& getDefaultFormatContext();

 private:
  CellFormatFactory _factory;
  FormatDetectorMatcher _matcher;
};

}  // namespace Vesk::OfficeUtils
