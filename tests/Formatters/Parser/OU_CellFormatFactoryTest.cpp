#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
namespace Keys = Vesk::ResourceManager::Keys;
using Factory = CellFormatFactory;
using Policy = Factory::NegativeNumberRenderingPolicy;
using Currency = Factory::CurrencyType;
using Make = std::function<Factory::CellFormatPtr(const Factory&)>;

std::string written(const Factory::CellFormatPtr& format, const LocaleContext& context) {
  return Parser::toRegEx(format->getData(), Parser::ParserType::Default, context);
}

// "€" among the symbols and "USD" among the codes, the symbol after the amount.
const LocaleContext& euroContext() {
  static const Vesk::ResourceManager::MapResourceProvider provider{
      {Keys::CurrencySymbolPath, "\u20AC"},
      {Keys::CurrencySymbolsListPath, {"$", "\u20AC", "K\u010D"}},
      {Keys::CurrencyCodesListPath, {"USD", "EUR", "CZK"}},
      {Keys::DefaultCurrencySymbolBeforeAmountPath, false}};
  static const LocaleManager manager(provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  return manager.getLocaleContext();
}

// A locale built once from its ICU and shipped data; "" is the euro locale above.
const LocaleContext& localeContext(const std::string& name) {
  struct Locale {
    std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
    std::unique_ptr<LocaleManager> manager;
  };
  static std::map<std::string, Locale> locales;
  if (name.empty()) return euroContext();
  auto& locale = locales[name];
  if (!locale.manager) {
    locale.provider = makeLocaleProvider(name);
    locale.manager =
        std::make_unique<LocaleManager>(*locale.provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  }
  return locale.manager->getLocaleContext();
}

Make number(unsigned long decimals, bool grouping, bool red, boost::optional<Policy> policy) {
  return [=](const Factory& f) { return f.makeNumberFormat(decimals, grouping, red, policy); };
}
Make currency(unsigned long decimals, std::string symbol, bool red, boost::optional<Policy> policy,
              Currency type) {
  return
      [=](const Factory& f) { return f.makeCurrencyFormat(decimals, symbol, red, policy, type); };
}
Make fraction(Denominator denominator, unsigned long numeratorDigits) {
  return [=](const Factory& f) { return f.makeFractionFormat(denominator, numeratorDigits); };
}
Make dateTime(Model::DateTimeDefaultType type) {
  return [=](const Factory&) { return Factory::makeDateTimeFormat(type); };
}

TEST(CellFormatFactory, WritesTheStandardCodes) {
  const auto none = boost::none;
  const std::pair<Make, std::string> rows[] = {
      {number(2, true, false, none), "#,##0.00"},
      {number(2, true, true, Policy::MinusSign), "#,##0.00;[red]-#,##0.00"},
      {number(0, false, false, Policy::Parentheses), "0;(0)"},
      {number(1, false, true, none), "0.0;[red]0.0"},
      {number(0, true, false, none), "#,##0"},
      {currency(2, "\u20AC", false, none, Currency::Regular), "#,##0.00[$\u20AC]"},
      {currency(2, "usd", false, none, Currency::Regular), "#,##0.00 [$USD]"},
      {currency(2, "\u20AC", true, Policy::MinusSign, Currency::Accounting),
       "* #,##0.00[$\u20AC];[red]-* #,##0.00[$\u20AC]"},
      {currency(0, "", false, none, Currency::Regular), "#,##0[$\u20AC]"},
      {currency(1, "XYZ", false, Policy::Parentheses, Currency::Accounting),
       "* #,##0.0 [$XYZ];(* #,##0.0 [$XYZ])"},
      {currency(0, "k\u010C", false, none, Currency(7)), "#,##0[$K\u010D]"},  // Regular layout
      {[](const Factory& f) { return f.makePercentageFormat(2); }, "0.00%"},
      {[](const Factory& f) { return f.makeScientificFormat(2); }, "0.00E+00"},
      {[](const Factory& f) { return f.makeScientificFormat(0); }, "0E+00"},
      {fraction(DenominatorDigitsNumber(2), 2), "# ?\?/??"},
      {fraction(DenominatorValue(16), 1), "# ?/16"},
      {fraction(DenominatorValue(100), 3), "# ??\?/100"},
      {dateTime(Model::DateTimeDefaultType::DateTime), "m/d/yyyy h:mm"},
      {[](const Factory&) {
         using Token = Model::DateTimePatternToken;
         return Factory::makeDateTimeFormat({{Token::Month, 1}, {Token::Year, 0}});
       },
       "mmmm/yyyy"},
      {[](const Factory&) { return Factory::makeTextFormat(); }, "@"},
      {[](const Factory&) { return Factory::makeDefaultFormat(); }, "General"},
  };
  const Factory factory(euroContext());
  for (const auto& [make, expected] : rows)
    EXPECT_EQ(written(make(factory), euroContext()), expected);
  EXPECT_EQ(factory.makeNumberPattern(3, true), "###0.000");
  EXPECT_EQ(factory.makeNumberPattern(0, false), "0");
  EXPECT_EQ(Factory::makeTextFormat(), Factory::makeTextFormat());
  EXPECT_EQ(Factory::makeDefaultFormat(), Factory::makeDefaultFormat());
}

// Where the symbol goes and which currencies count as symbols (no space) are the locale's.
TEST(CellFormatFactory, LocalesPlaceAndSpellCurrencies) {
  const auto none = boost::none;
  const std::vector<std::pair<Make, std::vector<std::string>>> rows = {
      {currency(2, "", false, none, Currency::Regular),
       {"#,##0.00[$\u20AC]", "#,##0.00[$\u20AC]", "[$\uFFE5]#,##0.00"}},
      {currency(2, "usd", false, none, Currency::Regular),
       {"#,##0.00 [$USD]", "#,##0.00 [$USD]", "[$USD] #,##0.00"}},
      {currency(0, "\u00A5", false, none, Currency::Regular),
       {"#,##0[$\u00A5]", "#,##0 [$\u00A5]", "[$\u00A5] #,##0"}},
      {currency(2, "$", true, Policy::Parentheses, Currency::Accounting),
       {"* #,##0.00[$$];[red](* #,##0.00[$$])", "* #,##0.00 [$$];[red](* #,##0.00 [$$])",
        "[$$]* #,##0.00;[red]([$$]* #,##0.00)"}},
      {dateTime(Model::DateTimeDefaultType::Date), {"d.m.yyyy", "d m yyyy", "yyyy/m/d"}},
      {dateTime(Model::DateTimeDefaultType::DateTime),
       {"d.m.yyyy h:mm", "d m yyyy h:mm", "yyyy/m/d h:mm"}},
  };
  const char* const names[] = {"de_DE", "fr_FR", "ja_JP"};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    SCOPED_TRACE(names[i]);
    const auto& context = localeContext(names[i]);
    for (const auto& [make, expected] : rows)
      EXPECT_EQ(written(make(Factory(context)), context), expected[i]);
  }
}

// The model with each number part's leading and trailing literals put beside it, where the
// factory puts them and the parser embeds them.
Model::Rule flattened(Model::Rule rule) {
  Model::Items items;
  for (const auto& item : rule.getItems()) {
    const auto* number = boost::get<Model::NumberItem>(&item);
    if (!number) {
      items.push_back(item);
      continue;
    }
    Model::Items after;
    for (const auto& [position, embedded] : number->getEmbeddedItems()) {
      auto plain = boost::apply_visitor([](const auto& e) { return Model::Item(e); }, embedded);
      (position == 0 ? after : items).push_back(std::move(plain));
    }
    items.push_back(Model::NumberItem(number->getRole(), number->getPattern(),
                                      number->hasGrouping(), number->getDisplayFactor()));
    items.insert(items.end(), after.begin(), after.end());
  }
  rule.setItems(std::move(items));
  return rule;
}

const boost::optional<Policy> Policies[] = {boost::none, Policy::MinusSign, Policy::Parentheses};

// Every format the factory makes reads back from its code into the same model and kind.
TEST(CellFormatFactory, CodesReadBackIntoTheSameModel) {
  std::vector<Make> makes;
  for (unsigned long decimals : {0, 1, 3}) {
    for (const boost::optional<Policy> policy : Policies) {
      for (const bool red : {false, true}) {
        makes.push_back(number(decimals, red, red, policy));
        makes.push_back(number(decimals, !red, red, policy));
        for (const auto* symbol : {"", "\u20AC", "usd", "$", "xyz", "\u00A5"}) {
          makes.push_back(currency(decimals, symbol, red, policy, Currency::Regular));
          makes.push_back(currency(decimals, symbol, red, policy, Currency::Accounting));
        }
      }
    }
    makes.push_back([=](const Factory& f) { return f.makePercentageFormat(decimals); });
    makes.push_back([=](const Factory& f) { return f.makeScientificFormat(decimals); });
    for (unsigned long digits : {1, 2, 3}) {
      makes.push_back(fraction(DenominatorDigitsNumber(digits), decimals + 1));
      makes.push_back(fraction(DenominatorValue(digits * 8), decimals + 1));
    }
  }
  for (const auto* name : {"", "de_DE", "fr_FR", "ja_JP"}) {
    const auto& context = localeContext(name);
    for (const auto& make : makes) {
      const auto format = make(Factory(context));
      const auto& made = boost::get<Model::Expression>(format->getData());
      const std::string code = written(format, context);
      SCOPED_TRACE(name + (" " + code));
      auto read = Parser::parse(code, Parser::ParserType::Default);
      ASSERT_TRUE(read);
      std::vector<Model::Rule> rules;
      for (const auto& rule : read->getRules()) rules.push_back(flattened(rule));
      read->setRules(std::move(rules));
      if (read->getDefaultNumberRule())
        read->setDefaultNumberRule(flattened(*read->getDefaultNumberRule()));
      EXPECT_EQ(*read, made);
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
