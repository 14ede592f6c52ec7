#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"

#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"

namespace Vesk::OfficeUtils {

const FunctionsNamesMap& DefaultEnResourceLoader::getDefaultFunctionsNamesMap() {
  static const FunctionsNamesMap map(Detail::englishFunctionsNamesTable());
  return map;
}

}  // namespace Vesk::OfficeUtils
