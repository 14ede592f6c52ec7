// Link recognition on the whole text, and weighted comparison of the text split in two at the
// position the first byte picks. A word with a byte up to the space is never a link; the
// comparison must be antisymmetric and reflexive, and invalid UTF-8 may only raise utfcpp's
// decoding error (in both argument orders alike). Short words get the link patterns' verdict.
#include "OfficeUtils/RegEx/OU_Hyperlinks.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include <utf8.h>

#include "OfficeUtils/OU_StringComparison.h"

using namespace Vesk::OfficeUtils;

namespace {

// The comparison result, or 2 when the text could not be decoded.
int compareOrInvalid(const std::string& a, const std::string& b) {
  try {
    const int result = compareStringsByWeight(a, b);
    if (result < -1 || result > 1) __builtin_trap();
    return result;
  } catch (const utf8::exception&) {
    return 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Up to 64 KB: recognition must stay linear on long words.
  if (size < 1 || size > 65536) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);  // any bytes

  const auto type = matchInternetResource(text);
  if (type != InternetResourceType::None) {
    for (const char c : text) {
      if (static_cast<unsigned char>(c) <= 0x20) __builtin_trap();
    }
  }
  // The patterns themselves backtrack: compared on short words only.
  if (text.size() <= 64 && type != Detail::matchInternetResourceByPatterns(text)) __builtin_trap();

  const std::size_t split = text.empty() ? 0 : data[0] % (text.size() + 1);
  const std::string a = text.substr(0, split);
  const std::string b = text.substr(split);
  const int ab = compareOrInvalid(a, b);
  const int ba = compareOrInvalid(b, a);
  if (ab == 2 ? ba != 2 : ba != -ab) __builtin_trap();
  const int aa = compareOrInvalid(a, a);
  if (aa != 0 && aa != 2) __builtin_trap();
  return 0;
}
