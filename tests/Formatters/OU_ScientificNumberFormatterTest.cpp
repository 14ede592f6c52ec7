#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"

#include <string>

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;
using Testing::enContext;

std::string format(const ScientificFormatter& formatter, double value) {
  const FormatterResult result = formatter(value);
  EXPECT_EQ(result.which(), 1);
  return getFormatterResultAsString(result, formatter.getLocaleContext());
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
    SCOPED_TRACE(c.numberPattern + " " + c.exponentPattern + " " + std::to_string(c.value));
    ScientificFormatter formatter(c.numberPattern, enContext());
    formatter.setExponentPattern(c.exponentPattern);
    formatter.setAlwaysShowExponentSign(c.alwaysShowSign);
    EXPECT_EQ(format(formatter, c.value), c.expected);
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

TEST(ScientificFormatter, Assertions) {
  ScientificFormatter formatter(enContext());
  formatter.setExponentPattern("0x");
  std::string out;
  EXPECT_ASSERTION(formatter.processExponentPatternPlaceholder(2, out),
                   "OfficeUtils/Formatters/OU_ScientificNumberFormatter",
                   "placeholderIndex < _exponentPattern.size()");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
