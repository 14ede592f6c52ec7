// The localized words of a locale: symbols (separators, exponent, percent and currency signs),
// boolean and error words, the function-name map and the locale name. The function-name map is
// referred to, not owned, and must outlive the resources.
#pragma once

#include <cstdint>
#include <string>

#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"
#include "OfficeUtils/Locale/OU_LocalizedStringProvider.h"
#include "host/DOM/OU_FormulaTypes.h"

namespace Vesk::OfficeUtils {

// The English words are in the comments.
enum class LocalizableSymbolType : std::uint8_t {
  DecimalSeparator = 0,       // "."
  ThousandSeparator = 1,      // ","
  ArgumentListSeparator = 2,  // ","
  ArrayListSeparator = 3,     // ","
  ExponentLiteral = 4,        // "E"
  PercentageSymbol = 5,       // "%"
  CurrencySymbol = 6,         // "$"
};

class LocaleResources {
 public:
  using BooleanStrings = LocalizedStringProvider<bool>;
  using ErrorStrings = LocalizedStringProvider<Vesk::DOM::FormulaErrorType>;
  using SymbolStrings = LocalizedStringProvider<LocalizableSymbolType>;

  // English: the built-in English function names and words, locale name "en_US".
  LocaleResources();
  // The given function names with the English words, locale name "en_US".
  explicit LocaleResources(const FunctionsNamesMap& functionsNamesMap);
  LocaleResources(const FunctionsNamesMap& functionsNamesMap, BooleanStrings booleanStrings,
                  ErrorStrings errorStrings, SymbolStrings symbols, std::string localeName);
  // The English function names, boolean and error words with the locale's own symbols.
  LocaleResources(SymbolStrings symbols, std::string localeName);

  [[nodiscard]] const FunctionsNamesMap& getFunctionsNamesMap() const {
    return *_functionsNamesMap;
  }
  [[nodiscard]] const std::string& getLocaleName() const { return _localeName; }

  // The word shown for a value. A value without a word is a programming error (assertion
  // "Unknown value").
  [[nodiscard]] const std::string& getBooleanString(bool value) const;
  [[nodiscard]] const std::string& getErrorString(Vesk::DOM::FormulaErrorType type) const;
  [[nodiscard]] const std::string& getSymbol(LocalizableSymbolType type) const;

  // The whole maps, for reading words back into values.
  [[nodiscard]] const SymbolStrings& getSymbols() const { return _symbols; }

  // The built-in English words: "TRUE"/"FALSE"; "#NULL!" to "#GETTING_DATA" by error value;
  // the symbols listed at LocalizableSymbolType. Built on first use, never changed.
  [[nodiscard]] static const BooleanStrings& getDefaultBooleanStrings();
  [[nodiscard]] static const ErrorStrings& getDefaultErrorStrings();
  [[nodiscard]] static const SymbolStrings& getDefaultSymbols();

  // The built-in resources of a formula dialect: 0 on the OpenDocument function names; 1, 2 and
  // 3 share one object on the OOXML names; English words, "en_US". Any other value is a
  // programming error (assertion "Unknown FormulaType").
  [[nodiscard]] static const LocaleResources& getDefaultLocaleResources(
      Vesk::DOM::FormulaType type);

 private:
  const FunctionsNamesMap* _functionsNamesMap;
  BooleanStrings _booleanStrings;
  ErrorStrings _errorStrings;
  SymbolStrings _symbols;
  std::string _localeName;
};

}  // namespace Vesk::OfficeUtils
