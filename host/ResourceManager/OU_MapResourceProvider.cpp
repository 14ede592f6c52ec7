#include "host/ResourceManager/OU_MapResourceProvider.h"

#include <utility>

namespace Vesk::ResourceManager {

MapResourceProvider::Row::Row(std::string key, std::string value)
    : key(std::move(key)), value(std::move(value)) {}

MapResourceProvider::Row::Row(std::string key, const char* value)
    : key(std::move(key)), value(std::string(value)) {}

MapResourceProvider::Row::Row(std::string key, std::vector<std::string> value)
    : key(std::move(key)), value(std::move(value)) {}

MapResourceProvider::Row::Row(std::string key, std::initializer_list<std::string> value)
    : key(std::move(key)), value(std::vector<std::string>(value)) {}

MapResourceProvider::Row::Row(std::string key, bool value) : key(std::move(key)), value(value) {}

MapResourceProvider::MapResourceProvider(std::initializer_list<Row> rows) {
  for (const Row& row : rows) add(row);
}

MapResourceProvider::MapResourceProvider(const std::vector<Row>& rows) {
  for (const Row& row : rows) add(row);
}

void MapResourceProvider::add(const Row& row) {
  _values.insert_or_assign(row.key, row.value);
}

boost::optional<std::string> MapResourceProvider::getResourceString(const std::string& key) const {
  const auto found = _values.find(key);
  if (found == _values.end()) return boost::none;
  if (const auto* text = boost::get<std::string>(&found->second)) return *text;
  return boost::none;
}

boost::optional<std::vector<std::string>> MapResourceProvider::getResourceStringArray(
    const std::string& key) const {
  const auto found = _values.find(key);
  if (found == _values.end()) return boost::none;
  if (const auto* list = boost::get<std::vector<std::string>>(&found->second)) return *list;
  return boost::none;
}

boost::optional<bool> MapResourceProvider::getResourceBoolean(const std::string& key) const {
  const auto found = _values.find(key);
  if (found == _values.end()) return boost::none;
  if (const auto* flag = boost::get<bool>(&found->second)) return *flag;
  return boost::none;
}

}  // namespace Vesk::ResourceManager
