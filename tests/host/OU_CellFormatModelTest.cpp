#include "host/DOM/OU_CellFormatModel.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::DOM::CellFormatModel {
namespace {

using DTType = DateTimeItem::Type;
using Token = DateTimePatternToken;

// A model with every member set to a value other than its default, at every level.
Expression makeFullExpression() {
  NumberItem number(NumberItem::Role::Integer, "###0.00", true, 1);
  number.setEmbeddedItems(
      {{0, TextItem(TextItem::Type::Percent, "%")}, {7, CurrencyItem("€", 0x407u)}});
  Rule first(Items{CurrencyItem("$", 0x409u), DateTimeItem(DTType::SecondsLong, 2),
                   ExtraItem(ExtraItem::Type::ExponentPlus), number,
                   TextItem(TextItem::Type::Literal, "abc")},
             Color{255, 0, 0, 255});
  first.setCondition(Condition(Condition::Type::GreaterOrEqual, 100.0));
  first.setLanguage(0x409u);
  first.setCalendar(Calendar::B2);
  first.setTransliteration(Transliteration::DBNum3);
  Rule second(Items{TextItem(TextItem::Type::Literal, "-"), number});
  Expression expression({first, second});
  expression.setDefaultNumberRule(Rule(Items{ExtraItem(ExtraItem::Type::General)}));
  expression.setDefaultTextRule(Rule(Items{ExtraItem(ExtraItem::Type::Text)}));
  return expression;
}

// Replaces item `index` of the first rule by what `change` makes of it.
template <typename T>
std::function<void(Expression&)> changeItem(std::size_t index, std::function<T(T)> change) {
  return [index, change](Expression& expression) {
    std::vector<Rule> rules = expression.getRules();
    Items items = rules[0].getItems();
    items[index] = change(boost::get<T>(items[index]));
    rules[0].setItems(items);
    expression.setRules(rules);
  };
}

std::function<void(Expression&)> changeFirstRule(std::function<void(Rule&)> change) {
  return [change](Expression& expression) {
    std::vector<Rule> rules = expression.getRules();
    change(rules[0]);
    expression.setRules(rules);
  };
}

NumberItem withEmbedded(NumberItem item, NumberItem::EmbeddedItems embedded) {
  item.setEmbeddedItems(std::move(embedded));
  return item;
}

// Property: a copy equals its original; changing any one member anywhere in the tree makes
// the copy differ, and the changed copy still equals a copy of itself.
TEST(CellFormatModel, EqualityIsDeepOverEveryMember) {
  using Currency = CurrencyItem;
  using Number = NumberItem;
  const struct {
    const char* what;
    std::function<void(Expression&)> mutate;
  } mutators[] = {
      {"rules appended",
       [](Expression& e) {
         auto rules = e.getRules();
         rules.push_back(Rule());
         e.setRules(rules);
       }},
      {"rules swapped",
       [](Expression& e) {
         auto rules = e.getRules();
         std::swap(rules[0], rules[1]);
         e.setRules(rules);
       }},
      {"default number rule dropped", [](Expression& e) { e.setDefaultNumberRule(boost::none); }},
      {"default number rule emptied", [](Expression& e) { e.setDefaultNumberRule(Rule()); }},
      {"default text rule dropped", [](Expression& e) { e.setDefaultTextRule(boost::none); }},
      {"colour changed", changeFirstRule([](Rule& r) {
         r.setColor(Color{255, 0, 0, 254});
       })},
      {"colour dropped", changeFirstRule([](Rule& r) { r.setColor(boost::none); })},
      {"condition type", changeFirstRule([](Rule& r) {
         r.setCondition(Condition(Condition::Type::Greater, 100.0));
       })},
      {"condition value", changeFirstRule([](Rule& r) {
         r.setCondition(Condition(Condition::Type::GreaterOrEqual, 100.001));
       })},
      {"condition dropped", changeFirstRule([](Rule& r) { r.setCondition(boost::none); })},
      {"language", changeFirstRule([](Rule& r) { r.setLanguage(0x407u); })},
      {"language dropped", changeFirstRule([](Rule& r) { r.setLanguage(boost::none); })},
      {"calendar", changeFirstRule([](Rule& r) { r.setCalendar(Calendar::B1); })},
      {"calendar dropped", changeFirstRule([](Rule& r) { r.setCalendar(boost::none); })},
      {"transliteration",
       changeFirstRule([](Rule& r) { r.setTransliteration(Transliteration::DBNum4); })},
      {"transliteration dropped",
       changeFirstRule([](Rule& r) { r.setTransliteration(boost::none); })},
      {"item removed", changeFirstRule([](Rule& r) {
         Items items = r.getItems();
         items.pop_back();
         r.setItems(items);
       })},
      {"items swapped", changeFirstRule([](Rule& r) {
         Items items = r.getItems();
         std::swap(items[0], items[4]);
         r.setItems(items);
       })},
      {"currency symbol",
       changeItem<Currency>(0, [](Currency c) { return Currency("US$", c.getLanguage()); })},
      {"currency language",
       changeItem<Currency>(0, [](Currency c) { return Currency(c.getCurrencySymbol(), 0x408u); })},
      {"currency language dropped",
       changeItem<Currency>(0, [](Currency c) { return Currency(c.getCurrencySymbol()); })},
      {"date-time type", changeItem<DateTimeItem>(1,
                                                  [](DateTimeItem d) {
                                                    return DateTimeItem(DTType::SecondsShort,
                                                                        d.getDecimalPlaces());
                                                  })},
      {"date-time decimals",
       changeItem<DateTimeItem>(1, [](DateTimeItem d) { return DateTimeItem(d.getType(), 3); })},
      {"date-time decimals dropped",
       changeItem<DateTimeItem>(1, [](DateTimeItem d) { return DateTimeItem(d.getType()); })},
      {"extra type", changeItem<ExtraItem>(
                         2, [](ExtraItem) { return ExtraItem(ExtraItem::Type::ExponentMinus); })},
      {"number role", changeItem<Number>(3,
                                         [](Number n) {
                                           n.setRole(Number::Role::Exponent);
                                           return n;
                                         })},
      {"number pattern", changeItem<Number>(3,
                                            [](Number n) {
                                              n.setPattern("###0.0");
                                              return n;
                                            })},
      {"number grouping", changeItem<Number>(3,
                                             [](Number n) {
                                               n.setGrouping(false);
                                               return n;
                                             })},
      {"number display factor", changeItem<Number>(3,
                                                   [](Number n) {
                                                     n.setDisplayFactor(2);
                                                     return n;
                                                   })},
      {"embedded position",
       changeItem<Number>(3,
                          [](Number n) {
                            return withEmbedded(n, {{1, TextItem(TextItem::Type::Percent, "%")},
                                                    {7, CurrencyItem("€", 0x407u)}});
                          })},
      {"embedded text", changeItem<Number>(3,
                                           [](Number n) {
                                             return withEmbedded(
                                                 n, {{0, TextItem(TextItem::Type::Literal, "%")},
                                                     {7, CurrencyItem("€", 0x407u)}});
                                           })},
      {"embedded currency",
       changeItem<Number>(3,
                          [](Number n) {
                            return withEmbedded(n, {{0, TextItem(TextItem::Type::Percent, "%")},
                                                    {7, CurrencyItem("€")}});
                          })},
      {"embedded kind", changeItem<Number>(3,
                                           [](Number n) {
                                             return withEmbedded(
                                                 n, {{0, TextItem(TextItem::Type::Percent, "%")},
                                                     {7, TextItem(TextItem::Type::Literal, "€")}});
                                           })},
      {"embedded order", changeItem<Number>(3,
                                            [](Number n) {
                                              return withEmbedded(
                                                  n, {{7, CurrencyItem("€", 0x407u)},
                                                      {0, TextItem(TextItem::Type::Percent, "%")}});
                                            })},
      {"embedded dropped", changeItem<Number>(3, [](Number n) { return withEmbedded(n, {}); })},
      {"text type",
       changeItem<TextItem>(
           4, [](TextItem t) { return TextItem(TextItem::Type::Raw, t.getTextValue()); })},
      {"text value",
       changeItem<TextItem>(4, [](TextItem t) { return TextItem(t.getType(), "abd"); })},
      {"item kind", changeFirstRule([](Rule& r) {
         Items items = r.getItems();
         items[2] = TextItem(TextItem::Type::Raw, "E+");
         r.setItems(items);
       })},
  };
  const Expression original = makeFullExpression();
  const Expression copy = original;  // NOLINT: the copy is the point
  EXPECT_EQ(copy, original);
  for (const auto& m : mutators) {
    SCOPED_TRACE(m.what);
    Expression changed = original;
    m.mutate(changed);
    EXPECT_NE(changed, original);
    EXPECT_NE(original, changed);
    const Expression changedCopy = changed;
    EXPECT_EQ(changedCopy, changed);
  }
}

TEST(CellFormatModel, ConditionValuesCompareWithTheNumberTolerance) {
  EXPECT_EQ(Condition(Condition::Type::Equal, 0.1 + 0.2), Condition(Condition::Type::Equal, 0.3));
  EXPECT_NE(Condition(Condition::Type::Equal, 0.0), Condition(Condition::Type::Equal, 1e-300));
}

TEST(CellFormatModel, ConstructorsPlaceTheirArguments) {
  EXPECT_EQ(Expression(Rule()).getDefaultNumberRule(), Rule());
  EXPECT_TRUE(Expression(Rule()).getRules().empty());
  EXPECT_EQ(Expression(std::vector<Rule>{Rule(), Rule()}).getRules().size(), 2u);
  EXPECT_FALSE(Expression(std::vector<Rule>{Rule()}).getDefaultNumberRule());
  EXPECT_NE(Expression(), Expression(Rule()));
  const Rule rule(Items{ExtraItem(ExtraItem::Type::General)}, Color{0, 0, 255, 255});
  EXPECT_TRUE(rule.getColor() == (Color{0, 0, 255, 255}));
  EXPECT_FALSE(rule.getCondition() || rule.getLanguage() || rule.getCalendar() ||
               rule.getTransliteration());
  EXPECT_EQ(rule.getItems()[0].which(), 2);  // item alternatives: currency, date-time, extra...
}

TEST(CellFormatModel, DayHalfHoursMinutesAndSecondsAreTime) {
  // Types 0-1 and 6-17 are time; every other type up to 31 is date.
  for (unsigned type = 0; type < DateTimeItem::TypeCount; ++type) {
    SCOPED_TRACE(type);
    const bool time = type <= 1 || (type >= 6 && type <= 17);
    EXPECT_EQ(DateTimeItem(static_cast<DTType>(type)).isTime(), time);
  }
  EXPECT_EQ(static_cast<unsigned>(DTType::WeekOfYear), 31u);
}

TEST(DateTimeLocalizedExpression, SetKeepsOneItemPerComponent) {
  DateTimePatternItemSet items = {{Token::Month, 2}, {Token::Day, 0}};
  EXPECT_FALSE(items.insert({Token::Month, 0}).second);
  EXPECT_EQ(items.begin()->variant, 2);
  EXPECT_EQ(DateTimeLocalizedExpression(items).getDateTimePatternTokenSet(), items);
}

TEST(DateTimeLocalizedExpression, FormatTypeFollowsTheComponents) {
  const struct {
    DateTimePatternItemSet items;
    std::uint8_t expected;
  } cases[] = {
      {{}, 12},
      {{{Token::Month, 2}, {Token::Day, 0}}, 4},
      {{{Token::Weekday, 0}}, 4},
      {{{Token::Year, 1}}, 4},
      {{{Token::Hour, 0}, {Token::Minute, 0}}, 5},
      {{{Token::Second, 0}}, 5},
      {{{Token::Year, 0}, {Token::Second, 0}}, 6},
  };
  for (const auto& c : cases) {
    const DateTimeLocalizedExpression expression(c.items);
    SCOPED_TRACE(testing::PrintToString(expression));
    EXPECT_EQ(expression.getFormatType(), c.expected);
  }
}

TEST(DateTimeLocalizedExpression, DefaultTypesGiveFixedComponentSets) {
  const struct {
    DateTimeDefaultType type;
    const char* dump;
    std::uint8_t formatType;
  } cases[] = {
      {DateTimeDefaultType::Date, "DateTimeLocalized{(1, 0) (2, 0) (3, 0)}", 4},
      {DateTimeDefaultType::Time, "DateTimeLocalized{(4, 0) (5, 0) (6, 0)}", 5},
      {DateTimeDefaultType::DateTime, "DateTimeLocalized{(1, 0) (2, 0) (3, 0) (4, 0) (5, 0)}", 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dump);
    const DateTimeLocalizedExpression expression(c.type);
    EXPECT_EQ(testing::PrintToString(expression), c.dump);
    EXPECT_EQ(expression.getFormatType(), c.formatType);
  }
  EXPECT_EQ(DateTimeLocalizedExpression(DateTimeDefaultType::Time),
            DateTimeLocalizedExpression(
                DateTimePatternItemSet{{Token::Second, 0}, {Token::Hour, 0}, {Token::Minute, 0}}));
  EXPECT_NE(DateTimeLocalizedExpression(DateTimePatternItemSet{{Token::Year, 0}}),
            DateTimeLocalizedExpression(DateTimePatternItemSet{{Token::Year, 1}}));
}

TEST(CellFormatModel, DumpsReadAsOneLine) {
  const std::string dump = testing::PrintToString(makeFullExpression());
  EXPECT_EQ(dump.find('\n'), std::string::npos);
  EXPECT_EQ(testing::PrintToString(makeFullExpression().getRules()[0].getItems()[3]),
            "Number{0 \"###0.00\" grouping factor 1 [(0, Text{4 \"%\"}), (7, Currency{\"€\" "
            "1031})]}");
  EXPECT_EQ(testing::PrintToString(Rule(Items{ExtraItem(ExtraItem::Type::General)})),
            "Rule{[Extra{0}] color none condition none language none calendar none "
            "transliteration none}");
}

}  // namespace
}  // namespace Vesk::DOM::CellFormatModel
