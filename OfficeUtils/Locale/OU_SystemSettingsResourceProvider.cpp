#include "OfficeUtils/Locale/OU_SystemSettingsResourceProvider.h"

namespace Vesk::OfficeUtils {

SystemSettingsResourceProvider::SystemSettingsResourceProvider(
    const Vesk::ResourceManager::ResourceProvider& provider, const LocaleResources& resources)
    : _provider(provider),
      _substitutions{
          {"@sys:decimal-separator", resources.getSymbol(LocalizableSymbolType::DecimalSeparator)},
          {"@sys:thousand-separator",
           resources.getSymbol(LocalizableSymbolType::ThousandSeparator)}} {}

boost::optional<std::string> SystemSettingsResourceProvider::getResourceString(
    const std::string& key) const {
  auto value = _provider.getResourceString(key);
  if (value) resolveSystemSettings(*value);
  return value;
}

boost::optional<std::vector<std::string>> SystemSettingsResourceProvider::getResourceStringArray(
    const std::string& key) const {
  auto values = _provider.getResourceStringArray(key);
  if (values) resolveSystemSettings(*values);
  return values;
}

boost::optional<bool> SystemSettingsResourceProvider::getResourceBoolean(
    const std::string& key) const {
  return _provider.getResourceBoolean(key);
}

std::string SystemSettingsResourceProvider::safeGetResourceString(const std::string& key) const {
  auto value = _provider.safeGetResourceString(key);
  resolveSystemSettings(value);
  return value;
}

std::vector<std::string> SystemSettingsResourceProvider::safeGetResourceStringArray(
    const std::string& key) const {
  auto values = _provider.safeGetResourceStringArray(key);
  resolveSystemSettings(values);
  return values;
}

bool SystemSettingsResourceProvider::safeGetResourceBoolean(const std::string& key) const {
  return _provider.safeGetResourceBoolean(key);
}

void SystemSettingsResourceProvider::resolveSystemSettings(std::string& value) const {
  const auto found = _substitutions.find(value);
  if (found != _substitutions.end()) value = found->second;
}

void SystemSettingsResourceProvider::resolveSystemSettings(std::vector<std::string>& values) const {
  for (auto& value : values) resolveSystemSettings(value);
}

const SystemSettingsResourceProvider& SystemSettingsResourceProvider::getEmptyResourceProvider() {
  static const LocaleResources resources;
  static const SystemSettingsResourceProvider provider(
      Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(), resources);
  return provider;
}

}  // namespace Vesk::OfficeUtils
