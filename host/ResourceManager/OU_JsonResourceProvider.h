// A provider read from a JSON resource file: one top-level object mapping full keys (see the
// key scheme in OU_ResourceProvider.h) to a string, an array of strings or a boolean:
//   {"LocaleResources/LocaleResources:Names/AMPMNames": ["AM", "PM"],
//    "LocaleResources/LocaleResources/Separators/DecimalSeparator": "."}
// A file that cannot be read or does not have that shape is refused with ResourceFileError;
// the provider is immutable once built.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/ResourceManager/OU_ResourceProvider.h"
#include "host/Utils/OU_Errors.h"

namespace Vesk::ResourceManager {

// Why a resource file was refused. The message starts with the file's name, then the
// position when the JSON itself is malformed ("fr.json:3:7: invalid JSON: ..."; line and
// column count from 1, columns in bytes), or the offending key otherwise.
class ResourceFileError : public BaseRuntimeError {
 public:
  using BaseRuntimeError::BaseRuntimeError;
};

class JsonResourceProvider final : public ResourceProvider {
 public:
  // Reads the whole file; its path names it in messages.
  explicit JsonResourceProvider(const std::filesystem::path& file);
  // Reads JSON text; `name` stands for its origin in messages.
  JsonResourceProvider(std::string_view jsonText, std::string_view name);

  boost::optional<std::string> getResourceString(const std::string& key) const override;
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const override;
  boost::optional<bool> getResourceBoolean(const std::string& key) const override;

  // The number of keys read.
  [[nodiscard]] std::size_t size() const { return _values.size(); }

 private:
  MapResourceProvider _values;
};

}  // namespace Vesk::ResourceManager
