#include "OfficeUtils/Locale/OU_LocaleResources.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::FormulaType;
using Symbol = LocalizableSymbolType;

// Words given replace the English ones one by one; the built-in maps are copied, not changed.
TEST(LocaleResources, GivenWordsReplaceEnglishOnes) {
  const FunctionsNamesMap names;
  LocaleResources::BooleanStrings booleans = LocaleResources::getDefaultBooleanStrings();
  booleans.replace(true, "VRAI");
  LocaleResources::ErrorStrings errors = LocaleResources::getDefaultErrorStrings();
  errors.replace(FormulaErrorType::Value, "#VALEUR!");
  const LocaleResources full(names, booleans, errors, {{Symbol::DecimalSeparator, ","}}, "fr_FR");
  EXPECT_EQ(&full.getFunctionsNamesMap(), &names);
  EXPECT_EQ(full.getBooleanString(true), "VRAI");
  EXPECT_EQ(full.getBooleanString(false), "FALSE");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::Value), "#VALEUR!");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::NA), "#N/A");
  EXPECT_EQ(full.getSymbol(Symbol::DecimalSeparator), ",");
  EXPECT_EQ(LocaleResources::getDefaultBooleanStrings().getString(true), "TRUE");
  EXPECT_EQ(LocaleResources::getDefaultErrorStrings().getString(FormulaErrorType::Value),
            "#VALUE!");
}

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

TEST(LocaleResources, MissingWordOrUnknownDialectFailsTheAssertion) {
  const LocaleResources commaOnly(LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, ","}},
                                  "xx_XX");
  const struct {
    std::function<void()> call;
    const char *file, *condition;
  } cases[] = {
      {[&] { (void)commaOnly.getSymbol(Symbol::CurrencySymbol); },
       "OfficeUtils/Locale/OU_LocalizedStringProvider", "Unknown value"},
      {[] { (void)LocaleResources::getDefaultLocaleResources(FormulaType(255)); },
       "OfficeUtils/Locale/OU_LocaleResources", "Unknown FormulaType"},
  };
  for (const auto& c : cases) EXPECT_ASSERTION(c.call(), c.file, c.condition);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
