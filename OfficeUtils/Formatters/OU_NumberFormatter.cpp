#include "OfficeUtils/Formatters/OU_NumberFormatter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include <utf8.h>

#include "OfficeUtils/OU_Assert.h"
#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils {

namespace {
constexpr const char* SourceFile = "OfficeUtils/Formatters/OU_NumberFormatter";

const std::string& symbol(const LocaleContext& context, LocalizableSymbolType type) {
  return context.getResources().getSymbol(type);
}

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

// The prefix is built from its last character to its first; separators may be several bytes.
std::string reverseCodePoints(const std::string& text) {
  std::vector<char32_t> codePoints;
  utf8::unchecked::utf8to32(text.begin(), text.end(), std::back_inserter(codePoints));
  std::reverse(codePoints.begin(), codePoints.end());
  std::string result;
  utf8::unchecked::utf32to8(codePoints.begin(), codePoints.end(), std::back_inserter(result));
  return result;
}
}  // namespace

ScientificFormatterResult::ScientificFormatterResult(const std::string& number,
                                                     const LocaleContext& context)
    : _context(&context) {
  OU_ASSERT(!number.empty());
  const std::string& exponentLiteral = symbol(context, LocalizableSymbolType::ExponentLiteral);
  const std::size_t exponentLiteralPos = number.find(exponentLiteral);
  OU_ASSERT(exponentLiteralPos != std::string::npos);
  _mantissa = number.substr(0, exponentLiteralPos);
  const std::size_t exponentSignPos = exponentLiteralPos + exponentLiteral.size();
  OU_ASSERT(exponentSignPos < number.size());
  std::size_t exponentPowerPos = exponentSignPos;
  if (number[exponentSignPos] == '+' || number[exponentSignPos] == '-') {
    _exponentSign = number.substr(exponentSignPos, 1);
    exponentPowerPos = exponentSignPos + 1;
    OU_ASSERT(exponentPowerPos < number.size());
  }
  _exponentPower = number.substr(exponentPowerPos);
}

std::string ScientificFormatterResult::toString() const {
  return _mantissa + symbol(*_context, LocalizableSymbolType::ExponentLiteral) + _exponentSign +
         _exponentPower;
}

std::string getFormatterResultAsString(const FormatterResult& result,
                                       const LocaleContext& context) {
  (void)context;  // the scientific result carries its own context
  if (const auto* text = boost::get<std::string>(&result)) return *text;
  return boost::get<ScientificFormatterResult>(result).toString();
}

NumberFormatter::NumberFormatter(const LocaleContext& context)
    : NumberFormatter("#.#", context, ICUDecimalFormatWrapper(context)) {}

NumberFormatter::NumberFormatter(const LocaleContext& context,
                                 const ICUDecimalFormatWrapper& decimalFormat)
    : NumberFormatter("#.#", context, decimalFormat) {}

NumberFormatter::NumberFormatter(std::string pattern, const LocaleContext& context)
    : NumberFormatter(std::move(pattern), context, ICUDecimalFormatWrapper(context)) {}

NumberFormatter::NumberFormatter(std::string pattern, const LocaleContext& context,
                                 const ICUDecimalFormatWrapper& decimalFormat)
    : _numberPattern(std::move(pattern)), _context(&context), _decimalFormat(decimalFormat) {}

bool NumberFormatter::appendPlaceholderPadding(char placeholder, std::string& out) {
  switch (placeholder) {
    case '0':
      out += '0';
      return true;
    case '?':
      out += ' ';
      return true;
    case '#':
      return true;
    default:
      return false;
  }
}

void NumberFormatter::processNumberPatternPlaceholder(std::size_t index, bool withSeparator,
                                                      std::string& out) const {
  const char placeholder = _numberPattern.at(index);
  if (withSeparator && placeholder == '0')
    out += symbol(*_context, LocalizableSymbolType::ThousandSeparator);
  if (withSeparator && placeholder == '?') out += ' ';
  if (!appendPlaceholderPadding(placeholder, out))
    OU_FAIL("Unexpected custom formatting placeholder.");
}

