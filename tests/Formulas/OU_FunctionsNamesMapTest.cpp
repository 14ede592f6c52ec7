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

// Random maps of names beyond ASCII, ill-formed bytes included, against a model. A name equal to
// an earlier one after folding ("ẞ" and "ß") fails the assertion; any other leads back to its
// type. A type's primary name goes to the front (a demoted primary name stays right after it,
// before names added earlier), any other to the back; only the front name can be primary, and it
// is the type's name. The prefix range holds the names whose folded code points begin with those
// of the upper-cased prefix ("ß" looks for "SS"), in folded order.
TEST(FunctionsNamesMap, RandomMapsAgreeWithAModel) {
  const std::vector<std::string> alphabet = {
      "a", "A", "s", "S", "ä",      "Ä", "ß", "ẞ",    "σ",    "Σ",           "ς",
      "i", "İ", "ı", "k", "\u212A", "1", ".", "\xFF", "\xC3", "\xEF\xBF\xBD"};
  std::mt19937 random(5);
  using Testing::foldedCodePoints;
  for (int round = 0; round < 100; ++round) {
    FunctionsNamesMap map;
    std::set<std::vector<UChar32>> added;
    std::vector<std::vector<std::string>> model(5);
    std::vector<bool> primaries(5, false);
    for (int i = 0; i < 30; ++i) {
      const std::string name = Testing::randomText(random, alphabet, 4);
      const auto slot = 1 + random() % 4;
      const bool primary = random() % 3 == 0;
      if (name.empty()) continue;
      if (!added.insert(foldedCodePoints(name)).second) {
        EXPECT_ASSERTION(map.addName(Type(slot), name, Primary::Secondary),
                         "OfficeUtils/Formulas/OU_FunctionsNamesMap", "insertionResult.second");
        continue;
      }
      map.addName(Type(slot), name, primary ? Primary::Primary : Primary::Secondary);
      EXPECT_EQ(map.getType(name), Type(slot)) << name;
      model[slot].insert(primary ? model[slot].begin() : model[slot].end(), name);
      primaries[slot] = primaries[slot] || primary;
    }
    for (std::size_t slot = 0; slot < 5; ++slot) {
      const auto all = map.getAllNames(Type(slot));
      ASSERT_EQ(std::vector<std::string>(all.begin(), all.end()), model[slot]) << round;
      EXPECT_EQ(map.getName(Type(slot)), model[slot].empty() ? "" : model[slot][0]);
    }
    std::vector<std::vector<UChar32>> allFolded;
    const auto [begin, end] = map.getInfosWithNamePrefix("");
    for (auto it = begin; it != end; ++it) {
      const auto slot = static_cast<std::size_t>(it->type);
      EXPECT_EQ(it->primary, primaries[slot] && it->name == model[slot].front()) << it->name;
      allFolded.push_back(foldedCodePoints(it->name));
    }
    ASSERT_EQ(allFolded, std::vector(added.begin(), added.end()));  // in folded order
    for (int i = 0; i < 50; ++i) {
      const std::string prefix = Testing::randomText(random, alphabet, 3);
      std::string upper;
      icu::UnicodeString::fromUTF8(prefix).toUpper(icu::Locale::getDefault()).toUTF8String(upper);
      const auto folded = foldedCodePoints(upper);
      std::vector<std::string> expected;
      for (auto it = begin; it != end; ++it) {
        auto codePoints = foldedCodePoints(it->name);
        codePoints.resize(std::min(codePoints.size(), folded.size()));
        if (codePoints == folded) expected.push_back(it->name);
      }
      std::vector<std::string> actual;
      for (auto [it, last] = map.getInfosWithNamePrefix(prefix); it != last; ++it)
        actual.push_back(it->name);
      ASSERT_EQ(actual, expected) << prefix;
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
