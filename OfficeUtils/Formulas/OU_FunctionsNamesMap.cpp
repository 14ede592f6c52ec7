#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

#include <unicode/locid.h>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formulas/OU_FunctionsNamesMap";

using Vesk::DOM::FormulaFunctionType;

// The smallest type-index key of `type`: its primary item, if it has one, comes first.
std::uint32_t firstKeyOf(FormulaFunctionType type) {
  return std::uint32_t{static_cast<std::uint16_t>(type)} << 1;
}

// Splits the folded name index around the names that begin with the folded `text`. Folded names
// are valid UTF-8, so a byte prefix that is itself whole UTF-8 is a prefix of code points.
struct FoldedPrefix {
  std::string_view text;
};

struct PrefixCompare {
  bool operator()(std::string_view foldedName, const FoldedPrefix& prefix) const {
    return foldedName < prefix.text;
  }
  bool operator()(const FoldedPrefix& prefix, std::string_view foldedName) const {
    return foldedName.substr(0, prefix.text.size()) > prefix.text;
  }
};

}  // namespace

FunctionsNamesMap::FunctionsNamesMap(boost::const_multi_array_ref<StorageInfo, 1> table) {
  for (const StorageInfo& record : table) addName(record.type, record.name, record.primary);
}

void FunctionsNamesMap::addName(FormulaFunctionType type, const std::string& name,
                                PrimaryParameter primary) {
  const bool isPrimary = primary == PrimaryParameter::Primary;
  if (isPrimary) {
    // Demoting keeps the old primary item where it is: its new key equals that of the
    // non-primary items after it, so it stays first among them.
    auto& byType = _items.get<ByType>();
    const auto first = byType.lower_bound(firstKeyOf(type));
    if (first != byType.end() && first->type == type && first->primary)
      byType.modify(first, [](StoredItem& item) { item.primary = false; });
  }
  // An ordered non-unique index inserts after every item of equal key, keeping insertion order.
  const auto insertionResult =
      _items.insert(StoredItem{{type, name, isPrimary}, utf8StringFoldCase(name)});
  OU_ASSERT(insertionResult.second);
}

boost::string_ref FunctionsNamesMap::getName(FormulaFunctionType type) const {
  const auto& byType = _items.get<ByType>();
  const auto first = byType.lower_bound(firstKeyOf(type));
  if (first == byType.end() || first->type != type) return {};
  return first->name;
}

std::vector<boost::string_ref> FunctionsNamesMap::getAllNames(FormulaFunctionType type) const {
  const auto& byType = _items.get<ByType>();
  std::vector<boost::string_ref> names;
  for (auto it = byType.lower_bound(firstKeyOf(type)); it != byType.end() && it->type == type; ++it)
    names.emplace_back(it->name);
  return names;
}

FormulaFunctionType FunctionsNamesMap::getType(const std::string& name) const {
  static constexpr std::string_view ExcelFunctionPrefix = "_xlfn.";
  static constexpr std::string_view UserFunctionPrefix = "_xludf.";
  // The name is folded once: folding goes code point by code point and leaves the ASCII
  // prefixes as they are, so the folded rest after a prefix is the fold of the rest.
  const std::string folded = utf8StringFoldCase(name);
  std::string_view rest = name;
  std::string_view foldedRest = folded;
  for (;;) {
    if (const auto type = findFoldedType(foldedRest); type != FormulaFunctionType::None)
      return type;
    std::size_t prefixSize = 0;
    if (rest.starts_with(ExcelFunctionPrefix)) {
      prefixSize = ExcelFunctionPrefix.size();
    } else if (rest.starts_with(UserFunctionPrefix)) {
      prefixSize = UserFunctionPrefix.size();
    } else {
      return FormulaFunctionType::None;
    }
    OU_ASSERT(foldedRest.starts_with(rest.substr(0, prefixSize)));
    rest.remove_prefix(prefixSize);
    foldedRest.remove_prefix(prefixSize);
  }
}

FormulaFunctionType FunctionsNamesMap::findFoldedType(std::string_view foldedName) const {
  const auto& byName = _items.get<ByName>();
  const auto found = byName.find(foldedName);
  return found == byName.end() ? FormulaFunctionType::None : found->type;
}

std::pair<FunctionsNamesMap::NameIterator, FunctionsNamesMap::NameIterator>
FunctionsNamesMap::getInfosWithNamePrefix(const std::string& prefix) const {
  const std::string folded =
      utf8StringFoldCase(utf8StringToUpperCase(prefix, icu::Locale::getDefault()));
  return _items.get<ByName>().equal_range(FoldedPrefix{folded}, PrefixCompare());
}

}  // namespace Vesk::OfficeUtils
