#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_Utils.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils::Parser {
namespace {

namespace Model = Vesk::DOM::CellFormatModel;
using CType = Model::Condition::Type;

constexpr const char* UtilsFile = "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils";

std::string describe(const boost::optional<Color>& color) {
  if (!color) return "none";
  return std::to_string(color->red) + "," + std::to_string(color->green) + "," +
         std::to_string(color->blue) + "," + std::to_string(color->alpha);
}

// The hand reading agrees with its definition, a pattern (an operator, spaces, a run of
// anything but spaces, spaces) whose run is read under the built-in point context.
TEST(FormattingParserUtils, StringToConditionMatchesItsPattern) {
  const boost::regex pattern("(<=|>=|<>|<|>|=)[ ]*([^ ]+)[ ]*", boost::regex::perl);
  const std::map<std::string, CType> operators{
      {"<", CType::Less},      {">", CType::Greater},      {"=", CType::Equal},
      {"<>", CType::NotEqual}, {"<=", CType::LessOrEqual}, {">=", CType::GreaterOrEqual}};
  const auto& context =
      LocaleContext::getDefaultLocaleContext(static_cast<Vesk::DOM::FormulaType>(2));
  const std::vector<std::string> heads{"<", ">", "=", "<=", ">=", "<>", "", " "};
  const std::vector<std::string> alphabet{
      "<", ">",  "=", " ", "  ", "1", "05", ".",
      "e", "E+", "-", "+", "a",  ",", "\t", std::string(1, '\0'),
      "9"};
  std::mt19937 random(19);
  for (int i = 0; i < 100000 / Testing::PropertyScale; ++i) {
    const auto text = heads[random() % heads.size()] + Testing::randomText(random, alphabet, 6);
    boost::optional<Model::Condition> expected;
    boost::smatch match;
    if (boost::regex_match(text, match, pattern)) {
      const auto value = stringToDouble(match[2].str(), context);
      if (value && std::isfinite(*value))
        expected = Model::Condition(operators.at(match[1].str()), *value);
    }
    ASSERT_EQ(stringToCondition(text), expected) << text;
  }
}

// A named colour maps back to its name and is written by name; each palette entry maps back to
// its index, or to the lower one it repeats, and reads back; colours off the palette, or not
// opaque, have neither name nor index.
TEST(FormattingParserUtils, NamedAndPaletteColours) {
  for (const std::string name :
       {"black", "blue", "cyan", "green", "magenta", "red", "white", "yellow"}) {
    const auto color = stringToColor(name);
    ASSERT_TRUE(color) << name;
    EXPECT_EQ(colorToName(*color), boost::optional<std::string_view>(name));
    EXPECT_EQ(colorToRegEx(*color), "[" + name + "]");
  }
  const std::map<int, int> repeats = {{32, 5},  {27, 6},  {26, 7},  {28, 8},  {30, 9},
                                      {25, 11}, {29, 13}, {31, 14}, {54, 18}, {34, 20}};
  std::set<std::string> distinct;
  for (int index = 1; index <= 56; ++index) {
    const auto color = stringToColor(std::to_string(index));
    ASSERT_TRUE(color) << index;
    distinct.insert(describe(color));
    const int low = repeats.count(index) ? repeats.at(index) : index;
    EXPECT_EQ(colorToPaletteIndex(*color), static_cast<std::uint32_t>(low)) << index;
    const auto expression = parse("[Color" + std::to_string(index) + "]0", ParserType::Default);
    EXPECT_EQ(parse(toRegEx(*expression, ParserType::Default), ParserType::Default), expression)
        << index;
  }
  EXPECT_EQ(distinct.size(), 56u - repeats.size());
  EXPECT_EQ(describe(stringToColor("23")), "0,102,204,255");
  for (const std::string text : {"0", "57", "Red", "purple"})
    EXPECT_EQ(describe(stringToColor(text)), "none") << text;
  for (const Color color : {Color{1, 2, 3, 255}, Color{255, 0, 0, 0}})
    EXPECT_EQ(colorToRegEx(color), "");
  EXPECT_EQ(colorToName(Color{128, 0, 0, 255}), boost::none);
  EXPECT_EQ(colorToRegEx(Color{128, 0, 0, 255}), "[color 9]");
}

// The lexer only hands over known names; a miss is an assertion.
TEST(FormattingParserUtils, UnknownCalendarsAndTransliterationsAssert) {
  EXPECT_ASSERTION((void)stringToCalendar("b1"), UtilsFile, "Check correctness of calendar map");
  EXPECT_ASSERTION((void)stringToTransliteration("DBNum5"), UtilsFile,
                   "Check correctness of the transliteration map");
}

// Writer. Codes are read (in `read`), written (in `type`) and compared with what a spreadsheet
// stores; restricted writing drops the rules past the second condition and some date items.
TEST(FormattingParserUtils, WritesCodesBack) {
  const struct {
    std::string code, expected;
    ParserType type = ParserType::Default, read = type;
  } cases[] = {
      {"[>= 1.5]0;[<1e20]0;[<>-0.25]0", "[>=1.5]0;[<1E+20]0;[<>-0.25]0"},
      {"sss hhh [hhh] e b", "ss hh [hh] yyyy bb"},
      {"dd\\,mm;0.0%,;0,,", "dd,mm;0.0%\\,;0,,"},
      {"\"x\"#,##0;##0", "\\x#,##0;##0"},
      {";;0;@", "0;@"},
      {"yyyy q", "yyyy \\q", ParserType::Restricted},
      {"[<1]0;[<2]0;[<3]0;yyyy q qq r rr ww", "[<1]0;[<2]0;yyyy     ", ParserType::Restricted,
       ParserType::Default},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const auto expression = parse(c.code, c.read);
    ASSERT_TRUE(expression);
    EXPECT_EQ(toRegEx(*expression, c.type), c.expected);
  }
}

// The default localized formats of real locales are written in the detection corpus; here a
// pattern set with hours under a 12-hour locale, and the date type each set stands for.
TEST(FormattingParserUtils, LocalizedDateTimePatterns) {
  using Token = Model::DateTimePatternToken;
  const Model::DateTimePatternItemSet date = {
      {Token::Weekday, 0}, {Token::Month, 1}, {Token::Day, 0}, {Token::Year, 0}};
  const DateProps props{DateOrder::MonthFirst, ", ", " ", ", "};
  const FormattingResources formatting(props, props, props, TimeProps{true, ":"});
  const auto& english = LocaleContext::getEnLocaleContext();
  const LocaleContext context(english.getResourceProvider(), english.getResources(), formatting,
                              Vesk::DOM::TimeZone::getUTCTimeZone());
  auto dateTime = date;
  dateTime.insert({{Token::Hour, 0}, {Token::Minute, 0}});
  EXPECT_EQ(toRegEx(Model::DateTimeLocalizedExpression(dateTime), context),
            "dddd, mmmm d, yyyy h:mm AM/PM");
  const std::pair<Model::DateTimePatternItemSet, DateType> types[] = {
      {{}, DateType::Medium},
      {{{Token::Month, 1}, {Token::Day, 0}}, DateType::Short},
      {{{Token::Month, 2}, {Token::Year, 0}}, DateType::Short},
      {date, DateType::Long},
  };
  for (const auto& [items, type] : types) EXPECT_EQ(getDateTypeByTokenSet(items), type);
}

TEST(FormattingParserUtils, WriterAssertions) {
  const auto write = [](const Model::Rule& rule) {
    return [rule] { (void)toRegEx(rule, ParserType::Default); };
  };
  Model::Rule condition;
  condition.setCondition(Model::Condition(Model::Condition::Type{6}, 1));
  std::string empty;
  const std::pair<std::function<void()>, std::string> cases[] = {
      {write(condition), "Check correctness of the condition map"},
      {write(Model::Rule({Model::DateTimeItem(Model::DateTimeItem::Type{32})})),
       "Unknown DOM::CellFormatModel::DateTimeItem::Type"},
      {write(Model::Rule({Model::NumberItem({}, "", false, 0)})), "patternSize != 0"},
      {[&empty] { addGrouping(empty); }, "!pattern.empty()"},
  };
  for (const auto& [call, text] : cases) EXPECT_ASSERTION(call(), UtilsFile, text);
}

// A number part with a literal between each two of its 65,536 placeholders: writing it must
// meet each item once (a scan of all items per placeholder took seconds).
TEST(ToRegEx, WritesLongNumberPartsInLinearTime) {
  std::string code = "0";
  for (int i = 0; i < 65536; ++i) code += "\"x\"0";
  const auto expression = parse(code, ParserType::Default);
  ASSERT_TRUE(expression);
  const std::string written = toRegEx(*expression, ParserType::Default);
  EXPECT_EQ(written.size(), code.size() - 65536);  // "x" is written as \x
  EXPECT_EQ(parse(written, ParserType::Default), expression);
}

// Conditions on numbers no double holds the digits of read as no condition, at once.
TEST(StringToCondition, HugeNumbersAreNoCondition) {
  EXPECT_EQ(stringToCondition(">" + std::string(1 << 20, '9')), boost::none);
  EXPECT_EQ(stringToCondition("<=0." + std::string(1 << 20, '0') + "1"), boost::none);
  EXPECT_EQ(parse("[>" + std::string(1 << 20, '9') + "]0", ParserType::Default),
            parse("0", ParserType::Default));
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
