// The detection walk's shortcuts never change a result: indexed literal lookups against the
// general scan of every literal, and the prefilter against the plain walk; and the prefilter does
// reject what it should.
#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionPrefilter.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetectorMatcher.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

namespace FM = Vesk::FormulaModel;
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

using Matches = std::vector<std::vector<std::pair<int, std::string>>>;

// Every complete match of the detector's walk over `text` (as the detector sees it), and the
// value its processing gives for the first one that gives a value.
std::pair<Matches, FM::FormulaValue> walk(const FormatDetector& detector, const std::string& text) {
  std::pair<Matches, FM::FormulaValue> found{{}, FM::getFormulaEmpty()};
  const std::string seen =
      detector.getDetectType() == DateAndTimeIndex ? text : trimNumberSigns(text);
  (void)detector.getTokensManager()->parse(seen, detector.getDetectType(), [&](const TokenMap& t) {
    found.first.push_back(t.entries());
    if (FM::isFormulaEmpty(found.second)) found.second = detector.formatDetectorResultProcessing(t);
    return FM::getFormulaEmpty();
  });
  return found;
}

// Over generated texts mixing ASCII, non-ASCII month names and symbols, case mappings that change
// a length (U+0130, the Kelvin sign), a final sigma and cut UTF-8 sequences: each detector's
// walk with indexed literal lookups gives the matches, with the same parts in the same order,
// that the general scan of every literal gives, and the detector, which skips the walk for texts
// its prefilter rejects, gives the value of the walk.
void expectSameAsWalk(const LocaleContext& locale, std::mt19937& random) {
  static const std::vector<std::string> alphabet = {
      "0",     "1",      "12",       "2024",   ".",      ",",    "-",      "+",    "(",
      ")",     "%",      " ",        "\u00A0", "/",      ":",    "E",      "e",    "a",
      "B",     "I",      "ı",        "k",      "\u212A", "é",    "\u0130", "Σ",    "\xC3",
      "\xff",  "\u0661", "$",        "€",      "EUR",    "руб.", "März",   "MÄRZ", "мая",
      "Μαΐου", "ΜΆΪΟΣ",  "3-4-2024", "1,234",  "AM",     "a.m.", "Jan",    "R",    "\u200E"};
  const FormatDetectorMatcher matcher(locale);
  for (int n = 0; n < 1500 / Vesk::Testing::PropertyScale && !::testing::Test::HasFailure(); ++n) {
    const std::string text = Vesk::Testing::randomText(random, alphabet, 6);
    for (std::size_t position = 0; position < FormatDetectorMatcher::DetectorsCount; ++position) {
      const FormatDetector& detector = *matcher.getDetector(position);
      const auto indexed = walk(detector, text);
      const GeneralLiteralMatchingScope general;
      EXPECT_EQ(indexed.first, walk(detector, text).first) << "\"" << text << "\" " << position;
      EXPECT_EQ(detector(text), indexed.second) << "\"" << text << "\" " << position;
    }
  }
}

TEST(DetectionPrefilterTest, indexedLookupsAndPrefilterGiveWhatThePlainScanGives) {
  std::mt19937 random(15);
  // The shipped grammar over the built-in English words and an empty provider, and a grammar of
  // words whose case mapping matters.
  const Testing::TestLocale example(LocaleResources::getDefaultSymbols(), "en_US");
  expectSameAsWalk(example, random);
  const Testing::TestLocale words(LocaleResources::getDefaultSymbols(), "en_US", wordsGrammar());
  expectSameAsWalk(words, random);
  for (const char* name : {"de_DE", "ru_RU", "el_GR", "sv_SE", "tr_TR"})
    expectSameAsWalk(Testing::namedLocale(name), random);
  // Under Turkish casing (ICU's default locale, which the walk lower-cases by) too.
  const icu::Locale saved = icu::Locale::getDefault();
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale("tr"), status);
  expectSameAsWalk(Testing::namedLocale("tr_TR"), random);
  icu::Locale::setDefault(saved, status);
}

TEST(DetectionPrefilterTest, rejectsWhatTheGrammarCannotMatch) {
  // The shipped grammar, over the built-in English words and an empty provider.
  const Testing::TestLocale example(LocaleResources::getDefaultSymbols(), "en_US");
  const auto manager = makeDetectionTokensManager(example);
  const DetectionPrefilter number(*manager, CommonNumberIndex), date(*manager, DateAndTimeIndex);
  const Testing::TestLocale words(LocaleResources::getDefaultSymbols(), "en_US", wordsGrammar());
  const DetectionPrefilter wordsFilter(*makeDetectionTokensManager(words), CommonNumberIndex);
  EXPECT_TRUE(number.needsDigit() && date.needsDigit());
  EXPECT_FALSE(wordsFilter.needsDigit());
  const std::tuple<const DetectionPrefilter&, std::string, bool> cases[] = {
      {number, "-1.5", true},
      {date, "-1.5", false},
      {number, "1/2", false},
      {date, "1/2", true},
      {number, "x1", false},
      {date, "", false},
      {wordsFilter, "I", true},   // may lower-case to "ı"
      {wordsFilter, "B", false},  // starts no match
      {number, std::string(2000, '1'), false}};
  for (const auto& [filter, text, expected] : cases)
    EXPECT_EQ(filter.mayMatch(text), expected) << text.substr(0, 10);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
