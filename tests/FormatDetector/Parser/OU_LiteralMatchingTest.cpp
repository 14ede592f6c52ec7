// The walk's indexed literal lookups against the general scan of every literal: over generated
// texts mixing ASCII, non-ASCII month names and symbols, case mappings that change a length
// (U+0130, the Kelvin sign), a final sigma and cut UTF-8 sequences, each detect type's walk
// gives the same complete matches, with the same parts, in the same order; under Turkish casing
// (ICU's default locale, which the walk lower-cases by) too.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "OfficeUtils/FormatDetector/Detectors/OU_FormatDetector.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

void expectSameMatches(const char* localeName, const char* casing, std::mt19937& random) {
  static const std::vector<std::string> alphabet = {
      "1",     "12", "2024",   ".",   ",",      " ",    "\u00A0", "-",   "+",    "/",
      ":",     "€",  "$",      "EUR", "руб.",   "März", "MÄRZ",   "Mai", "мая",  "Μαΐου",
      "ΜΆΪΟΣ", "Σ",  "\u0130", "ı",   "\u212A", "\xC3", "R",      "PM",  "a.m.", "\u200E"};
  const auto provider = makeLocaleProvider(localeName);
  const LocaleManager manager(*provider, Vesk::DOM::TimeZone::getUTCTimeZone());
  const auto grammar = makeDetectionTokensManager(manager.getLocaleContext());
  const icu::Locale saved = icu::Locale::getDefault();
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale(casing), status);
  auto allMatches = [&](const std::string& text, unsigned short type) {
    std::vector<std::vector<std::pair<int, std::string>>> found;
    (void)grammar->parse(text, type, [&](const TokenMap& tokens) {
      found.push_back(tokens.entries());
      return Vesk::FormulaModel::FormulaValue(Vesk::FormulaModel::getFormulaEmpty());
    });
    return found;
  };
  for (int n = 0; n < 1500 / Vesk::Testing::PropertyScale && !::testing::Test::HasFailure(); ++n) {
    const std::string text = Vesk::Testing::randomText(random, alphabet, 5);
    for (const auto& root : grammar->getRoots()) {
      const unsigned short type = root->getTypicalNameIndex();
      const auto indexed = allMatches(text, type);
      const GeneralLiteralMatchingScope general;
      EXPECT_EQ(indexed, allMatches(text, type)) << localeName << " \"" << text << "\" " << type;
    }
  }
  icu::Locale::setDefault(saved, status);
}

TEST(LiteralMatchingTest, indexedLookupsFindWhatTheGeneralScanFinds) {
  std::mt19937 random(19);
  for (const char* name : {"de_DE", "ru_RU", "el_GR", "sv_SE", "tr_TR"})
    expectSameMatches(name, "en_US", random);
  expectSameMatches("tr_TR", "tr", random);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
