// The shared number functions, and what the typed-input corpus cannot reach: separators of
// made-up locales, long denominators, and the detectors' assertions on maps no grammar gives.
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Symbol = LocalizableSymbolType;
using Entries = std::vector<std::pair<int, std::string>>;

// A locale with the given decimal and thousand separators and English other symbols.
struct SeparatorsLocale : Testing::TestLocale {
  SeparatorsLocale(std::string decimal, std::string thousand)
      : TestLocale({{Symbol::DecimalSeparator, std::move(decimal)},
                    {Symbol::ThousandSeparator, std::move(thousand)},
                    {Symbol::ExponentLiteral, "E"},
                    {Symbol::CurrencySymbol, "$"}}) {}
};

TokenMap makeMap(const Entries& entries) {
  TokenMap map;
  for (const auto& [index, text] : entries) map.insert(index, text);
  return map;
}

TEST(FormatDetectorTest, trimNumberSignsCollapsesOnlyTheFirstRun) {
  const std::pair<std::string, std::string> cases[] = {
      {"- - 5", "+ 5"}, {"---", "-"},     {"a--5-3", "a+5-3"},   {"-\u2003-5", "+5"},
      {"- 5", "- 5"},   {"(-5)", "(-5)"}, {"-- 5 --", "+ 5 --"}, {"-\xff-5", "-\xff-5"},
      {"", ""},         {"12-3", "12-3"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(trimNumberSigns(text), expected) << text;
}

TEST(FormatDetectorTest, numberStringsInTheLocaleNotation) {
  static const SeparatorsLocale english(".", ","), noBreak(",", "\u00A0"),
      narrowNoBreak(",", "\u202F"), arabic("\u066B", "\u066C");
  const struct {
    const LocaleContext& locale;
    Entries entries;
    std::string expected;
  } cases[] = {
      {english,
       {{OpeningParenthesisIndex, "("}, {SignIndex, "+"}, {IntegerPartNumberIndex, "5"}},
       "-5.0"},
      {english, {}, "0."},
      // A white-space separator removes every white-space code point: typed spaces group too.
      {noBreak, {{IntegerPartNumberIndex, "1 234\u00A0567\u202F890"}}, "1234567890,0"},
      {narrowNoBreak, {{IntegerPartNumberIndex, "1\u00A0234 567"}}, "1234567,0"},
      {arabic, {{IntegerPartNumberIndex, "1\u066C234"}}, "1234\u066B0"},
  };
  for (const auto& [locale, entries, expected] : cases)
    EXPECT_EQ(tokensToStringNumber(makeMap(entries), locale), expected) << expected;
  EXPECT_EQ(numberTokenAutoComplete("12\u066B", arabic), "12\u066B0");
  EXPECT_EQ(trimThousandSeparator("1 234", english), "1 234");  // a space is not ","
}

TEST(FormatDetectorTest, fractionsBeyondTheCorpusAndMissingParts) {
  const auto& english = LocaleContext::getEnLocaleContext();
  const FractionFormatDetector fraction(english, nullptr);  // processing needs no grammar
  auto read = [&](const char* integer, const char* numerator, const char* denominator) {
    return fraction.formatDetectorResultProcessing(makeMap({{IntegerPartFractionIndex, integer},
                                                            {NumeratorIndex, numerator},
                                                            {DenominatorIndex, denominator}}));
  };
  // Five denominator places, past the prepared formats; 0/0 is no number either.
  const auto fifth = Vesk::FormulaModel::asFormulaNumberOpt(read("2", "1", "00003"));
  ASSERT_TRUE(fifth);
  EXPECT_DOUBLE_EQ(fifth->getValue().getValue(), 2 + 1.0 / 3);
  EXPECT_EQ(*fifth->getProps().getCellFormat(),
            *CellFormatFactory(english).makeFractionFormat(DenominatorDigitsNumber(5), 1));
  EXPECT_EQ(read("1", "0", "0"), Vesk::FormulaModel::getFormulaDiv0Error());

  const char* FractionSource = "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector";
  EXPECT_ASSERTION((void)fraction.formatDetectorResultProcessing(
                       makeMap({{NumeratorIndex, "1"}, {DenominatorIndex, "2"}})),
                   FractionSource, "integerFractionIter != values.end()");
  EXPECT_ASSERTION((void)fraction.formatDetectorResultProcessing(
                       makeMap({{IntegerPartFractionIndex, "1"}, {DenominatorIndex, "2"}})),
                   FractionSource, "numeratorIter != values.end()");
  EXPECT_ASSERTION((void)fraction.formatDetectorResultProcessing(
                       makeMap({{IntegerPartFractionIndex, "1"}, {NumeratorIndex, "2"}})),
                   FractionSource, "denominatorIter != values.end()");
  EXPECT_ASSERTION((void)CurrencyFormatDetector(english, nullptr)
                       .formatDetectorResultProcessing(makeMap({{IntegerPartNumberIndex, "5"}})),
                   "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector",
                   "currencySymbolIter != values.end()");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
