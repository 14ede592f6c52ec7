// Numbers as a spreadsheet's "General" display shows them: plain digits inside a magnitude
// window, scientific notation with a two-digit signed exponent outside it ("1E+11", "9E-09").
// A formatter keeps its ICU formats between calls and is used by one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

// Decimal places of a detected number format: an integer, a number with a fraction.
inline constexpr std::uint64_t DefaultIntegerDecimalPlaces = 0;
inline constexpr std::uint64_t DefaultNonIntegerDecimalPlaces = 2;

class GeneralNumberFormatter {
 public:
  explicit GeneralNumberFormatter(const LocaleContext& context);
  // Copies the wrapper with its settings (grouping, separators ...).
  explicit GeneralNumberFormatter(const ICUDecimalFormatWrapper& decimalFormat);

  // The minimum exponent digits: 2.
  void init();

  // The window is inclusive: a magnitude equal to a threshold is shown in fixed mode.
  void setDefaultThresholdOfMax(Vesk::FloatNumber value);
  void setDefaultThresholdOfMin(Vesk::FloatNumber value);
  // Maximum fraction digits of each mode (of the mantissa in scientific mode); a value above
  // the int range throws Vesk::BadNumCastError.
  void setPrecisionForFixedMode(std::size_t precision);
  void setPrecisionForScientificMode(std::size_t precision);

  // Defaults: 99999999999 -> "99999999999", 100000000000 -> "1E+11", 0.00000001 -> "0.00000001",
  // 0.000000009 -> "9E-09", 1/3 -> "0.3333333333333333", 123456789012345 -> "1.23E+14".
  [[nodiscard]] std::string operator()(Vesk::FloatNumber value) const;

 private:
  struct OwnWrapper {};
  GeneralNumberFormatter(ICUDecimalFormatWrapper&& decimalFormat, OwnWrapper);
  void configure();

  Vesk::FloatNumber _thresholdOfMax = 99999999999.0;
  Vesk::FloatNumber _thresholdOfMin = 0.00000001;
  int _precisionForFixedMode = ICUDecimalFormatWrapper::getDefaultMaximumFractionDigits();
  int _precisionForScientificMode = 2;
  int _minExponentDigits = 1;
  // One ICU format per mode, configured when a setting changes: switching a single format
  // between the modes would make ICU recompile it for nearly every value of a mixed column.
  ICUDecimalFormatWrapper _fixedFormat;
  ICUDecimalFormatWrapper _scientificFormat;
};

// `value` as written into format codes and document text: the general display with `precision`
// mantissa fraction digits in scientific mode.
[[nodiscard]] std::string doubleToString(Vesk::FloatNumber value, const LocaleContext& context,
                                         std::size_t precision);

// The formatter that turns formula numbers into strings: fixed from 0.0001 to 99999999999,
// otherwise scientific with up to 14 mantissa fraction digits.
[[nodiscard]] GeneralNumberFormatter createGeneralFormatter(const LocaleContext& context);

}  // namespace Vesk::OfficeUtils
