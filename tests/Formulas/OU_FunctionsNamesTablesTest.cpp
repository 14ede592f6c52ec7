// The built-in function-name maps: which formula type reads which table, and that the generated
// tables are what their generator writes (the generator itself checks the counts, the absence of
// duplicate names and of second primary names).
#include "OfficeUtils/Formulas/OU_FunctionsNamesTables.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::FormulaType;

// Each table loads whole (its size is the generator's count), both OOXML variants read the one
// OOXML table, and other values are no formula type. The map's lookups are the map's own tests.
TEST(FunctionsNamesTables, MapsOfTheFormulaTypes) {
  const auto count = [](const FunctionsNamesMap& map) {
    const auto [begin, end] = map.getInfosWithNamePrefix("");
    return std::distance(begin, end);
  };
  EXPECT_EQ(count(DefaultEnResourceLoader::getDefaultFunctionsNamesMap()), 569);
  EXPECT_EQ(count(FilterFunctionsNamesMap::getMap(FormulaType::OpenDocument)), 571);
  const auto* ooxml = &FilterFunctionsNamesMap::getMap(FormulaType::OOXML);
  EXPECT_EQ(count(*ooxml), 461);
  EXPECT_EQ(&FilterFunctionsNamesMap::getMap(FormulaType::OOXMLStrict), ooxml);
  EXPECT_EQ(&FilterFunctionsNamesMap::getMap(FormulaType::OOXMLTransitional), ooxml);
  EXPECT_ASSERTION((void)FilterFunctionsNamesMap::getMap(static_cast<FormulaType>(4)),
                   "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap", "Unknown FormulaType");
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

}  // namespace
}  // namespace Vesk::OfficeUtils
