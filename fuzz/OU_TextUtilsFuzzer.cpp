// Letter numbering read back from any bytes: a text that gives an ordinal must be exactly that
// ordinal's letter text. The first eight bytes also pick an ordinal (any size_t) and the ninth
// a number format (not 5 or 6, which assert) to write it in.
#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

using namespace Vesk::OfficeUtils;
using Vesk::DOM::NumberFormatType;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;  // the .options budget holds it to linear cost
  const std::string text(reinterpret_cast<const char*>(data), size);

  // A letter text reads back to its ordinal; past the letter bound the ordinal is in digits.
  const auto expected = [&](std::size_t n) {
    return n <= MaxLetterOrdinal ? text : std::to_string(n);
  };
  if (const std::size_t n = convertLowerLatinLetterToDecimal(text)) {
    if (indexToString(n, NumberFormatType::LowerLetter) != expected(n)) __builtin_trap();
  }
  if (const std::size_t n = convertUpperLatinLetterToDecimal(text)) {
    if (indexToString(n, NumberFormatType::UpperLetter) != expected(n)) __builtin_trap();
  }

  // Any ordinal of the whole range, written in a format (not 5 or 6, which assert): short text,
  // letters and Roman numerals within their bounds, digits beyond.
  if (size < 9) return 0;
  std::size_t index = 0;
  std::memcpy(&index, data, sizeof index);
  if (data[8] == 5 || data[8] == 6) return 0;
  const auto type = static_cast<NumberFormatType>(data[8]);
  const std::string written = indexToString(index, type);
  if (written.size() > 100) __builtin_trap();
  if (type == NumberFormatType::LowerLetter && index > 0 && index <= MaxLetterOrdinal &&
      convertLowerLatinLetterToDecimal(written) != index)
    __builtin_trap();
  if (type == NumberFormatType::UpperLetter && index > 0 && index <= MaxLetterOrdinal &&
      convertUpperLatinLetterToDecimal(written) != index)
    __builtin_trap();
  return 0;
}
