#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

#include <algorithm>
#include <cctype>
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

TEST(FunctionsNamesMap, TableRecordsAreAddedInOrder) {
  const FunctionsNamesMap::StorageInfo table[] = {
      {Type::Sum, "SUMME", Primary::Secondary},
      {Type::Sum, "SUM", Primary::Primary},
      {Type::Sum, "SOMME", Primary::Primary},
      {Type::Max, "MAX", Primary::Secondary},
  };
  const FunctionsNamesMap map(makeStorageTable(table));
  EXPECT_EQ(allNames(map, Type::Sum), (std::vector<std::string>{"SOMME", "SUM", "SUMME"}));
  EXPECT_EQ(map.getName(Type::Max), "MAX");
  EXPECT_EQ(names(map.getInfosWithNamePrefix("")),
            (std::vector<std::string>{"MAX", "SOMME", "SUM", "SUMME"}));
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

// Every English name behind either prefix finds its function; behind an upper-case prefix none.
TEST(FunctionsNamesMap, PrefixedEnglishNamesFindTheirType) {
  std::size_t checked = 0;
  for (const auto& name : names(english().getInfosWithNamePrefix(""))) {
    SCOPED_TRACE(name);
    const Type type = english().getType(name);
    ASSERT_NE(type, Type::None);
    EXPECT_EQ(english().getType("_xlfn." + name), type);
    EXPECT_EQ(english().getType("_xludf." + name), type);
    EXPECT_EQ(english().getType("_XLFN." + name), Type::None);
    ++checked;
  }
  EXPECT_EQ(checked, 569u);
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

TEST(FunctionsNamesMap, AddingANameTwiceFailsTheAssertion) {
  const struct {
    std::string first;
    std::string second;
  } cases[] = {{"SUMME", "SUMME"}, {"SUMME", "summe"}, {"ÄRGER", "ärger"}, {"ẞ", "ß"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.second);
    FunctionsNamesMap map;
    map.addName(Type::Sum, c.first, Primary::Primary);
    EXPECT_ASSERTION(map.addName(Type::Max, c.second, Primary::Secondary),
                     "OfficeUtils/Formulas/OU_FunctionsNamesMap", "insertionResult.second");
    EXPECT_EQ(map.getType(c.second), Type::Sum);
  }
  FunctionsNamesMap copy = english();
  EXPECT_THROW(copy.addName(Type::Max, "Sum", Primary::Secondary), Vesk::AssertionFailure);
}

TEST(FunctionsNamesMap, PrefixSearchDocumentedCases) {
  const auto& ooxml = FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  const struct {
    const FunctionsNamesMap& map;
    std::string prefix;
    std::vector<std::string> expected;
  } cases[] = {
      {english(), "norm.s", {"NORM.S.DIST", "NORM.S.INV"}},
      {english(), "NORM.S.DISTX", {}},
      {ooxml, "_XLFN.T.T", {"_xlfn.T.TEST"}},
      {ooxml, "tt", {"TTEST"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prefix);
    EXPECT_EQ(names(c.map.getInfosWithNamePrefix(c.prefix)), c.expected);
  }
  EXPECT_EQ(names(english().getInfosWithNamePrefix("")).size(), 569u);
  EXPECT_EQ(names(ooxml.getInfosWithNamePrefix("_")).size(), 83u + 29u + 4u);
}

bool startsWithIgnoringAsciiCase(const std::string& name, const std::string& prefix) {
  return name.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), name.begin(), [](char a, char b) {
           return std::toupper(static_cast<unsigned char>(a)) ==
                  std::toupper(static_cast<unsigned char>(b));
         });
}

// The range for a prefix is exactly what filtering every name would keep, in the same order.
TEST(FunctionsNamesMap, PrefixSearchAgreesWithFilteringOnBuiltInMaps) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789._";
  std::mt19937 random(11);
  for (const auto* map : {&english(), &FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument),
                          &FilterFunctionsNamesMap::getMap(FormulaType::OOXML)}) {
    const auto all = names(map->getInfosWithNamePrefix(""));
    std::size_t nonEmpty = 0;
    for (int i = 0; i < 3000; ++i) {
      std::string prefix;
      for (auto n = 1 + random() % 3; n > 0; --n) prefix += alphabet[random() % alphabet.size()];
      // Half of the prefixes start like a real name, so that most ranges are not empty.
      if (i % 2) prefix = all[random() % all.size()].substr(0, 1 + random() % 3);
      std::vector<std::string> expected;
      std::copy_if(
          all.begin(), all.end(), std::back_inserter(expected),
          [&](const std::string& name) { return startsWithIgnoringAsciiCase(name, prefix); });
      ASSERT_EQ(names(map->getInfosWithNamePrefix(prefix)), expected) << prefix;
      nonEmpty += !expected.empty();
    }
    EXPECT_GT(nonEmpty, 1500u);
  }
}

// Names beyond ASCII, ill-formed bytes included: the range holds the names whose folded code
// points begin with those of the upper-cased prefix ("ß" looks for "SS"), in folded order.
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
      if (name.empty() || !added.insert(foldedCodePoints(name)).second) continue;
      map.addName(static_cast<Type>(i + 1), name, Primary::Primary);
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

// Each "_xlfn." stripped costs its own length, not the whole name's again.
TEST(FunctionsNamesMap, ManyPrefixesInLinearTime) {
  const auto& names = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  std::string prefixes;
  for (int i = 0; i < 40000; ++i) prefixes += i % 2 ? "_xludf." : "_xlfn.";
  EXPECT_EQ(names.getType(prefixes + "sUm"), Type::Sum);
  EXPECT_EQ(names.getType(prefixes + "NO_SUCH"), Type::None);
  EXPECT_EQ(names.getType(prefixes + "_XLFN.SUM"), Type::None);  // prefixes are case-sensitive
}

}  // namespace
}  // namespace Vesk::OfficeUtils
