// The shared number functions and the five number detectors' processing of token maps (the
// grammar is data; here the detectors see the maps a grammar would give them).
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_NumberFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_PercentageFormatDetector.h"
#include "OfficeUtils/FormatDetector/Detectors/OU_ScientificFormatDetector.h"
#include "OfficeUtils/Formatters/Parser/OU_CellFormatFactory.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Symbol = LocalizableSymbolType;
using Vesk::FormulaModel::FormulaValue;
using Entries = std::vector<std::pair<int, std::string>>;
using Factory = CellFormatFactory;

// A locale with the given decimal and thousand separators and English other symbols.
struct SeparatorsLocale : Testing::TestLocale {
  SeparatorsLocale(std::string decimal, std::string thousand)
      : TestLocale({{Symbol::DecimalSeparator, std::move(decimal)},
                    {Symbol::ThousandSeparator, std::move(thousand)},
                    {Symbol::ExponentLiteral, "E"},
                    {Symbol::CurrencySymbol, "$"}}) {}
};

const LocaleContext& locale(char name) {
  static const SeparatorsLocale english(".", ","), german(",", "."), noBreak(",", "\u00A0"),
      narrowNoBreak(",", "\u202F"), arabic("\u066B", "\u066C");
  switch (name) {
    case 'd':
      return german;
    case 'n':
      return noBreak;
    case 'N':
      return narrowNoBreak;
    case 'a':
      return arabic;
    default:
      return english;
  }
}

TokenMap makeMap(const Entries& entries) {
  TokenMap map;
  for (const auto& [index, text] : entries) map.insert(index, text);
  return map;
}

