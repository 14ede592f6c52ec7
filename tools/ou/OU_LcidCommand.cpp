// ou lcid: a Windows locale identifier to its language tag ("ou lcid 0x407"), or a tag to its
// identifier ("ou lcid de_DE", "ou lcid zh_Hant").
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include <unicode/locid.h>

#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using Parser::LanguageInfo;

std::string describe(const LanguageInfo& info) {
  auto orDash = [](const std::string& part) { return part.empty() ? std::string("-") : part; };
  return info.toLocaleString() + " (language " + orDash(info.getLanguage()) + ", country " +
         orDash(info.getCountry()) + ", script " + orDash(info.getScript()) + ")";
}

bool isNumber(const std::string& text) {
  if (text.empty()) return false;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  for (std::size_t i = hex ? 2 : 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!(hex ? std::isxdigit(c) : std::isdigit(c))) return false;
  }
  return true;
}

int lookUp(const std::string& argument) {
  if (isNumber(argument)) {
    // An LCID is a 32-bit value: a larger number is no LCID rather than its low 32 bits.
    errno = 0;
    const unsigned long long lcid = std::strtoull(argument.c_str(), nullptr, 0);
    if (errno == ERANGE || lcid > std::numeric_limits<std::uint32_t>::max()) {
      std::fprintf(stderr, "ou lcid: %s is out of range: an LCID is at most 0xFFFFFFFF\n",
                   argument.c_str());
      return 1;
    }
    const auto info = Parser::msLCIDToLanguageInfo(static_cast<unsigned int>(lcid));
    if (!info) {
      std::printf("  0x%llX -> (no language known)\n", lcid);
      return 1;
    }
    std::printf("  0x%llX -> %s\n", lcid, describe(*info).c_str());
    return 0;
  }
  // ICU splits the tag, so "de-DE" and "zh_Hant_TW" work too.
  const icu::Locale locale(argument.c_str());
  const LanguageInfo info(locale.getLanguage(), locale.getCountry(), locale.getScript());
  const auto lcid = Parser::languageInfoToMSLCID(info);
  if (!lcid) {
    std::printf("  %s -> (no LCID)\n", describe(info).c_str());
    return 1;
  }
  std::printf("  %s -> 0x%X\n", describe(info).c_str(), *lcid);
  return 0;
}

int run(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) {
    std::fprintf(stderr, "usage: ou lcid 0x407 | ou lcid de_DE\n");
    return 1;
  }
  return lookUp(arguments.front());
}

void tour() {
  for (const char* argument :
       {"0x407", "0x804", "0x40A", "0xFC07", "de_DE", "zh_Hant", "sr_Latn", "xx_YY"}) {
    std::printf("$ ou lcid %s\n", argument);
    lookUp(argument);
  }
}

const CommandRegistrar registrar{
    {"lcid", "0x407|de_DE", "convert between a Windows LCID and a language tag", run, tour, 63}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
