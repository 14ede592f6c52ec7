#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
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

// One factory call: 'n'umber, 'c'urrency, 'a'ccounting, 'p'ercentage, 's'cientific, 'f'raction
// of `count` numerator digits over `text` ("??" or "16"), 'd'ate-time of default type `count`,
// 't'ext, 'g'eneral.
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
  if (c.kind == 'p') return f.makePercentageFormat(c.count);
  if (c.kind == 's') return f.makeScientificFormat(c.count);
  if (c.kind == 'd') return Factory::makeDateTimeFormat(Model::DateTimeDefaultType(c.count));
  if (c.kind == 't') return Factory::makeTextFormat();
  if (c.kind == 'g') return Factory::makeDefaultFormat();
  if (c.text[0] == '?')
    return f.makeFractionFormat(DenominatorDigitsNumber(c.text.size()), c.count);
  return f.makeFractionFormat(DenominatorValue(std::stoul(c.text)), c.count);
}

std::string written(const Call& call, const std::string& locale) {
  const auto& context = localeContext(locale);
  return Parser::toRegEx(make(Factory(context), call)->getData(), Parser::ParserType::Default,
                         context);
}

TEST(CellFormatFactory, WritesTheStandardCodes) {
  const std::pair<Call, std::string> rows[] = {
      {{'n', 2, "", false, 0, true}, "#,##0.00"},
      {{'n', 2, "", true, 1, true}, "#,##0.00;[red]-#,##0.00"},
      {{'n', 0, "", false, 2}, "0;(0)"},
      {{'c', 2, "\u20AC"}, "#,##0.00[$\u20AC]"},
      {{'c', 2, "usd"}, "#,##0.00 [$USD]"},
      {{'a', 2, "\u20AC", true, 1}, "* #,##0.00[$\u20AC];[red]-* #,##0.00[$\u20AC]"},
      {{'a', 1, "XYZ", false, 2}, "* #,##0.0 [$XYZ];(* #,##0.0 [$XYZ])"},
      {{'c', 0, "k\u010C"}, "#,##0[$K\u010D]"},
      {{'p', 2, ""}, "0.00%"},
      {{'s', 2, ""}, "0.00E+00"},
      {{'f', 2, "??"}, "# ?\?/??"},
      {{'f', 3, "100"}, "# ??\?/100"},
      {{'d', 2, ""}, "m/d/yyyy h:mm"},
      {{'t', 0, ""}, "@"},
      {{'g', 0, ""}, "General"},
  };
  for (const auto& [call, expected] : rows) EXPECT_EQ(written(call, ""), expected);
  EXPECT_EQ(Factory(localeContext("")).makeNumberPattern(3, true), "###0.000");
}

// Where the symbol goes and which currencies are symbols (no space) are the locale's.
TEST(CellFormatFactory, LocalesPlaceAndSpellCurrencies) {
  const std::pair<Call, std::vector<std::string>> rows[] = {
      {{'c', 2, ""}, {"#,##0.00[$\u20AC]", "#,##0.00[$\u20AC]", "[$\uFFE5]#,##0.00"}},
      {{'c', 2, "usd"}, {"#,##0.00 [$USD]", "#,##0.00 [$USD]", "[$USD] #,##0.00"}},
      {{'c', 0, "\u00A5"}, {"#,##0[$\u00A5]", "#,##0 [$\u00A5]", "[$\u00A5] #,##0"}},
      {{'a', 2, "$", true, 2},
       {"* #,##0.00[$$];[red](* #,##0.00[$$])", "* #,##0.00 [$$];[red](* #,##0.00 [$$])",
        "[$$]* #,##0.00;[red]([$$]* #,##0.00)"}},
      {{'d', 2, ""}, {"d.m.yyyy h:mm", "d/m/yyyy h:mm", "yyyy/m/d h:mm"}},
  };
  const char* const names[] = {"de_DE", "fr_FR", "ja_JP"};
  for (std::size_t i = 0; i < std::size(names); ++i)
    for (const auto& [call, expected] : rows) EXPECT_EQ(written(call, names[i]), expected[i]);
}

// The rule with each number part's leading and trailing literals beside it, where the factory
// puts them and the parser embeds them.
Model::Rule flattened(Model::Rule rule) {
  Model::Items items;
  for (auto item : rule.getItems()) {
    Model::Items after;
    if (auto* number = boost::get<Model::NumberItem>(&item)) {
      for (const auto& [position, embedded] : number->getEmbeddedItems())
        (position == 0 ? after : items)
            .push_back(
                boost::apply_visitor([](const auto& e) { return Model::Item(e); }, embedded));
      number->setEmbeddedItems({});
    }
    items.push_back(item);
    items.insert(items.end(), after.begin(), after.end());
  }
  rule.setItems(std::move(items));
  return rule;
}

// Every format the factory makes reads back from its code into the same model.
TEST(CellFormatFactory, CodesReadBackIntoTheSameModel) {
  std::vector<Call> calls;
  for (unsigned long n : {0, 1, 3}) {
    calls.insert(calls.end(),
                 {{'p', n, ""}, {'s', n, ""}, {'f', n + 1, "???"}, {'f', n + 1, "16"}});
    for (int policy : {0, 1, 2}) {
      for (const bool red : {false, true}) {
        calls.push_back({'n', n, "", red, policy, red != (policy == 1)});
        for (const auto* currency : {"", "\u20AC", "usd", "$", "xyz", "\u00A5"})
          calls.insert(calls.end(),
                       {{'c', n, currency, red, policy}, {'a', n, currency, red, policy}});
      }
    }
  }
  for (const auto* name : {"", "de_DE", "fr_FR", "ja_JP"}) {
    for (const auto& call : calls) {
      const std::string code = written(call, name);
      auto read = Parser::parse(code, Parser::ParserType::Default).value_or(Model::Expression());
      std::vector<Model::Rule> rules;
      for (const auto& rule : read.getRules()) rules.push_back(flattened(rule));
      read.setRules(rules);
      read.setDefaultNumberRule(flattened(read.getDefaultNumberRule().value_or(Model::Rule())));
      const auto made = make(Factory(localeContext(name)), call);
      EXPECT_EQ(read, boost::get<Model::Expression>(made->getData())) << name << " " << code;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
