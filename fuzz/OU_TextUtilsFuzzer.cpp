// Letter numbering read back from any bytes: a text that gives an ordinal must be exactly that
// ordinal's letter text. The first three bytes also pick an ordinal (below 2^20, so letter
// texts stay short) and the fourth a number format (not 5 or 6, which assert) to write it in.
#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace Vesk::OfficeUtils;
using Vesk::DOM::NumberFormatType;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // longer texts add run time, not coverage
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (const std::size_t n = convertLowerLatinLetterToDecimal(text)) {
    if (indexToString(n, NumberFormatType::LowerLetter) != text) __builtin_trap();
  }
  if (const std::size_t n = convertUpperLatinLetterToDecimal(text)) {
    if (indexToString(n, NumberFormatType::UpperLetter) != text) __builtin_trap();
  }

  if (size < 4) return 0;
  const std::size_t index = (data[0] | data[1] << 8 | (data[2] & 0x0F) << 16);
  if (data[3] == 5 || data[3] == 6) return 0;
  const auto type = static_cast<NumberFormatType>(data[3]);
  const std::string written = indexToString(index, type);
  if (type == NumberFormatType::LowerLetter && index > 0 &&
      convertLowerLatinLetterToDecimal(written) != index)
    __builtin_trap();
  if (type == NumberFormatType::UpperLetter && index > 0 &&
      convertUpperLatinLetterToDecimal(written) != index)
    __builtin_trap();
  return 0;
}
