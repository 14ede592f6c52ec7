// The readers of format-code directives and number parts on raw text, as a model builder or a
// host may call them outside the parser, and the classification of a whole code. The first
// byte picks the reader; none may crash, and what they read must hold its documented ranges.
// Conditions are also read by their defining pattern and must agree.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/regex.hpp>

#include "OfficeUtils/Formatters/Parser/OU_FormattingParser.h"
#include "OfficeUtils/Formatters/Parser/OU_FormattingParserUtils.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_Utils.h"

using namespace Vesk::OfficeUtils;
using namespace Vesk::OfficeUtils::Parser;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 65536) return 0;  // the .options budget holds it to linear cost
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 6) {
    case 0: {
      const auto condition = stringToCondition(text);
      if (condition && !std::isfinite(condition->getValue().getValue())) __builtin_trap();
      // The hand reading against its definition: an operator, spaces, a run of anything but
      // spaces, spaces; the run read under the built-in point context.
      static const boost::regex pattern("(<=|>=|<>|<|>|=)[ ]*([^ ]+)[ ]*", boost::regex::perl);
      boost::smatch match;
      boost::optional<double> expected;
      if (boost::regex_match(text, match, pattern)) {
        const auto& context =
            LocaleContext::getDefaultLocaleContext(static_cast<Vesk::DOM::FormulaType>(2));
        expected = stringToDouble(match[2].str(), context);
        if (expected && !std::isfinite(*expected)) expected = boost::none;
      }
      if (condition.has_value() != expected.has_value()) __builtin_trap();
      if (condition && (condition->getValue().getValue() != *expected ||
                        getCode(condition->getType()) != match[1].str()))
        __builtin_trap();
      break;
    }
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
