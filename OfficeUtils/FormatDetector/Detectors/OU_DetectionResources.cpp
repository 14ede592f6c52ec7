#include "OfficeUtils/FormatDetector/Detectors/OU_DetectionResources.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;

const std::array<std::string_view, 24> EnglishMonthNames = {
    "January",   "February", "March",    "April",    "May", "June", "July", "August",
    "September", "October",  "November", "December", "Jan", "Feb",  "Mar",  "Apr",
    "May",       "Jun",      "Jul",      "Aug",      "Sep", "Oct",  "Nov",  "Dec"};

bool isAllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<std::string> getDetectorMonthNames(const LocaleContext& locale) {
  const auto& provider = locale.getResourceProvider();
  std::vector<std::vector<std::string>> blocks;
  std::vector<std::size_t> shortBlocks;
  const std::pair<const char*, bool> lists[] = {{Keys::LongMonthNamesPath, false},
                                                {Keys::ShortMonthNamesPath, true},
                                                {Keys::StandAloneLongMonthNamesPath, false},
                                                {Keys::StandAloneShortMonthNamesPath, true}};
  for (std::size_t list = 0; list < std::size(lists); ++list) {
    const auto& [key, isShort] = lists[list];
    auto names = provider.safeGetResourceStringArray(key);
    // The names as in a date fall back to the English ones.
    if (names.empty() && list < 2)
      names.assign(EnglishMonthNames.begin() + list * 12,
                   EnglishMonthNames.begin() + list * 12 + 12);
    if (names.size() != 12) continue;
    if (isShort) shortBlocks.push_back(blocks.size());
    blocks.push_back(std::move(names));
  }
  // English locales whose short names differ ("Sept" in British English) also read the usual
  // three-letter ones.
  if (provider.safeGetResourceString(Keys::LanguageNamePath) == "en") {
    blocks.emplace_back(EnglishMonthNames.begin() + 12, EnglishMonthNames.end());
    shortBlocks.push_back(blocks.size() - 1);
  }
  for (const std::size_t index : shortBlocks) {
    std::vector<std::string> dotted = blocks[index];
    for (auto& name : dotted) {
      if (name.empty()) continue;
      if (name.back() == '.')
        name.pop_back();
      else
        name += '.';
    }
    blocks.push_back(std::move(dotted));
  }
  std::vector<std::string> names;
  for (auto& block : blocks) {
    for (auto& name : block) names.push_back(isAllDigits(name) ? std::string() : std::move(name));
  }
  return names;
}

std::string_view readSign(std::string_view signText) {
  const bool minus = signText.find('-') != std::string_view::npos ||
                     signText.find("\u2212") != std::string_view::npos;
  return minus ? "-" : "+";
}

std::string_view typedThousandSeparator(std::string_view separator) {
  return separator == "\u2019" ? "'" : "";
}

}  // namespace Vesk::OfficeUtils
