// The shipped detection grammar under real locales: what each detect type reads from typed text
// (the token map of the first complete match) and month names in several scripts.
#include "OfficeUtils/FormatDetector/Parser/OU_DetectionGrammar.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

// The shipped grammar under a real locale, loaded once per name.
const TokensManager& grammar(const std::string& name) {
  static std::map<std::string, std::unique_ptr<TokensManager>> cache;
  auto& entry = cache[name];
  if (!entry) {
    entry = std::make_unique<TokensManager>(getResourceProviderFunc(Testing::namedLocale(name)),
                                            fillTokensStructures, getAutoDetectNodesNames(),
                                            getAutodetectResourcesPath());
  }
  return *entry;
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

// What the typed-input corpus cannot show: the parts read, a year word after the date, and
// month names of scripts the corpus lacks. Every month name form reads as its month (its position
// in the list modulo 12).
TEST(DetectionGrammar, ReadsTypedInput) {
  const Case cases[] = {
      {"en_US", "CommonNumber", "(5.5)",
       "OpeningParenthesis=( ClosingParenthesis=) IntegerPartNumber=5 DecimalPartNumber=5"},
      {"en_US", "Fraction", "-2 5/8", "Sign=- Numerator=5 Denominator=8 IntegerPartFraction=2"},
      {"en_US", "Scientific", "1.5E-3",
       "IntegerPartNumber=1 DecimalPartNumber=5 ExponentValue=3 ScientificSign=-"},
      {"de_DE", "Currency", "-1.234,50 €",
       "Sign=- IntegerPartNumber=1.234 DecimalPartNumber=50 CurrencySymbol=€"},
      {"ru_RU", "DateAndTime", "31 дек. 2024 г.", "Day=31 Month=дек. Year=2024"},
      {"en_US", "DateAndTime", "12/31/2024 1:45 PM",
       "Day=31 Month=12 Year=2024 Hour=1 Minute=45 Ampm=PM"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(firstMatch(grammar(c.locale), c.type, c.text), c.expected)
        << c.locale << " " << c.type << " \"" << c.text << "\"";
  const struct {
    const char* locale;
    const char* text;
    int month;
  } months[] = {
      {"fr_FR", "FÉVR", 2}, {"el_GR", "Μαΐου", 5}, {"el_GR", "Μάιος", 5}, {"zh_CN", "十二月", 12}};
  for (const auto& [locale, text, expected] : months) {
    const auto names = getDetectorMonthNames(Testing::namedLocale(locale));
    int month = 0;
    for (std::size_t n = 0; n < names.size() && !month; ++n)
      if (utf8StringToLowerCase(names[n]) == utf8StringToLowerCase(text))
        month = static_cast<int>(n % 12) + 1;
    EXPECT_EQ(month, expected) << locale << " " << text;
    EXPECT_EQ(firstMatch(grammar(locale), "DateAndTime", std::string("7 ") + text + " 2024"),
              std::string("Day=7 Month=") + text + " Year=2024")
        << locale << " " << text;
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
