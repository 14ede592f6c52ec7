#include "OfficeUtils/Locale/OU_LocaleResources.h"

#include <utility>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Locale/OU_LocaleResources";

constexpr const char* DefaultLocaleName = "en_US";

}  // namespace

LocaleResources::LocaleResources()
    : LocaleResources(DefaultEnResourceLoader::getDefaultFunctionsNamesMap()) {}

LocaleResources::LocaleResources(const FunctionsNamesMap& functionsNamesMap)
    : LocaleResources(functionsNamesMap, getDefaultBooleanStrings(), getDefaultErrorStrings(),
                      getDefaultSymbols(), DefaultLocaleName) {}

LocaleResources::LocaleResources(const FunctionsNamesMap& functionsNamesMap,
                                 BooleanStrings booleanStrings, ErrorStrings errorStrings,
                                 SymbolStrings symbols, std::string localeName)
    : _functionsNamesMap(&functionsNamesMap),
      _booleanStrings(std::move(booleanStrings)),
      _errorStrings(std::move(errorStrings)),
      _symbols(std::move(symbols)),
      _localeName(std::move(localeName)) {}

LocaleResources::LocaleResources(SymbolStrings symbols, std::string localeName)
    : LocaleResources(DefaultEnResourceLoader::getDefaultFunctionsNamesMap(),
                      getDefaultBooleanStrings(), getDefaultErrorStrings(), std::move(symbols),
                      std::move(localeName)) {}

const std::string& LocaleResources::getBooleanString(bool value) const {
  return _booleanStrings.getString(value);
}

const std::string& LocaleResources::getErrorString(Vesk::DOM::FormulaErrorType type) const {
  return _errorStrings.getString(type);
}

const std::string& LocaleResources::getSymbol(LocalizableSymbolType type) const {
  return _symbols.getString(type);
}

const LocaleResources::BooleanStrings& LocaleResources::getDefaultBooleanStrings() {
  static const BooleanStrings strings{{true, "TRUE"}, {false, "FALSE"}};
  return strings;
}

const LocaleResources::ErrorStrings& LocaleResources::getDefaultErrorStrings() {
  // The host's English words, "#NULL!" (1) to "#GETTING_DATA" (8).
  static const ErrorStrings strings = [] {
    ErrorStrings words;
    for (int value = 1; value <= 8; ++value) {
      const auto type = static_cast<Vesk::DOM::FormulaErrorType>(value);
      words.add(type, Vesk::DOM::formulaErrorTypeToString(type));
    }
    return words;
  }();
  return strings;
}

const LocaleResources::SymbolStrings& LocaleResources::getDefaultSymbols() {
  using Type = LocalizableSymbolType;
  static const SymbolStrings strings{
      {Type::DecimalSeparator, "."},      {Type::ThousandSeparator, ","},
      {Type::ArgumentListSeparator, ","}, {Type::ArrayListSeparator, ","},
      {Type::ExponentLiteral, "E"},       {Type::PercentageSymbol, "%"},
      {Type::CurrencySymbol, "$"}};
  return strings;
}

const LocaleResources& LocaleResources::getDefaultLocaleResources(Vesk::DOM::FormulaType type) {
  using Vesk::DOM::FormulaType;
  switch (type) {
    case FormulaType::OpenDocument: {
      static const LocaleResources resources(
          FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument));
      return resources;
    }
    case FormulaType::OOXML:
    case FormulaType::OOXMLStrict:
    case FormulaType::OOXMLTransitional: {
      static const LocaleResources resources(
          FilterFunctionsNamesMap::getMap(FormulaType::OOXMLStrict));
      return resources;
    }
  }
  OU_FAIL("Unknown FormulaType");
}

}  // namespace Vesk::OfficeUtils
