#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::ResourceManager {

std::string ResourceProvider::safeGetResourceString(const std::string& key) const {
  return getResourceString(key).value_or(std::string());
}

std::vector<std::string> ResourceProvider::safeGetResourceStringArray(
    const std::string& key) const {
  return getResourceStringArray(key).value_or(std::vector<std::string>());
}

bool ResourceProvider::safeGetResourceBoolean(const std::string& key) const {
  return getResourceBoolean(key).value_or(false);
}

namespace {

class EmptyResourceProvider final : public ResourceProvider {
 public:
  boost::optional<std::string> getResourceString(const std::string&) const override {
    return boost::none;
  }
  boost::optional<std::vector<std::string>> getResourceStringArray(
      const std::string&) const override {
    return boost::none;
  }
  boost::optional<bool> getResourceBoolean(const std::string&) const override {
    return boost::none;
  }
};

}  // namespace

namespace ResourceProviderImpl {

const ResourceProvider& getEmptyResourceProvider() {
  static const EmptyResourceProvider provider;
  return provider;
}

}  // namespace ResourceProviderImpl

}  // namespace Vesk::ResourceManager
