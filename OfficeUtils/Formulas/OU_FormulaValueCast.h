// Conversions of formula values (empty, number, string, boolean, error) into what a spreadsheet
// function needs: a boolean, number, string, error, complex number or date-time. A `CastMode`
// chooses, per input kind, between converting, a default and "#VALUE!". Text is read under the
// caller's locale: its boolean and error words, and numbers and dates through input detection.
// Every refused conversion throws FormulaModel::FormulaException; an error input to toBool,
// toNumber, toComplex and toDateTime is rethrown with its own type. Stateless: any thread may
// cast while the contexts it reads stay unchanged.
#pragma once

#include <cstdint>
#include <string>

#include <boost/optional.hpp>
#include <boost/variant.hpp>

#include "OfficeUtils/Formulas/OU_ComplexNumber.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_DateTime.h"
#include "host/FormulaModel/OU_FormulaValue.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

class FormatContext;
class GeneralNumberFormatter;

class FormulaValueCast {
 public:
  // Four independent fields, one per input kind; combine one value per field with `|`:
  // EmptyToDefault | NumberConvert | StringConvert | BooleanConvert. A field left 0 (or holding
  // an unlisted value) refuses its input with "#VALUE!" where its operation allows that, and
  // fails the assertion "Unexpected cast mode" where the operation has no such reading.
  enum class CastMode : std::uint16_t {
    EmptyToDefault = 1,   // empty field, bits 0-1
    NumberToDefault = 4,  // number field (toBool only), bits 2-4
    NumberConvert = 8,
    NumberToError = 16,
    StringToDefault = 32,  // string field, bits 5-7
    StringConvert = 64,
    StringToError = 128,
    BooleanToDefault = 256,  // boolean field (toNumber, toDateTime), bits 8-10
    BooleanConvert = 512,
    BooleanToError = 1024,
  };

  using FormulaValue = Vesk::FormulaModel::FormulaValue;

  // The default of each field is `defaultValue`. Numbers convert as n != 0 (a NaN is true);
  // strings must equal the locale's word for true or false exactly ("TRUE", not "true").
  [[nodiscard]] static bool toBool(const FormulaValue& value, const LocaleContext& locale,
                                   CastMode mode, bool defaultValue);

  // The default of each field is 0; booleans convert to 1 or 0. A string converts when the
  // context's detection reads it as a finite number (also a percentage, fraction, currency
  // amount or date: "1.234,5" under de_DE, "31.12.2024" gives its serial there).
  [[nodiscard]] static Vesk::FloatNumber toNumber(const FormulaValue& value,
                                                  const FormatContext& context, CastMode mode);

  // Empty gives "", a number its own text when it has one, else the number under `formatter`
  // (null: the locale's formula number formatter, createGeneralFormatter); booleans and errors
  // give the locale's words. Never throws for these inputs.
  [[nodiscard]] static std::string toString(const FormulaValue& value, const LocaleContext& locale,
                                            const GeneralNumberFormatter* formatter = nullptr);

  // Numbers and booleans (1 or 0) as numbers; empty (""), strings and errors (their words) as
  // strings.
  [[nodiscard]] static boost::variant<std::string, Vesk::FloatNumber> toStringOrNumber(
      const FormulaValue& value, const LocaleContext& locale);

  // An error value's type, or the error whose localized word equals a string exactly ("#N/A"
  // under English, not "#n/a"); none for anything else.
  [[nodiscard]] static boost::optional<Vesk::FormulaModel::FormulaError> toError(
      const FormulaValue& value, const LocaleContext& locale);

  // Booleans and errors as they are; a string that is the locale's word for true or false, else
  // its toError; none for anything else.
  [[nodiscard]] static boost::optional<boost::variant<Vesk::DOM::FormulaErrorType, bool>>
  toErrorOrBool(const FormulaValue& value, const LocaleContext& locale);

  // Empty, numbers and booleans as real numbers without a letter. A string is read as complex
  // text: surrounding blanks, a real part and/or an imaginary part ending in "i" or "j" whose
  // coefficient may be a bare sign ("3+4i", "-j", " 1e+5 - 2.5i "); each part is a number,
  // fraction or scientific number under the context's detection. Anything else is "#VALUE!".
  [[nodiscard]] static ComplexNumber toComplex(const FormulaValue& value,
                                               const FormatContext& context);

  // Empty gives serial 0 by default; a number is a serial; the string and boolean defaults are
  // the current moment in UTC, and booleans convert to serial 1 or 0. A string converts when it
  // is a number in the locale's notation (a serial) or a date or time the locale's date
  // detection reads. A serial outside the date limits is "#VALUE!" for a string; for a number
  // input it throws DateLimitException as DateTime does.
  [[nodiscard]] static DateTime toDateTime(const FormulaValue& value, const LocaleContext& locale,
                                           CastMode mode);
};

[[nodiscard]] constexpr FormulaValueCast::CastMode operator|(FormulaValueCast::CastMode a,
                                                             FormulaValueCast::CastMode b) {
  return static_cast<FormulaValueCast::CastMode>(static_cast<std::uint16_t>(a) |
                                                 static_cast<std::uint16_t>(b));
}

}  // namespace Vesk::OfficeUtils
