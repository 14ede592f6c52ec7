#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"

#include <utility>

#include "host/Utils/OU_NumCast.h"

namespace Vesk::OfficeUtils {

GeneralNumberFormatter::GeneralNumberFormatter(const LocaleContext& context)
    : GeneralNumberFormatter(ICUDecimalFormatWrapper(context), OwnWrapper{}) {}

GeneralNumberFormatter::GeneralNumberFormatter(const ICUDecimalFormatWrapper& decimalFormat)
    : GeneralNumberFormatter(ICUDecimalFormatWrapper(decimalFormat), OwnWrapper{}) {}

// One clone instead of two: the scientific format takes over the given one.
GeneralNumberFormatter::GeneralNumberFormatter(ICUDecimalFormatWrapper&& decimalFormat, OwnWrapper)
    : _fixedFormat(decimalFormat), _scientificFormat(std::move(decimalFormat)) {
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

void GeneralNumberFormatter::configure() {
  // ICU stores "scientific" as a minimum exponent digit count: switching the notation on resets
  // the count to 1 and setting the count switches it on. Hence notation first, digits after.
  _scientificFormat.setScientificNotation(true);
  _scientificFormat.setMinExponentDigits(_minExponentDigits);
  _scientificFormat.setPrecision(_precisionForScientificMode);
  _fixedFormat.setScientificNotation(false);
  _fixedFormat.setPrecision(_precisionForFixedMode);
}

std::string GeneralNumberFormatter::operator()(Vesk::FloatNumber value) const {
  const Vesk::FloatNumber magnitude = Vesk::fabs(value);
  const bool scientific =
      magnitude.getValue() != 0.0 && (magnitude < _thresholdOfMin || magnitude > _thresholdOfMax);
  return (scientific ? _scientificFormat : _fixedFormat).toString(value);
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
