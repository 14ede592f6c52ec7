// The resource provider of a locale in one call: the library's shipped locale data
// (Locales/<language>_<REGION>.json over Locales/<language>.json under the resources folder:
// boolean and error words, localized function names) over ICU's locale data (separators,
// symbols, patterns, names, currencies). Hand it to LocaleManager for a LocaleContext.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

// None (a null pointer) for a name ICU holds no data for ("xx_YY", "") or that is too long for
// ICU once the provider adds its keywords (from about 125 bytes: ICU reads no longer locale
// name). A resources folder that is missing or unreadable, or a shipped file that does not
// read, throws Vesk::ResourceManager::ResourceFileError naming the path. The provider is
// immutable.
[[nodiscard]] std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName, const std::filesystem::path& resourcesDirectory);
// The same over getDefaultResourcesDirectory().
[[nodiscard]] std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName);

// The folder of the shipped locale data, found once per process: the folder named by the
// environment variable OFFICEUTILS_RESOURCES_DIR when it is set and not empty; otherwise, for a
// library loaded from its build folder, the source tree's resources/; otherwise the installed
// data beside the library (<prefix>/share/OfficeUtils for <prefix>/lib/libOfficeUtils.so).
// Whether the folder exists is checked where it is read (makeLocaleProvider).
[[nodiscard]] const std::filesystem::path& getDefaultResourcesDirectory();

// The environment variable that overrides getDefaultResourcesDirectory().
inline constexpr const char* ResourcesDirectoryVariable = "OFFICEUTILS_RESOURCES_DIR";

}  // namespace Vesk::OfficeUtils
