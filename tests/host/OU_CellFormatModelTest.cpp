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

using TT = TextItem::Type;
using Mutator = std::function<void(Expression&)>;

const TextItem Percent(TT::Percent, "%");
const CurrencyItem Euro("€", 0x407u);

// A model with every member set to a value other than its default, at every level.
Expression makeFullExpression() {
  NumberItem number(NumberItem::Role::Integer, "###0.00", true, 1);
  number.setEmbeddedItems({{0, Percent}, {7, Euro}});
  Rule first(Items{CurrencyItem("$", 0x409u), DateTimeItem(DTType::SecondsLong, 2),
                   ExtraItem(ExtraItem::Type::ExponentPlus), number, TextItem(TT::Literal, "abc")},
             Color{255, 0, 0, 255});
  first.setCondition(Condition(Condition::Type::GreaterOrEqual, 100.0));
  first.setLanguage(0x409u);
  first.setCalendar(Calendar::B2);
  first.setTransliteration(Transliteration::DBNum3);
  Expression expression({first, Rule(Items{TextItem(TT::Literal, "-"), number})});
  expression.setDefaultNumberRule(Rule(Items{ExtraItem(ExtraItem::Type::General)}));
  expression.setDefaultTextRule(Rule(Items{ExtraItem(ExtraItem::Type::Text)}));
  return expression;
}

Mutator onRules(std::function<void(std::vector<Rule>&)> change) {
  return [change](Expression& expression) {
    std::vector<Rule> rules = expression.getRules();
    change(rules);
    expression.setRules(rules);
  };
}
Mutator onRule(std::function<void(Rule&)> change) {
  return onRules([change](std::vector<Rule>& rules) { change(rules[0]); });
}
Mutator onItems(std::function<void(Items&)> change) {
  return onRule([change](Rule& rule) {
    Items items = rule.getItems();
    change(items);
    rule.setItems(items);
  });
}
Mutator replaceItem(std::size_t index, Item item) {
  return onItems([index, item](Items& items) { items[index] = item; });
}
// Changes the number item of the first rule.
Mutator onNumber(std::function<void(NumberItem&)> change) {
  return onItems([change](Items& items) { change(boost::get<NumberItem>(items[3])); });
}
Mutator embedded(NumberItem::EmbeddedItems items) {
  return onNumber([items](NumberItem& number) { number.setEmbeddedItems(items); });
}

// Property: a copy equals its original; changing any one member anywhere in the tree makes
// the copy differ, and the changed copy still equals a copy of itself.
TEST(CellFormatModel, EqualityIsDeepOverEveryMember) {
  using CT = Condition::Type;
  const struct {
    const char* what;
    Mutator mutate;
  } mutators[] = {
      {"rules appended", onRules([](std::vector<Rule>& r) { r.push_back(Rule()); })},
      {"rules swapped", onRules([](std::vector<Rule>& r) { std::swap(r[0], r[1]); })},
      {"default number rule dropped", [](Expression& e) { e.setDefaultNumberRule(boost::none); }},
      {"default number rule emptied", [](Expression& e) { e.setDefaultNumberRule(Rule()); }},
      {"default text rule dropped", [](Expression& e) { e.setDefaultTextRule(boost::none); }},
      {"colour changed", onRule([](Rule& r) {
         r.setColor(Color{255, 0, 0, 254});
       })},
      {"colour dropped", onRule([](Rule& r) { r.setColor(boost::none); })},
      {"condition type", onRule([](Rule& r) { r.setCondition(Condition(CT::Greater, 100.0)); })},
      {"condition value",
       onRule([](Rule& r) { r.setCondition(Condition(CT::GreaterOrEqual, 100.001)); })},
      {"condition dropped", onRule([](Rule& r) { r.setCondition(boost::none); })},
      {"language", onRule([](Rule& r) { r.setLanguage(0x407u); })},
      {"language dropped", onRule([](Rule& r) { r.setLanguage(boost::none); })},
      {"calendar", onRule([](Rule& r) { r.setCalendar(Calendar::B1); })},
      {"calendar dropped", onRule([](Rule& r) { r.setCalendar(boost::none); })},
      {"transliteration", onRule([](Rule& r) { r.setTransliteration(Transliteration::DBNum4); })},
      {"transliteration dropped", onRule([](Rule& r) { r.setTransliteration(boost::none); })},
      {"item removed", onItems([](Items& items) { items.pop_back(); })},
      {"items swapped", onItems([](Items& items) { std::swap(items[0], items[4]); })},
      {"item kind", replaceItem(2, TextItem(TT::Raw, "E+"))},
      {"currency symbol", replaceItem(0, CurrencyItem("US$", 0x409u))},
      {"currency language", replaceItem(0, CurrencyItem("$", 0x408u))},
      {"currency language dropped", replaceItem(0, CurrencyItem("$"))},
      {"date-time type", replaceItem(1, DateTimeItem(DTType::SecondsShort, 2))},
      {"date-time decimals", replaceItem(1, DateTimeItem(DTType::SecondsLong, 3))},
      {"date-time decimals dropped", replaceItem(1, DateTimeItem(DTType::SecondsLong))},
      {"extra type", replaceItem(2, ExtraItem(ExtraItem::Type::ExponentMinus))},
      {"text type", replaceItem(4, TextItem(TT::Raw, "abc"))},
      {"text value", replaceItem(4, TextItem(TT::Literal, "abd"))},
      {"number role", onNumber([](NumberItem& n) { n.setRole(NumberItem::Role::Exponent); })},
      {"number pattern", onNumber([](NumberItem& n) { n.setPattern("###0.0"); })},
      {"number grouping", onNumber([](NumberItem& n) { n.setGrouping(false); })},
      {"number display factor", onNumber([](NumberItem& n) { n.setDisplayFactor(2); })},
      {"embedded position", embedded({{1, Percent}, {7, Euro}})},
      {"embedded text", embedded({{0, TextItem(TT::Literal, "%")}, {7, Euro}})},
      {"embedded currency", embedded({{0, Percent}, {7, CurrencyItem("€")}})},
      {"embedded kind", embedded({{0, Percent}, {7, TextItem(TT::Literal, "€")}})},
      {"embedded order", embedded({{7, Euro}, {0, Percent}})},
      {"embedded dropped", embedded({})},
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

TEST(CellFormatModel, DayHalfHoursMinutesAndSecondsAreTime) {
  // Types 0-1 and 6-17 are time; every other type up to 31 is date.
  for (unsigned type = 0; type < DateTimeItem::TypeCount; ++type) {
    SCOPED_TRACE(type);
    const bool time = type <= 1 || (type >= 6 && type <= 17);
    EXPECT_EQ(DateTimeItem(static_cast<DTType>(type)).isTime(), time);
  }
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
