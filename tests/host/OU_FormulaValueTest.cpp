#include "host/FormulaModel/OU_FormulaValue.h"

#include <limits>
#include <memory>
#include <string>
#include <vector>

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

TEST(FormulaValue, HelpersMakeAndRecogniseValues) {
  const std::shared_ptr<const DOM::CellFormat> format = percentFormat();
  FormulaValueProps props;
  props.setFormatProps(format);
  const struct {
    const char* what;
    FormulaValue value;
    bool empty;
    boost::optional<double> number;
    std::string dump;
  } cases[] = {
      {"empty", getFormulaEmpty(), true, boost::none, "Empty{}"},
      {"div0", getFormulaDiv0Error(), false, boost::none, "Error{#DIV/0!}"},
      {"number with text", FormulaNumber(2.0, std::string("2.00")), false, 2.0,
       "Number{2 text \"2.00\" format none}"},
      {"number with format", FormulaNumber(0.5, props), false, 0.5,
       "Number{0.5 text none format CellFormat{number={N(0,'0',-,0) T(%,'%')}}}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(isFormulaEmpty(c.value), c.empty);
    const auto number = asFormulaNumberOpt(c.value);
    ASSERT_EQ(number.has_value(), c.number.has_value());
    if (number) {
      EXPECT_EQ(number->getValue().getValue(), *c.number);
      EXPECT_EQ(FormulaValue(*number), c.value);
    }
    EXPECT_EQ(testing::PrintToString(c.value), c.dump);
  }
}

TEST(FormulaValue, FormatPropsCarryASharedFormatComparedByValue) {
  FormulaValueProps none, first, second;
  first.setFormatProps(percentFormat());
  second.setFormatProps(percentFormat());  // another object holding an equal format
  EXPECT_EQ(first, second);
  EXPECT_NE(first, none);

  FormulaValueProps other;
  other.setFormatProps(std::make_shared<const DOM::CellFormat>(Expression()));
  EXPECT_NE(first, other);

  first.setFormatProps(nullptr);  // a null format clears the properties
  EXPECT_EQ(first, none);
}

TEST(FormulaValue, NumbersCompareWithTheirToleranceAndText) {
  EXPECT_EQ(FormulaNumber(0.1 + 0.2), FormulaNumber(0.3));
  EXPECT_NE(FormulaNumber(1.0), FormulaNumber(1.0, std::string("1")));
  EXPECT_NE(FormulaNumber(std::numeric_limits<double>::quiet_NaN()),
            FormulaNumber(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_NE(FormulaValue(FormulaNumber(1.0)), FormulaValue(FormulaBoolean(true)));
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
