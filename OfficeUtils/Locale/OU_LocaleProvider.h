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
// name). A shipped file that does not read throws Vesk::ResourceManager::ResourceFileError.
// The provider is immutable.
[[nodiscard]] std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName, const std::filesystem::path& resourcesDirectory);
// The same over getDefaultResourcesDirectory().
[[nodiscard]] std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> makeLocaleProvider(
    const std::string& localeName);

// The source tree's resources folder this library was built from; an installed copy passes
// its own folder (<prefix>/share/OfficeUtils) to makeLocaleProvider.
[[nodiscard]] const std::filesystem::path& getDefaultResourcesDirectory();

}  // namespace Vesk::OfficeUtils
