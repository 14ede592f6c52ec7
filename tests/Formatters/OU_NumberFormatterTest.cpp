#include "OfficeUtils/Formatters/OU_NumberFormatter.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "host/Utils/OU_Assert.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;
using Testing::enContext;

std::string format(const FixedNumberFormatter& formatter, double value) {
  const FormatterResult result = formatter(value);
  EXPECT_EQ(result.which(), 0);
  return getFormatterResultAsString(result, formatter.getLocaleContext());
}

TEST(FixedNumberFormatter, PadsRoundsAndGroups) {
  // U+2019 RIGHT SINGLE QUOTATION MARK (three bytes) between groups.
  const Testing::SeparatorContext apostrophe(".", "\u2019");
  const FixedNumberFormatter defaults(enContext());
  // ICU is told to show the separator; "#" adds no digit.
  EXPECT_EQ(format(defaults, 5.0), "5.");
  const struct {
    const LocaleContext& context;
    std::string pattern;  // as a number item stores it: "#,##0" is "###0" with grouping
    bool grouping;
    double value;
    std::string expected;
  } cases[] = {
      // Padding by "0", "?" and "#"; rounding of plain codes is compared with a reference by
      // the renderer's property.
      {enContext(), "#.00", false, 0.5, ".50"},
      {enContext(), "??0.0?", false, 1.5, "  1.5 "},
      // ICU reports one integer digit when it may show no fraction, so the "0" stays.
      {enContext(), "#", false, 0.0, "0"},
      {enContext(), "#.#", false, 0.0, "."},
      // Grouping: ICU groups its own digits, the padding continues the groups.
      {enContext(), "0000", true, 123.0, "0,123"},
      {enContext(), "?????", true, 12.0, "    12"},
      {commaContext(), "#.00", true, 0.25, ",25"},
      {apostrophe, "0000000000", true, 1.0, "0\u2019000\u2019000\u2019001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern + (c.grouping ? " grouped " : " ") + std::to_string(c.value));
    FixedNumberFormatter formatter(c.pattern, c.context);
    formatter.setGrouping(c.grouping);
    EXPECT_EQ(format(formatter, c.value), c.expected);
  }
}

TEST(NumberFormatter, Assertions) {
  const FixedNumberFormatter formatter("0.0x", enContext());
  std::string out;
  const struct {
    std::function<void()> call;
    const char* condition;
  } cases[] = {
      {[&] { (void)formatter.processByNumberPattern("12", 1); }, "hasStringDecimalSeparator"},
      {[&] { formatter.processNumberPatternPlaceholder(3, false, out); },
       "Unexpected custom formatting placeholder."},
      {[] { (void)ScientificFormatterResult("", enContext()); }, "!number.empty()"},
      {[] { (void)ScientificFormatterResult("15", enContext()); },
       "exponentLiteralPos != std::string::npos"},
      {[] { (void)ScientificFormatterResult("1.5E", enContext()); },
       "exponentSignPos < number.size()"},
      {[] { (void)ScientificFormatterResult("1.5E+", enContext()); },
       "exponentPowerPos < number.size()"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition);
    EXPECT_ASSERTION(c.call(), "OfficeUtils/Formatters/OU_NumberFormatter", c.condition);
  }
}

// NaN and the infinities have no digits to pad: the text is the general formatter's.
TEST(FixedNumberFormatter, NonFiniteValuesGiveTheGeneralText) {
  const GeneralNumberFormatter general(enContext());
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    for (const char* pattern : {"0.00", "?.?"}) {
      FixedNumberFormatter formatter(pattern, enContext());
      formatter.setGrouping(true);
      EXPECT_EQ(boost::get<std::string>(formatter(value)), general(value)) << pattern;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
