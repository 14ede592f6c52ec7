// An in-memory provider built from key/value rows: the store behind file providers, and the
// way tests fake a locale's resources. Immutable once built.
#pragma once

#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

#include <boost/variant.hpp>

#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::ResourceManager {

class MapResourceProvider final : public ResourceProvider {
 public:
  using Value = boost::variant<std::string, std::vector<std::string>, bool>;

  // One key and its value. The overloads keep "text" from turning into a boolean and
  // {"a", "b"} from being read as a character range.
  struct Row {
    Row(std::string key, std::string value);
    Row(std::string key, const char* value);
    Row(std::string key, std::vector<std::string> value);
    Row(std::string key, std::initializer_list<std::string> value);
    Row(std::string key, bool value);

    std::string key;
    Value value;
  };

  MapResourceProvider() = default;
  // A key given twice keeps the value of its later row.
  MapResourceProvider(std::initializer_list<Row> rows);
  explicit MapResourceProvider(const std::vector<Row>& rows);

  boost::optional<std::string> getResourceString(const std::string& key) const override;
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const override;
  boost::optional<bool> getResourceBoolean(const std::string& key) const override;

  [[nodiscard]] std::size_t size() const { return _values.size(); }

 private:
  void add(const Row& row);

  std::unordered_map<std::string, Value> _values;
};

}  // namespace Vesk::ResourceManager
