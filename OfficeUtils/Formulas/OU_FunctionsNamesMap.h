// The names under which spreadsheet functions are written in one vocabulary (English, a file
// dialect, a locale): name to function type ignoring case, type to primary name, and every name
// with a given prefix for completion. Reads may run concurrently; addName belongs to one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <boost/multi_array.hpp>
#include <boost/multi_index/indexed_by.hpp>
#include <boost/multi_index/ordered_index.hpp>
#include <boost/multi_index/tag.hpp>
#include <boost/multi_index_container.hpp>
#include <boost/utility/string_ref.hpp>

#include "host/DOM/OU_FormulaFunctionType.h"

namespace Vesk::OfficeUtils {

class FunctionsNamesMap {
 public:
  enum class PrimaryParameter : std::uint8_t { Secondary = 0, Primary = 1 };

  // One record of a static name table; `name` points to a NUL-terminated UTF-8 literal.
  struct StorageInfo {
    Vesk::DOM::FormulaFunctionType type;
    const char* name;
    PrimaryParameter primary;
  };

  struct FunctionTypeNameItem {
    Vesk::DOM::FormulaFunctionType type;
    std::string name;
    bool primary;
  };

 private:
  // An item as stored: with its name simply case folded (utf8StringFoldCase), so that lookups
  // fold the query once and then compare bytes. Byte order of folded names is the order of
  // Vesk::CaseInsensitiveLess on the names.
  struct StoredItem : FunctionTypeNameItem {
    std::string foldedName;
  };

  struct FoldedNameKey {
    using result_type = std::string_view;
    std::string_view operator()(const StoredItem& item) const { return item.foldedName; }
  };

  // Type ascending, then the primary item before the others: (type << 1) | !primary.
  struct TypeKey {
    using result_type = std::uint32_t;
    std::uint32_t operator()(const StoredItem& item) const {
      return (std::uint32_t{static_cast<std::uint16_t>(item.type)} << 1) | (item.primary ? 0 : 1);
    }
  };

  struct ByName {};
  struct ByType {};

  using Container = boost::multi_index_container<
      StoredItem,
      boost::multi_index::indexed_by<
          boost::multi_index::ordered_unique<boost::multi_index::tag<ByName>, FoldedNameKey>,
          boost::multi_index::ordered_non_unique<boost::multi_index::tag<ByType>, TypeKey>>>;

 public:
  // Iterates the name index in name order (Vesk::CaseInsensitiveLess); items convert to
  // `const FunctionTypeNameItem&`.
  using NameIterator = Container::index<ByName>::type::const_iterator;

  FunctionsNamesMap() = default;
  // Adds the records of `table` in index order.
  explicit FunctionsNamesMap(boost::const_multi_array_ref<StorageInfo, 1> table);

  // A `Primary` name becomes the name getName returns; an earlier primary name of the type stays
  // accepted as an ordinary name. A name already in the map, ignoring case, is a programming
  // error (assertion "insertionResult.second").
  void addName(Vesk::DOM::FormulaFunctionType type, const std::string& name,
               PrimaryParameter primary);

  // The primary name of `type`, else its earliest added name; empty if the map has none. A view
  // of storage the map owns.
  [[nodiscard]] boost::string_ref getName(Vesk::DOM::FormulaFunctionType type) const;

  // Every name of `type`: the primary name first, then the others in order of addition, except
  // that a primary name demoted by a later one comes right after it. Views as for getName.
  [[nodiscard]] std::vector<boost::string_ref> getAllNames(
      Vesk::DOM::FormulaFunctionType type) const;

  // The function named `name`, ignoring case; a name not found that begins with "_xlfn." or
  // "_xludf." (case-sensitive) is looked up again without it, so "_xlfn._xludf.SUM" finds SUM.
  // FormulaFunctionType::None if nothing matches.
  [[nodiscard]] Vesk::DOM::FormulaFunctionType getType(const std::string& name) const;

  // Every item whose name begins with `prefix` ignoring case (after upper-casing the prefix under
  // ICU's default locale), in name order; "" gives all items, no match an empty range.
  [[nodiscard]] std::pair<NameIterator, NameIterator> getInfosWithNamePrefix(
      const std::string& prefix) const;

  [[nodiscard]] bool isEmpty() const { return _items.empty(); }

 private:
  // The function of an already folded name.
  [[nodiscard]] Vesk::DOM::FormulaFunctionType findFoldedType(std::string_view foldedName) const;

  Container _items;
};

// A static table (an array or std::array of StorageInfo) as the constructor takes it.
template <typename Table>
boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1> makeStorageTable(
    const Table& table) {
  return boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1>(
      std::data(table), boost::extents[std::size(table)]);
}

}  // namespace Vesk::OfficeUtils
