// Numbers under a digit pattern taken from a format code: "0" (a digit, 0 when absent), "?" (a
// digit, a space when absent), "#" (a digit, nothing when absent) and at most one ".". ICU makes
// the digits, separators and rounding; the formatters pad them to the pattern and group the
// padding. A formatter keeps its ICU format, refers to its locale context (which must outlive
// it) and is used by one thread at a time.
#pragma once

#include <cstddef>
#include <string>

#include <boost/variant.hpp>

#include "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

// A scientific number split at the exponent: "1.5E+03" is mantissa "1.5", sign "+", power "03".
class ScientificFormatterResult {
 public:
  // `number` must hold the context's exponent literal with at least one character after it (and
  // after a sign); anything else is a programming error (assertion).
  ScientificFormatterResult(const std::string& number, const LocaleContext& context);

  [[nodiscard]] const std::string& getMantissa() const { return _mantissa; }
  void setMantissa(std::string mantissa) { _mantissa = std::move(mantissa); }
  // "", "+" or "-".
  [[nodiscard]] const std::string& getExponentSign() const { return _exponentSign; }
  [[nodiscard]] const std::string& getExponentPower() const { return _exponentPower; }
  void setExponentPower(std::string power) { _exponentPower = std::move(power); }
  // Mantissa, exponent literal, sign, power.
  [[nodiscard]] std::string toString() const;

 private:
  const LocaleContext* _context;
  std::string _mantissa;
  std::string _exponentSign;
  std::string _exponentPower;
};

// Alternative 0 from FixedNumberFormatter, 1 from ScientificFormatter.
using FormatterResult = boost::variant<std::string, ScientificFormatterResult>;

[[nodiscard]] std::string getFormatterResultAsString(const FormatterResult& result,
                                                     const LocaleContext& context);

class NumberFormatter {
 public:
  explicit NumberFormatter(const LocaleContext& context);
  NumberFormatter(const LocaleContext& context, const ICUDecimalFormatWrapper& decimalFormat);
  NumberFormatter(std::string pattern, const LocaleContext& context);
  NumberFormatter(std::string pattern, const LocaleContext& context,
                  const ICUDecimalFormatWrapper& decimalFormat);
  virtual ~NumberFormatter() = default;

  [[nodiscard]] virtual FormatterResult operator()(Vesk::FloatNumber value) const = 0;

  void setNumberPattern(std::string pattern) { _numberPattern = std::move(pattern); }
  [[nodiscard]] const std::string& getNumberPattern() const { return _numberPattern; }
  void setGrouping(bool grouping) { _grouping = grouping; }
  [[nodiscard]] bool hasGrouping() const { return _grouping; }
  [[nodiscard]] const LocaleContext& getLocaleContext() const { return *_context; }
  // The formatter's own ICU format; the call operators reconfigure it for every value.
  [[nodiscard]] ICUDecimalFormatWrapper& getDecimalFormat() const { return _decimalFormat; }

  // Pads ICU's text to the pattern: the fraction to its trailing "0"/"?" placeholders, the
  // integer part to its leading ones, with thousands separators in the padding when grouping
  // is on. `patternDecimalPos` is the position of "." in the pattern, npos without one.
  // Pattern "0000" with grouping: "123" -> "0,123"; pattern "??0.0?": ".5" -> "  0.5 ".
  [[nodiscard]] std::string processByNumberPattern(std::string formatted,
                                                   std::size_t patternDecimalPos) const;
  // Appends what the placeholder at `index` adds where ICU wrote no digit; the separator is
  // the thousands separator before a "0", a space before a "?", nothing for a "#".
  void processNumberPatternPlaceholder(std::size_t index, bool withSeparator,
                                       std::string& out) const;

 protected:
  NumberFormatter(const NumberFormatter&) = default;
  // Sets the ICU format's decimal separator, fraction digits and grouping from the pattern and
  // returns the position of "." in the pattern (npos without one).
  std::size_t applyPatternToDecimalFormat() const;
  // What a placeholder adds where ICU wrote no digit: "0" a zero, "?" a space, "#" nothing;
  // false, adding nothing, for any other character.
  static bool appendPlaceholderPadding(char placeholder, std::string& out);
  NumberFormatter& operator=(const NumberFormatter&) = default;

 private:
  std::string _numberPattern = "#.#";
  bool _grouping = false;
  const LocaleContext* _context;
  mutable ICUDecimalFormatWrapper _decimalFormat;
};

// Plain digits: pattern "0.00" renders 2.675 as "2.68", pattern "#.#" renders 5 as "5.".
class FixedNumberFormatter final : public NumberFormatter {
 public:
  explicit FixedNumberFormatter(const LocaleContext& context);
  FixedNumberFormatter(std::string pattern, const LocaleContext& context);
  FixedNumberFormatter(std::string pattern, const LocaleContext& context,
                       const ICUDecimalFormatWrapper& decimalFormat);

  // Alternative 0. NaN and the infinities give the text the general formatter writes for them
  // (ICU's symbols, "NaN", "∞", "-∞"), whatever the pattern.
  [[nodiscard]] FormatterResult operator()(Vesk::FloatNumber value) const override;
};

}  // namespace Vesk::OfficeUtils
