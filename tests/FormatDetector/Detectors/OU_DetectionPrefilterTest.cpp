// The prefilter never changes a result: each detector, which skips the walk for texts its
// prefilter rejects, against the plain walk of the same grammar over generated texts; and it
// does reject what it should.
#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionPrefilter.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::ResourceManager::MapResourceProvider;

const std::string Path = "AutodetectRules/AutodetectRules:AutodetectRules/CommonTokens/";

// A grammar of words whose case mapping matters ("ık", "k"), read as plain numbers.
const MapResourceProvider& wordsGrammar() {
  static const MapResourceProvider provider{
      {Path + "CommonNumber/Rules", {"Word", "Sign, Word, Digit=mul", "Word, Word"}},
      {Path + "CommonNumber/Complexity", {"Complex"}},
      {Path + "Word/Rules", {"ab", "ık", "k", "é"}},
      {Path + "Word/TypicalName", {"IntegerPartNumber"}},
      {Path + "Sign/Rules", {"+", "-"}},
      {Path + "Sign/TypicalName", {"Sign"}},
      {Path + "Digit/Rules", {"1", "2"}}};
  return provider;
}

void expectSameAsWalk(const FormatDetectorMatcher& matcher, std::mt19937& random) {
  static const std::vector<std::string> alphabet = {
      "0", "1",    "2",      "9",      "12", ".",      ",",   "-",        "+",     "(",
      ")", "%",    " ",      "\u00A0", "/",  ":",      "E",   "e",        "a",     "A",
      "b", "B",    "I",      "ı",      "k",  "\u212A", "é",   "\xC3",     "x",     "$",
      "€", "\xff", "\u0661", "AM",     "pm", "Jan",    "MAR", "3-4-2024", "12:30", "1,234"};
  for (int n = 0; n < 4000 / Vesk::Testing::PropertyScale; ++n) {
    const std::string text = Vesk::Testing::randomText(random, alphabet, 6);
    for (std::size_t position = 0; position < FormatDetectorMatcher::DetectorsCount; ++position) {
      const FormatDetector& detector = *matcher.getDetector(position);
      const std::string seen =
          detector.getDetectType() == DateAndTimeIndex ? text : trimNumberSigns(text);
      const auto walked = detector.getTokensManager()->parse(
          seen, detector.getDetectType(),
          [&](const TokenMap& t) { return detector.formatDetectorResultProcessing(t); });
      ASSERT_EQ(detector(text), walked) << "\"" << text << "\" detector " << position;
    }
  }
}

TEST(DetectionPrefilterTest, resultsEqualThePlainWalk) {
  std::mt19937 random(15);
  // The shipped grammar, over the built-in English words and an empty provider.
  const Testing::TestLocale example(LocaleResources::getDefaultSymbols(), "en_US");
  expectSameAsWalk(FormatDetectorMatcher(example), random);
  const Testing::TestLocale words(LocaleResources::getDefaultSymbols(), "en_US", wordsGrammar());
  expectSameAsWalk(FormatDetectorMatcher(words), random);
}

TEST(DetectionPrefilterTest, rejectsWhatTheGrammarCannotMatch) {
  // The shipped grammar, over the built-in English words and an empty provider.
  const Testing::TestLocale example(LocaleResources::getDefaultSymbols(), "en_US");
  const auto manager = makeDetectionTokensManager(example);
  const DetectionPrefilter number(*manager, CommonNumberIndex);
  const DetectionPrefilter date(*manager, DateAndTimeIndex);
  EXPECT_TRUE(number.needsDigit());
  EXPECT_TRUE(date.needsDigit());
  struct Case {
    std::string text;
    bool number, date;
  };
  const std::vector<Case> cases = {{"-1.5", true, false},
                                   {"1/2", false, true},
                                   {"x1", false, false},
                                   {"", false, false},
                                   {std::string(2000, '1'), false, false}};
  for (const auto& [text, forNumber, forDate] : cases) {
    EXPECT_EQ(number.mayMatch(text), forNumber) << text;
    EXPECT_EQ(date.mayMatch(text), forDate) << text;
  }
  const Testing::TestLocale words(LocaleResources::getDefaultSymbols(), "en_US", wordsGrammar());
  const DetectionPrefilter wordsFilter(*makeDetectionTokensManager(words), CommonNumberIndex);
  EXPECT_FALSE(wordsFilter.needsDigit());
  EXPECT_TRUE(wordsFilter.mayMatch("I"));   // may lower-case to "ı"
  EXPECT_FALSE(wordsFilter.mayMatch("B"));  // starts no match
  EXPECT_TRUE(DetectionPrefilter().mayMatch(""));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
