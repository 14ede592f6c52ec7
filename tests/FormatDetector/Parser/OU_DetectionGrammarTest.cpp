// The shipped detection grammar under real locales: what each detect type reads from typed text
// (the token map of the first complete match), what it must leave alone, and month names in
// several scripts.
#include "OfficeUtils/FormatDetector/Parser/OU_DetectionGrammar.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

// A locale with its grammar loaded, kept per name for the whole test program.
struct LoadedLocale {
  std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
  std::unique_ptr<LocaleManager> manager;
  std::unique_ptr<TokensManager> tokens;
};

const LoadedLocale& loaded(const std::string& name) {
  static std::map<std::string, LoadedLocale> cache;
  auto& entry = cache[name];
  if (!entry.tokens) {
    entry.provider = makeLocaleProvider(name);
    entry.manager = std::make_unique<LocaleManager>(*entry.provider, Vesk::DOM::TimeZone());
    entry.tokens = std::make_unique<TokensManager>(
        getResourceProviderFunc(entry.manager->getLocaleContext()), fillTokensStructures,
        getAutoDetectNodesNames(), getAutodetectResourcesPath());
  }
  return entry;
}

// The first complete match as "Name=text ..." in index order, "-" when nothing matches.
std::string firstMatch(const TokensManager& manager, const std::string& type,
                       const std::string& text) {
  const auto& info = manager.getValueTokensInfo();
  std::string shown = "-";
  (void)manager.parse(text, typicalNameToValueToken(info, type), [&](const TokenMap& map) {
    shown.clear();
    for (const auto& [index, matched] : map.entries()) {
      for (const auto& [name, value] : info.typicalNames)
        if (value == index && name != "Date" && name != "Time")
          shown += (shown.empty() ? "" : " ") + name + "=" + matched;
    }
    return Vesk::FormulaModel::FormulaValue(
        Vesk::FormulaModel::FormulaNumber(Vesk::FloatNumber(1.0)));
  });
  return shown;
}

struct Case {
  const char* locale;
  const char* type;
  const char* text;
  const char* expected;
};

