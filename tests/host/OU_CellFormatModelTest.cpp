#include "host/DOM/OU_CellFormatModel.h"

#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

namespace Vesk::DOM::CellFormatModel {
namespace {

using DTType = DateTimeItem::Type;
using Token = DateTimePatternToken;

// The compact printer is pinned by the parser tests, which compare whole models in it; unknown
// codes print as nothing.
TEST(CellFormatModel, UnknownCodesPrintEmpty) {
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
      // The default date, time and date-time sets and the empty one are classified elsewhere.
      {{{Token::Weekday, 0}}, 4},
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
