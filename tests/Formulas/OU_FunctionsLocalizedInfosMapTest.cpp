#include "OfficeUtils/Formulas/OU_FunctionsLocalizedInfosMap.h"

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaFunctionType;

// Many types, several entries each, added in shuffled order: every type gives back exactly its
// own entries (argument lists of any length), whatever rehashing happened on the way.
TEST(FunctionsLocalizedInfosMap, ManyEntriesAgreeWithAModel) {
  std::vector<std::pair<FormulaFunctionType, std::string>> additions;
  std::map<FormulaFunctionType, std::vector<std::string>> model;
  for (std::uint16_t value = 1; value <= 444; ++value) {
    for (std::uint16_t variant = 0; variant < value % 3; ++variant) {
      const auto type = static_cast<FormulaFunctionType>(value);
      additions.emplace_back(type, "F" + std::to_string(value) + "_" + std::to_string(variant));
      model[type].push_back(additions.back().second);
    }
  }
  std::shuffle(additions.begin(), additions.end(), std::mt19937(9));
  FunctionsLocalizedInfosMap map;
  for (const auto& [type, name] : additions)
    map.addInfo(type, {name, "Adds " + name, "https://help.example/" + name, {name}, {}, {"1"}});
  for (std::uint16_t value = 0; value <= 445; ++value) {
    const auto type = static_cast<FormulaFunctionType>(value);
    std::vector<std::string> names;
    for (const FormulaFunctionInfo& info : map.getFormulaFunctionInfo(type)) {
      EXPECT_EQ(info, (FormulaFunctionInfo{info.name,
                                           "Adds " + info.name,
                                           "https://help.example/" + info.name,
                                           {info.name},
                                           {},
                                           {"1"}}));
      names.push_back(info.name);
    }
    auto expected = model[type];
    std::sort(names.begin(), names.end());  // the order of several entries is not settled
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(names, expected) << value;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
