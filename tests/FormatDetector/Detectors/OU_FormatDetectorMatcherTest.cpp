// The matcher's order, masks and trimming with stand-in detectors, and the whole chain with the
// shipped grammar: the masks, the parts that explainDetection gives, and megabyte inputs.
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionExplanation.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::FormulaModel::FormulaNumber;

// Accepts a one-digit text not below its position and answers its position.
class StandInDetector : public FormatDetector {
 public:
  explicit StandInDetector(int position)
      : FormatDetector(LocaleContext::getEnLocaleContext(), nullptr, 0), _position(position) {}

  Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(const TokenMap&) const override {
    return Vesk::FormulaModel::getFormulaEmpty();
  }
  Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                   TokenMap*) const override {
    if (text.size() != 1 || text[0] - '0' < _position) return Vesk::FormulaModel::getFormulaEmpty();
    return FormulaNumber(_position);
  }

 private:
  int _position;
};

TEST(FormatDetectorMatcherTest, earliestDetectorOfTheMaskWins) {
  FormatDetectorMatcher::Detectors detectors;
  for (int i = 0; i < 6; ++i) detectors[i] = std::make_unique<StandInDetector>(i);
  const FormatDetectorMatcher matcher(std::move(detectors));
  for (unsigned mask = 0; mask < 0x40; ++mask) {
    for (int t = 0; t < 6; ++t) {
      int expected = -1;  // the lowest set bit at or below t
      for (int i = t; i >= 0; --i)
        if (mask & (1u << i)) expected = i;
      const auto number = Vesk::FormulaModel::asFormulaNumberOpt(
          matcher.detect(" \t" + std::to_string(t) + "\n ", mask));
      EXPECT_EQ(number ? number->getValue().getValue() : -1.0, expected) << mask << " " << t;
    }
  }
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0", 0)));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0", 0xC0)));
  EXPECT_TRUE(
      Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0 0", 0x3F)));  // inner blanks stay
  EXPECT_EQ(getMaskFromDetectors({0x01, 0x20}), 0x21);
  EXPECT_EQ(getMaskFromDetectors({}), 0);

  FormatDetectorMatcher::Detectors gap;
  gap[0] = std::make_unique<StandInDetector>(0);
  const FormatDetectorMatcher withGap(std::move(gap));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(withGap.detect("x x", 0x01)));
  EXPECT_ASSERTION((void)withGap.detect("x x", 0x03), "Utils/Public/Ptr/PtrUtils", "plainPtr");
}

// The matcher of a real locale, or of the built-in context (no provider: the shipped grammar
// with English symbols) for "".
const FormatDetectorMatcher& matcher(const std::string& name) {
  static std::map<std::string, FormatDetectorMatcher> matchers;
  return matchers
      .try_emplace(name, name.empty() ? LocaleContext::getDefaultLocaleContext(
                                            Vesk::DOM::FormulaType::OOXMLStrict)
                                      : Testing::namedLocale(name))
      .first->second;
}

// The whole chain with the shipped grammar: the kind, value and parts (what the typed-input
// corpus cannot show) of typed text, month names of scripts the corpus lacks, masks, and
// megabyte inputs.
TEST(FormatDetectorMatcherTest, shippedGrammarEndToEnd) {
  using K = DetectedKind;
  const std::string mega(1 << 20, ' ');
  const struct {
    std::string locale, text;
    unsigned char mask;
    DetectedKind kind;
    double value;
    std::string parts;  // "TypicalName=text ..." in index order, Date and Time left out
  } cases[] = {
      {"", "  -1,234.5 ", 0x3F, K::Number, -1234.5,
       "Sign=- IntegerPartNumber=1,234 DecimalPartNumber=5"},
      {"", "12.5%", 0x01, K::Text, 0, ""},
      {"", "3-4-2024", 0x1F, K::Text, 0, ""},
      {"", "Mar 3, 2024 9:05 am", 0x3F, K::DateTime, 45354 + 545 / 1440.0,
       "Day=3 Month=Mar Year=2024 Hour=9 Minute=05 Ampm=am"},
      {"en_US", "-2 5/8", 0x3F, K::Fraction, -2.625,
       "Sign=- Numerator=5 Denominator=8 IntegerPartFraction=2"},
      {"en_US", "1.5E-3", 0x3F, K::Scientific, 0.0015,
       "IntegerPartNumber=1 DecimalPartNumber=5 ExponentValue=3 ScientificSign=-"},
      {"de_DE", "-1.234,50 €", 0x3F, K::Currency, -1234.5,
       "Sign=- IntegerPartNumber=1.234 DecimalPartNumber=50 CurrencySymbol=€"},
      {"ru_RU", "31 дек. 2024 г.", 0x3F, K::Date, 45657, "Day=31 Month=дек. Year=2024"},
      {"el_GR", "7 Μαΐου 2024", 0x3F, K::Date, 45419, "Day=7 Month=Μαΐου Year=2024"},
      {"zh_CN", "7 十二月 2024", 0x3F, K::Date, 45633, "Day=7 Month=十二月 Year=2024"},
      // Megabyte inputs answer at once: blanks are trimmed, sign runs collapse in one pass, and
      // texts past the grammar's length limit never match.
      {"", mega + "42" + mega, 0x3F, K::Number, 42, "IntegerPartNumber=42"},
      {"", std::string(1 << 20, '-') + "5", 0x3F, K::Number, 5, "Sign=+ IntegerPartNumber=5"},
      {"", std::string(1 << 20, '1'), 0x3F, K::Text, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale + " " + c.text.substr(0, 20));
    const auto explanation = explainDetection(matcher(c.locale), c.text, c.mask);
    EXPECT_STREQ(detectedKindName(explanation.kind), detectedKindName(c.kind));
    if (const auto number = Vesk::FormulaModel::asFormulaNumberOpt(explanation.value)) {
      EXPECT_NEAR(number->getValue().getValue(), c.value, 1e-9);
    }
    std::string parts;
    for (const auto& part : explanation.parts) {
      EXPECT_EQ(explanation.findPart(part.index), &part.text);
      if (part.typicalName == "Date" || part.typicalName == "Time") continue;  // the whole text
      parts += (parts.empty() ? "" : " ") + part.typicalName + "=" + part.text;
    }
    EXPECT_EQ(parts, c.parts);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
