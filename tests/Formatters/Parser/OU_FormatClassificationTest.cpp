// Format classification: calcFormatType over parsed codes, models and cell formats, and the
// pattern measures of number items.
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {

// Kind names in test messages.
inline void PrintTo(FormatType type, std::ostream* out) {
  *out << formatTypeName(type);
}

namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using T = FormatType;

TEST(FormatClassification, RealCodes) {
  const struct {
    std::string code;
    FormatType expected;
  } cases[] = {
      {"General\" pcs\"", T::Number},
      {"#,##0.00", T::Number},
      {"0.0%", T::Percentage},
      {"# ?/4", T::Fraction},
      {"0.00E+00", T::Scientific},
      {"#,##0.00 [$€-407]", T::Currency},
      {"", T::Other},
      {"#,##0;\\-#,##0;\"-\"", T::Other},
      {"_-[$$-409]* #,##0.00_ ;_-[$$-409]* -#,##0.00 ;_-[$$-409]* \"-\"??_ ;_-@_ ", T::Accounting},
      {"yyyy\"年\"m\"月\"d\"日\"", T::Date},
      {"[mm]:ss.00", T::Time},
      {"dd.mm.yyyy hh:mm", T::DateTime},
      {"[DBNum1][$-804]General", T::General},
      // Marks decide in order: an exponent beats a currency, a currency a percent.
      {"[$$]0.00E+00", T::Scientific},
      {"[$$]0%", T::Currency},
      // Sections: a text rule alone or behind literal sections decides; a literal first section
      // adopts the number rule's kind; sections of different kinds are other.
      {"@", T::Text},
      {"\"x\";@", T::Text},
      {"\"a\";\"b\";\"c\";@", T::Text},
      {"\"x\";0", T::Number},
      {"0;\"x\"", T::Other},
      {"0;dd", T::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(calcFormatType(c.code), c.expected);
    const auto expression = parse(c.code, ParserType::Default);
    if (!expression) continue;
    EXPECT_EQ(calcFormatType(*expression), c.expected);
    const auto format = std::make_shared<const Vesk::DOM::CellFormat>(*expression);
    EXPECT_EQ(calcFormatType(*format), c.expected);
    EXPECT_EQ(calcFormatType(format), c.expected);
  }
}

// Localized formats take their kind from their components.
TEST(FormatClassification, CellFormats) {
  using Localized = Model::DateTimeLocalizedExpression;
  using Default = Model::DateTimeDefaultType;
  EXPECT_EQ(calcFormatType(std::shared_ptr<const Vesk::DOM::CellFormat>()), T::General);
  const std::pair<Localized, FormatType> cases[] = {
      {Localized(Model::DateTimePatternItemSet{}), T::Other},
      {Localized(Default::Date), T::Date},
      {Localized(Default::Time), T::Time},
      {Localized(Default::DateTime), T::DateTime},
  };
  for (const auto& [localized, expected] : cases)
    EXPECT_EQ(calcFormatType(std::make_shared<const Vesk::DOM::CellFormat>(localized)), expected);
}

// The measures hosts take of number patterns.
TEST(FormatClassification, PatternMeasures) {
  const std::tuple<std::size_t (*)(const std::string&), std::string, std::size_t> cases[] = {
      {calcMinIntegerDigits, "0#0", 1},   {calcMinIntegerDigits, "?0", 0},
      {calcMinIntegerDigits, "00#?0", 2}, {calcDecimalPlaces, ".??", 2},
      {calcMinNumeratorDigits, "#??", 3},
  };
  for (const auto& [measure, pattern, expected] : cases)
    EXPECT_EQ(measure(pattern), expected) << pattern;
  EXPECT_EQ(calcFirstDecimalPlaceHolder("0.#0"), boost::optional<char>('#'));
  EXPECT_EQ(calcFirstDecimalPlaceHolder("0."), boost::none);
  EXPECT_ASSERTION((void)calcMinIntegerDigits("#,##0"),
                   "OfficeUtils/Formatters/Parser/OU_FormattingParser",
                   "Unexpected cell formatting pattern");
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
