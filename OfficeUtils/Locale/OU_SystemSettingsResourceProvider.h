// A resource provider that reads through another one and replaces references to the locale's
// settings by their values: a resource holding exactly "@sys:decimal-separator" comes back as
// the locale's decimal separator. Immutable; thread-safe as far as the wrapped provider is.
#pragma once

#include <string>
#include <vector>

#include <boost/unordered_map.hpp>

#include "OfficeUtils/Locale/OU_LocaleResources.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

class SystemSettingsResourceProvider final : public Vesk::ResourceManager::ResourceProvider {
 public:
  // Copies the separators of `resources` now; the wrapped provider must outlive this one.
  SystemSettingsResourceProvider(const Vesk::ResourceManager::ResourceProvider& provider,
                                 const LocaleResources& resources);

  boost::optional<std::string> getResourceString(const std::string& key) const override;
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string& key) const override;
  boost::optional<bool> getResourceBoolean(const std::string& key) const override;
  std::string safeGetResourceString(const std::string& key) const override;
  std::vector<std::string> safeGetResourceStringArray(const std::string& key) const override;
  bool safeGetResourceBoolean(const std::string& key) const override;

  // Replaces a value that is a reference as a whole (exact, case-sensitive); a reference inside
  // a longer text stays: "x@sys:decimal-separator" is unchanged.
  void resolveSystemSettings(std::string& value) const;
  void resolveSystemSettings(std::vector<std::string>& values) const;

  // The host's empty provider with the English separators; built on first use, lives until exit.
  [[nodiscard]] static const SystemSettingsResourceProvider& getEmptyResourceProvider();

 private:
  const Vesk::ResourceManager::ResourceProvider& _provider;
  boost::unordered_map<std::string, std::string> _substitutions;
};

}  // namespace Vesk::OfficeUtils
