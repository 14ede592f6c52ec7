// Function names as the file formats write them: the OpenDocument dialect ("COM.MICROSOFT.T.DIST")
// and the OOXML dialects ("_xlfn.T.DIST"). Each map is built on first use (thread-safe) and never
// changed afterwards.
#pragma once

#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"
#include "host/DOM/OU_FormulaTypes.h"

namespace Vesk::OfficeUtils {

class FilterFunctionsNamesMap {
 public:
  // FormulaType 0: the OpenDocument map; 1, 2 and 3: one shared OOXML map. Any other value is a
  // programming error (assertion "Unknown FormulaType").
  [[nodiscard]] static const FunctionsNamesMap& getMap(Vesk::DOM::FormulaType type);
};

}  // namespace Vesk::OfficeUtils
