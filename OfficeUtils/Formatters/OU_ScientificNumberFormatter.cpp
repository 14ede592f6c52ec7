#include "OfficeUtils/Formatters/OU_ScientificNumberFormatter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils {

namespace {
constexpr const char* SourceFile = "OfficeUtils/Formatters/OU_ScientificNumberFormatter";
}

ScientificFormatter::ScientificFormatter(const LocaleContext& context) : NumberFormatter(context) {}

ScientificFormatter::ScientificFormatter(const LocaleContext& context,
                                         const ICUDecimalFormatWrapper& decimalFormat)
    : NumberFormatter(context, decimalFormat) {}

ScientificFormatter::ScientificFormatter(std::string pattern, const LocaleContext& context)
    : NumberFormatter(std::move(pattern), context) {}

ScientificFormatter::ScientificFormatter(std::string pattern, const LocaleContext& context,
                                         const ICUDecimalFormatWrapper& decimalFormat)
    : NumberFormatter(std::move(pattern), context, decimalFormat) {}

void ScientificFormatter::processExponentPatternPlaceholder(std::size_t placeholderIndex,
                                                            std::string& out) const {
  OU_ASSERT(placeholderIndex < _exponentPattern.size());
  if (!appendPlaceholderPadding(_exponentPattern[placeholderIndex], out))
    OU_FAIL("Unexpected custom formatting placeholder.");
}

std::string ScientificFormatter::processByExponentPattern(std::string digits) const {
  if (_exponentPattern.empty()) return {};
  const std::size_t pointPos = _exponentPattern.find('.');
  const std::size_t integerLength =
      pointPos == std::string::npos ? _exponentPattern.size() : pointPos;
  if (integerLength > digits.size()) {
    std::string prefix;
    for (std::size_t index = integerLength - digits.size(); index-- > 0;)
      processExponentPatternPlaceholder(index, prefix);
    std::reverse(prefix.begin(), prefix.end());
    digits.insert(0, prefix);
  }
  if (pointPos != std::string::npos) {
    digits += '.';
    for (std::size_t index = pointPos + 1; index < _exponentPattern.size(); ++index)
      processExponentPatternPlaceholder(index, digits);
  }
  return digits;
}

FormatterResult ScientificFormatter::operator()(Vesk::FloatNumber value) const {
  ICUDecimalFormatWrapper& format = getDecimalFormat();
  format.setScientificNotation(true);
  const std::size_t decimalPos = applyPatternToDecimalFormat();
  const bool showSeparator = decimalPos != std::string::npos;
  format.setMinExponentDigits(1);
  format.setAlwaysShowExponentSign(_alwaysShowExponentSign);
  // The integer digits go straight to their final value: a passing 0 would make ICU recompile
  // its format on every call.
  format.setMinIntegerDigits(
      Vesk::numCast<int>(showSeparator ? decimalPos : getNumberPattern().size()));

  // ICU writes a non-finite value as its symbol, without an exponent to split at.
  if (!std::isfinite(value.getValue())) return format.toString(value);
  ScientificFormatterResult result(format.toString(value), getLocaleContext());
  result.setMantissa(processByNumberPattern(result.getMantissa(), decimalPos));
  result.setExponentPower(processByExponentPattern(result.getExponentPower()));
  return result;
}

}  // namespace Vesk::OfficeUtils
