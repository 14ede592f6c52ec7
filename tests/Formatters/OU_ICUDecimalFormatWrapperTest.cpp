#include "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "host/Utils/OU_Errors.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;
using Testing::enContext;
using Testing::noBreakSpaceContext;

TEST(ICUDecimalFormatWrapper, LocaleSeparatorsAndGroupingOnRequest) {
  const struct {
    const LocaleContext& context;
    bool grouping;
    double value;
    std::string expected;
  } cases[] = {
      {commaContext(), false, 1234567.25, "1234567,25"},
      {enContext(), false, 1e20, "100000000000000000000"},
      {enContext(), false, 0.30000000000000004, "0.30000000000000004"},
      {enContext(), true, 1234567.25, "1,234,567.25"},
      {commaContext(), true, 1234567.25, "1.234.567,25"},
      {noBreakSpaceContext(), true, 1234567.25, "1\u00A0234\u00A0567,25"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ICUDecimalFormatWrapper wrapper(c.context);
    wrapper.setGrouping(c.grouping);
    EXPECT_EQ(wrapper.toString(c.value), c.expected);
  }
}

TEST(ICUDecimalFormatWrapper, RoundsHalfUpAtTheLastShownDigit) {
  // Ties are decided on the shortest decimal text of the double, as a user reads it: 2.675 is
  // 2.67499999999999982236431605997495353221893310546875 in binary but rounds up.
  const struct {
    double value;
    int precision;
    std::string expected;
  } cases[] = {
      // The renderer's property compares plain codes with reference rounding.
      {2.675, 2, "2.68"}, {-2.5, 0, "-3"}, {9.995, 2, "10"}, {1e-7, 6, "0"}, {1.5, 5, "1.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " / " + std::to_string(c.precision));
    ICUDecimalFormatWrapper wrapper(enContext());
    wrapper.setPrecision(c.precision);
    EXPECT_EQ(wrapper.toString(c.value), c.expected);
  }
}

TEST(ICUDecimalFormatWrapper, ZeroMinimumIntegerDigitsDropTheLeadingZero) {
  ICUDecimalFormatWrapper wrapper(commaContext());
  wrapper.setMinIntegerDigits(0);
  EXPECT_EQ(wrapper.toString(0.5), ",5");
  EXPECT_EQ(wrapper.toString(0.0), "");
  EXPECT_EQ(wrapper.toString(Vesk::FloatNumber(105.0)), "105");
}

TEST(ICUDecimalFormatWrapper, ScientificNotationShowsTheExponentSign) {
  ICUDecimalFormatWrapper wrapper(enContext());
  wrapper.setScientificNotation(true);
  EXPECT_EQ(wrapper.toString(12345.0), "1.2345E+4");
  EXPECT_EQ(wrapper.toString(0.00012), "1.2E-4");
  wrapper.setMinExponentDigits(3);
  EXPECT_EQ(wrapper.toString(12345.0), "1.2345E+004");
  wrapper.setAlwaysShowExponentSign(false);
  EXPECT_EQ(wrapper.toString(12345.0), "1.2345E004");
  EXPECT_EQ(wrapper.toString(0.00012), "1.2E-004");
  // Nothing is dropped in scientific notation, whatever the integer digits.
  wrapper.setMinIntegerDigits(0);
  EXPECT_EQ(wrapper.toString(0.0), "0E000");
}

TEST(ICUDecimalFormatWrapper, AlwaysShownDecimalSeparatorAndNarrowedExponentDigits) {
  ICUDecimalFormatWrapper wrapper(commaContext());
  wrapper.setAlwaysShowDecimalSeparator(true);
  EXPECT_EQ(wrapper.toString(5.0), "5,");
  EXPECT_THROW(wrapper.setMinExponentDigits(128), Vesk::BadNumCastError);  // a signed byte
}

// The wrapper owns a clone of ICU's format: a copy changes alone, and a moved-from wrapper
// revives when assigned to.
TEST(ICUDecimalFormatWrapper, CopiesAreIndependentAndMovesTakeTheFormat) {
  ICUDecimalFormatWrapper original(enContext());
  ICUDecimalFormatWrapper copy(original);
  copy.setGrouping(true);
  EXPECT_EQ(copy.toString(1234.0), "1,234");
  EXPECT_EQ(original.toString(1234.0), "1234");
  ICUDecimalFormatWrapper moved(std::move(copy));
  EXPECT_EQ(moved.toString(1234.0), "1,234");
  copy = original;  // NOLINT(bugprone-use-after-move): assigning revives it
  EXPECT_EQ(copy.toString(1234.0), "1234");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
