// Builds the standard cell formats that typed-input detection gives what a user typed: numbers,
// currency and accounting amounts, percentages, scientific numbers, fractions, dates and times,
// text and General. A factory refers to its locale context, which must outlive it, and holds
// nothing else: copies are cheap and calls may run on several threads at once. Every format is
// a new immutable object, except the shared text and General formats.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <boost/optional.hpp>
#include <boost/variant.hpp>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/DOM/OU_CellFormat.h"
#include "host/DOM/OU_CellFormatModel.h"
#include "host/Utils/OU_TaggedValue.h"

namespace Vesk::OfficeUtils {

struct DenominatorDigitsNumberTag {};
struct DenominatorValueTag {};
// A fraction's denominator: its count of "?" placeholders ("# ?/??" has 2), or a fixed value
// ("# ?/16").
using DenominatorDigitsNumber = Vesk::TaggedValue<unsigned long, DenominatorDigitsNumberTag>;
using DenominatorValue = Vesk::TaggedValue<unsigned long, DenominatorValueTag>;
using Denominator = boost::variant<DenominatorDigitsNumber, DenominatorValue>;

class CellFormatFactory {
 public:
  using CellFormatPtr = std::shared_ptr<const Vesk::DOM::CellFormat>;

  // How the negative section shows the amount: "-#,##0.00" or "(#,##0.00)".
  enum class NegativeNumberRenderingPolicy : std::uint8_t {
    MinusSign = 0,
    Parentheses = 1,
  };

  // Accounting fills the cell between the currency and the amount ("* #,##0.00[$€]"); any
  // value other than Accounting gives the plain layout.
  enum class CurrencyType : std::uint8_t {
    Regular = 0,
    Accounting = 1,
  };

  explicit CellFormatFactory(const LocaleContext& context) : _context(&context) {}

  // The placeholders of a number part: (3, true) gives "###0.000", (0, false) gives "0". The
  // written code's "," comes from the number item's grouping flag, not from the pattern.
  [[nodiscard]] std::string makeNumberPattern(unsigned long decimals, bool grouping) const;

  // Without a policy, a red flag gives a negative section with the same items in red; with one,
  // the negative section shows a minus or parentheses, red with the flag: (2, true, true,
  // MinusSign) writes "#,##0.00;[red]-#,##0.00", (0, false, false, Parentheses) "0;(0)".
  [[nodiscard]] CellFormatPtr makeNumberFormat(
      unsigned long decimals, bool grouping, bool negativeInRed,
      boost::optional<NegativeNumberRenderingPolicy> policy) const;

  // A grouped amount and a currency, placed as the locale places its symbol. `currency` is
  // matched without regard to case against the locale's currency symbols, then its codes, and
  // written as the list writes it ("usd" becomes "USD"); other text is kept as it is; an empty
  // currency is the locale's own symbol. A symbol stands right next to the amount, anything else
  // one space away: "#,##0.00[$€]", "#,##0.00 [$USD]".
  [[nodiscard]] CellFormatPtr makeCurrencyFormat(
      unsigned long decimals, std::string currency, bool negativeInRed,
      boost::optional<NegativeNumberRenderingPolicy> policy, CurrencyType type) const;

  // (2) writes "0.00%".
  [[nodiscard]] CellFormatPtr makePercentageFormat(unsigned long decimals) const;
  // (2) writes "0.00E+00", (0) "0E+00".
  [[nodiscard]] CellFormatPtr makeScientificFormat(unsigned long decimals) const;
  // (digits 2, 2) writes "# ??/??", (value 16, 1) "# ?/16". Both counts of "?" must be at least
  // 1: a number part without placeholders does not read back as one.
  [[nodiscard]] CellFormatPtr makeFractionFormat(const Denominator& denominator,
                                                 unsigned long numeratorDigits) const;

  // Formats whose code the locale gives when it is written: Date is "m/d/yyyy" in a
  // month-first locale with "/", "dd.mm.yyyy" in a day-first one with ".".
  [[nodiscard]] static CellFormatPtr makeDateTimeFormat(
      Vesk::DOM::CellFormatModel::DateTimeDefaultType type);
  [[nodiscard]] static CellFormatPtr makeDateTimeFormat(
      const Vesk::DOM::CellFormatModel::DateTimePatternItemSet& items);

  // "@" and "General": one object each for the process, built on first use.
  [[nodiscard]] static CellFormatPtr makeTextFormat();
  [[nodiscard]] static CellFormatPtr makeDefaultFormat();

 private:
  const LocaleContext* _context;
};

}  // namespace Vesk::OfficeUtils
