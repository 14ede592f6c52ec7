// The readers of format-code directives and number parts on raw text, as a model builder or a
// host may call them outside the parser, and the classification of a whole code. The first
// byte picks the reader; none may crash, and what they read must hold its documented ranges.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"

using namespace Vesk::OfficeUtils::Parser;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 65536) return 0;  // the .options budget holds it to linear cost
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 6) {
    case 0:
      if (const auto condition = stringToCondition(text)) {
        if (!std::isfinite(condition->getValue().getValue())) __builtin_trap();
      }
      break;
    case 1:
      if (const auto color = stringToColor(text)) {
        if (!colorToName(*color) && !colorToPaletteIndex(*color)) __builtin_trap();
      }
      break;
    case 2:
      if (const auto language = stringToLanguage(text)) {
        if (*language > 0x7FFFFFFF) __builtin_trap();
      }
      break;
    case 3:
      (void)stringToCurrency(text);
      break;
    case 4:
      if (const auto denominator = calcDenominatorValue(text)) {
        if (*denominator == 0) __builtin_trap();
      }
      break;
    default: {
      const auto type = calcFormatType(text);
      if (std::string(formatTypeName(type)) == "Unknown") __builtin_trap();
      break;
    }
  }
  return 0;
}
