// The built-in English resources: the function names shown to users when no locale supplies its
// own. Built on first use (thread-safe) and never changed afterwards.
#pragma once

#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

namespace Vesk::OfficeUtils {

class DefaultEnResourceLoader {
 public:
  // Every function under its English name ("NORM.S.DIST"), primary, plus older and dialect
  // spellings that are still accepted ("NORMSDIST", "COM.MICROSOFT.NORM.S.DIST").
  [[nodiscard]] static const FunctionsNamesMap& getDefaultFunctionsNamesMap();
};

}  // namespace Vesk::OfficeUtils
