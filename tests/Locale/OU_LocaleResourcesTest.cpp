#include "OfficeUtils/Locale/OU_LocaleResources.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::FormulaType;
using Symbol = LocalizableSymbolType;

// The English words every resources object built with the defaults shows (a sample of them).
void expectEnglishWords(const LocaleResources& resources) {
  EXPECT_EQ(resources.getSymbol(Symbol::CurrencySymbol), "$");
  EXPECT_EQ(resources.getErrorString(FormulaErrorType::NA), "#N/A");
  EXPECT_EQ(resources.getBooleanString(false), "FALSE");
}

TEST(LocaleResources, EachConstructorFillsWhatItIsNotGivenWithEnglish) {
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const FunctionsNamesMap names;
  for (const auto& [resources, map] :
       {std::pair<LocaleResources, const FunctionsNamesMap*>{LocaleResources(), &english},
        {LocaleResources(names), &names}}) {
    expectEnglishWords(resources);
    EXPECT_EQ(&resources.getFunctionsNamesMap(), map);
    EXPECT_EQ(resources.getLocaleName(), "en_US");
  }

  const LocaleResources::SymbolStrings symbols{{Symbol::DecimalSeparator, ","},
                                               {Symbol::ThousandSeparator, "\xC2\xA0"}};
  const LocaleResources withSymbols(symbols, "fr_FR");
  EXPECT_EQ(withSymbols.getBooleanString(true), "TRUE");
  EXPECT_EQ(&withSymbols.getFunctionsNamesMap(), &english);

  LocaleResources::BooleanStrings booleans = LocaleResources::getDefaultBooleanStrings();
  booleans.replace(true, "VRAI");
  LocaleResources::ErrorStrings errors = LocaleResources::getDefaultErrorStrings();
  errors.replace(FormulaErrorType::Value, "#VALEUR!");
  const LocaleResources full(names, booleans, errors, symbols, "fr_FR");
  EXPECT_EQ(full.getBooleanString(true), "VRAI");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::Value), "#VALEUR!");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::NA), "#N/A");
  // The built-in maps are copied, not changed.
  EXPECT_EQ(LocaleResources::getDefaultBooleanStrings().getString(true), "TRUE");
}

TEST(LocaleResources, BuiltInResourcesPerDialect) {
  const auto& ooxml = LocaleResources::getDefaultLocaleResources(FormulaType::OOXML);
  for (int value = 0; value <= 3; ++value) {
    SCOPED_TRACE(value);
    const auto& resources = LocaleResources::getDefaultLocaleResources(FormulaType(value));
    const auto dialect = value == 0 ? FormulaType::OpenDocument : FormulaType::OOXMLStrict;
    EXPECT_EQ(&resources.getFunctionsNamesMap(), &FilterFunctionsNamesMap::getMap(dialect));
    EXPECT_EQ(&resources == &ooxml, value != 0);
    expectEnglishWords(resources);
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
