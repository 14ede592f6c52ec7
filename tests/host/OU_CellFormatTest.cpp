#include "host/DOM/OU_CellFormat.h"

#include <memory>

#include <gtest/gtest.h>

namespace Vesk::DOM {
namespace {

using namespace CellFormatModel;

TEST(CellFormat, HoldsEitherKindAndComparesByValue) {
  const Expression text(Rule(Items{ExtraItem(ExtraItem::Type::Text)}));
  const DateTimeLocalizedExpression date(DateTimeDefaultType::Date);
  EXPECT_NE(CellFormat(text), CellFormat(Expression()));
  EXPECT_NE(
      CellFormat(Expression()),
      CellFormat(DateTimeLocalizedExpression(DateTimePatternItemSet{})));  // kinds never equal
  EXPECT_EQ(testing::PrintToString(CellFormat(date)),
            "CellFormat{DateTimeLocalized{(1, 0) (2, 0) (3, 0)}}");
}

}  // namespace
}  // namespace Vesk::DOM
