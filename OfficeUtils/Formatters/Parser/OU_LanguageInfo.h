// A language tag (language, country, script) and its conversion to and from the Windows locale
// identifiers (LCIDs) that format codes carry, as in "[$-409]". Conversions go through ICU.
#pragma once

#include <cstdint>
#include <string>

#include <boost/optional.hpp>

namespace Vesk::OfficeUtils::Parser {

class LanguageInfo {
 public:
  // Any part may be empty: ("de", "DE", ""), ("zh", "CN", "Hans"), ("en", "", "").
  LanguageInfo(std::string language, std::string country, std::string script);

  const std::string& getLanguage() const { return _language; }
  const std::string& getCountry() const { return _country; }
  const std::string& getScript() const { return _script; }

  // ICU's locale name: "zh_Hans_CN", "de_DE", "sr_Latn" (a script wins over a country when only
  // one of them fits), "en".
  [[nodiscard]] std::string toLocaleString() const;

  // Bytewise over (language, country, script): ("en", "", "") sorts before ("en", "US", "").
  friend bool operator==(const LanguageInfo& a, const LanguageInfo& b);
  friend bool operator!=(const LanguageInfo& a, const LanguageInfo& b) { return !(a == b); }
  friend bool operator<(const LanguageInfo& a, const LanguageInfo& b);
  friend bool operator>(const LanguageInfo& a, const LanguageInfo& b) { return b < a; }
  friend bool operator<=(const LanguageInfo& a, const LanguageInfo& b) { return !(b < a); }
  friend bool operator>=(const LanguageInfo& a, const LanguageInfo& b) { return !(a < b); }

 private:
  std::string _language;
  std::string _country;
  std::string _script;
};

// 0x407 -> ("de", "DE", ""); none for an LCID that ICU does not know. ICU answers a known
// language with an unknown region by the language alone (0xFC07 -> ("de", "", "")), and an LCID
// without a language (0, 0x1000) by its root locale, the empty tag. Sort variants keep only the
// language, country and script (0x40A, traditional Spanish, gives ("es", "ES", "")).
[[nodiscard]] boost::optional<LanguageInfo> msLCIDToLanguageInfo(unsigned int lcid);

// ("en", "US", "") -> 0x409; none for an empty tag or one ICU has no LCID for.
[[nodiscard]] boost::optional<std::uint32_t> languageInfoToMSLCID(const LanguageInfo& info);

}  // namespace Vesk::OfficeUtils::Parser
