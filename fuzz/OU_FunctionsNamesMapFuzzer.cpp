// Function-name lookups and prefix search on any bytes, in one of the three built-in maps (the
// last byte picks it). A found function always has a name; every name in a prefix range begins
// with the prefix ignoring case, and the range holds every such name; a new name added to a
// small map finds its function again.
#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>
#include <unicode/locid.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "host/Utils/OU_StringUtils.h"

using namespace Vesk::OfficeUtils;
using Vesk::DOM::FormulaFunctionType;

namespace {

const FunctionsNamesMap& pickMap(int choice) {
  switch (choice) {
    case 0:
      return DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
    case 1:
      return FilterFunctionsNamesMap::getMap(Vesk::DOM::FormulaType::OpenDocument);
    default:
      return FilterFunctionsNamesMap::getMap(Vesk::DOM::FormulaType::OOXML);
  }
}

bool beginsWith(const std::string& name, const std::string& upperPrefix, std::size_t count) {
  return Vesk::utf8StringCompare(Vesk::utf8SubStr(name, 0, count), upperPrefix, true) == 0;
}

void checkPrefixSearch(const FunctionsNamesMap& map, const std::string& prefix) {
  const std::string upper = Vesk::utf8StringToUpperCase(prefix, icu::Locale::getDefault());
  const std::size_t count = Vesk::getUnicodeCharsCount(upper);
  const auto [begin, end] = map.getInfosWithNamePrefix(prefix);
  std::size_t inRange = 0;
  for (auto it = begin; it != end; ++it, ++inRange)
    if (!beginsWith(it->name, upper, count)) __builtin_trap();
  std::size_t matching = 0;
  const auto [first, last] = map.getInfosWithNamePrefix("");
  for (auto it = first; it != last; ++it) matching += beginsWith(it->name, upper, count);
  if (matching != inRange) __builtin_trap();
}

// Adds `name` to a small map unless it is there already; it must then be found and written.
void checkAddedName(const std::string& name) {
  static constexpr FunctionsNamesMap::StorageInfo table[] = {
      {FormulaFunctionType::Sum, "SUM", FunctionsNamesMap::PrimaryParameter::Primary},
      {FormulaFunctionType::Sum, "ẞUMME", FunctionsNamesMap::PrimaryParameter::Secondary},
      {FormulaFunctionType::Max, "MÄX", FunctionsNamesMap::PrimaryParameter::Primary},
  };
  FunctionsNamesMap map(makeStorageTable(table));
  // getType strips "_xlfn."/"_xludf." from names it does not hold, so it cannot tell whether
  // such a name is held; skip those rather than risk adding a name twice.
  if (name.starts_with("_xlfn.") || name.starts_with("_xludf.")) return;
  if (map.getType(name) != FormulaFunctionType::None) return;
  map.addName(FormulaFunctionType::Max, name, FunctionsNamesMap::PrimaryParameter::Primary);
  if (map.getType(name) != FormulaFunctionType::Max ||
      map.getName(FormulaFunctionType::Max) != name)
    __builtin_trap();
  if (map.getType("MÄX") != FormulaFunctionType::Max) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  FuzzedDataProvider input(data, size);
  const FunctionsNamesMap& map = pickMap(input.ConsumeIntegralInRange<int>(0, 2));
  const std::string text = input.ConsumeRemainingBytesAsString();  // any bytes, bad UTF-8 too

  const FormulaFunctionType type = map.getType(text);
  if (type != FormulaFunctionType::None && map.getName(type).empty()) __builtin_trap();
  checkPrefixSearch(map, text);
  checkAddedName(text);
  return 0;
}
