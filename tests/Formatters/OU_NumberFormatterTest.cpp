#include "OfficeUtils/Formatters/OU_NumberFormatter.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

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

TEST(FixedNumberFormatter, Defaults) {
  const FixedNumberFormatter formatter(enContext());
  EXPECT_EQ(formatter.getNumberPattern(), "#.#");
  EXPECT_FALSE(formatter.hasGrouping());
  EXPECT_EQ(&formatter.getLocaleContext(), &enContext());
  // ICU is told to show the separator; "#" adds no digit.
  EXPECT_EQ(format(formatter, 5.0), "5.");
  EXPECT_EQ(format(formatter, 5.25), "5.3");
}

TEST(FixedNumberFormatter, PadsRoundsAndGroups) {
  struct Case {
    std::string pattern;  // as a number item stores it: "#,##0" is "###0" with grouping
    bool grouping;
    double value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      // Rounding half-up at the last placeholder, on the decimal text of the double.
      {"0.00", false, 2.675, "2.68"},
      {"0.00", false, 0.125, "0.13"},
      {"0.00", false, 1.005, "1.01"},
      {"0.0", false, 0.35, "0.4"},
      {"0.0", false, 0.25, "0.3"},
      {"0", false, 2.5, "3"},
      {"0", false, 0.4999, "0"},
      {"#.##", false, 1.005, "1.01"},
      {"0.00", false, 9.995, "10.00"},
      // Padding by "0", "?" and "#".
      {"0.00", false, 5.0, "5.00"},
      {"0.00", false, 0.5, "0.50"},
      {"#.00", false, 0.5, ".50"},
      {"#.##", false, 0.5, ".5"},
      {"0.0#", false, 3.0, "3.0"},
      {"??0.0?", false, 1.5, "  1.5 "},
      {"??0.0?", false, 123.25, "123.25"},
      {"?.??", false, 0.5, " .5 "},
      {"000", false, 7.0, "007"},
      {"00000", false, 0.0, "00000"},
      // ICU reports one integer digit when it may show no fraction, so the "0" stays.
      {"#", false, 0.0, "0"},
      {"#.#", false, 0.0, "."},
      {"0.00", false, 1e20, "100000000000000000000.00"},
      // Grouping: ICU groups its own digits, the padding continues the groups.
      {"0000", true, 123.0, "0,123"},
      {"0000", false, 123.0, "0123"},
      {"###0", true, 1234567.0, "1,234,567"},
      {"###0", true, 5.0, "5"},
      {"000000", true, 1234.0, "001,234"},
      {"0000000", true, 1234.0, "0,001,234"},
      {"0000000", true, 0.5, "0,000,001"},
      {"00000", true, 0.0, "00,000"},
      {"0000.00", true, 0.5, "0,000.50"},
      {"?????", true, 12.0, "    12"},
      {"###0.00", true, 1234.5, "1,234.50"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern + (c.grouping ? " grouped " : " ") + std::to_string(c.value));
    FixedNumberFormatter formatter(c.pattern, enContext());
    formatter.setGrouping(c.grouping);
    EXPECT_EQ(format(formatter, c.value), c.expected);
  }
}

