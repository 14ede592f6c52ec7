// Numbers as a spreadsheet's "General" display shows them: plain digits inside a magnitude
// window, scientific notation with a two-digit signed exponent outside it ("1E+11", "9E-09").
// A formatter is used by one thread at a time. Built from a locale context, it writes finite
// values from their shortest round-trip digits by arithmetic, with the text ICU's formats give
// (past fifteen mantissa fraction digits, where ICU can write a malformed mantissa, the correctly
// rounded one), and builds those formats only for the values that need them (NaN, infinities);
// built from a decimal-format wrapper, it formats through ICU.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/optional.hpp>

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
  // One ICU format per mode, configured when a setting changes: switching a single format
  // between the modes would make ICU recompile it for nearly every value of a mixed column.
  struct ICUFormats {
    ICUDecimalFormatWrapper fixed;
    ICUDecimalFormatWrapper scientific;
  };

  void configure() const;
  const ICUFormats& icuFormats() const;
  std::string formatByDigits(double value, bool scientific) const;

  Vesk::FloatNumber _thresholdOfMax = 99999999999.0;
  Vesk::FloatNumber _thresholdOfMin = 0.00000001;
  int _precisionForFixedMode = ICUDecimalFormatWrapper::getDefaultMaximumFractionDigits();
  int _precisionForScientificMode = 2;
  int _minExponentDigits = 1;
  // Set when built from a locale context: the context the ICU formats are made from on demand,
  // and its decimal separator, the one symbol of those formats that is not fixed.
  const LocaleContext* _context = nullptr;
  std::string _decimalSeparator;
  mutable boost::optional<ICUFormats> _icuFormats;
};

// `value` as written into format codes and document text: the general display with `precision`
// mantissa fraction digits in scientific mode.
[[nodiscard]] std::string doubleToString(Vesk::FloatNumber value, const LocaleContext& context,
                                         std::size_t precision);

// The formatter that turns formula numbers into strings: fixed from 0.0001 to 99999999999,
// otherwise scientific with up to 14 mantissa fraction digits.
[[nodiscard]] GeneralNumberFormatter createGeneralFormatter(const LocaleContext& context);

}  // namespace Vesk::OfficeUtils
