#include "OfficeUtils/Formulas/OU_FunctionsLocalizedInfosMap.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

// Types 1 to 444 with up to two entries each, added in shuffled order: every type, 0 and 445
// too, gives back exactly its own entries whole, whatever rehashing happened on the way.
TEST(FunctionsLocalizedInfosMap, EveryTypeGivesBackItsOwnEntries) {
  const std::string Variants[] = {"0", "1"};
  std::vector<std::pair<int, FormulaFunctionInfo>> additions;
  for (int value = 1; value <= 444; ++value)
    for (int variant = 0; variant < value % 3; ++variant)
      additions.push_back(
          {value, {std::to_string(value), std::to_string(variant), "", {"x"}, {}, {}}});
  std::shuffle(additions.begin(), additions.end(), std::mt19937(9));
  FunctionsLocalizedInfosMap map;
  for (const auto& [value, info] : additions) map.addInfo(DOM::FormulaFunctionType(value), info);
  for (int value = 0; value <= 445; ++value) {
    std::vector<std::string> variants;
    for (const FormulaFunctionInfo& info :
         map.getFormulaFunctionInfo(DOM::FormulaFunctionType(value))) {
      EXPECT_EQ(info,
                (FormulaFunctionInfo{std::to_string(value), info.description, "", {"x"}, {}, {}}));
      variants.push_back(info.description);
    }
    std::sort(variants.begin(), variants.end());  // the order of entries is not settled
    const auto count = value >= 1 && value <= 444 ? value % 3 : 0;
    EXPECT_EQ(variants, std::vector<std::string>(Variants, Variants + count)) << value;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
