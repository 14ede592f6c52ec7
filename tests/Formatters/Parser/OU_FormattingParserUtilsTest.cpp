#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "host/Utils/OU_Assert.h"

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

TEST(FormattingParserUtils, StringToCondition) {
  const struct {
    std::string text;
    boost::optional<Model::Condition> expected;
  } cases[] = {
      {"<=100", Model::Condition(CType::LessOrEqual, 100)},
      {">= 1.5", Model::Condition(CType::GreaterOrEqual, 1.5)},
      {"<>-2", Model::Condition(CType::NotEqual, -2)},
      {"<5", Model::Condition(CType::Less, 5)},
      {">5 ", Model::Condition(CType::Greater, 5)},
      {"=0", Model::Condition(CType::Equal, 0)},
      {"<1e3", Model::Condition(CType::Less, 1000)},
      {"", boost::none},
      {"5", boost::none},
      {"<", boost::none},
      {"< ", boost::none},
      {" <5", boost::none},
      {"<a", boost::none},
      {"<1 2", boost::none},
      {"=<5", boost::none},
      {"<1,5", boost::none},  // the decimal separator of conditions is the point
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(stringToCondition(c.text), c.expected);
  }
}

TEST(FormattingParserUtils, NamedColoursAndPaletteEntries) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"cyan", "0,255,255,255"},
      {"green", "0,255,0,255"},
      {"black", "0,0,0,255"},
      {"blue", "0,0,255,255"},
      {"magenta", "255,0,255,255"},
      {"red", "255,0,0,255"},
      {"white", "255,255,255,255"},
      {"yellow", "255,255,0,255"},
      {"1", "0,0,0,255"},
      {"10", "0,128,0,255"},
      {"15", "192,192,192,255"},
      {"23", "0,102,204,255"},
      {"48", "150,150,150,255"},
      {"56", "51,51,51,255"},
      {"0", "none"},
      {"57", "none"},
      {"-1", "none"},
      {"Red", "none"},
      {"purple", "none"},
      {"", "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(describe(stringToColor(c.text)), c.expected);
  }
}

TEST(FormattingParserUtils, PaletteMapsBackToTheLowerIndex) {
  const std::vector<std::pair<int, int>> duplicates = {{5, 32},  {6, 27},  {7, 26},  {8, 28},
                                                       {9, 30},  {11, 25}, {13, 29}, {14, 31},
                                                       {18, 54}, {20, 34}};
  std::set<int> higher;
  for (const auto& [low, high] : duplicates) {
    SCOPED_TRACE(std::to_string(low) + "/" + std::to_string(high));
    higher.insert(high);
    EXPECT_EQ(describe(stringToColor(std::to_string(low))),
              describe(stringToColor(std::to_string(high))));
  }
  std::set<std::string> distinct;
  for (int index = 1; index <= 56; ++index) {
    SCOPED_TRACE(index);
    const auto color = stringToColor(std::to_string(index));
    ASSERT_TRUE(color);
    EXPECT_EQ(color->alpha, 255);
    distinct.insert(describe(color));
    const auto back = colorToPaletteIndex(*color);
    ASSERT_TRUE(back);
    if (higher.count(index)) {
      EXPECT_LT(*back, static_cast<std::uint32_t>(index));
    } else {
      EXPECT_EQ(*back, static_cast<std::uint32_t>(index));
    }
  }
  EXPECT_EQ(distinct.size(), 56u - duplicates.size());
}

TEST(FormattingParserUtils, NamedColoursMapBackToTheirNames) {
  for (const std::string name :
       {"cyan", "green", "black", "blue", "magenta", "red", "white", "yellow"}) {
    SCOPED_TRACE(name);
    const auto color = stringToColor(name);
    ASSERT_TRUE(color);
    EXPECT_EQ(colorToName(*color), boost::optional<std::string_view>(name));
    // Every named colour is among the first eight palette entries.
    const auto index = colorToPaletteIndex(*color);
    ASSERT_TRUE(index);
    EXPECT_LE(*index, 8u);
  }
  EXPECT_EQ(colorToName(Color{1, 2, 3, 255}), boost::none);
  EXPECT_EQ(colorToPaletteIndex(Color{1, 2, 3, 255}), boost::none);
  EXPECT_EQ(colorToName(Color{255, 0, 0, 0}), boost::none);
  EXPECT_EQ(colorToPaletteIndex(Color{255, 0, 0, 0}), boost::none);
  EXPECT_EQ(colorToName(Color{128, 0, 0, 255}), boost::none);
  EXPECT_EQ(colorToPaletteIndex(Color{128, 0, 0, 255}), 9u);
}

