// The fixed and scientific formatters, which share their digit patterns and result type.
#include "OfficeUtils/Formatters/OU_NumberFormatter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"
#include "host/Utils/OU_Assert.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;
using Testing::enContext;

// The text of a fixed or scientific result.
std::string format(const NumberFormatter& formatter, double value) {
  return getFormatterResultAsString(formatter(value), formatter.getLocaleContext());
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
      // Padding by "?" and "#"; "0" and rounding are held to decimal arithmetic below.
      {enContext(), "#.00", false, 0.5, ".50"},
      {enContext(), "??0.0?", false, 1.5, "  1.5 "},
      // ICU reports one integer digit when it may show no fraction, so the "0" stays.
      {enContext(), "#", false, 0.0, "0"},
      {enContext(), "#.#", false, 0.0, "."},
      // Grouping: ICU groups its own digits, the padding continues the groups.
      {enContext(), "?????", true, 12.0, "    12"},
      {commaContext(), "#.00", true, 0.25, ",25"},
      {apostrophe, "0000000000", true, 1.0, "0\u2019000\u2019000\u2019001"},
  };
  for (const auto& c : cases) {
    FixedNumberFormatter formatter(c.pattern, c.context);
    formatter.setGrouping(c.grouping);
    EXPECT_EQ(format(formatter, c.value), c.expected) << c.pattern << " " << c.value;
  }
}

// Property: under "0" patterns the digits are the decimal value's, rounded half up, padded with
// zeros and grouped. The values have at most twelve significant digits, which a double holds.
TEST(FixedNumberFormatter, ZeroPatternsRoundTheDecimalValueHalfUp) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 5000 / Vesk::Testing::PropertyScale; ++i) {
    const std::uint64_t units = random() % 1000000000000;  // the value is units / 10^digits
    const int digits = random() % 7, places = random() % 7, zeros = 1 + random() % 8;
    const bool grouping = random() % 2;
    std::uint64_t scale = 1;
    for (int d = 0; d < std::abs(digits - places); ++d) scale *= 10;
    std::string expected = std::to_string(
        places >= digits ? units * scale : units / scale + (units % scale * 2 >= scale));
    expected.insert(0, std::max<int>(0, places + zeros - static_cast<int>(expected.size())), '0');
    if (places) expected.insert(expected.size() - places, ".");
    const int integerDigits = static_cast<int>(expected.size()) - places - (places > 0);
    for (int at = integerDigits - 3; grouping && at > 0; at -= 3) expected.insert(at, ",");
    FixedNumberFormatter formatter(
        std::string(zeros, '0') + (places ? "." + std::string(places, '0') : ""), enContext());
    formatter.setGrouping(grouping);
    const double value = static_cast<double>(units) / std::pow(10.0, digits);
    ASSERT_EQ(format(formatter, value), expected) << units << "e-" << digits << " " << places;
  }
}

TEST(NumberFormatter, Assertions) {
  constexpr auto File = "OfficeUtils/Formatters/OU_NumberFormatter";
  const FixedNumberFormatter fixed("0.0x", enContext());
  ScientificFormatter scientific(enContext());
  scientific.setExponentPattern("0x");
  std::string out;
  EXPECT_ASSERTION((void)fixed.processByNumberPattern("12", 1), File, "hasStringDecimalSeparator");
  EXPECT_ASSERTION(fixed.processNumberPatternPlaceholder(3, false, out), File,
                   "Unexpected custom formatting placeholder.");
  EXPECT_ASSERTION((void)ScientificFormatterResult("", enContext()), File, "!number.empty()");
  EXPECT_ASSERTION(scientific.processExponentPatternPlaceholder(2, out),
                   "OfficeUtils/Formatters/OU_ScientificNumberFormatter",
                   "placeholderIndex < _exponentPattern.size()");
}

TEST(ScientificFormatter, MantissaAndExponentPatterns) {
  const ScientificFormatter defaults(enContext());
  EXPECT_EQ(format(defaults, 12345.0), "1.2E+04");
  const struct {
    std::string numberPattern, exponentPattern;
    bool alwaysShowSign;
    double value;
    std::string expected;
  } cases[] = {
      {"0.00", "00", true, 0.0, "0.00E+00"},         {"0.00", "00", true, 2.665e10, "2.67E+10"},
      {"0.00", "00", true, 9.999e5, "1.00E+06"},     {"0.00", "00", true, 1.5e300, "1.50E+300"},
      {"0.00", "?0", true, 12345.0, "1.23E+ 4"},     {"0.00", "0.0", true, 12345.0, "1.23E+4.0"},
      {"0.00", "00", false, 0.00012345, "1.23E-04"}, {"#.##", "0", true, 12345.0, "1.23E+4"},
      {"0.0?", "00", true, 12000.0, "1.2 E+04"},
  };
  for (const auto& c : cases) {
    ScientificFormatter formatter(c.numberPattern, enContext());
    formatter.setExponentPattern(c.exponentPattern);
    formatter.setAlwaysShowExponentSign(c.alwaysShowSign);
    EXPECT_EQ(format(formatter, c.value), c.expected) << c.numberPattern << " " << c.value;
  }
}

TEST(ScientificFormatter, ResultPartsAndLocaleSeparators) {
  ScientificFormatter formatter("0.00", commaContext(), ICUDecimalFormatWrapper(commaContext()));
  const auto result = boost::get<ScientificFormatterResult>(formatter(-0.00012345));
  EXPECT_EQ(result.getMantissa(), "-1,23");
  EXPECT_EQ(result.getExponentSign(), "-");
  EXPECT_EQ(result.getExponentPower(), "04");
  EXPECT_EQ(format(formatter, 12345.0), "1,23E+04");
}

// NaN and the infinities have no digits to pad and no exponent: alternative 0 with the general
// formatter's text.
TEST(NumberFormatter, NonFiniteValuesGiveTheGeneralText) {
  const GeneralNumberFormatter general(enContext());
  FixedNumberFormatter fixed("0.00", enContext());
  fixed.setGrouping(true);
  const ScientificFormatter scientific("#.#", enContext());
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(boost::get<std::string>(fixed(value)), general(value));
    EXPECT_EQ(boost::get<std::string>(scientific(value)), general(value));
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
