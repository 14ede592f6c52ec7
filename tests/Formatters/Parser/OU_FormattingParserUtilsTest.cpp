#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace Vesk::OfficeUtils::Parser