TEST(FormattingParserUtils, CalendarsAndTransliterations) {
  EXPECT_EQ(stringToCalendar("B1"), Model::Calendar::B1);
  EXPECT_EQ(stringToCalendar("B2"), Model::Calendar::B2);
  EXPECT_EQ(stringToTransliteration("DBNum1"), Model::Transliteration::DBNum1);
  EXPECT_EQ(stringToTransliteration("DBNum4"), Model::Transliteration::DBNum4);

  const auto expectAssertion = [](auto convert, const std::string& text,
                                  const std::string& message) {
    SCOPED_TRACE(text);
    try {
      (void)convert(text);
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), UtilsFile);
      EXPECT_EQ(failure.message(), message);
    }
  };
  expectAssertion(stringToCalendar, "B3", "Check correctness of calendar map");
  expectAssertion(stringToCalendar, "b1", "Check correctness of calendar map");
  expectAssertion(stringToTransliteration, "DBNum5",
                  "Check correctness of the transliteration map");
  expectAssertion(stringToTransliteration, "", "Check correctness of the transliteration map");
}

TEST(FormattingParserUtils, StringToLanguage) {
  const struct {
    std::string text;
    boost::optional<std::uint32_t> expected;
  } cases[] = {
      {"409", 0x409u},   {"F800", 0xF800u},         {"f800", 0xF800u},
      {"0", 0u},         {"7FFFFFFF", 0x7FFFFFFFu}, {"80000000", boost::none},
      {"", boost::none}, {"xyz", boost::none},      {"-1", boost::none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(stringToLanguage(c.text), c.expected);
  }
}

TEST(FormattingParserUtils, StringToCurrency) {
  const struct {
    std::string text;
    boost::optional<Model::CurrencyItem> expected;
  } cases[] = {
      {"€-407", Model::CurrencyItem("€", 0x407u)},
      {"USD", Model::CurrencyItem("USD")},
      {"$-409", Model::CurrencyItem("$", 0x409u)},
      {"", Model::CurrencyItem("")},
      {"-", Model::CurrencyItem("")},
      {"€-", Model::CurrencyItem("€")},
      {"-g", Model::CurrencyItem("g")},
      {"€--407", Model::CurrencyItem("€", 0x407u)},
      {"€-407-1", boost::none},
      {"a-b-c", boost::none},
      {"€-xyz", boost::none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(stringToCurrency(c.text), c.expected);
  }
}

// Writer. Codes are read, written and compared with what a spreadsheet stores.
TEST(FormattingParserUtils, WritesCodesBack) {
  const struct {
    std::string code;
    ParserType type;
    std::string expected;
  } cases[] = {
      {"#,##0.00;[Red]-#,##0.00", ParserType::Default, "#,##0.00;[red]-#,##0.00"},
      {"0;-0;0;@", ParserType::Default, "0;-0;0;@"},
      {"[Color 5]0;[Color 32]0;[color23]0", ParserType::Default, "[blue]0;[blue]0;[color 23]0"},
      {"[>= 1.5]0;[<1e20]0;[<>-0.25]0", ParserType::Default, "[>=1.5]0;[<1E+20]0;[<>-0.25]0"},
      {"[$€-407]#,##0.00;#,##0 [$₽-419];[$USD]0", ParserType::Default,
       "[$€-407]#,##0.00;#,##0 [$₽-419];[$USD]0"},
      {"[DBNum1][$-804]General;B2dd/mm/yyyy", ParserType::Default,
       "[DBNum1][$-804]General;B2dd/mm/yyyy"},
      {"[$-409]h:mm AM/PM;mm:ss.00;s.", ParserType::Default, "[$-409]h:mm AM/PM;mm:ss.00;s."},
      {"sss hhh [hhh] e b", ParserType::Default, "ss hh [hh] yyyy bb"},
      {"$#,##0;\\$0 \"abc\";0\\,0.0", ParserType::Default, "\\$#,##0;\\$0 \"abc\";0\\,0.0"},
      {"dd\\,mm;0.0%,;0,,", ParserType::Default, "dd,mm;0.0%\\,;0,,"},
      {"_(* #,##0_);# ?/16;##0.0E+0", ParserType::Default, "_(* #,##0_);# ?/16;##0.0E+0"},
      {"01,;1/2;1,2E+0", ParserType::Default, "01,;1/2;1,2E+0"},
      {"\"x\"#,##0;##0", ParserType::Default, "\\x#,##0;##0"},
      {";;0;@", ParserType::Default, "0;@"},
      {"yyyy q", ParserType::Restricted, "yyyy \\q"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const auto expression = parse(c.code, c.type);
    ASSERT_TRUE(expression);
    EXPECT_EQ(toRegEx(*expression, c.type), c.expected);
  }
}

TEST(FormattingParserUtils, RestrictedWritingDropsRulesAndDateItems) {
  const auto expression = parse("[<1]0;[<2]0;[<3]0;yyyy q qq r rr ww", ParserType::Default);
  ASSERT_TRUE(expression);
  EXPECT_EQ(toRegEx(*expression, ParserType::Restricted), "[<1]0;[<2]0;yyyy     ");
}

TEST(FormattingParserUtils, WritesModelEdgeCases) {
  using TType = Model::TextItem::Type;
  const Model::Rule number({Model::NumberItem(Model::NumberItem::Role::Integer, "0", false, 0)});
  const auto withText = [](Model::Item first, std::string text) {
    return Model::Rule({std::move(first), Model::TextItem(TType::Literal, std::move(text))});
  };
  const Model::DateTimeItem day(Model::DateTimeItem::Type::DayShort);
  Model::Expression textOnly, leadingEmpty({Model::Rule(), number});
  textOnly.setDefaultTextRule(Model::Rule({Model::ExtraItem(Model::ExtraItem::Type::Text)}));
  Model::NumberItem scaled(Model::NumberItem::Role::Integer, "0.00", false, 2);
  scaled.setEmbeddedItems({{0, Model::TextItem(TType::Percent, "%")}});
  const struct {
    Model::Expression expression;
    std::string expected;
  } cases[] = {
      {Model::Expression(), ""},
      {textOnly, "@"},
      {leadingEmpty, "0"},
      {Model::Expression(withText(number.getItems()[0], " ")), "0 "},
      {Model::Expression(withText(number.getItems()[0], "$")), "0\\$"},
      {Model::Expression(withText(number.getItems()[0], ",")), "0\\,"},
      {Model::Expression(withText(day, ",")), "d,"},
      {Model::Expression(withText(day, "abc")), "d\"abc\""},
      {Model::Expression(withText(day, "")), "d\"\""},
      {Model::Expression(Model::Rule({scaled})), "0.00,,%"},
      {Model::Expression(Model::Rule(number.getItems(), Color{1, 2, 3, 255})), "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(toRegEx(c.expression, ParserType::Default), c.expected);
  }
}

TEST(FormattingParserUtils, AddGrouping) {
  const std::pair<std::string, std::string> cases[] = {
      {"0.00", "#,##0.00"}, {"###0", "#,##0"}, {"####0", "#,###0"}, {"##0", "#,##0"},
      {"#0", "#,##0"},      {"#", "#,##"},     {"?", "#,##?"},      {".0", "#,##.0"},
  };
  for (auto [pattern, expected] : cases) {
    SCOPED_TRACE(pattern);
    addGrouping(pattern);
    EXPECT_EQ(pattern, expected);
  }
}

TEST(FormattingParserUtils, ColorToRegExReadsBack) {
  EXPECT_EQ(colorToRegEx(Color{255, 0, 0, 255}), "[red]");
  EXPECT_EQ(colorToRegEx(Color{0, 102, 204, 255}), "[color 23]");
  EXPECT_EQ(colorToRegEx(Color{153, 51, 102, 255}), "[color 18]");  // also index 54
  EXPECT_EQ(colorToRegEx(Color{1, 2, 3, 255}), "");
  EXPECT_EQ(colorToRegEx(Color{255, 0, 0, 0}), "");
  for (int index = 1; index <= 56; ++index) {
    const std::string code = "[Color" + std::to_string(index) + "]0";
    SCOPED_TRACE(code);
    const auto expression = parse(code, ParserType::Default);
    EXPECT_EQ(parse(toRegEx(*expression, ParserType::Default), ParserType::Default), expression);
  }
}

TEST(FormattingParserUtils, LocalizedDateTimePatterns) {
  using Token = Model::DateTimePatternToken;
  const Model::DateTimePatternItemSet date = {
      {Token::Weekday, 0}, {Token::Month, 1}, {Token::Day, 0}, {Token::Year, 0}};
  auto dateTime = date;
  dateTime.insert({{Token::Hour, 0}, {Token::Minute, 0}});
  const DateProps props{DateOrder::MonthFirst, ", ", " ", ", "};
  const FormattingResources formatting(props, props, props, TimeProps{true, ":"});
  const auto& english = LocaleContext::getEnLocaleContext();
  const LocaleContext context(english.getResourceProvider(), english.getResources(), formatting,
                              Vesk::DOM::TimeZone::getUTCTimeZone());
  const Token monthFirst[] = {Token::Weekday, Token::Month, Token::Day, Token::Year};
  EXPECT_EQ(createPatternByTokens(date, formatting.getSeparatorsMap(DateType::Long), monthFirst),
            "dddd, mmmm d, yyyy");
  EXPECT_EQ(toRegEx(Model::DateTimeLocalizedExpression(dateTime), context),
            "dddd, mmmm d, yyyy h:mm AM/PM");
  EXPECT_EQ(toRegEx(Vesk::DOM::CellFormat::Data(
                        Model::DateTimeLocalizedExpression(Model::DateTimeDefaultType::DateTime)),
                    ParserType::Default, english),
            "m/d/yyyy h:mm");
  EXPECT_THROW((void)createPatternByTokens(date, {}, monthFirst), std::out_of_range);
  EXPECT_THROW((void)createPatternByTokens({{Token::Year, 2}}, {}, monthFirst), std::out_of_range);

  const std::pair<Model::DateTimePatternItemSet, DateType> types[] = {
      {{}, DateType::Medium},
      {{{Token::Day, 0}, {Token::Year, 0}}, DateType::Medium},
      {{{Token::Month, 0}, {Token::Day, 0}, {Token::Year, 0}}, DateType::Medium},
      {{{Token::Month, 1}, {Token::Day, 0}}, DateType::Short},
      {{{Token::Month, 2}, {Token::Year, 0}}, DateType::Short},
      {date, DateType::Long},
  };
  for (const auto& [items, type] : types) EXPECT_EQ(getDateTypeByTokenSet(items), type);
}

TEST(FormattingParserUtils, WriterAssertions) {
  std::vector<std::pair<Model::Rule, std::string>> cases(7);
  cases[0] = {Model::Rule(), "Check correctness of the condition map"};
  cases[0].first.setCondition(Model::Condition(Model::Condition::Type{6}, 1));
  cases[1] = {Model::Rule(), "Check correctness of the calendar map"};
  cases[1].first.setCalendar(Model::Calendar{2});
  cases[2] = {Model::Rule(), "Check correctness of the transliteration map"};
  cases[2].first.setTransliteration(Model::Transliteration{4});
  cases[3] = {Model::Rule({Model::DateTimeItem(Model::DateTimeItem::Type{32})}),
              "Unknown DOM::CellFormatModel::DateTimeItem::Type"};
  cases[4] = {Model::Rule({Model::ExtraItem(Model::ExtraItem::Type{5})}),
              "Unknown DOM::CellFormatModel::ExtraItem::Type"};
  cases[5] = {Model::Rule({Model::TextItem(Model::TextItem::Type{5}, "x")}),
              "Unknown DOM::CellFormatModel::TextItem::Type"};
  cases[6] = {Model::Rule({Model::NumberItem({}, "", false, 0)}), "patternSize != 0"};
  std::string empty;
  for (std::size_t i = 0; i <= cases.size(); ++i) {
    const std::string text = i < cases.size() ? cases[i].second : "!pattern.empty()";
    SCOPED_TRACE(text);
    try {
      if (i < cases.size()) (void)toRegEx(cases[i].first, ParserType::Default);
      if (i == cases.size()) addGrouping(empty);
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), UtilsFile);
      EXPECT_EQ(failure.message().empty() ? failure.condition() : failure.message(), text);
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