TEST(DetectionGrammar, ReadsTypedInput) {
  const Case cases[] = {
      // Grouping only where it is valid; signs before, after and as parentheses.
      {"en_US", "CommonNumber", "1,234,567.5", "IntegerPartNumber=1,234,567 DecimalPartNumber=5"},
      {"en_US", "CommonNumber", "1,23", "-"},
      {"en_US", "CommonNumber", "1,2345", "-"},
      {"en_US", "CommonNumber", "12,34,567", "-"},
      {"en_IN", "CommonNumber", "12,34,567", "IntegerPartNumber=12,34,567"},
      {"en_US", "CommonNumber", "5-", "Sign=- IntegerPartNumber=5"},
      {"en_US", "CommonNumber", "(5.5)",
       "OpeningParenthesis=( ClosingParenthesis=) IntegerPartNumber=5 DecimalPartNumber=5"},
      {"en_US", "CommonNumber", ".5", "DecimalPartNumber=5"},
      {"en_US", "CommonNumber", "5.", "IntegerPartNumber=5"},
      {"en_US", "CommonNumber", "1.2.3", "-"},
      {"de_DE", "CommonNumber", "1.234,5", "IntegerPartNumber=1.234 DecimalPartNumber=5"},
      {"fr_FR", "CommonNumber", "1 234,5", "IntegerPartNumber=1 234 DecimalPartNumber=5"},
      {"fr_FR", "CommonNumber", "1\u202F234", "IntegerPartNumber=1\u202F234"},
      {"en_US", "Percentage", "-12.5 %", "Sign=- IntegerPartNumber=12 DecimalPartNumber=5"},
      {"en_US", "Fraction", "-2 5/8", "Sign=- Numerator=5 Denominator=8 IntegerPartFraction=2"},
      {"en_US", "Fraction", "1/2", "-"},
      {"en_US", "Scientific", "1.5E-3",
       "IntegerPartNumber=1 DecimalPartNumber=5 ExponentValue=3 ScientificSign=-"},
      {"en_US", "Currency", "($5.00)",
       "OpeningParenthesis=( ClosingParenthesis=) IntegerPartNumber=5 DecimalPartNumber=00 "
       "CurrencySymbol=$"},
      {"en_US", "Currency", "EUR 5", "IntegerPartNumber=5 CurrencySymbol=EUR"},
      {"de_DE", "Currency", "-1.234,50 €",
       "Sign=- IntegerPartNumber=1.234 DecimalPartNumber=50 CurrencySymbol=€"},
      {"ja_JP", "Currency", "￥100", "IntegerPartNumber=100 CurrencySymbol=￥"},
      // Dates in the locale's order, ISO everywhere, month names, times.
      {"en_US", "DateAndTime", "12/31/2024", "Day=31 Month=12 Year=2024"},
      {"en_GB", "DateAndTime", "31/12/2024", "Day=31 Month=12 Year=2024"},
      {"de_DE", "DateAndTime", "2024-12-31", "Day=31 Month=12 Year=2024"},
      {"en_US", "DateAndTime", "5 5", "-"},
      {"en_US", "DateAndTime", "1.5", "-"},
      {"de_DE", "DateAndTime", "1.5", "Day=1 Month=5"},
      {"en_US", "DateAndTime", "Dec 31, 2024", "Day=31 Month=Dec Year=2024"},
      {"en_US", "DateAndTime", "dec-2024", "Month=dec Year=2024"},
      {"ru_RU", "DateAndTime", "31 дек. 2024 г.", "Day=31 Month=дек. Year=2024"},
      {"ja_JP", "DateAndTime", "2024年12月31日", "Day=31 Month=12 Year=2024"},
      {"en_US", "DateAndTime", "10:30 p.m.", "Hour=10 Minute=30 Ampm=p.m."},
      {"en_US", "DateAndTime", "10PM", "Hour=10 Ampm=PM"},
      {"en_US", "DateAndTime", "13:45:30.25", "Hour=13 Minute=45 Second=30 Millisecond=25"},
      {"en_US", "DateAndTime", "12/31/2024 1:45 PM",
       "Day=31 Month=12 Year=2024 Hour=1 Minute=45 Ampm=PM"},
      {"en_US", "DateAndTime", "13.45", "-"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(firstMatch(*loaded(c.locale).tokens, c.type, c.text), c.expected)
        << c.locale << " " << c.type << " \"" << c.text << "\"";
}

// Every month name form reads as its month: the position in the list modulo 12 is the month.
TEST(DetectionGrammar, MonthNamesInSeveralScripts) {
  const Case cases[] = {
      {"de_DE", "", "Dez.", "12"},    {"fr_FR", "", "févr.", "2"},    {"fr_FR", "", "FÉVR", "2"},
      {"ru_RU", "", "декабря", "12"}, {"ru_RU", "", "Декабрь", "12"}, {"el_GR", "", "Μαΐου", "5"},
      {"el_GR", "", "Μάιος", "5"},    {"ja_JP", "", "3月", "3"},      {"zh_CN", "", "十二月", "12"},
  };
  for (const auto& c : cases) {
    const auto& locale = loaded(c.locale);
    const auto names = getDetectionMonthNames(locale.manager->getLocaleContext());
    const std::string lowered = utf8StringToLowerCase(c.text);
    std::size_t month = 0;
    for (std::size_t i = 0; i < names.size() && !month; ++i)
      if (utf8StringToLowerCase(names[i]) == lowered) month = i % 12 + 1;
    EXPECT_EQ(std::to_string(month), c.expected) << c.locale << " " << c.text;
    EXPECT_EQ(firstMatch(*locale.tokens, "DateAndTime", std::string("7 ") + c.text + " 2024"),
              std::string("Day=7 Month=") + c.text + " Year=2024")
        << c.locale << " " << c.text;
  }
}

// The built-in contexts have no provider: the shipped grammar loads with English symbols.
TEST(DetectionGrammar, BuiltInContextLoadsTheShippedGrammar) {
  const TokensManager manager(
      getResourceProviderFunc(
          LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType::OOXMLStrict)),
      fillTokensStructures, getAutoDetectNodesNames(), getAutodetectResourcesPath());
  EXPECT_EQ(firstMatch(manager, "CommonNumber", "-1,234.5"),
            "Sign=- IntegerPartNumber=1,234 DecimalPartNumber=5");
  EXPECT_EQ(firstMatch(manager, "DateAndTime", "Mar 3, 2024 9:05 am"),
            "Day=3 Month=Mar Year=2024 Hour=9 Minute=05 Ampm=am");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
