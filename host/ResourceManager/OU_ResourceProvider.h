// The host's source of locale data: strings, string lists and booleans looked up by key.
// Providers are immutable once built and may be read from several threads at once.
//
// Key scheme. A key names a resource file, a table in it and an entry, as
// "<File>/<File>:<Table>/<Entry>"; the ':' is an ordinary character of the key. Locale data
// lives in the "LocaleResources" file ("LocaleResources/LocaleResources:Names/LongMonthNames"),
// function tooltips in "Tooltips", and the detection grammar in "AutodetectRules", whose tokens
// sit under "AutodetectRules/AutodetectRules:AutodetectRules/<Group>/<Token>/" with the entries
// "Rules", "TypicalName" and "Complexity". The five date-time rule keys below are such
// "Rules" entries of tokens of the "DateTimeTokens" group, so that what the library injects
// under `DateTimeTokensSubpath` + a subpath replaces exactly the rules of those tokens.
#pragma once

#include <string>
#include <vector>

#include <boost/optional.hpp>

namespace Vesk::ResourceManager {

class ResourceProvider {
 public:
  virtual ~ResourceProvider() = default;

  // None when the provider does not hold `key` as a value of that kind.
  [[nodiscard]] virtual boost::optional<std::string> getResourceString(
      const std::string& key) const = 0;
  [[nodiscard]] virtual boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const = 0;
  [[nodiscard]] virtual boost::optional<bool> getResourceBoolean(const std::string& key) const = 0;

  // Never fail: an absent key gives "", an empty list or false.
  [[nodiscard]] virtual std::string safeGetResourceString(const std::string& key) const;
  [[nodiscard]] virtual std::vector<std::string> safeGetResourceStringArray(
      const std::string& key) const;
  [[nodiscard]] virtual bool safeGetResourceBoolean(const std::string& key) const;

