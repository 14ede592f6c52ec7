#include "OfficeUtils/Locale/OU_LocaleResources.h"

#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaType;

// Dialect 0 reads the OpenDocument names, the others one shared object with the OOXML ones.
TEST(LocaleResources, BuiltInResourcesPerDialect) {
  const auto& ooxml = LocaleResources::getDefaultLocaleResources(FormulaType::OOXML);
  for (int value = 0; value <= 3; ++value) {
    SCOPED_TRACE(value);
    const auto& resources = LocaleResources::getDefaultLocaleResources(FormulaType(value));
    const auto dialect = value == 0 ? FormulaType::OpenDocument : FormulaType::OOXMLStrict;
    EXPECT_EQ(&resources.getFunctionsNamesMap(), &FilterFunctionsNamesMap::getMap(dialect));
    EXPECT_EQ(&resources == &ooxml, value != 0);
  }
}

TEST(LocaleResources, UnknownDialectFailsTheAssertion) {
  EXPECT_ASSERTION((void)LocaleResources::getDefaultLocaleResources(FormulaType(255)),
                   "OfficeUtils/Locale/OU_LocaleResources", "Unknown FormulaType");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
