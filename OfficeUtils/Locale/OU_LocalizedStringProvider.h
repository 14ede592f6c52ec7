// Localized words of a locale ("TRUE", "#DIV/0!", ","): a two-way map between values and
// strings in which a value may have several strings and a string several values. When a value
// has several strings, the one flagged as default is the one shown. Immutable once shared;
// reads may run concurrently.
#pragma once

#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <boost/bimap.hpp>
#include <boost/bimap/multiset_of.hpp>
#include <boost/optional.hpp>

namespace Vesk {
namespace Detail {
// Report the broken map of mapValue and an unknown value of LocalizedStringProvider::getString;
// out of line so that the reports name the source of the provider.
[[noreturn]] void failNoDefaultMapValue();
[[noreturn]] void failUnknownLocalizedValue();
}  // namespace Detail

// The string of `key` in the left view of a bimap whose info is a default flag: none without an
// entry, the only string of a single entry, else the string of the flagged entry. Several
// entries none of which is flagged are a programming error (assertion
// "map.end() != foundDefault").
template <typename LeftMap, typename Key>
boost::optional<const typename LeftMap::data_type&> mapValue(const LeftMap& map, const Key& key) {
  const auto range = map.equal_range(key);
  if (range.first == range.second) return boost::none;
  if (std::next(range.first) == range.second) return range.first->second;
  auto foundDefault = map.end();
  for (auto it = range.first; it != range.second; ++it) {
    if (it->info) {
      foundDefault = it;
      break;
    }
  }
  if (map.end() == foundDefault) Detail::failNoDefaultMapValue();
  return foundDefault->second;
}

namespace OfficeUtils {

template <typename T>
class LocalizedStringProvider {
 public:
  // Values on the left, strings on the right, the default flag as the relation's info.
  using Map =
      boost::bimaps::bimap<boost::bimaps::multiset_of<T>, boost::bimaps::multiset_of<std::string>,
                           boost::bimaps::with_info<bool>>;

  struct Entry {
    T value;
    std::string text;
    bool isDefault = false;
  };

  LocalizedStringProvider() = default;
  LocalizedStringProvider(std::initializer_list<Entry> entries) {
    for (const auto& entry : entries) add(entry.value, entry.text, entry.isDefault);
  }

  // Adds one more string of `value`; an entry equal in value and string is added again.
  void add(T value, std::string text, bool isDefault = false) {
    _map.insert(typename Map::value_type(value, std::move(text), isDefault));
  }

  // Makes `text` the only string of `value` (a locale's word replacing the built-in one).
  void replace(T value, std::string text) {
    _map.left.erase(value);
    add(value, std::move(text), true);
  }

  // The string shown for `value` (see mapValue); none when the value has no string.
  [[nodiscard]] boost::optional<const std::string&> findString(T value) const {
    return mapValue(_map.left, value);
  }

  // As findString, but a value without a string is a programming error (assertion
  // "Unknown value").
  [[nodiscard]] const std::string& getString(T value) const {
    const auto text = findString(value);
    if (!text) Detail::failUnknownLocalizedValue();
    return *text;
  }

  // Every value written as `text` (exact, case-sensitive), in the order they were added.
  [[nodiscard]] std::vector<T> findValues(const std::string& text) const {
    std::vector<T> values;
    const auto range = _map.right.equal_range(text);
    for (auto it = range.first; it != range.second; ++it) values.push_back(it->second);
    return values;
  }

  [[nodiscard]] const Map& getMap() const { return _map; }
  [[nodiscard]] bool isEmpty() const { return _map.empty(); }

 private:
  Map _map;
};

}  // namespace OfficeUtils
}  // namespace Vesk