TEST(FixedNumberFormatter, LocaleSeparators) {
  struct Case {
    const LocaleContext& context;
    std::string pattern;
    double value;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {commaContext(), "0.00", 1234.5, "1.234,50"},
      {commaContext(), "0000000", 1234.0, "0.001.234"},
      {commaContext(), "#.00", 0.25, ",25"},
      {noBreakSpaceContext(), "0000000", 1234.0, "0\u00A0001\u00A0234"},
      {noBreakSpaceContext(), "0000000.0", 1234567.25, "1\u00A0234\u00A0567,3"},
      {apostropheContext(), "0000000", 1234.0, "0\u2019001\u2019234"},
      {apostropheContext(), "0000000000", 1.0, "0\u2019000\u2019000\u2019001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    FixedNumberFormatter formatter(c.pattern, c.context);
    formatter.setGrouping(true);
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

TEST(NumberFormatter, PlaceholdersAndTheirSeparators) {
  const FixedNumberFormatter formatter("0?#", noBreakSpaceContext());
  std::string out;
  formatter.processNumberPatternPlaceholder(0, false, out);
  formatter.processNumberPatternPlaceholder(0, true, out);
  formatter.processNumberPatternPlaceholder(1, false, out);
  formatter.processNumberPatternPlaceholder(1, true, out);
  formatter.processNumberPatternPlaceholder(2, true, out);
  EXPECT_EQ(out, "0\u00A00   ");
}

TEST(NumberFormatter, ProcessByNumberPattern) {
  FixedNumberFormatter formatter("", enContext());
  EXPECT_EQ(formatter.processByNumberPattern("12.5", 0), "");
  formatter.setNumberPattern("000.00");
  EXPECT_EQ(formatter.processByNumberPattern("1.5", 3), "001.50");
  EXPECT_EQ(formatter.processByNumberPattern("-1.5", 3), "00-1.50");
  formatter.setNumberPattern("000");
  EXPECT_EQ(formatter.processByNumberPattern("12", std::string::npos), "012");
}

void expectAssertion(const std::function<void()>& call, const std::string& condition) {
  try {
    call();
    ADD_FAILURE() << "no assertion";
  } catch (const AssertionFailure& failure) {
    EXPECT_EQ(failure.file(), "OfficeUtils/Formatters/OU_NumberFormatter");
    EXPECT_EQ(failure.condition(), condition);
  }
}

TEST(NumberFormatter, Assertions) {
  const FixedNumberFormatter formatter("0.0x", enContext());
  expectAssertion([&] { (void)formatter.processByNumberPattern("12", 1); },
                  "hasStringDecimalSeparator");
  std::string out;
  expectAssertion([&] { formatter.processNumberPatternPlaceholder(3, false, out); },
                  "Unexpected custom formatting placeholder.");
  expectAssertion([&] { (void)ScientificFormatterResult("", enContext()); }, "!number.empty()");
  expectAssertion([&] { (void)ScientificFormatterResult("15", enContext()); },
                  "exponentLiteralPos != std::string::npos");
  expectAssertion([&] { (void)ScientificFormatterResult("1.5E", enContext()); },
                  "exponentSignPos < number.size()");
  expectAssertion([&] { (void)ScientificFormatterResult("1.5E+", enContext()); },
                  "exponentPowerPos < number.size()");
}

TEST(ScientificFormatterResult, SplitsAtTheExponentLiteral) {
  struct Case {
    std::string number;
    std::string mantissa;
    std::string sign;
    std::string power;
  };
  const std::vector<Case> cases = {{"1.5E+03", "1.5", "+", "03"},
                                   {"1.5E-3", "1.5", "-", "3"},
                                   {"1.5E3", "1.5", "", "3"},
                                   {"-2E+100", "-2", "+", "100"},
                                   {"E7", "", "", "7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    ScientificFormatterResult result(c.number, commaContext());
    EXPECT_EQ(result.getMantissa(), c.mantissa);
    EXPECT_EQ(result.getExponentSign(), c.sign);
    EXPECT_EQ(result.getExponentPower(), c.power);
    EXPECT_EQ(result.toString(), c.number);
    EXPECT_EQ(getFormatterResultAsString(FormatterResult(result), commaContext()), c.number);
  }
  ScientificFormatterResult result("1.5E+03", enContext());
  result.setMantissa("1.50");
  result.setExponentPower("003");
  EXPECT_EQ(result.toString(), "1.50E+003");
}

TEST(FormatterResult, StringAlternative) {
  EXPECT_EQ(getFormatterResultAsString(FormatterResult(std::string("12,5")), commaContext()),
            "12,5");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
