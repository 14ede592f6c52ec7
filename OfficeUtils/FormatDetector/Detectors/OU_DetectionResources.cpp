#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {

std::vector<std::string> getDetectorMonthNames(const LocaleContext& locale) {
  namespace Keys = Vesk::ResourceManager::Keys;
  static const std::vector<std::string> EnglishLong = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  static const std::vector<std::string> EnglishShort = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const auto& provider = locale.getResourceProvider();
  auto names = provider.safeGetResourceStringArray(Keys::LongMonthNamesPath);
  if (names.empty()) names = EnglishLong;
  auto shortNames = provider.safeGetResourceStringArray(Keys::ShortMonthNamesPath);
  if (shortNames.empty()) shortNames = EnglishShort;
  names.insert(names.end(), shortNames.begin(), shortNames.end());
  return names;
}

}  // namespace Vesk::OfficeUtils
