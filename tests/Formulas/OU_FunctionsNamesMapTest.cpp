#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaType;
using Primary = FunctionsNamesMap::PrimaryParameter;
using Type = Vesk::DOM::FormulaFunctionType;

std::vector<std::string> names(
    std::pair<FunctionsNamesMap::NameIterator, FunctionsNamesMap::NameIterator> range) {
  std::vector<std::string> result;
  for (auto it = range.first; it != range.second; ++it) result.push_back(it->name);
  return result;
}

TEST(FunctionsNamesMap, GetTypeIgnoresCaseAndStripsDialectPrefixes) {
  const auto& ooxml = FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  const std::pair<std::string, Type> cases[] = {
      {"_xlfn._xludf.SUM", Type::Sum},  // stacked prefixes go one after the other
      {"_xlfnSUM", Type::None},         // the whole prefix, dot included
      {"_XLFN.SUM", Type::None},        // prefixes are case-sensitive
      {"_xludf.sum", Type::Sum},
      {std::string("SUM\0", 4), Type::None},
      {"ｓｕｍ", Type::None},                  // full-width letters are other letters
      {"_XLFN.NORM.S.DIST", Type::NormSDist},  // a stored name, found ignoring case
      {"_xlfn._xlfn.NORM.S.DIST", Type::NormSDist},
      {"NORM.S.DIST", Type::None},  // OOXML has only the prefixed name
  };
  for (const auto& [name, type] : cases) EXPECT_EQ(ooxml.getType(name), type) << name;
  // Each prefix stripped costs its own length, not the whole name's again.
  std::string prefixes;
  for (int i = 0; i < 40000; ++i) prefixes += i % 2 ? "_xludf." : "_xlfn.";
  EXPECT_EQ(ooxml.getType(prefixes + "sUm"), Type::Sum);
  EXPECT_EQ(ooxml.getType(prefixes + "_XLFN.SUM"), Type::None);
}

// Random additions against a model: a primary name goes to the front (a demoted primary name
// stays right after it, before names added earlier), any other to the back; only the front name
// can be primary, and it is the type's name. Neighbouring types must not interfere.
TEST(FunctionsNamesMap, RandomAdditionsMatchTheModel) {
  std::mt19937 random(3);
  for (int round = 0; round < 200; ++round) {
    FunctionsNamesMap map;
    std::vector<std::vector<std::string>> model(5);
    std::vector<bool> primaries(5, false);
    for (int i = 0; i < 12; ++i) {
      const auto slot = 1 + random() % 4;
      const bool primary = random() % 3 == 0;
      const std::string name = "N" + std::to_string(i);
      map.addName(static_cast<Type>(slot), name, primary ? Primary::Primary : Primary::Secondary);
      model[slot].insert(primary ? model[slot].begin() : model[slot].end(), name);
      primaries[slot] = primaries[slot] || primary;
    }
    for (std::size_t slot = 0; slot < 5; ++slot) {
      const auto all = map.getAllNames(static_cast<Type>(slot));
      ASSERT_EQ(std::vector<std::string>(all.begin(), all.end()), model[slot]) << round;
      EXPECT_EQ(map.getName(static_cast<Type>(slot)), model[slot].empty() ? "" : model[slot][0]);
    }
    const auto [begin, end] = map.getInfosWithNamePrefix("");
    for (auto it = begin; it != end; ++it) {
      const auto slot = static_cast<std::size_t>(it->type);
      EXPECT_EQ(it->primary, primaries[slot] && it->name == model[slot].front()) << it->name;
    }
  }
}

// Names beyond ASCII, ill-formed bytes included: a name leads back to its type; one equal to an
// earlier one after folding ("ẞ" and "ß") fails the assertion; the range holds the names whose
// folded code points begin with those of the upper-cased prefix ("ß" looks for "SS"), in folded
// order.
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
        EXPECT_EQ(map.getType(name), static_cast<Type>(i + 1)) << name;
      } else {
        EXPECT_ASSERTION(map.addName(static_cast<Type>(i + 1), name, Primary::Secondary),
                         "OfficeUtils/Formulas/OU_FunctionsNamesMap", "insertionResult.second");
      }
    }
    const auto all = names(map.getInfosWithNamePrefix(""));
    std::vector<std::vector<UChar32>> allFolded;
    for (const auto& name : all) allFolded.push_back(foldedCodePoints(name));
    ASSERT_EQ(allFolded, std::vector(added.begin(), added.end()));  // in folded order
    for (int i = 0; i < 200; ++i) {
      const std::string prefix = Testing::randomText(random, alphabet, 3);
      std::string upper;
      icu::UnicodeString::fromUTF8(prefix).toUpper(icu::Locale::getDefault()).toUTF8String(upper);
      const auto folded = foldedCodePoints(upper);
      std::vector<std::string> expected;
      for (const auto& name : all) {
        auto codePoints = foldedCodePoints(name);
        codePoints.resize(std::min(codePoints.size(), folded.size()));
        if (codePoints == folded) expected.push_back(name);
      }
      ASSERT_EQ(names(map.getInfosWithNamePrefix(prefix)), expected) << prefix;
      nonEmpty += !expected.empty();
    }
  }
  EXPECT_GT(nonEmpty, 1000u);  // most prefixes are short enough to match something
}

}  // namespace
}  // namespace Vesk::OfficeUtils
