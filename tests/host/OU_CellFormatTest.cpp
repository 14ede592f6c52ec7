#include "host/DOM/OU_CellFormat.h"

#include <memory>

#include <gtest/gtest.h>

namespace Vesk::DOM {
namespace {

using namespace CellFormatModel;

TEST(CellFormat, HoldsEitherKindAndComparesByValue) {
  const Expression text(Rule(Items{ExtraItem(ExtraItem::Type::Text)}));
  const DateTimeLocalizedExpression date(DateTimeDefaultType::Date);
  const auto shared = std::make_shared<const CellFormat>(text);
  EXPECT_EQ(boost::get<Expression>(shared->getData()), text);
  EXPECT_EQ(*shared, CellFormat(text));
  EXPECT_NE(*shared, CellFormat(Expression()));
  EXPECT_NE(CellFormat(date), CellFormat(DateTimeLocalizedExpression(DateTimeDefaultType::Time)));
  EXPECT_NE(
      CellFormat(Expression()),
      CellFormat(DateTimeLocalizedExpression(DateTimePatternItemSet{})));  // kinds never equal
  EXPECT_EQ(testing::PrintToString(CellFormat(date)),
            "CellFormat{DateTimeLocalized{(1, 0) (2, 0) (3, 0)}}");
}

}  // namespace
}  // namespace Vesk::DOM
