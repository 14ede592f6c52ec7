// The first four bytes are an LCID (little-endian); the rest is a language tag written
// "language_country_script" (the script takes any further "_"). An LCID that gives a language
// must convert back to an LCID of the same language; comparison must be a strict order.
#include "OfficeUtils/Formatters/Parser/OU_LanguageInfo.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace Vesk::OfficeUtils::Parser;

namespace {

void checkLCIDRoundTrip(unsigned int lcid) {
  const auto info = msLCIDToLanguageInfo(lcid);
  if (!info || *info == LanguageInfo("", "", "")) return;  // the root locale has no LCID
  const auto back = languageInfoToMSLCID(*info);
  if (!back) __builtin_trap();
  const auto again = msLCIDToLanguageInfo(*back);
  if (!again || *again != *info) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4 || size > 1024) return 0;  // tags are short
  const unsigned int lcid = data[0] | data[1] << 8 | data[2] << 16 | unsigned(data[3]) << 24;
  checkLCIDRoundTrip(lcid);

  const std::string rest(reinterpret_cast<const char*>(data) + 4, size - 4);  // any bytes
  const auto first = rest.find('_');
  const auto second = first == std::string::npos ? first : rest.find('_', first + 1);
  const LanguageInfo tag(
      rest.substr(0, first),
      first == std::string::npos ? "" : rest.substr(first + 1, second - first - 1),
      second == std::string::npos ? "" : rest.substr(second + 1));
  (void)tag.toLocaleString();
  if (const auto tagLCID = languageInfoToMSLCID(tag)) checkLCIDRoundTrip(*tagLCID);

  if (const auto info = msLCIDToLanguageInfo(lcid)) {
    const int relations = (tag < *info) + (*info < tag) + (tag == *info);
    if (relations != 1 || (tag <= *info) == (tag > *info)) __builtin_trap();
  }
  return 0;
}
