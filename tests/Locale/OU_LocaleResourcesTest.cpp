#include "OfficeUtils/Locale/OU_LocaleResources.h"

#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "host/Utils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::FormulaType;
using Symbol = LocalizableSymbolType;

const FunctionsNamesMap& english() {
  return DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
}

// The English words every resources object built with the defaults shows.
void expectEnglishWords(const LocaleResources& resources) {
  const struct {
    Symbol type;
    const char* text;
  } symbols[] = {{Symbol::DecimalSeparator, "."},      {Symbol::ThousandSeparator, ","},
                 {Symbol::ArgumentListSeparator, ","}, {Symbol::ArrayListSeparator, ","},
                 {Symbol::ExponentLiteral, "E"},       {Symbol::PercentageSymbol, "%"},
                 {Symbol::CurrencySymbol, "$"}};
  for (const auto& s : symbols) {
    SCOPED_TRACE(static_cast<int>(s.type));
    EXPECT_EQ(resources.getSymbol(s.type), s.text);
  }
  const char* errors[] = {"#NULL!", "#DIV/0!", "#VALUE!", "#REF!",
                          "#NAME?", "#NUM!",   "#N/A",    "#GETTING_DATA"};
  for (int value = 1; value <= 8; ++value) {
    SCOPED_TRACE(value);
    EXPECT_EQ(resources.getErrorString(static_cast<FormulaErrorType>(value)), errors[value - 1]);
  }
  EXPECT_EQ(resources.getBooleanString(true), "TRUE");
  EXPECT_EQ(resources.getBooleanString(false), "FALSE");
}

TEST(LocaleResources, DefaultsAreEnglish) {
  const LocaleResources resources;
  expectEnglishWords(resources);
  EXPECT_EQ(&resources.getFunctionsNamesMap(), &english());
  EXPECT_EQ(resources.getLocaleName(), "en_US");
}

TEST(LocaleResources, EachConstructorTakesWhatItIsGiven) {
  const FunctionsNamesMap names;
  const LocaleResources withNames(names);
  expectEnglishWords(withNames);
  EXPECT_EQ(&withNames.getFunctionsNamesMap(), &names);
  EXPECT_EQ(withNames.getLocaleName(), "en_US");

  const LocaleResources::SymbolStrings symbols{{Symbol::DecimalSeparator, ","},
                                               {Symbol::ThousandSeparator, "\xC2\xA0"}};
  const LocaleResources withSymbols(symbols, "fr_FR");
  EXPECT_EQ(withSymbols.getSymbol(Symbol::DecimalSeparator), ",");
  EXPECT_EQ(withSymbols.getSymbol(Symbol::ThousandSeparator), "\xC2\xA0");
  EXPECT_EQ(withSymbols.getBooleanString(true), "TRUE");
  EXPECT_EQ(withSymbols.getErrorString(FormulaErrorType::Div0), "#DIV/0!");
  EXPECT_EQ(&withSymbols.getFunctionsNamesMap(), &english());
  EXPECT_EQ(withSymbols.getLocaleName(), "fr_FR");

  LocaleResources::BooleanStrings booleans = LocaleResources::getDefaultBooleanStrings();
  booleans.replace(true, "VRAI");
  LocaleResources::ErrorStrings errors = LocaleResources::getDefaultErrorStrings();
  errors.replace(FormulaErrorType::Value, "#VALEUR!");
  const LocaleResources full(names, booleans, errors, symbols, "fr_FR");
  EXPECT_EQ(full.getBooleanString(true), "VRAI");
  EXPECT_EQ(full.getBooleanString(false), "FALSE");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::Value), "#VALEUR!");
  EXPECT_EQ(full.getErrorString(FormulaErrorType::NA), "#N/A");
  EXPECT_EQ(full.getSymbols().findValues(","),
            std::vector<LocalizableSymbolType>{Symbol::DecimalSeparator});
  EXPECT_EQ(&full.getFunctionsNamesMap(), &names);
  // The built-in maps are copied, not changed.
  EXPECT_EQ(LocaleResources::getDefaultBooleanStrings().getString(true), "TRUE");
}

TEST(LocaleResources, MissingWordFailsTheAssertion) {
  const LocaleResources resources(LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, ","}},
                                  "xx_XX");
  try {
    (void)resources.getSymbol(Symbol::CurrencySymbol);
    ADD_FAILURE() << "no assertion";
  } catch (const AssertionFailure& failure) {
    EXPECT_EQ(failure.file(), "OfficeUtils/Locale/OU_LocalizedStringProvider");
    EXPECT_EQ(failure.condition(), "Unknown value");
  }
}

TEST(LocaleResources, BuiltInResourcesPerDialect) {
  const auto& openDocument = LocaleResources::getDefaultLocaleResources(FormulaType::OpenDocument);
  EXPECT_EQ(&openDocument.getFunctionsNamesMap(),
            &FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument));
  const auto& ooxml = LocaleResources::getDefaultLocaleResources(FormulaType::OOXML);
  EXPECT_NE(&openDocument, &ooxml);
  for (int value = 1; value <= 3; ++value) {
    SCOPED_TRACE(value);
    const auto& resources = LocaleResources::getDefaultLocaleResources(FormulaType(value));
    EXPECT_EQ(&resources, &ooxml);
    EXPECT_EQ(&resources.getFunctionsNamesMap(),
              &FilterFunctionsNamesMap::getMap(FormulaType::OOXMLStrict));
  }
  for (int value = 0; value <= 3; ++value) {
    SCOPED_TRACE(value);
    const auto& resources = LocaleResources::getDefaultLocaleResources(FormulaType(value));
    expectEnglishWords(resources);
    EXPECT_EQ(resources.getLocaleName(), "en_US");
  }
}

TEST(LocaleResources, UnknownDialectFailsTheAssertion) {
  for (int value : {4, 255}) {
    SCOPED_TRACE(value);
    try {
      (void)LocaleResources::getDefaultLocaleResources(FormulaType(value));
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), "OfficeUtils/Locale/OU_LocaleResources");
      EXPECT_EQ(failure.condition(), "Unknown FormulaType");
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
