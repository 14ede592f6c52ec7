// Splits plain number text (sign, mantissa with the locale's decimal separator, exponent) into
// its parts. The parts are views into the caller's text, which must outlive them.
#pragma once

#include <cstddef>
#include <string_view>

#include <boost/optional.hpp>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "OfficeUtils/Utils/OU_Utils.h"

namespace Vesk::OfficeUtils {

struct NumberParts {
  std::string_view sign;    // "", "+" or "-"
  std::string_view number;  // "12.5", "12." or ".5" ("12,5" under a comma locale)
  std::size_t numberPosition = std::string_view::npos;  // byte offset of `number`
  std::string_view exponent;                            // "e+10", "E5" or empty
  std::string_view exponentLiteral;                     // "e+", "E" or empty
};

// The whole text must be the number: "-.5e+3" splits into "-", ".5", "e+3", "e+"; "1,5" under
// a point locale, ".", "" and " 5" give none. No spaces, group separators or signs of currency
// or percent are allowed.
[[nodiscard]] boost::optional<NumberParts> parseNumber(std::string_view text,
                                                       const LocaleContext& context);
// The same with the separator kind given, as getDecimalSeparatorType gives it for a locale.
[[nodiscard]] boost::optional<NumberParts> parseNumber(std::string_view text,
                                                       DecimalSeparatorType separatorType);

}  // namespace Vesk::OfficeUtils
