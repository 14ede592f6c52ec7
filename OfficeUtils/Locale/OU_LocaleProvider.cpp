#include "OfficeUtils/Locale/OU_LocaleProvider.h"

#include <system_error>
#include <vector>

#include "host/ResourceManager/OU_ICUResourceProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_LayeredResourceProvider.h"

namespace Vesk::OfficeUtils {

std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName, const std::filesystem::path& resourcesDirectory) {
  namespace RM = Vesk::ResourceManager;
  if (!RM::hasICULocaleData(localeName)) return nullptr;
  auto icu = std::make_shared<const RM::ICUResourceProvider>(localeName);
  const std::string language = icu->getDataLocale().getLanguage();
  const std::string region = icu->getDataLocale().getCountry();

  std::vector<RM::LayeredResourceProvider::Layer> layers;
  for (const std::string& name : {language + "_" + region, language}) {
    const auto file = resourcesDirectory / "Locales" / (name + ".json");
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error))
      layers.push_back(std::make_shared<const RM::JsonResourceProvider>(file));
  }
  layers.push_back(std::move(icu));
  return std::make_shared<const RM::LayeredResourceProvider>(std::move(layers));
}

std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName) {
  return makeLocaleProvider(localeName, getDefaultResourcesDirectory());
}

const std::filesystem::path& getDefaultResourcesDirectory() {
  static const std::filesystem::path directory(OU_RESOURCES_DIR);
  return directory;
}

}  // namespace Vesk::OfficeUtils
