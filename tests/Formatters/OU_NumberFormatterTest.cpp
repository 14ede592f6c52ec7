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

using Testing::apostropheContext;
using Testing::commaContext;
using Testing::enContext;
using Testing::noBreakSpaceContext;

std::string format(const FixedNumberFormatter& formatter, double value) {
  const FormatterResult result = formatter(value);
  EXPECT_EQ(result.which(), 0);
  return getFormatterResultAsString(result, formatter.getLocaleContext());
}

TEST(FixedNumberFormatter, PadsRoundsAndGroups) {
  const FixedNumberFormatter defaults(enContext());
  // ICU is told to show the separator; "#" adds no digit.
  EXPECT_EQ(format(defaults, 5.0), "5.");
  EXPECT_EQ(format(defaults, 5.25), "5.3");
  const struct {
    const LocaleContext& context;
    std::string pattern;  // as a number item stores it: "#,##0" is "###0" with grouping
    bool grouping;
    double value;
    std::string expected;
  } cases[] = {
      // Rounding of plain codes is compared with a reference by the renderer's property.
      {enContext(), "0.00", false, 9.995, "10.00"},
      // Padding by "0", "?" and "#".
      {enContext(), "#.00", false, 0.5, ".50"},
      {enContext(), "0.0#", false, 3.0, "3.0"},
      {enContext(), "??0.0?", false, 1.5, "  1.5 "},
      {enContext(), "?.??", false, 0.5, " .5 "},
      // ICU reports one integer digit when it may show no fraction, so the "0" stays.
      {enContext(), "#", false, 0.0, "0"},
      {enContext(), "#.#", false, 0.0, "."},
      {enContext(), "0.00", false, 1e20, "100000000000000000000.00"},
      // Grouping: ICU groups its own digits, the padding continues the groups.
      {enContext(), "0000", true, 123.0, "0,123"},
      {enContext(), "0000000", true, 0.5, "0,000,001"},
      {enContext(), "00000", true, 0.0, "00,000"},
      {enContext(), "0000.00", true, 0.5, "0,000.50"},
      {enContext(), "?????", true, 12.0, "    12"},
      {commaContext(), "0.00", true, 1234.5, "1.234,50"},
      {commaContext(), "#.00", true, 0.25, ",25"},
      {noBreakSpaceContext(), "0000000.0", true, 1234567.25, "1\u00A0234\u00A0567,3"},
      {apostropheContext(), "0000000000", true, 1.0, "0\u2019000\u2019000\u2019001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern + (c.grouping ? " grouped " : " ") + std::to_string(c.value));
    FixedNumberFormatter formatter(c.pattern, c.context);
    formatter.setGrouping(c.grouping);
    EXPECT_EQ(format(formatter, c.value), c.expected);
  }
}

TEST(FixedNumberFormatter, ReusedFormatterFollowsPatternChanges) {
  FixedNumberFormatter formatter("0.000", enContext(), ICUDecimalFormatWrapper(enContext()));
  EXPECT_EQ(format(formatter, 1.5), "1.500");
  formatter.setNumberPattern("0");
  EXPECT_EQ(format(formatter, 1.5), "2");
  formatter.setNumberPattern("0000");
  formatter.setGrouping(true);
  EXPECT_EQ(format(formatter, 1.5), "0,002");
}

TEST(NumberFormatter, PlaceholdersAndProcessByNumberPattern) {
  const FixedNumberFormatter placeholders("0?#", noBreakSpaceContext());
  std::string out;
  for (const auto& [index, separator] : std::vector<std::pair<std::size_t, bool>>{
           {0, false}, {0, true}, {1, false}, {1, true}, {2, true}})
    placeholders.processNumberPatternPlaceholder(index, separator, out);
  EXPECT_EQ(out, "0\u00A00   ");

  FixedNumberFormatter formatter("", enContext());
  EXPECT_EQ(formatter.processByNumberPattern("12.5", 0), "");
  formatter.setNumberPattern("000.00");
  EXPECT_EQ(formatter.processByNumberPattern("1.5", 3), "001.50");
  EXPECT_EQ(formatter.processByNumberPattern("-1.5", 3), "00-1.50");
  formatter.setNumberPattern("000");
  EXPECT_EQ(formatter.processByNumberPattern("12", std::string::npos), "012");
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

TEST(ScientificFormatterResult, SplitsAtTheExponentLiteral) {
  const struct {
    std::string number, mantissa, sign, power;
  } cases[] = {{"1.5E-3", "1.5", "-", "3"}, {"1.5E3", "1.5", "", "3"}, {"E7", "", "", "7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    ScientificFormatterResult result(c.number, commaContext());
    EXPECT_EQ(result.getMantissa(), c.mantissa);
    EXPECT_EQ(result.getExponentSign(), c.sign);
    EXPECT_EQ(result.getExponentPower(), c.power);
    EXPECT_EQ(result.toString(), c.number);
    EXPECT_EQ(getFormatterResultAsString(FormatterResult(result), commaContext()), c.number);
  }
  EXPECT_EQ(getFormatterResultAsString(FormatterResult(std::string("12,5")), commaContext()),
            "12,5");
}

// NaN and the infinities have no digits to pad: the text is the general formatter's.
TEST(FixedNumberFormatter, NonFiniteValuesGiveTheGeneralText) {
  const GeneralNumberFormatter general(enContext());
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    for (const char* pattern : {"#.#", "0.00", "0000", "?.?", "#"}) {
      FixedNumberFormatter formatter(pattern, enContext());
      formatter.setGrouping(true);
      EXPECT_EQ(boost::get<std::string>(formatter(value)), general(value)) << pattern;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
