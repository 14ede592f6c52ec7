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
// of `count` numerator digits over `text` ("??" or "16").
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
  if (c.text[0] == '?')
    return f.makeFractionFormat(DenominatorDigitsNumber(c.text.size()), c.count);
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
