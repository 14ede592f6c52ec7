#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"

#include <tuple>
#include <utility>

#include <fmt/format.h>
#include <unicode/locid.h>
#include <unicode/uloc.h>

namespace Vesk::OfficeUtils::Parser {

LanguageInfo::LanguageInfo(std::string language, std::string country, std::string script)
    : _language(std::move(language)), _country(std::move(country)), _script(std::move(script)) {}

std::string LanguageInfo::toLocaleString() const {
  if (!_script.empty() && !_country.empty())
    return fmt::format("{}_{}_{}", _language, _script, _country);
  if (_script.empty() && _country.empty()) return _language;
  return fmt::format("{}_{}", _language, _script.empty() ? _country : _script);
}

bool operator==(const LanguageInfo& a, const LanguageInfo& b) {
  return std::tie(a._language, a._country, a._script) ==
         std::tie(b._language, b._country, b._script);
}

bool operator<(const LanguageInfo& a, const LanguageInfo& b) {
  // std::string compares its bytes as unsigned char, like memcmp.
  return std::tie(a._language, a._country, a._script) <
         std::tie(b._language, b._country, b._script);
}

boost::optional<LanguageInfo> msLCIDToLanguageInfo(unsigned int lcid) {
  char name[100] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = uloc_getLocaleForLCID(lcid, name, sizeof(name) - 1, &status);
  // Warnings count as failures too: a fallback or truncated name is not this LCID's locale.
  if (status != U_ZERO_ERROR || length <= 0 || name[0] == '\0') return boost::none;
  const icu::Locale locale(name);
  if (locale.isBogus()) return boost::none;
  return LanguageInfo(locale.getLanguage(), locale.getCountry(), locale.getScript());
}

boost::optional<std::uint32_t> languageInfoToMSLCID(const LanguageInfo& info) {
  const std::string name = info.toLocaleString();
  // ICU reads the name as a C string; a NUL inside would cut the tag short.
  if (name.empty() || name.find('\0') != std::string::npos) return boost::none;
  const icu::Locale locale(name.c_str());
  if (locale.isBogus()) return boost::none;
  const std::uint32_t lcid = locale.getLCID();
  if (lcid == 0) return boost::none;
  return lcid;
}

}  // namespace Vesk::OfficeUtils::Parser
