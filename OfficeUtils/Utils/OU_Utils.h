// Number text to numbers, in two flavours. The locale-aware conversions accept exactly one
// optional sign, ASCII digits with the locale's decimal separator and an optional exponent
// ("-1,5e3" under a comma locale), whatever ICU's default locale: std::from_chars reads them
// where the separator is "." or ",", ICU elsewhere, to the same correctly rounded value. The
// locale-free ones read the first value of the text with the classic "C" conventions. Both are
// thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/optional.hpp>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

enum class DecimalSeparatorType : std::uint8_t {
  Point = 0,
  Comma = 1,
};

// Comma exactly when the locale's decimal separator is ","; Point for anything else.
[[nodiscard]] DecimalSeparatorType getDecimalSeparatorType(const LocaleContext& context);

// The longest text the locale-aware conversions read: the exact decimal form of any double fits
// (the smallest subnormal written out is "0." and 1,074 fraction digits, with a sign 1,077
// characters). A longer text gives none, as an unreadable one does, in constant time.
inline constexpr std::size_t MaxNumberTextLength = 1100;

// Locale-aware: the whole text must be a number (see parseNumber); anything else gives none.
// "+7" gives 7. Integer results truncate toward zero ("2.9" -> 2, "-2.9" -> -2); a value outside
// the result type throws Vesk::BadNumCastError ("3e9" for stringToInt).
[[nodiscard]] boost::optional<std::int32_t> stringToInt(const std::string& text,
                                                        const LocaleContext& context);
[[nodiscard]] boost::optional<std::int64_t> stringToLong(const std::string& text,
                                                         const LocaleContext& context);
// Never throws; out-of-range exponents give an infinity or zero ("1e400" -> inf).
[[nodiscard]] boost::optional<double> stringToDouble(const std::string& text,
                                                     const LocaleContext& context);
// stringToDouble with negative zero turned into zero.
[[nodiscard]] boost::optional<Vesk::FloatNumber> stringToFloatNumber(const std::string& text,
                                                                     const LocaleContext& context);

// Locale-free: leading white space is skipped and anything after the first value is ignored
// ("  42xyz" -> 42, "abc" -> none, "" -> none); a value out of range gives none.
[[nodiscard]] boost::optional<std::int32_t> stringToInt(const std::string& text);
[[nodiscard]] boost::optional<double> stringToDouble(const std::string& text);
// As the standard streams read unsigned values, "-1" gives the largest size.
[[nodiscard]] boost::optional<std::size_t> stringToSizeT(const std::string& text);

// The spacing between a currency and an amount: "" for no currency or a currency written as
// one of the locale's currency symbols (also bracketed as in a format code, "[$€]"), else one
// space ("USD"). Compared after lower-casing under ICU's default locale, against the lists the
// context lowered once (LocaleContext::getCurrencyLists).
[[nodiscard]] std::string getCurrencySeparationSymbol(const boost::optional<std::string>& currency,
                                                      const LocaleContext& context);

}  // namespace Vesk::OfficeUtils
