// One ICU decimal format configured for spreadsheet display under a locale: the locale's decimal
// and thousands separators, half-up rounding, no grouping, up to 340 fraction digits. Every
// number the library renders as digits goes through toString. Not shared between threads while
// a setter runs; copying clones the ICU object (a few microseconds), so keep and reuse wrappers.
#pragma once

#include <memory>
#include <string>

#include <unicode/uversion.h>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/Utils/OU_FloatNumber.h"

U_NAMESPACE_BEGIN
class DecimalFormat;
U_NAMESPACE_END

namespace Vesk::OfficeUtils {

class ICUDecimalFormatWrapper {
 public:
  // Throws Vesk::ICUError when ICU cannot build the symbols or the format.
  explicit ICUDecimalFormatWrapper(const LocaleContext& context);
  ICUDecimalFormatWrapper(const ICUDecimalFormatWrapper& other);
  ICUDecimalFormatWrapper& operator=(const ICUDecimalFormatWrapper& other);
  // The source is left empty: only assignment and destruction are valid on it afterwards.
  ICUDecimalFormatWrapper(ICUDecimalFormatWrapper&& other) noexcept;
  ICUDecimalFormatWrapper& operator=(ICUDecimalFormatWrapper&& other) noexcept;
  ~ICUDecimalFormatWrapper();

  [[nodiscard]] bool isScientificNotation() const;
  [[nodiscard]] bool hasGrouping() const;
  [[nodiscard]] bool getAlwaysShowDecimalSeparator() const;
  // The maximum count of fraction digits.
  [[nodiscard]] int getPrecision() const;
  [[nodiscard]] int getMinIntegerDigits() const;
  [[nodiscard]] int getMinExponentDigits() const;
  [[nodiscard]] bool getAlwaysShowExponentSign() const;

  // ICU keeps scientific notation as a minimum exponent digit count: switching it on sets that
  // count to 1, and setting the count switches it on. Set the exponent digits after the notation.
  void setScientificNotation(bool value);
  void setGrouping(bool value);
  void setAlwaysShowDecimalSeparator(bool value);
  void setPrecision(int value);
  void setMinIntegerDigits(int value);
  // Narrowed to a signed byte (Vesk::BadNumCastError beyond it).
  void setMinExponentDigits(int value);
  void setAlwaysShowExponentSign(bool value);

  // 1234567.5 -> "1234567.5" (the locale's separator); with minimum integer digits 0 and no
  // scientific notation a leading "0" is dropped: 0.5 -> ".5", 0 -> "".
  [[nodiscard]] std::string toString(double value) const;
  [[nodiscard]] std::string toString(Vesk::FloatNumber value) const;

  [[nodiscard]] static int getDefaultMaximumFractionDigits() { return 340; }

 private:
  std::unique_ptr<icu::DecimalFormat> _format;
};

}  // namespace Vesk::OfficeUtils
