#include "host/DOM/OU_CellFormatModel.h"

#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::DOM::CellFormatModel {
namespace {

using DTType = DateTimeItem::Type;
using Token = DateTimePatternToken;

using TT = TextItem::Type;

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

// Every member at every level shows in the compact form (the parser test reads it for every
// kind of code).
TEST(CellFormatModel, PrintsEveryMemberCompactly) {
  EXPECT_EQ(testing::PrintToString(makeFullExpression()),
            "rules=[{[>=100] color(255,0,0) [DBNum3] lang(409) [B2] C('$',409) D(ss.2) X(E+) "
            "N(0,'###0.00',g,1,[0:T(%,'%'),7:C('€',407)]) T(lit,'abc')},"
            "{T(lit,'-') N(0,'###0.00',g,1,[0:T(%,'%'),7:C('€',407)])}] "
            "number={X(General)} text={X(@)}");
  EXPECT_EQ(testing::PrintToString(Rule(Items{DateTimeItem(DTType::MonthLongText),
                                              DateTimeItem(DTType::MinutesLongNoTruncate)})),
            "{D(MMMM) D([mm])}");
  EXPECT_EQ(getCode(DTType(DateTimeItem::TypeCount)), "");
  EXPECT_EQ(getCode(ExtraItem::Type(5)), "");
  EXPECT_EQ(getCode(Condition::Type(6)), "");
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

}  // namespace
}  // namespace Vesk::DOM::CellFormatModel
