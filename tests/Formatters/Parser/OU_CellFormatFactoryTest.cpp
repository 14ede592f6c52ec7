#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;
using Factory = CellFormatFactory;
using Vesk::DOM::TimeZone;

// A locale by name, built once; "" has "€" among its symbols, "USD" among its codes, the symbol
// after the amount.
const LocaleContext& localeContext(const std::string& name) {
  if (!name.empty()) return Testing::namedLocale(name);
  static const Vesk::ResourceManager::MapResourceProvider euro{
      {Keys::CurrencySymbolPath, "\u20AC"},
      {Keys::CurrencySymbolsListPath, {"$", "\u20AC", "K\u010D"}},
      {Keys::CurrencyCodesListPath, {"USD", "EUR", "CZK"}},
      {Keys::DefaultCurrencySymbolBeforeAmountPath, false}};
  static const LocaleManager manager(euro, TimeZone());
  return manager.getLocaleContext();
}

// One factory call: 'n'umber, 'c'urrency, 'a'ccounting, or 'f'raction of `count` numerator digits
// over the denominator `text`.
struct Call {
  char kind;
  unsigned long count;
  std::string text;
  bool red = false;
  int policy = 0;  // none, minus sign, parentheses
  bool grouping = false;
};

Factory::CellFormatPtr make(const Factory& f, const Call& c) {
  using Policy = Factory::NegativeNumberRenderingPolicy;
  const auto policy = c.policy ? boost::make_optional(Policy(c.policy - 1)) : boost::none;
  const auto type = c.kind == 'a' ? Factory::CurrencyType::Accounting : Factory::CurrencyType(7);
  if (c.kind == 'n') return f.makeNumberFormat(c.count, c.grouping, c.red, policy);
  if (c.kind == 'c' || c.kind == 'a')
    return f.makeCurrencyFormat(c.count, c.text, c.red, policy, type);
  return f.makeFractionFormat(DenominatorValue(std::stoul(c.text)), c.count);
}

std::string written(const Call& call, const std::string& locale) {
  const auto& context = localeContext(locale);
  return Parser::toRegEx(make(Factory(context), call)->getData(), Parser::ParserType::Default,
                         context);
}

// Codes of the layouts the detection corpus does not make (where each locale puts its own and
// other currencies is in that corpus): red negatives, parentheses, accounting fills, fixed
// denominators. The locale "" has its symbol after the amount.
TEST(CellFormatFactory, WritesTheStandardCodes) {
  const struct {
    std::string locale;
    Call call;
    std::string expected;
  } rows[] = {
      {"", {'n', 2, "", true, 1, true}, "#,##0.00;[red]-#,##0.00"},
      {"", {'n', 0, "", false, 2}, "0;(0)"},
      {"", {'c', 2, "usd"}, "#,##0.00 [$USD]"},
      {"", {'c', 0, "k\u010C"}, "#,##0[$K\u010D]"},
      {"", {'a', 2, "\u20AC", true, 1}, "* #,##0.00[$\u20AC];[red]-* #,##0.00[$\u20AC]"},
      {"", {'a', 1, "XYZ", false, 2}, "* #,##0.0 [$XYZ];(* #,##0.0 [$XYZ])"},
      {"fr_FR", {'a', 2, "$", true, 2}, "* #,##0.00 [$$];[red](* #,##0.00 [$$])"},
      {"ja_JP", {'a', 2, "$", true, 2}, "[$$]* #,##0.00;[red]([$$]* #,##0.00)"},
      {"", {'f', 3, "100"}, "# ??\?/100"},
  };
  for (const auto& [locale, call, expected] : rows) EXPECT_EQ(written(call, locale), expected);
  EXPECT_EQ(Factory(localeContext("")).makeNumberPattern(3, true), "###0.000");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
