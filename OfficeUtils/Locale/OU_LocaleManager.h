// Builds the LocaleContext of one locale from a host resource provider: boolean and error words,
// checked separators and symbols, the locale name, the date-time formatting resources, and the
// localized names and descriptions of the spreadsheet functions. The manager owns everything the
// context refers to, so it must outlive every context it hands out; it is neither copied nor
// moved. Built on one thread; its context may then be read from any thread.
//
// Symbol checks. The seven symbols are settled in the order decimal separator, thousands
// separator, argument-list separator, array-list separator, exponent literal, percent sign,
// currency symbol. Each value is the extension's where one is given (keys 0 to 4), else the
// provider's, and is refused when it is empty, not valid UTF-8, holds a control character, or
// breaks the rule of its kind:
//   - decimal separator: one code point, no digit, letter or white space, none of
//     "-/:$!;[]{}*=+<>()%\"";
//   - thousands separator: one code point, no digit or letter (white space is fine: U+00A0,
//     U+202F), none of the characters above, not the decimal separator;
//   - argument and array-list separators: as the decimal separator but ";" is allowed; not the
//     decimal separator;
//   - exponent literal: letters only ("E", "e"; not "×10^");
//   - percent sign: one code point, no digit, letter or white space, none of
//     "-/:$!;[]{}*=+<>()\"", none of the four separators;
//   - currency symbol: no digit and none of "-;[]{}*=+<>\"" (a format code writes it as
//     "[$€-407]"), none of the four separators, the percent sign or the exponent literal.
// A refused value takes the English one ("." "," "," "," "E" "%" "$"), except that where the
// decimal separator is "," the thousands separator falls back to "." and the list separators
// to ";". So whatever the resources say, the context's symbols keep these rules.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <boost/unordered_map.hpp>
#include <boost/unordered_set.hpp>

#include "OfficeUtils/Formatting/OU_FormattingResources.h"
#include "OfficeUtils/Formulas/OU_FunctionsLocalizedInfosMap.h"
#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"
#include "host/DOM/OU_FormulaFunctionType.h"
#include "host/DOM/OU_TimeZone.h"
#include "host/ResourceManager/OU_ResourceProvider.h"
#include "host/Utils/OU_EnumHash.h"

namespace Vesk::OfficeUtils {

// What a caller may override in the locale's data (user settings of the host).
enum class LocaleExtensionType : std::uint8_t {
  DecimalSeparator = 0,
  ThousandSeparator = 1,
  ArgumentListSeparator = 2,
  ArrayListSeparator = 3,
  CurrencySymbol = 4,
  MediumDatePattern = 5,  // patterns in the provider's syntax ("dd.mm.yyyy")
  LongDatePattern = 6,
  TimePattern = 7,
};

using LocaleExtensions = boost::unordered_map<LocaleExtensionType, std::string, Vesk::EnumHash>;

class LocaleManager {
 public:
  // The built-in English context over the host's empty provider; no localized function data.
  explicit LocaleManager(const Vesk::DOM::TimeZone& timeZone);
  // Everything from `provider`, which must outlive the manager. Missing resources keep the
  // English defaults. Resource faults are programming errors: a localized function name not in
  // upper case (assertion "localizedName == utf8StringToUpperCase(localizedName)"), a
  // description without its URL or argument lists ("opt"), a localized name that the map already
  // holds for another function ("insertionResult.second").
  LocaleManager(const Vesk::ResourceManager::ResourceProvider& provider,
                const Vesk::DOM::TimeZone& timeZone, LocaleExtensions extensions = {});

  LocaleManager(const LocaleManager&) = delete;
  LocaleManager& operator=(const LocaleManager&) = delete;

  [[nodiscard]] const LocaleContext& getLocaleContext() const;
  [[nodiscard]] const FunctionsLocalizedInfosMap& getFunctionsLocalizedInfosMap() const {
    return _functionsLocalizedInfos;
  }
  // Whether the resources list the function's English name under
  // "Tooltips/FunctionsData:FunctionsWithExamples".
  [[nodiscard]] bool isFunctionWithExamples(Vesk::DOM::FormulaFunctionType type) const;

  // Not synchronised with readers of the context.
  void setApplicationTimeZone(const Vesk::DOM::TimeZone& timeZone);

 private:
  void loadLocaleResourcesData(const LocaleExtensions& extensions);
  void loadLocalizedFunctionsData();
  // Adds the description under `keyPrefix` ("Tooltips/FunctionsLocalizedNames:Functions/SUM1/");
  // false, adding nothing, when there is none.
  bool tryLoadFunctionData(Vesk::DOM::FormulaFunctionType type, const std::string& localizedName,
                           const std::string& keyPrefix);

  const Vesk::ResourceManager::ResourceProvider& _provider;
  FunctionsLocalizedInfosMap _functionsLocalizedInfos;
  // The shared English map until the provider names a function otherwise, then a copy of it
  // with the localized names added (_localizedFunctionsNames).
  const FunctionsNamesMap* _functionsNamesMap;
  std::optional<FunctionsNamesMap> _localizedFunctionsNames;
  std::unique_ptr<LocaleResources> _resources;
  std::unique_ptr<FormattingResources> _formattingResources;
  std::unique_ptr<SystemSettingsResourceProvider> _systemSettingsProvider;
  std::unique_ptr<LocaleContext> _context;
  boost::unordered_set<Vesk::DOM::FormulaFunctionType, Vesk::EnumHash> _functionsWithExamples;
};

}  // namespace Vesk::OfficeUtils
