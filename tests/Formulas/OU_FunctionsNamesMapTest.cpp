#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaFunctionType;
using Vesk::DOM::FormulaType;
using Primary = FunctionsNamesMap::PrimaryParameter;
using Type = FormulaFunctionType;

std::vector<std::string> names(
    std::pair<FunctionsNamesMap::NameIterator, FunctionsNamesMap::NameIterator> range) {
  std::vector<std::string> result;
  for (auto it = range.first; it != range.second; ++it) result.push_back(it->name);
  return result;
}

std::vector<std::string> allNames(const FunctionsNamesMap& map, Type type) {
  const auto views = map.getAllNames(type);
  return {views.begin(), views.end()};
}

const FunctionsNamesMap& english() {
  return DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
}

TEST(FunctionsNamesMap, GetTypeIgnoresCaseAndStripsDialectPrefixes) {
  const auto& ooxml = FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  const struct {
    const FunctionsNamesMap& map;
    std::string name;
    Type type;
  } cases[] = {
      {english(), "_xlfn._xludf.SUM", Type::Sum},  // stacked prefixes go one after the other
      {english(), "_xlfnSUM", Type::None},         // the whole prefix, dot included
      {english(), "_XLFN.SUM", Type::None},        // prefixes are case-sensitive
      {english(), "_xludf.sum", Type::Sum},
      {english(), "_xlfn.", Type::None},
      {english(), std::string("SUM\0", 4), Type::None},
      {english(), "ｓｕｍ", Type::None},              // full-width letters are other letters
      {ooxml, "_XLFN.NORM.S.DIST", Type::NormSDist},  // a stored name, found ignoring case
      {ooxml, "_xlfn._xlfn.NORM.S.DIST", Type::NormSDist},
      {ooxml, "NORM.S.DIST", Type::None},  // OOXML has only the prefixed name
      {ooxml, "normsdist", Type::NormSDist},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.map.getType(c.name), c.type);
  }
}

// Each prefix stripped costs its own length, not the whole name's again.
TEST(FunctionsNamesMap, ManyPrefixesInLinearTime) {
  std::string prefixes;
  for (int i = 0; i < 40000; ++i) prefixes += i % 2 ? "_xludf." : "_xlfn.";
  EXPECT_EQ(english().getType(prefixes + "sUm"), Type::Sum);
  EXPECT_EQ(english().getType(prefixes + "_XLFN.SUM"), Type::None);
}

// Random additions against a model: a primary name goes to the front (a demoted primary name
// stays right after it, before names added earlier), any other to the back; only the front name
// can be primary. Neighbouring types must not interfere.
TEST(FunctionsNamesMap, RandomAdditionsMatchTheModel) {
  std::mt19937 random(3);
  for (int round = 0; round < 200; ++round) {
    FunctionsNamesMap map;
    std::vector<std::vector<std::string>> model(4);
    std::vector<bool> frontIsPrimary(4, false);
    for (int i = 0; i < 12; ++i) {
      const auto slot = random() % 4;
      const auto type = static_cast<Type>(slot + 1);
      const bool primary = random() % 3 == 0;
      const std::string name = "N" + std::to_string(i);
      map.addName(type, name, primary ? Primary::Primary : Primary::Secondary);
      auto& list = model[slot];
      list.insert(primary ? list.begin() : list.end(), name);
      frontIsPrimary[slot] = frontIsPrimary[slot] || primary;
    }
    for (std::size_t slot = 0; slot < 4; ++slot) {
      const auto type = static_cast<Type>(slot + 1);
      ASSERT_EQ(allNames(map, type), model[slot]) << "round " << round << " type " << slot + 1;
      std::size_t primaries = 0;
      const auto [begin, end] = map.getInfosWithNamePrefix("");
      for (auto it = begin; it != end; ++it) {
        if (it->type != type || !it->primary) continue;
        ++primaries;
        EXPECT_EQ(it->name, model[slot].front());
      }
      EXPECT_EQ(primaries, frontIsPrimary[slot] ? 1u : 0u);
    }
  }
}

// Names beyond ASCII, ill-formed bytes included: a name equal to an earlier one after folding
// ("ẞ" and "ß") fails the assertion; the range holds the names whose folded code points begin
// with those of the upper-cased prefix ("ß" looks for "SS"), in folded order.
TEST(FunctionsNamesMap, PrefixSearchAgreesWithFilteringBeyondAscii) {
  const std::vector<std::string> alphabet = {
      "a", "A", "s", "S", "ä",      "Ä", "ß", "ẞ",    "σ",    "Σ",           "ς",
      "i", "İ", "ı", "k", "\u212A", "1", ".", "\xFF", "\xC3", "\xEF\xBF\xBD"};
  std::mt19937 random(5);
  using Testing::foldedCodePoints;
  std::size_t nonEmpty = 0;
  for (int round = 0; round < 20; ++round) {
    FunctionsNamesMap map;
    std::set<std::vector<UChar32>> added;
    for (int i = 0; i < 60; ++i) {
      const std::string name = Testing::randomText(random, alphabet, 4);
      if (name.empty()) continue;
      if (added.insert(foldedCodePoints(name)).second) {
        map.addName(static_cast<Type>(i + 1), name, Primary::Primary);
      } else {
        EXPECT_ASSERTION(map.addName(static_cast<Type>(i + 1), name, Primary::Secondary),
                         "OfficeUtils/Formulas/OU_FunctionsNamesMap", "insertionResult.second");
      }
    }
    const auto all = names(map.getInfosWithNamePrefix(""));
    ASSERT_EQ(all.size(), added.size());
    for (std::size_t i = 1; i < all.size(); ++i) {
      ASSERT_LT(foldedCodePoints(all[i - 1]), foldedCodePoints(all[i]));
      ASSERT_TRUE(CaseInsensitiveLess()(all[i - 1], all[i]));
    }
    for (int i = 0; i < 200; ++i) {
      const std::string prefix = Testing::randomText(random, alphabet, 3);
      std::string upper;
      icu::UnicodeString::fromUTF8(prefix).toUpper(icu::Locale::getDefault()).toUTF8String(upper);
      const auto folded = foldedCodePoints(upper);
      std::vector<std::string> expected;
      std::copy_if(all.begin(), all.end(), std::back_inserter(expected),
                   [&](const std::string& name) {
                     const auto codePoints = foldedCodePoints(name);
                     return codePoints.size() >= folded.size() &&
                            std::equal(folded.begin(), folded.end(), codePoints.begin());
                   });
      ASSERT_EQ(names(map.getInfosWithNamePrefix(prefix)), expected) << prefix;
      nonEmpty += !expected.empty();
    }
  }
  EXPECT_GT(nonEmpty, 1000u);  // most prefixes are short enough to match something
}

}  // namespace
}  // namespace Vesk::OfficeUtils
