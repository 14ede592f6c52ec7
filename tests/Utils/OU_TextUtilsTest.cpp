#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::NumberFormatType;

NumberFormatType typeOf(int value) {
  return static_cast<NumberFormatType>(value);
}

// Ordinals 1 up to the limits are read back by the round trip below; past what Roman numerals and
// letters write they are written in digits, a 4,294,967,295 start value included.
TEST(TextUtils, IndexToStringPerFormat) {
  const std::tuple<std::size_t, int, std::string> cases[] = {
      {0, 0, "0"},
      {12, 255, "12"},
      {0, 1, ""},
      {4000, 1, "4000"},
      {2600, 3, std::string(100, 'Z')},
      {2601, 4, "2601"},
      {4294967295, 3, "4294967295"},
      {SIZE_MAX, 4, std::to_string(SIZE_MAX)},
  };
  for (const auto& [index, type, expected] : cases)
    EXPECT_EQ(indexToString(index, typeOf(type)), expected) << index << " as type " << type;
  EXPECT_EQ(convertUpperLatinLetterToDecimal(std::string(100, 'Z')), MaxLetterOrdinal);
  for (const int type : {5, 6})
    EXPECT_ASSERTION((void)indexToString(1, typeOf(type)), "OfficeUtils/Utils/OU_TextUtils",
                     "Unsupported type");
}

TEST(TextUtils, EveryOrdinalRoundTripsThroughItsText) {
  for (std::size_t n = 1; n <= MaxRomanOrdinal; ++n) {
    const std::string upperLetters = indexToString(n, NumberFormatType::UpperLetter);
    const std::string lowerLetters = indexToString(n, NumberFormatType::LowerLetter);
    const bool letters = n <= MaxLetterOrdinal;
    if (letters && convertUpperLatinLetterToDecimal(upperLetters) != n) FAIL() << upperLetters;
    if (letters && convertLowerLatinLetterToDecimal(lowerLetters) != n) FAIL() << lowerLetters;
    if (letters && upperLetters.size() != (n - 1) / 26 + 1) FAIL() << n << " " << upperLetters;
    const std::string upperRoman = indexToString(n, NumberFormatType::UpperRoman);
    const std::string lowerRoman = indexToString(n, NumberFormatType::LowerRoman);
    if (Testing::romanToNumber(upperRoman) != n) FAIL() << n << " " << upperRoman;
    if (Testing::romanToNumber(lowerRoman, true) != n) FAIL() << n << " " << lowerRoman;
    if (indexToString(n, NumberFormatType::Decimal) != std::to_string(n)) FAIL() << n;
  }
}

using DOM::RunType;

std::shared_ptr<const DOM::RunStyle> styleWith(DOM::RunProps props) {
  return std::make_shared<const DOM::RunStyle>(props);
}

TEST(TextUtils, TextOfParagraphsAndBlocks) {
  const auto hidden = styleWith(DOM::RunProps().setColor(Color{0, 0, 0, 0}));
  const auto black = styleWith(DOM::RunProps().setColor(Color{0, 0, 0, 255}));
  const struct {
    std::vector<DOM::Run> runs;
    std::string direct, newLines;
  } cases[] = {
      {{DOM::Run("ab"), DOM::Run(RunType::TabRun, ""), DOM::Run("cd")}, "ab\tcd", "ab\n\t\ncd"},
      {{DOM::Run(""), DOM::Run("ab"), DOM::Run(""), DOM::Run("c")}, "abc", "ab\n\nc"},
      {{DOM::Run("h\xc3\xa9", hidden), DOM::Run("x", black)}, "   x", "   \nx"},
      {{DOM::Run(RunType::BookmarkRun, "b"), DOM::Run(RunType::BreakRun, "r"),
        DOM::Run(RunType::FieldRun, "f"), DOM::Run("t"), DOM::Run(RunType::DrawingRun, "d"),
        DOM::Run(RunType::AnchorRun, "a")},
       "t",
       "t\n\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.direct);
    DOM::Paragraph paragraph(NullID);
    for (const auto& run : c.runs) paragraph.addRun(run);
    EXPECT_EQ(getTextFromPara(paragraph, RunInsertionStrategy::Concatenate), c.direct);
    EXPECT_EQ(getTextFromBlock(paragraph, RunInsertionStrategy::NewLineBetween), c.newLines);
  }

  ReadonlyVector<DOM::Block> blocks;
  for (const char* text : {"text1", "text2"})
    blocks.push_back(
        std::make_unique<DOM::Paragraph>(std::move(DOM::Paragraph(NullID).addRun(DOM::Run(text)))));
  EXPECT_EQ(getTextFromBlocks(blocks, RunInsertionStrategy::Concatenate,
                              BlockInsertionStrategy::NewLineAfterEach),
            "text1\ntext2\n");
  EXPECT_EQ(getTextFromBlocks(blocks, RunInsertionStrategy::Concatenate,
                              BlockInsertionStrategy::Concatenate),
            "text1text2");
  EXPECT_THROW((void)getTextFromBlock(DOM::Table(), RunInsertionStrategy::Concatenate),
               AssertionFailure);
}

TEST(TextUtils, SetTextKeepsTheStyleOfTheOneRun) {
  const auto bold = styleWith(DOM::RunProps().setBold(true));
  DOM::Paragraph paragraph(NullID);
  paragraph.addRun(DOM::Run("old", bold));
  setTextToBlock(paragraph, "new");
  ASSERT_EQ(paragraph.getRuns().size(), 1u);
  EXPECT_EQ(paragraph.getRuns()[0].getText(), "new");
  EXPECT_EQ(paragraph.getRuns()[0].getSharedStyle(), bold);

  const std::string file = "OfficeUtils/Utils/OU_TextUtils";
  DOM::Table table;
  EXPECT_ASSERTION(setTextToBlock(table, "x"), file, "Error: Only in paragraph can set text");
  paragraph.addRun(DOM::Run("second"));
  EXPECT_ASSERTION(setTextToBlock(paragraph, "x"), file, "1 == runs.size()");
}

TEST(TextUtils, ValueBlocksShowTheLocalesWords) {
  const DOM::SharedObjectFactory factory;
  const auto link = std::make_shared<const DOM::Hyperlink>(DOM::Hyperlink{"https://example.com"});
  const auto& english = LocaleContext::getEnLocaleContext();
  const struct {
    std::unique_ptr<DOM::Paragraph> paragraph;
    std::string expected;
  } cases[] = {
      {boolValueToBlock(factory, DOM::BlockValue<bool>(true), link, english), "TRUE"},
      {errorValueToBlock(factory, DOM::BlockValue(DOM::FormulaErrorType(2)), nullptr, english),
       "#DIV/0!"},
      {numberValueToBlock(factory, DOM::BlockValue<FloatNumber>(-2.5e20), nullptr, english),
       "-2.5E+20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ASSERT_EQ(c.paragraph->getRuns().size(), 1u);
    EXPECT_EQ(c.paragraph->getRuns()[0].getType(), RunType::TextRun);
    EXPECT_EQ(getTextFromPara(*c.paragraph, RunInsertionStrategy::Concatenate), c.expected);
  }
  EXPECT_EQ(*cases[0].paragraph->getRuns()[0].getStyle().getHyperlink(), *link);
  EXPECT_EQ(cases[2].paragraph->getRuns()[0].getStyle().getHyperlink(), nullptr);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
