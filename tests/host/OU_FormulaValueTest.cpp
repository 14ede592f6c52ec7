#include "host/FormulaModel/OU_FormulaValue.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace Vesk::FormulaModel {
namespace {

using DOM::FormulaErrorType;
using namespace DOM::CellFormatModel;

std::shared_ptr<const DOM::CellFormat> percentFormat() {
  Rule rule(Items{NumberItem(NumberItem::Role::Integer, "0", false, 0),
                  TextItem(TextItem::Type::Percent, "%")});
  return std::make_shared<const DOM::CellFormat>(Expression(rule));
}

// Formats compare by value, not by address; a null format clears the properties.
TEST(FormulaValue, FormatPropsCompareByValue) {
  FormulaValueProps none, first, second, other;
  first.setFormatProps(percentFormat());
  second.setFormatProps(percentFormat());
  other.setFormatProps(std::make_shared<const DOM::CellFormat>(Expression()));
  EXPECT_EQ(first, second);
  EXPECT_NE(first, none);
  EXPECT_NE(first, other);
  first.setFormatProps(nullptr);
  EXPECT_EQ(first, none);
}

TEST(FormulaValue, NumbersCompareWithTheirToleranceTextAndFormat) {
  EXPECT_EQ(FormulaNumber(0.1 + 0.2), FormulaNumber(0.3));
  EXPECT_NE(FormulaNumber(1.0), FormulaNumber(1.0, std::string("1")));
  FormulaNumber withFormat(3.0);
  withFormat.getProps().setFormatProps(percentFormat());
  EXPECT_NE(withFormat, FormulaNumber(3.0));
}

TEST(FormulaException, CarriesTheErrorTypeAndItsWord) {
  const std::pair<FormulaErrorType, const char*> cases[] = {
      {FormulaErrorType::NA, "#N/A"},
      {static_cast<FormulaErrorType>(9), "formula error 9"},
  };
  for (const auto& [type, word] : cases) {
    SCOPED_TRACE(word);
    const FormulaException error(type);
    EXPECT_EQ(error.getErrorType(), type);
    EXPECT_STREQ(error.what(), word);
  }
}

}  // namespace
}  // namespace Vesk::FormulaModel
