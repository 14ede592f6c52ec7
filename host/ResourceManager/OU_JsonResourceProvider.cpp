#include "host/ResourceManager/OU_JsonResourceProvider.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

namespace Vesk::ResourceManager {

namespace {

using Json = nlohmann::json;

// Line and column, from 1, of the byte at `offset` (0-based); an offset at or past the end
// points just after the last byte.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  const std::string_view before = text.substr(0, offset);
  const std::size_t line =
      1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  const std::size_t lineStart = before.rfind('\n');
  const std::size_t column = lineStart == std::string_view::npos ? offset + 1 : offset - lineStart;
  return {line, column};
}

// nlohmann's message without its own prefix and position: "[json.exception.parse_error.101]
// parse error at line 1, column 2: syntax error ..." gives "syntax error ...".
std::string describe(const Json::exception& error) {
  std::string what = error.what();
  const std::size_t bracket = what.find("] ");
  if (bracket != std::string::npos) what.erase(0, bracket + 2);
  if (what.rfind("parse error", 0) == 0) {
    const std::size_t colon = what.find(": ");
    if (colon != std::string::npos) what.erase(0, colon + 2);
  }
  return what;
}

// Reads the document as a stream of events into rows, so that a value of the wrong type is
// refused with its key and no tree is built. Stops at the first fault; `error` then says
// what it was.
class RowsReader {
 public:
  RowsReader(std::string_view text, std::string_view name) : _text(text), _name(name) {}

  std::vector<MapResourceProvider::Row>& rows() { return _rows; }
  const std::string& error() const { return _error; }

  bool null() { return refuse("null"); }
  bool boolean(bool value) {
    if (_depth != 1) return refuse("boolean");
    _rows.emplace_back(_key, value);
    return true;
  }
  bool number_integer(Json::number_integer_t) { return refuse("number"); }
  bool number_unsigned(Json::number_unsigned_t) { return refuse("number"); }
  bool number_float(Json::number_float_t, const std::string&) { return refuse("number"); }
  bool string(std::string& value) {
    if (_depth == 1) {
      _rows.emplace_back(_key, std::move(value));
    } else if (_depth == 2) {
      _list.push_back(std::move(value));
    } else {
      return refuse("string");
    }
    return true;
  }
  bool binary(Json::binary_t&) { return refuse("binary"); }
  bool start_object(std::size_t) {
    if (_depth != 0) return refuse("object");
    _depth = 1;
    return true;
  }
  bool key(std::string& key) {
    _key = std::move(key);
    return true;
  }
  bool end_object() {
    _depth = 0;
    return true;
  }
  bool start_array(std::size_t) {
    if (_depth != 1) return refuse("array");
    _depth = 2;
    _list.clear();
    return true;
  }
  bool end_array() {
    _rows.emplace_back(_key, std::move(_list));
    _list = {};
    _depth = 1;
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const Json::exception& error) {
    // `position` counts the characters read, so the offending one is at position - 1.
    const auto [line, column] = lineAndColumn(_text, position == 0 ? 0 : position - 1);
    _error = fmt::format("{}:{}:{}: invalid JSON: {}", _name, line, column, describe(error));
    return false;
  }

 private:
  bool refuse(std::string_view type) {
    if (_depth == 0) {
      _error = fmt::format("{}: the top-level value is not an object of resource keys (it is {})",
                           _name, type);
    } else if (_depth == 1) {
      _error = fmt::format(
          "{}: the value of \"{}\" is not a string, an array of strings or a boolean (it is {})",
          _name, _key, type);
    } else {
      _error = fmt::format("{}: element {} of \"{}\" is not a string (it is {})", _name,
                           _list.size(), _key, type);
    }
    return false;
  }

  std::string_view _text;
  std::string_view _name;
  int _depth = 0;  // 0 outside the top-level object, 1 in it, 2 in an array value
  std::string _key;
  std::vector<std::string> _list;
  std::vector<MapResourceProvider::Row> _rows;
  std::string _error;
};

MapResourceProvider readResources(std::string_view text, std::string_view name) {
  RowsReader reader(text, name);
  bool complete = false;
  try {
    complete = Json::sax_parse(text.begin(), text.end(), &reader);
  } catch (const Json::exception& error) {
    // The reader reports every fault itself; this only guards against a library surprise.
    throw ResourceFileError(fmt::format("{}: invalid JSON: {}", name, describe(error)));
  }
  if (!complete) throw ResourceFileError(reader.error());
  return MapResourceProvider(reader.rows());
}

std::string readFile(const std::filesystem::path& file) {
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    throw ResourceFileError(
        fmt::format("{}: cannot read the file: it is a directory", file.string()));
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ResourceFileError(fmt::format("{}: cannot open the file", file.string()));
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw ResourceFileError(fmt::format("{}: cannot read the file", file.string()));
  return text;
}

}  // namespace

JsonResourceProvider::JsonResourceProvider(const std::filesystem::path& file)
    : _values(readResources(readFile(file), file.string())) {}

JsonResourceProvider::JsonResourceProvider(std::string_view jsonText, std::string_view name)
    : _values(readResources(jsonText, name)) {}

boost::optional<std::string> JsonResourceProvider::getResourceString(const std::string& key) const {
  return _values.getResourceString(key);
}

boost::optional<std::vector<std::string>> JsonResourceProvider::getResourceStringArray(
    const std::string& key) const {
  return _values.getResourceStringArray(key);
}

boost::optional<bool> JsonResourceProvider::getResourceBoolean(const std::string& key) const {
  return _values.getResourceBoolean(key);
}

}  // namespace Vesk::ResourceManager
