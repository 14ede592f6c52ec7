#include "OfficeUtils/Locale/OU_LocaleProvider.h"

#include <cstdlib>
#include <system_error>
#include <vector>

#include <dlfcn.h>

#include "host/ResourceManager/OU_ICUResourceProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_LayeredResourceProvider.h"

namespace Vesk::OfficeUtils {

std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName, const std::filesystem::path& resourcesDirectory) {
  namespace RM = Vesk::ResourceManager;
  if (!RM::hasICULocaleData(localeName)) return nullptr;
  std::error_code folderError;
  std::filesystem::directory_iterator readable(resourcesDirectory, folderError);
  if (folderError)
    throw RM::ResourceFileError("OfficeUtils resources folder " + resourcesDirectory.string() +
                                " cannot be read: " + folderError.message());
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

namespace {

// The folder that holds the loaded libOfficeUtils, empty when the loader cannot tell.
std::filesystem::path loadedLibraryFolder() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<const void*>(&loadedLibraryFolder), &info) || !info.dli_fname)
    return {};
  std::error_code error;
  auto file = std::filesystem::canonical(info.dli_fname, error);
  return error ? std::filesystem::path() : file.parent_path();
}

std::filesystem::path findResourcesDirectory() {
  if (const char* overridden = std::getenv(ResourcesDirectoryVariable); overridden && *overridden)
    return overridden;
  const auto libraryFolder = loadedLibraryFolder();
  std::error_code error;
  if (libraryFolder.empty() ||
      std::filesystem::equivalent(libraryFolder, OU_BUILD_LIBRARY_DIR, error))
    return OU_SOURCE_RESOURCES_DIR;
  return (libraryFolder / OU_INSTALLED_RESOURCES_FROM_LIBRARY).lexically_normal();
}

}  // namespace

const std::filesystem::path& getDefaultResourcesDirectory() {
  static const std::filesystem::path directory = findResourcesDirectory();
  return directory;
}

}  // namespace Vesk::OfficeUtils
