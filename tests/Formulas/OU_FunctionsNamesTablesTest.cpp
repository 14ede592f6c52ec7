// The built-in function-name maps: their counts, the invariants every name keeps, documented
// rows, and that the generated tables match their generator.
#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaFunctionType;
using Vesk::DOM::FormulaType;

std::string caseOf(std::string text, int (*convert)(int)) {
  for (auto& c : text) c = static_cast<char>(convert(static_cast<unsigned char>(c)));
  return text;
}

// Every stored name finds its type in any letter case and is among the type's names, which come
// primary first; the name index runs in case-insensitive order without duplicates; the counts
// are those the generator checks.
TEST(FunctionsNamesTables, EveryNameLeadsBackToItsType) {
  const struct {
    const FunctionsNamesMap& map;
    std::size_t records, types;
  } builtIn[] = {{DefaultEnResourceLoader::getDefaultFunctionsNamesMap(), 569, 444},
                 {FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument), 571, 441},
                 {FilterFunctionsNamesMap::getMap(FormulaType::OOXML), 461, 428}};
  for (const auto& [map, records, types] : builtIn) {
    SCOPED_TRACE(records);
    const auto [begin, end] = map.getInfosWithNamePrefix("");
    std::vector<std::string> lowered;
    std::set<unsigned> seenTypes;
    for (auto it = begin; it != end; ++it) {
      SCOPED_TRACE(it->name);
      lowered.push_back(caseOf(it->name, std::tolower));
      seenTypes.insert(static_cast<unsigned>(it->type));
      for (const auto& spelling : {it->name, lowered.back(), caseOf(it->name, std::toupper)})
        EXPECT_EQ(map.getType(spelling), it->type);
      const auto all = map.getAllNames(it->type);
      EXPECT_EQ(std::count(all.begin(), all.end(), boost::string_ref(it->name)), 1);
      EXPECT_EQ(map.getName(it->type), all.front());
    }
    EXPECT_TRUE(std::is_sorted(lowered.begin(), lowered.end()));
    EXPECT_EQ(std::adjacent_find(lowered.begin(), lowered.end()), lowered.end());
    EXPECT_EQ(lowered.size(), records);
    EXPECT_EQ(seenTypes.size(), types);
    EXPECT_EQ(map.getName(Vesk::DOM::FormulaFunctionType::None), "");
  }
}

// The generated sources are what the generator writes today.
TEST(FunctionsNamesTables, GeneratedSourcesAreFresh) {
  if (std::system("python3 --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  const auto root =
      std::filesystem::temp_directory_path() / ("ou_generated_" + std::to_string(::getpid()));
  const char* const outputs[] = {"host/DOM/OU_FormulaFunctionType.h",
                                 "OfficeUtils/Formulas/OU_FunctionsNamesTables.cpp"};
  for (const auto* output : outputs)
    std::filesystem::create_directories((root / output).parent_path());
  const std::string command = "python3 " OU_SOURCE_DIR "/tools/generate_function_names.py " +
                              root.string() + " > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto read = [](const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  for (const auto* output : outputs) {
    SCOPED_TRACE(output);
    EXPECT_EQ(read(root / output), read(std::filesystem::path(OU_SOURCE_DIR) / output));
  }
  std::filesystem::remove_all(root);
}

TEST(FunctionsNamesTables, DocumentedExamples) {
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const auto& openDocument = FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument);
  const auto& ooxml = FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  const auto& strict = FilterFunctionsNamesMap::getMap(FormulaType::OOXMLStrict);
  const auto& transitional = FilterFunctionsNamesMap::getMap(FormulaType::OOXMLTransitional);
  const struct {
    const FunctionsNamesMap& map;
    FormulaFunctionType type;
    std::string name;
  } cases[] = {
      {ooxml, FormulaFunctionType::TTest, "TTEST"},
      {ooxml, FormulaFunctionType::NormSDist, "_xlfn.NORM.S.DIST"},
      {strict, FormulaFunctionType::ForecastLinear, "FORECAST"},
      {transitional, FormulaFunctionType::Current, ""},
      {openDocument, FormulaFunctionType::FInv, "FINV"},
      {openDocument, FormulaFunctionType::TDistLegacy, "LEGACY.TDIST"},
      {openDocument, FormulaFunctionType::WeekNumOoo, "ORG.LIBREOFFICE.WEEKNUM_OOO"},
      {openDocument, FormulaFunctionType::ForecastEts, ""},
      {english, FormulaFunctionType::BetaDistLegacy, "BETADIST"},
      {english, FormulaFunctionType::None, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(std::string(c.map.getName(c.type)), c.name);
  }
}

TEST(FunctionsNamesTables, UnknownFormulaTypeFailsTheAssertion) {
  for (const int value : {4, 255}) {
    EXPECT_ASSERTION((void)FilterFunctionsNamesMap::getMap(static_cast<FormulaType>(value)),
                     "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap", "Unknown FormulaType");
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
