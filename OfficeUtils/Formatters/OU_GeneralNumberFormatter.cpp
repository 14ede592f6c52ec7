#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils {

GeneralNumberFormatter::GeneralNumberFormatter(const LocaleContext& context)
    : _context(&context),
      _decimalSeparator(context.getResources().getSymbol(LocalizableSymbolType::DecimalSeparator)) {
  init();
}

GeneralNumberFormatter::GeneralNumberFormatter(const ICUDecimalFormatWrapper& decimalFormat)
    : _icuFormats(ICUFormats{decimalFormat, decimalFormat}) {
  init();
}

void GeneralNumberFormatter::init() {
  _minExponentDigits = 2;
  configure();
}

void GeneralNumberFormatter::setDefaultThresholdOfMax(Vesk::FloatNumber value) {
  _thresholdOfMax = value;
}

void GeneralNumberFormatter::setDefaultThresholdOfMin(Vesk::FloatNumber value) {
  _thresholdOfMin = value;
}

void GeneralNumberFormatter::setPrecisionForFixedMode(std::size_t precision) {
  _precisionForFixedMode = Vesk::numCast<int>(precision);
  configure();
}

void GeneralNumberFormatter::setPrecisionForScientificMode(std::size_t precision) {
  _precisionForScientificMode = Vesk::numCast<int>(precision);
  configure();
}

void GeneralNumberFormatter::configure() const {
  if (!_icuFormats) return;  // made with the settings of the moment when first needed
  // ICU stores "scientific" as a minimum exponent digit count: switching the notation on resets
  // the count to 1 and setting the count switches it on. Hence notation first, digits after.
  _icuFormats->scientific.setScientificNotation(true);
  _icuFormats->scientific.setMinExponentDigits(_minExponentDigits);
  _icuFormats->scientific.setPrecision(_precisionForScientificMode);
  _icuFormats->fixed.setScientificNotation(false);
  _icuFormats->fixed.setPrecision(_precisionForFixedMode);
}

const GeneralNumberFormatter::ICUFormats& GeneralNumberFormatter::icuFormats() const {
  if (!_icuFormats) {
    const ICUDecimalFormatWrapper format(*_context);
    _icuFormats = ICUFormats{format, format};
    configure();
  }
  return *_icuFormats;
}

std::string GeneralNumberFormatter::operator()(Vesk::FloatNumber value) const {
  const Vesk::FloatNumber magnitude = Vesk::fabs(value);
  const bool scientific =
      magnitude.getValue() != 0.0 && (magnitude < _thresholdOfMin || magnitude > _thresholdOfMax);
  if (_context && std::isfinite(value.getValue()))
    return formatByDigits(value.getValue(), scientific);
  const auto& formats = icuFormats();
  return (scientific ? formats.scientific : formats.fixed).toString(value);
}

namespace {

// The significant digits of a positive or zero value, without trailing zeros, and the power of
// ten of the first one: 1234.5 -> "12345", 3.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;

  // Keeps the first `kept` digits (none when kept <= 0), rounding half away from zero on the
  // digits dropped; a carry past the first digit raises the exponent.
  void round(int kept) {
    if (kept >= static_cast<int>(digits.size())) return;
    const bool up = kept >= 0 && digits[static_cast<std::size_t>(kept)] >= '5';
    digits.resize(static_cast<std::size_t>(std::max(kept, 0)));
    if (up) {
      auto i = digits.size();
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i > 0) {
        ++digits[i - 1];
      } else {
        digits.insert(digits.begin(), '1');
        ++exponent;
      }
    }
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
  }
};

// The shortest digits that read back as `magnitude`.
DecimalDigits shortestDigits(double magnitude) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  DecimalDigits result;  // from "d.ddde+XX" or "de-XX"
  const char* at = buffer;
  for (; *at != 'e'; ++at)
    if (*at != '.') result.digits += *at;
  std::from_chars(at + (at[1] == '+' ? 2 : 1), written.ptr, result.exponent);
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  return result;
}

