#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"

#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap";

const FunctionsNamesMap& getOpenDocumentMap() {
  static const FunctionsNamesMap map(Detail::openDocumentFunctionsNamesTable());
  return map;
}

const FunctionsNamesMap& getOOXMLMap() {
  static const FunctionsNamesMap map(Detail::ooxmlFunctionsNamesTable());
  return map;
}

}  // namespace

const FunctionsNamesMap& FilterFunctionsNamesMap::getMap(Vesk::DOM::FormulaType type) {
  switch (type) {
    case Vesk::DOM::FormulaType::OpenDocument:
      return getOpenDocumentMap();
    case Vesk::DOM::FormulaType::OOXML:
    case Vesk::DOM::FormulaType::OOXMLStrict:
    case Vesk::DOM::FormulaType::OOXMLTransitional:
      return getOOXMLMap();
  }
  OU_FAIL("Unknown FormulaType");
}

}  // namespace Vesk::OfficeUtils