 protected:
  ResourceProvider() = default;
  ResourceProvider(const ResourceProvider&) = default;
  ResourceProvider& operator=(const ResourceProvider&) = default;
};

namespace ResourceProviderImpl {
// A process-wide provider that holds nothing; lives until process exit.
[[nodiscard]] const ResourceProvider& getEmptyResourceProvider();
}  // namespace ResourceProviderImpl

// Keys of the resources the library reads. Arrays of char, so that they pass as
// `const std::string&` and append to a std::string.
namespace Keys {

// The locale's separators and number symbols (strings).
inline constexpr char DecimalSeparatorPath[] =
    "LocaleResources/LocaleResources/Separators/DecimalSeparator";
inline constexpr char ThousandSeparatorPath[] =
    "LocaleResources/LocaleResources/Separators/ThousandSeparator";
inline constexpr char ArgumentListSeparatorPath[] =
    "LocaleResources/LocaleResources/Separators/ArgumentlistSeparator";
inline constexpr char ArrayListSeparatorPath[] =
    "LocaleResources/LocaleResources/Separators/ArraylistSeparator";
inline constexpr char ExponentLiteralPath[] =
    "LocaleResources/LocaleResources:FormatSymbols/ExponentLiteral";
inline constexpr char PercentageSymbolPath[] =
    "LocaleResources/LocaleResources:FormatSymbols/PercentageSymbol";
inline constexpr char CurrencySymbolPath[] =
    "LocaleResources/LocaleResources:FormatSymbols/CurrencySymbol";
inline constexpr char MinusSignPath[] = "LocaleResources/LocaleResources:FormatSymbols/MinusSign";
inline constexpr char PlusSignPath[] = "LocaleResources/LocaleResources:FormatSymbols/PlusSign";
// The size of the digit groups before the last one, in digits ("2" for 12,34,567; "3" for
// 1,234,567); "" when the locale does not group digits.
inline constexpr char SecondaryGroupingSizePath[] =
    "LocaleResources/LocaleResources/Separators/SecondaryGroupingSize";

// Format codes of the locale's date and time patterns (strings).
inline constexpr char LongDatePatternPath[] =
    "LocaleResources/LocaleResources:DateTimePatterns/LongDate";
inline constexpr char MediumDatePatternPath[] =
    "LocaleResources/LocaleResources:DateTimePatterns/MediumDate";
inline constexpr char ShortDatePatternPath[] =
    "LocaleResources/LocaleResources:DateTimePatterns/ShortDate";
inline constexpr char TimePatternPath[] = "LocaleResources/LocaleResources:DateTimePatterns/Time";

// Name lists, indexed by position: AM then PM; days from Sunday; months from January; quarters
// from the first; eras from the earlier.
inline constexpr char AMPMNamesPath[] = "LocaleResources/LocaleResources:Names/AMPMNames";
inline constexpr char ShortDaysOfWeekNamesPath[] =
    "LocaleResources/LocaleResources:Names/ShortDaysOfWeekNames";
inline constexpr char LongDaysOfWeekNamesPath[] =
    "LocaleResources/LocaleResources:Names/LongDaysOfWeekNames";
inline constexpr char ShortMonthNamesPath[] =
    "LocaleResources/LocaleResources:Names/ShortMonthNames";
inline constexpr char LongMonthNamesPath[] = "LocaleResources/LocaleResources:Names/LongMonthNames";
// The names of months standing alone (a heading), where a language inflects them ("декабрь"
// beside "декабря" in a date).
inline constexpr char StandAloneShortMonthNamesPath[] =
    "LocaleResources/LocaleResources:Names/StandAloneShortMonthNames";
inline constexpr char StandAloneLongMonthNamesPath[] =
    "LocaleResources/LocaleResources:Names/StandAloneLongMonthNames";
inline constexpr char FirstLetterMonthNamesPath[] =
    "LocaleResources/LocaleResources:Names/FirstLetterMonthNames";
inline constexpr char ShortQuarterNamesPath[] =
    "LocaleResources/LocaleResources:Names/ShortQuarterNames";
inline constexpr char LongQuarterNamesPath[] =
    "LocaleResources/LocaleResources:Names/LongQuarterNames";
inline constexpr char ShortEraNamesPath[] = "LocaleResources/LocaleResources:Names/ShortEraNames";
inline constexpr char LongEraNamesPath[] = "LocaleResources/LocaleResources:Names/LongEraNames";

// Currencies the locale knows (string lists) and where its symbol goes (boolean).
inline constexpr char CurrencySymbolsListPath[] =
    "LocaleResources/LocaleResources:Currencies/CurrencySymbolsList";
inline constexpr char CurrencyCodesListPath[] =
    "LocaleResources/LocaleResources:Currencies/CurrencyCodesList";
inline constexpr char DefaultCurrencySymbolBeforeAmountPath[] =
    "LocaleResources/LocaleResources:Currencies/DefaultCurrencySymbolBeforeAmount";

// The locale's name parts, "en" and "US" (strings).
inline constexpr char LanguageNamePath[] = "LocaleResources/LocaleResources:Locale/LanguageName";
inline constexpr char RegionNamePath[] = "LocaleResources/LocaleResources:Locale/RegionName";

// The "DateTimeTokens" group of the detection grammar, with a trailing '/'; each subpath
// appended to it gives the "Rules" key of one date-time token (string lists):
// DateTimeTokensSubpath + MonthNumberRulesSubpath ==
// "AutodetectRules/AutodetectRules:AutodetectRules/DateTimeTokens/MonthNumber/Rules".
inline constexpr char DateTimeTokensSubpath[] =
    "AutodetectRules/AutodetectRules:AutodetectRules/DateTimeTokens/";
inline constexpr char MonthNumberRulesSubpath[] = "MonthNumber/Rules";
inline constexpr char MonthNumberSeparatorRulesSubpath[] = "MonthNumberSeparator/Rules";
inline constexpr char MonthStringRulesSubpath[] = "MonthString/Rules";
inline constexpr char MonthStringSeparatorRulesSubpath[] = "MonthStringSeparator/Rules";
inline constexpr char TimeSeparatorRulesSubpath[] = "TimeSeparator/Rules";

}  // namespace Keys

}  // namespace Vesk::ResourceManager