std::string NumberFormatter::processByNumberPattern(std::string formatted,
                                                    std::size_t patternDecimalPos) const {
  if (_numberPattern.empty()) return {};
  const std::string& decimalSeparator = symbol(*_context, LocalizableSymbolType::DecimalSeparator);
  std::size_t separatorPos = formatted.find(decimalSeparator);
  if (patternDecimalPos != std::string::npos) {
    const bool hasStringDecimalSeparator = separatorPos != std::string::npos;
    OU_ASSERT(hasStringDecimalSeparator);
    // Fraction digits ICU wrote; the placeholders after them pad the fraction.
    const std::size_t fractionDigits = formatted.size() - separatorPos - decimalSeparator.size();
    for (std::size_t index = patternDecimalPos + 1 + fractionDigits; index < _numberPattern.size();
         ++index)
      processNumberPatternPlaceholder(index, false, formatted);
  } else if (separatorPos == std::string::npos) {
    separatorPos = formatted.size();
  }

  const auto integerDigits = static_cast<std::size_t>(std::count_if(
      formatted.begin(),
      formatted.begin() + static_cast<std::ptrdiff_t>(std::min(separatorPos, formatted.size())),
      isAsciiDigit));
  const std::size_t integerPatternLength = std::min(patternDecimalPos, _numberPattern.size());
  if (integerPatternLength <= integerDigits) return formatted;

  std::string prefix;
  std::size_t groupCounter =
      integerDigits == 0 ? 0 : (integerDigits % 3 == 0 ? 3 : integerDigits % 3);
  for (std::size_t index = integerPatternLength - integerDigits; index-- > 0;) {
    bool withSeparator = false;
    if (_grouping) {
      withSeparator = groupCounter == 3;
      groupCounter = groupCounter == 3 ? 1 : groupCounter + 1;
    }
    processNumberPatternPlaceholder(index, withSeparator, prefix);
  }
  formatted.insert(0, reverseCodePoints(prefix));
  return formatted;
}

FixedNumberFormatter::FixedNumberFormatter(const LocaleContext& context)
    : NumberFormatter(context) {}

FixedNumberFormatter::FixedNumberFormatter(std::string pattern, const LocaleContext& context)
    : NumberFormatter(std::move(pattern), context) {}

FixedNumberFormatter::FixedNumberFormatter(std::string pattern, const LocaleContext& context,
                                           const ICUDecimalFormatWrapper& decimalFormat)
    : NumberFormatter(std::move(pattern), context, decimalFormat) {}

std::size_t NumberFormatter::applyPatternToDecimalFormat() const {
  const std::size_t decimalPos = _numberPattern.find('.');
  const bool showSeparator = decimalPos != std::string::npos;
  // ICU returns early from a setter whose value does not change, so repeated calls with one
  // pattern keep its compiled format.
  _decimalFormat.setAlwaysShowDecimalSeparator(showSeparator);
  _decimalFormat.setPrecision(
      showSeparator ? Vesk::numCast<int>(_numberPattern.size() - decimalPos - 1) : 0);
  _decimalFormat.setGrouping(_grouping);
  return decimalPos;
}

FormatterResult FixedNumberFormatter::operator()(Vesk::FloatNumber value) const {
  const std::size_t decimalPos = applyPatternToDecimalFormat();
  ICUDecimalFormatWrapper& format = getDecimalFormat();
  format.setMinIntegerDigits(0);
  // ICU writes a non-finite value as its symbol, which has no digits for the pattern to pad.
  if (!std::isfinite(value.getValue())) return format.toString(value);
  return processByNumberPattern(format.toString(value), decimalPos);
}

}  // namespace Vesk::OfficeUtils