TEST(FormatDetectorTest, trimNumberSignsCollapsesOnlyTheFirstRun) {
  const std::vector<std::pair<std::string, std::string>> cases = {{"--5", "+5"},
                                                                  {"- - 5", "+ 5"},
                                                                  {"+-5", "-5"},
                                                                  {"12-3", "12-3"},
                                                                  {"42", "42"},
                                                                  {"", ""},
                                                                  {"-", "-"},
                                                                  {"---", "-"},
                                                                  {"a--5-3", "a+5-3"},
                                                                  {"-\u2003-5", "+5"},
                                                                  {"- 5", "- 5"},
                                                                  {"(-5)", "(-5)"},
                                                                  {"-- 5 --", "+ 5 --"},
                                                                  {"-\xff-5", "-\xff-5"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(trimNumberSigns(text), expected) << text;
}

TEST(FormatDetectorTest, numberStringsInTheLocaleNotation) {
  struct Case {
    char locale;
    Entries entries;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {'e', {{IntegerPartNumberIndex, "1,234"}, {DecimalPartNumberIndex, "5"}}, "1234.5"},
      {'e', {{IntegerPartNumberIndex, "12"}}, "12.0"},
      {'e', {{DecimalPartNumberIndex, "5"}}, "0.5"},
      {'e',
       {{OpeningParenthesisIndex, "("}, {SignIndex, "+"}, {IntegerPartNumberIndex, "5"}},
       "-5.0"},
      {'e', {}, "0."},
      {'d',
       {{SignIndex, "-"}, {IntegerPartNumberIndex, "1.234.567"}, {DecimalPartNumberIndex, "5"}},
       "-1234567,5"},
      // A white-space separator removes every white-space code point: typed spaces group too.
      {'n', {{IntegerPartNumberIndex, "1 234\u00A0567\u202F890"}}, "1234567890,0"},
      {'N', {{IntegerPartNumberIndex, "1\u00A0234 567"}}, "1234567,0"},
      {'a', {{IntegerPartNumberIndex, "1\u066C234"}}, "1234\u066B0"},
  };
  for (const auto& [name, entries, expected] : cases)
    EXPECT_EQ(tokensToStringNumber(makeMap(entries), locale(name)), expected) << expected;

  const std::vector<std::pair<std::string, std::string>> completions = {
      {".5", "0.5"}, {"12.", "12.0"}, {".", "0."}, {"12", "12"}, {"1.5", "1.5"}, {"", ""}};
  for (const auto& [text, expected] : completions)
    EXPECT_EQ(numberTokenAutoComplete(text, locale('e')), expected) << text;
  EXPECT_EQ(numberTokenAutoComplete("12\u066B", locale('a')), "12\u066B0");
  EXPECT_EQ(trimThousandSeparator("1 234", locale('e')), "1 234");  // a space is not ","
}

// Which detector, its map, and the value and format it must give (no value: FormulaEmpty).
struct ProcessingCase {
  int detector;  // 0 number, 1 percentage, 2 fraction, 3 scientific, 4 currency
  char locale;
  Entries entries;
  boost::optional<double> value;
  std::function<Factory::CellFormatPtr(const Factory&)> format;  // null: no format
};

std::unique_ptr<FormatDetector> makeDetector(int kind, const LocaleContext& context) {
  static const auto manager = std::make_shared<TokensManager>(
      [](const std::string&) { return boost::optional<std::vector<std::string>>(); },
      fillTokensStructures, getAutoDetectNodesNames(), getAutodetectResourcesPath());
  switch (kind) {
    case 0:
      return std::make_unique<NumberFormatDetector>(context, manager);
    case 1:
      return std::make_unique<PercentageFormatDetector>(context, manager);
    case 2:
      return std::make_unique<FractionFormatDetector>(context, manager);
    case 3:
      return std::make_unique<ScientificFormatDetector>(context, manager);
    default:
      return std::make_unique<CurrencyFormatDetector>(context, manager);
  }
}

TEST(FormatDetectorTest, processingGivesValueAndFormat) {
  auto number = [](unsigned long decimals) {
    return [=](const Factory& f) { return f.makeNumberFormat(decimals, true, false, {}); };
  };
  auto percentage = [](unsigned long decimals) {
    return [=](const Factory& f) { return f.makePercentageFormat(decimals); };
  };
  auto fraction = [](unsigned long digits) {
    return
        [=](const Factory& f) { return f.makeFractionFormat(DenominatorDigitsNumber(digits), 1); };
  };
  auto currency = [](unsigned long decimals, std::string symbol) {
    return [=](const Factory& f) {
      return f.makeCurrencyFormat(decimals, symbol, false,
                                  Factory::NegativeNumberRenderingPolicy::MinusSign,
                                  Factory::CurrencyType::Regular);
    };
  };
  auto scientific = [](const Factory& f) { return f.makeScientificFormat(2); };
  const std::vector<ProcessingCase> cases = {
      {0,
       'e',
       {{IntegerPartNumberIndex, "1,234"}, {DecimalPartNumberIndex, "5"}},
       1234.5,
       number(2)},
      {0, 'e', {{IntegerPartNumberIndex, "1,234"}}, 1234, number(0)},
      {0, 'e', {{IntegerPartNumberIndex, "12"}}, 12, nullptr},
      {0, 'e', {{DecimalPartNumberIndex, "5"}}, 0.5, nullptr},
      {0, 'e', {{OpeningParenthesisIndex, "("}, {IntegerPartNumberIndex, "5"}}, -5, nullptr},
      {0,
       'n',
       {{IntegerPartNumberIndex, "1 234"}, {DecimalPartNumberIndex, "5"}},
       1234.5,
       number(2)},
      {0, 'd', {{IntegerPartNumberIndex, "1.234"}}, 1234, number(0)},
      {0, 'e', {{IntegerPartNumberIndex, "x"}}, boost::none, nullptr},
      {1, 'e', {{IntegerPartNumberIndex, "50"}}, 0.5, percentage(0)},
      {1,
       'e',
       {{IntegerPartNumberIndex, "12"}, {DecimalPartNumberIndex, "5"}},
       0.125,
       percentage(2)},
      {1, 'd', {{SignIndex, "-"}, {IntegerPartNumberIndex, "1.250"}}, -12.5, percentage(0)},
      {2,
       'e',
       {{IntegerPartFractionIndex, "1"}, {NumeratorIndex, "1"}, {DenominatorIndex, "4"}},
       1.25,
       fraction(1)},
      {2,
       'e',
       {{SignIndex, "-"},
        {IntegerPartFractionIndex, "1"},
        {NumeratorIndex, "1"},
        {DenominatorIndex, "4"}},
       -1.25,
       fraction(1)},
      {2,
       'e',
       {{OpeningParenthesisIndex, "("},
        {IntegerPartFractionIndex, "0"},
        {NumeratorIndex, "3"},
        {DenominatorIndex, "16"}},
       -0.1875,
       fraction(2)},
      {2,
       'e',
       {{IntegerPartFractionIndex, "2"}, {NumeratorIndex, "1"}, {DenominatorIndex, "00003"}},
       2 + 1.0 / 3,
       fraction(5)},
      {3,
       'e',
       {{IntegerPartNumberIndex, "1"},
        {DecimalPartNumberIndex, "5"},
        {ScientificSignIndex, "-"},
        {ExponentValueIndex, "3"}},
       0.0015,
       scientific},
      {3,
       'd',
       {{SignIndex, "-"}, {IntegerPartNumberIndex, "2"}, {ExponentValueIndex, "1.0"}},
       -2e10,
       scientific},
      {4, 'e', {{IntegerPartNumberIndex, "5"}, {CurrencySymbolIndex, "$"}}, 5, currency(0, "$")},
      {4,
       'd',
       {{IntegerPartNumberIndex, "1.234"},
        {DecimalPartNumberIndex, "5"},
        {CurrencySymbolIndex, "€"}},
       1234.5,
       currency(2, "€")},
      {4,
       'e',
       {{OpeningParenthesisIndex, "("},
        {IntegerPartNumberIndex, "7"},
        {CurrencySymbolIndex, "usd"}},
       -7,
       currency(0, "usd")},
  };
  for (const auto& [kind, name, entries, value, format] : cases) {
    const auto& context = locale(name);
    const auto result =
        makeDetector(kind, context)->formatDetectorResultProcessing(makeMap(entries));
    SCOPED_TRACE(testing::Message() << "detector " << kind << " " << result);
    const auto number = Vesk::FormulaModel::asFormulaNumberOpt(result);
    ASSERT_EQ(number.has_value(), value.has_value());
    if (!number) continue;
    EXPECT_DOUBLE_EQ(number->getValue().getValue(), *value);
    const auto& actual = number->getProps().getCellFormat();
    ASSERT_EQ(actual != nullptr, format != nullptr);
    if (format) {
      EXPECT_EQ(*actual, *format(Factory(context)));
    }
  }
}

TEST(FormatDetectorTest, zeroDenominatorAndMissingPartsOfTheGrammar) {
  const auto fraction = makeDetector(2, locale('e'));
  for (const char* numerator : {"1", "0"}) {
    const auto result = fraction->formatDetectorResultProcessing(makeMap(
        {{IntegerPartFractionIndex, "1"}, {NumeratorIndex, numerator}, {DenominatorIndex, "0"}}));
    EXPECT_EQ(result, Vesk::FormulaModel::getFormulaDiv0Error()) << numerator;
  }
  const char* FractionSource = "OfficeUtils/FormatDetector/Detectors/OU_FractionFormatDetector";
  EXPECT_ASSERTION((void)fraction->formatDetectorResultProcessing(
                       makeMap({{NumeratorIndex, "1"}, {DenominatorIndex, "2"}})),
                   FractionSource, "integerFractionIter != values.end()");
  EXPECT_ASSERTION((void)fraction->formatDetectorResultProcessing(
                       makeMap({{IntegerPartFractionIndex, "1"}, {DenominatorIndex, "2"}})),
                   FractionSource, "numeratorIter != values.end()");
  EXPECT_ASSERTION((void)fraction->formatDetectorResultProcessing(
                       makeMap({{IntegerPartFractionIndex, "1"}, {NumeratorIndex, "2"}})),
                   FractionSource, "denominatorIter != values.end()");
  EXPECT_ASSERTION((void)makeDetector(4, locale('e'))
                       ->formatDetectorResultProcessing(makeMap({{IntegerPartNumberIndex, "5"}})),
                   "OfficeUtils/FormatDetector/Detectors/OU_CurrencyFormatDetector",
                   "currencySymbolIter != values.end()");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
