// Format classification: calcFormatType over parsed codes, models and cell formats, and the
// pattern measures of number items.
#include <memory>
#include <string>
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
      // The kinds the detection corpus classifies (number, percentage, fraction, scientific,
      // currency) are left to it; the two tables below walk the rules of the classification.
      {"General\" pcs\"", T::Number},
      {"", T::Other},
      {"#,##0;\\-#,##0;\"-\"", T::Other},
      {"_-[$$-409]* #,##0.00_ ;_-[$$-409]* -#,##0.00 ;_-[$$-409]* \"-\"??_ ;_-@_ ", T::Accounting},
      {"yyyy\"年\"m\"月\"d\"日\"", T::Date},
      {"[mm]:ss.00", T::Time},
      {"dd.mm.yyyy hh:mm", T::DateTime},
      {"[DBNum1][$-804]General", T::General},
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

TEST(FormatClassification, RuleMarksDecideInOrder) {
  const Model::NumberItem number(Model::NumberItem::Role::Integer, "0", false, 0);
  const Model::TextItem fill(Model::TextItem::Type::Fill, " ");
  const Model::TextItem percent(Model::TextItem::Type::Percent, "%");
  const Model::CurrencyItem currency("$");
  const Model::DateTimeItem day(Model::DateTimeItem::Type::DayShort);
  const Model::DateTimeItem hours(Model::DateTimeItem::Type::HoursShort);
  const Model::ExtraItem general(Model::ExtraItem::Type::General);
  const Model::ExtraItem slash(Model::ExtraItem::Type::FractionSlash);
  const Model::ExtraItem exponent(Model::ExtraItem::Type::ExponentMinus);
  const Model::ExtraItem text(Model::ExtraItem::Type::Text);
  const std::pair<Model::Items, FormatType> cases[] = {
      {{general, text}, T::Number},                // general and text
      {{day, slash, currency, number}, T::Date},   // date beats everything
      {{hours, slash}, T::Time},                   // time beats fraction
      {{exponent, slash}, T::Fraction},            // fraction beats exponent
      {{currency, exponent}, T::Scientific},       // exponent beats currency
      {{fill, currency}, T::Accounting},           // currency with fill
      {{currency, number, percent}, T::Currency},  // currency beats percent
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(calcFormatType(Model::Rule(cases[i].first)), cases[i].second) << "row " << i;
}

TEST(FormatClassification, ExpressionAgreement) {
  const Model::Rule number({Model::NumberItem(Model::NumberItem::Role::Integer, "0", false, 0)});
  const Model::Rule date({Model::DateTimeItem(Model::DateTimeItem::Type::DayShort)});
  const Model::Rule literal({Model::TextItem(Model::TextItem::Type::Literal, "x")});
  const Model::Rule text({Model::ExtraItem(Model::ExtraItem::Type::Text)});
  const auto make = [](std::vector<Model::Rule> rules, boost::optional<Model::Rule> numberRule,
                       boost::optional<Model::Rule> textRule) {
    Model::Expression expression(std::move(rules));
    expression.setDefaultNumberRule(std::move(numberRule));
    expression.setDefaultTextRule(std::move(textRule));
    return expression;
  };
  const auto none = boost::none;
  const std::pair<Model::Expression, FormatType> cases[] = {
      {make({}, none, text), T::Text},                     // only text rule
      {make({}, none, literal), T::Other},                 // literal text rule
      {make({}, literal, text), T::Text},                  // other number rule falls back to text
      {make({literal}, number, none), T::Number},          // other first adopts number
      {make({number}, literal, none), T::Other},           // other after number
      {make({literal, literal}, literal, text), T::Text},  // all other, text decides
      {make({number}, date, none), T::Other},              // number then date
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(calcFormatType(cases[i].first), cases[i].second) << "row " << i;
}

// Localized dates, times and date-times are classified in the detection corpus.
TEST(FormatClassification, CellFormats) {
  using Localized = Model::DateTimeLocalizedExpression;
  EXPECT_EQ(calcFormatType(std::shared_ptr<const Vesk::DOM::CellFormat>()), T::General);
  EXPECT_EQ(calcFormatType(std::make_shared<const Vesk::DOM::CellFormat>(
                Localized(Model::DateTimePatternItemSet{}))),
            T::Other);
}

// The measures hosts take of number patterns.
TEST(FormatClassification, PatternMeasures) {
  const struct {
    std::size_t (*measure)(const std::string&);
    std::string pattern;
    std::size_t expected;
  } cases[] = {
      {calcMinIntegerDigits, "0#0", 1},   {calcMinIntegerDigits, "?0", 0},
      {calcMinIntegerDigits, "00#?0", 2}, {calcDecimalPlaces, ".??", 2},
      {calcMinNumeratorDigits, "#??", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(c.measure(c.pattern), c.expected) << c.pattern;
  EXPECT_EQ(calcFirstDecimalPlaceHolder("0.#0"), boost::optional<char>('#'));
  EXPECT_EQ(calcFirstDecimalPlaceHolder("0."), boost::none);
  for (const std::string pattern : {"#,##0", "0x", "#E"}) {
    EXPECT_ASSERTION((void)calcMinIntegerDigits(pattern),
                     "OfficeUtils/Formatters/Parser/OU_FormattingParser",
                     "Unexpected cell formatting pattern");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
