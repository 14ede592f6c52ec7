// Numbers in scientific notation under the digit patterns of a format code ("0.00E+00"): the
// mantissa padded as NumberFormatter pads, the exponent padded to its own pattern.
#pragma once

#include <cstddef>
#include <string>

#include "OfficeUtils/Formatters/OU_NumberFormatter.h"

namespace Vesk::OfficeUtils {

// A mantissa under the number pattern and an exponent under the exponent pattern: number
// pattern "0.00" and exponent pattern "00" render 12345 as "1.23", "E", "+", "04".
class ScientificFormatter final : public NumberFormatter {
 public:
  explicit ScientificFormatter(const LocaleContext& context);
  ScientificFormatter(const LocaleContext& context, const ICUDecimalFormatWrapper& decimalFormat);
  ScientificFormatter(std::string pattern, const LocaleContext& context);
  ScientificFormatter(std::string pattern, const LocaleContext& context,
                      const ICUDecimalFormatWrapper& decimalFormat);

  void setExponentPattern(std::string pattern) { _exponentPattern = std::move(pattern); }
  [[nodiscard]] const std::string& getExponentPattern() const { return _exponentPattern; }
  void setAlwaysShowExponentSign(bool value) { _alwaysShowExponentSign = value; }
  [[nodiscard]] bool getAlwaysShowExponentSign() const { return _alwaysShowExponentSign; }

  // Alternative 1. NaN and the infinities give alternative 0 instead, the text the general
  // formatter writes for them (ICU's symbols, "NaN", "∞", "-∞"): they have no exponent.
  [[nodiscard]] FormatterResult operator()(Vesk::FloatNumber value) const override;

  // Pads the exponent digits to the pattern: "00" turns "5" into "05", "0.0" turns "5" into
  // "5.0".
  [[nodiscard]] std::string processByExponentPattern(std::string digits) const;
  void processExponentPatternPlaceholder(std::size_t index, std::string& out) const;

 private:
  std::string _exponentPattern = "00";
  bool _alwaysShowExponentSign = true;
};

}  // namespace Vesk::OfficeUtils
