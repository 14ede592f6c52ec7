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

FormulaFunctionInfo makeInfo(const std::string& name, int arguments) {
  FormulaFunctionInfo info{name, "Adds " + name, "https://help.example/" + name, {}, {}, {}};
  for (int i = 0; i < arguments; ++i) {
    info.argumentsNames.push_back("number" + std::to_string(i + 1));
    info.argumentsDescriptions.push_back("addend " + std::to_string(i + 1));
    info.argumentsExamples.push_back(std::to_string(i * 10));
  }
  return info;
}

std::vector<std::string> namesOf(const FunctionsLocalizedInfosMap& map, FormulaFunctionType type) {
  std::vector<std::string> names;
  for (const FormulaFunctionInfo& info : map.getFormulaFunctionInfo(type))
    names.push_back(info.name);
  std::sort(names.begin(), names.end());  // the order of several entries is not settled
  return names;
}

TEST(FunctionsLocalizedInfosMap, StoresCopiesWhoseListsNeedNotMatchUnderTheirType) {
  FunctionsLocalizedInfosMap map;
  FormulaFunctionInfo info = makeInfo("MAX", 2);
  info.argumentsExamples.clear();  // lengths are the resources' business
  map.addInfo(FormulaFunctionType::Max, info);
  info.name = "changed";
  const auto infos = map.getFormulaFunctionInfo(FormulaFunctionType::Max);
  ASSERT_EQ(infos.size(), 1u);
  EXPECT_EQ(infos[0].get().name, "MAX");
  EXPECT_EQ(infos[0].get().argumentsNames.size(), 2u);
  EXPECT_TRUE(infos[0].get().argumentsExamples.empty());
}

// Many types, several entries each, added in shuffled order: every type gives back exactly its
// own entries, whatever rehashing happened on the way.
TEST(FunctionsLocalizedInfosMap, ManyEntriesAgreeWithAModel) {
  std::vector<std::pair<FormulaFunctionType, std::string>> additions;
  std::map<FormulaFunctionType, std::vector<std::string>> model;
  for (std::uint16_t value = 1; value <= 444; ++value) {
    for (std::uint16_t variant = 0; variant < value % 3; ++variant) {
      const auto type = static_cast<FormulaFunctionType>(value);
      const std::string name = "F" + std::to_string(value) + "_" + std::to_string(variant);
      additions.emplace_back(type, name);
      model[type].push_back(name);
    }
  }
  std::shuffle(additions.begin(), additions.end(), std::mt19937(9));
  FunctionsLocalizedInfosMap map;
  for (const auto& [type, name] : additions) map.addInfo(type, makeInfo(name, 1));
  for (std::uint16_t value = 0; value <= 445; ++value) {
    const auto type = static_cast<FormulaFunctionType>(value);
    auto expected = model[type];
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(namesOf(map, type), expected) << value;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
