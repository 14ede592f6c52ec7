// The matcher's order, masks and trimming with stand-in detectors, and the whole chain with the
// shipped grammar: the masks, the parts that explainDetection gives, and megabyte inputs.
#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"

#include <atomic>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionExplanation.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::FormulaModel::FormulaNumber;

// Answers its position for the texts it accepts; counts its calls.
class StandInDetector : public FormatDetector {
 public:
  StandInDetector(int position, std::set<std::string> accepted)
      : FormatDetector(LocaleContext::getEnLocaleContext(), nullptr, 0),
        _position(position),
        _accepted(std::move(accepted)) {}

  Vesk::FormulaModel::FormulaValue formatDetectorResultProcessing(const TokenMap&) const override {
    return Vesk::FormulaModel::getFormulaEmpty();
  }
  Vesk::FormulaModel::FormulaValue detectWithParts(const std::string& text,
                                                   TokenMap*) const override {
    ++calls;
    if (!_accepted.count(text)) return Vesk::FormulaModel::getFormulaEmpty();
    return FormulaNumber(_position);
  }

  mutable std::atomic<int> calls = 0;

 private:
  int _position;
  std::set<std::string> _accepted;
};

TEST(FormatDetectorMatcherTest, earliestDetectorOfTheMaskWins) {
  // Detector i accepts "i" and every text a later detector accepts.
  const std::vector<std::string> texts = {"0", "1", "2", "3", "4", "5"};
  FormatDetectorMatcher::Detectors detectors;
  std::vector<const StandInDetector*> standIns;
  for (int i = 0; i < 6; ++i) {
    auto detector =
        std::make_unique<StandInDetector>(i, std::set<std::string>(texts.begin() + i, texts.end()));
    standIns.push_back(detector.get());
    detectors[i] = std::move(detector);
  }
  const FormatDetectorMatcher matcher(std::move(detectors));
  for (unsigned mask = 0; mask < 0x40; ++mask) {
    for (int t = 0; t < 6; ++t) {
      int expected = -1;  // the lowest set bit at or below t
      for (int i = 0; i <= t && expected < 0; ++i)
        if (mask & (1u << i)) expected = i;
      const auto value = matcher.detect(" \t" + texts[t] + "\n ", mask);
      const auto number = Vesk::FormulaModel::asFormulaNumberOpt(value);
      ASSERT_EQ(number.has_value(), expected >= 0) << mask << " " << t;
      if (number) {
        EXPECT_EQ(number->getValue(), expected);
      }
    }
  }
  for (const auto* standIn : standIns) standIn->calls = 0;
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0", 0)));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0", 0xC0)));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(matcher.detect("0 0", 0x3F)));
  EXPECT_EQ(standIns[0]->calls, 1);  // only for "0 0": inner blanks are left to the detectors
  EXPECT_EQ(getMaskFromDetectors({0x01, 0x20}), 0x21);
  EXPECT_EQ(getMaskFromDetectors({}), 0);

  FormatDetectorMatcher::Detectors gap;
  gap[0] = std::make_unique<StandInDetector>(0, std::set<std::string>{});
  const FormatDetectorMatcher withGap(std::move(gap));
  EXPECT_TRUE(Vesk::FormulaModel::isFormulaEmpty(withGap.detect("x", 0x01)));
  EXPECT_ASSERTION((void)withGap.detect("x", 0x03), "Utils/Public/Ptr/PtrUtils", "plainPtr");
}

// The shipped grammar over the built-in English words and an empty provider.
const FormatDetectorMatcher& exampleMatcher() {
  static const Testing::TestLocale locale(LocaleResources::getDefaultSymbols(), "en_US");
  static const FormatDetectorMatcher matcher(locale);
  return matcher;
}

TEST(FormatDetectorMatcherTest, shippedGrammarEndToEnd) {
  struct Case {
    std::string text;
    unsigned char mask;
    DetectedKind kind;
    double value;
    std::vector<std::pair<std::string, std::string>> parts;  // by typical name
  };
  const std::vector<Case> cases = {
      {"  -12 ", 0x3F, DetectedKind::Number, -12, {{"Sign", "-"}, {"IntegerPartNumber", "12"}}},
      {"--5", 0x3F, DetectedKind::Number, 5, {{"Sign", "+"}, {"IntegerPartNumber", "5"}}},
      {"12.5%", 0x01, DetectedKind::Text, 0, {}},
      {"3-4-2024",
       0x3F,
       DetectedKind::Date,
       45355,
       {{"Day", "4"}, {"Month", "3"}, {"Year", "2024"}, {"Date", "3-4-2024"}}},
      {"3-4-2024", 0x1F, DetectedKind::Text, 0, {}},
      // Megabyte inputs answer at once: blanks are trimmed, sign runs collapse in one pass,
      // and texts past the grammar's length limit never match.
      {std::string(1 << 20, ' ') + "42" + std::string(1 << 20, '\t'),
       0x3F,
       DetectedKind::Number,
       42,
       {}},
      {std::string(1 << 20, '-') + "5", 0x3F, DetectedKind::Number, 5, {}},
      {std::string(1 << 20, '1'), 0x3F, DetectedKind::Text, 0, {}},
  };
  for (const auto& [text, mask, kind, value, parts] : cases) {
    SCOPED_TRACE(text.substr(0, 20));
    const auto explanation = explainDetection(exampleMatcher(), text, mask);
    EXPECT_EQ(explanation.value, exampleMatcher().detect(text, mask));
    EXPECT_STREQ(detectedKindName(explanation.kind), detectedKindName(kind));
    if (const auto number = Vesk::FormulaModel::asFormulaNumberOpt(explanation.value)) {
      EXPECT_DOUBLE_EQ(number->getValue().getValue(), value);
    }
    for (const auto& [name, part] : parts) {
      const auto found = std::find_if(explanation.parts.begin(), explanation.parts.end(),
                                      [&](const DetectedPart& p) { return p.typicalName == name; });
      ASSERT_NE(found, explanation.parts.end()) << name;
      EXPECT_EQ(found->text, part);
      EXPECT_EQ(explanation.findPart(found->index), &found->text);
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