// The power of ten of the first digit of ICU's quick reading of a double: the value scaled by
// powers of ten in double arithmetic to about sixteen integer digits and rounded. ICU's
// scientific mode takes its exponent from that reading before it rounds the exact digits, so a
// value a few units of the sixteenth digit under a power of ten (9.9999999999999992E-18) is
// shown from the next power up at any precision that would round it there ("1E-17" at fifteen
// fraction digits, where the exact digits would stay "9.999999999999999E-18").
int quickReadingExponent(double magnitude, int exactExponent) {
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 0x3FF;
  if (binaryExponent <= 52 &&
      static_cast<double>(static_cast<std::int64_t>(magnitude)) == magnitude)
    return exactExponent;  // integers are read exactly
  if (binaryExponent == -1023 || binaryExponent == 1024) return exactExponent;
  static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21};
  const auto fractionDigits =
      static_cast<int>((52 - binaryExponent) / 3.32192809488736234787031942948939017586);
  double scaled = magnitude;
  int i = fractionDigits;
  if (i >= 0) {
    for (; i >= 22; i -= 22) scaled *= 1e22;
    scaled *= Powers[i];
  } else {
    for (; i <= -22; i += 22) scaled /= 1e22;
    scaled /= Powers[-i];
  }
  const auto reading = static_cast<std::int64_t>(std::floor(scaled + 0.5));
  if (reading <= 0) return exactExponent;
  return static_cast<int>(std::to_string(reading).size()) - 1 - fractionDigits;
}

}  // namespace

// ICU's text of a finite value, written from the value's shortest round-trip digits: those are
// the digits ICU rounds (half away from zero) to the maximum fraction digits of the mode, then
// it drops trailing zeros, writes a sign for any negative value (also one that rounds to zero),
// ASCII digits, the context's decimal separator, and in scientific mode one integer digit and
// "E" with a signed exponent of at least the minimum exponent digits.
std::string GeneralNumberFormatter::formatByDigits(double value, bool scientific) const {
  const double magnitude = std::fabs(value);
  DecimalDigits number = shortestDigits(magnitude);
  if (!scientific) {
    number.round(number.exponent + 1 + _precisionForFixedMode);
  } else if (quickReadingExponent(magnitude, number.exponent) == number.exponent + 1) {
    // Rounded from the next power up, unless that does not carry there (see quickReadingExponent).
    DecimalDigits fromAbove = number;
    fromAbove.round(_precisionForScientificMode);
    if (fromAbove.exponent == number.exponent + 1)
      number = fromAbove;
    else
      number.round(1 + _precisionForScientificMode);
  } else {
    number.round(1 + _precisionForScientificMode);
  }
  const auto& digits = number.digits;
  const int exponent = number.exponent;

  std::string text;
  if (std::signbit(value)) text += '-';
  if (digits.empty() || magnitude == 0.0) return text += '0';
  if (scientific) {
    text += digits[0];
    if (digits.size() > 1) text.append(_decimalSeparator).append(digits, 1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string power = std::to_string(std::abs(exponent));
    if (static_cast<int>(power.size()) < _minExponentDigits)
      text.append(static_cast<std::size_t>(_minExponentDigits) - power.size(), '0');
    return text += power;
  }
  if (exponent < 0) {
    text += '0';
    text.append(_decimalSeparator).append(static_cast<std::size_t>(-exponent - 1), '0');
    return text += digits;
  }
  const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits)
    return text.append(digits).append(integerDigits - digits.size(), '0');
  return text.append(digits, 0, integerDigits)
      .append(_decimalSeparator)
      .append(digits, integerDigits);
}

std::string doubleToString(Vesk::FloatNumber value, const LocaleContext& context,
                           std::size_t precision) {
  GeneralNumberFormatter formatter(context);
  formatter.setPrecisionForScientificMode(precision);
  return formatter(value);
}

GeneralNumberFormatter createGeneralFormatter(const LocaleContext& context) {
  GeneralNumberFormatter formatter(context);
  formatter.setDefaultThresholdOfMax(99999999999.0);
  formatter.setDefaultThresholdOfMin(0.0001);
  formatter.setPrecisionForScientificMode(14);
  return formatter;
}

}  // namespace Vesk::OfficeUtils
