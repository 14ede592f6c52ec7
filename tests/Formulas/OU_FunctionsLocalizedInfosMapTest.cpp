#include "OfficeUtils/Formulas/OU_FunctionsLocalizedInfosMap.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaFunctionType;

// Types 1 to 444 with up to two entries each, added in shuffled order: every type, 0 and 445
// too, gives back exactly its own entries whole, whatever rehashing happened on the way.
TEST(FunctionsLocalizedInfosMap, ManyEntriesAgreeWithAModel) {
  std::vector<std::pair<int, FormulaFunctionInfo>> additions;
  for (int value = 1; value <= 444; ++value) {
    for (int variant = 0; variant < value % 3; ++variant) {
      const std::string name = "F" + std::to_string(value) + "_" + std::to_string(variant);
      additions.push_back({value, {name, "Adds " + name, "https://help/" + name, {name}, {}, {}}});
    }
  }
  std::shuffle(additions.begin(), additions.end(), std::mt19937(9));
  FunctionsLocalizedInfosMap map;
  for (const auto& [value, info] : additions)
    map.addInfo(static_cast<FormulaFunctionType>(value), info);
  const auto byName = [](const auto& a, const auto& b) { return a.name < b.name; };
  for (int value = 0; value <= 445; ++value) {
    const auto infos = map.getFormulaFunctionInfo(static_cast<FormulaFunctionType>(value));
    std::vector<FormulaFunctionInfo> actual(infos.begin(), infos.end()), expected;
    for (const auto& [type, info] : additions)
      if (type == value) expected.push_back(info);
    std::sort(actual.begin(), actual.end(), byName);  // the order of entries is not settled
    std::sort(expected.begin(), expected.end(), byName);
    ASSERT_TRUE(actual == expected) << value;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
