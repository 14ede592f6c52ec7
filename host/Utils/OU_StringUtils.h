// UTF-8 string helpers of the host: case mapping through ICU, case-insensitive comparison by
// simple case folding, code-point counting and slicing, integer parsing and Roman numerals.
// Ill-formed UTF-8 never fails: each bad byte counts as one U+FFFD code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <boost/optional.hpp>
#include <unicode/locid.h>

namespace Vesk {

// Full case mapping under `locale` ("straße" -> "STRASSE"; "i" -> "İ" under Turkish).
[[nodiscard]] std::string utf8StringToUpperCase(
    std::string_view text, const icu::Locale& locale = icu::Locale::getDefault());
[[nodiscard]] std::string utf8StringToLowerCase(
    std::string_view text, const icu::Locale& locale = icu::Locale::getDefault());

// Three-way comparison by code point (byte order, for valid UTF-8); with `caseInsensitive`
// each code point is simply case folded first ("Sum" == "SUM" == "sum"). Result <0, 0 or >0.
[[nodiscard]] int utf8StringCompare(std::string_view a, std::string_view b, bool caseInsensitive);

// Each code point simply case folded, re-encoded ("Sum" -> "sum", "ÄB" -> "äb"; an ill-formed
// sequence becomes U+FFFD as in the comparison). Plain byte order of folded texts is the order of
// utf8StringCompare(a, b, true), so keys folded once can be compared without decoding.
[[nodiscard]] std::string utf8StringFoldCase(std::string_view text);

// The strict weak ordering that utf8StringCompare(a, b, true) defines; transparent, so ordered
// containers of std::string can be searched with a string_view.
struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const {
    return utf8StringCompare(a, b, true) < 0;
  }
};

// Number of code points.
[[nodiscard]] std::size_t getUnicodeCharsCount(std::string_view text);

// `count` code points from code point `start`, clipped to the text; a view into `text`.
[[nodiscard]] std::string_view utf8SubStr(std::string_view text, std::size_t start,
                                          std::size_t count = std::string_view::npos);

// Parses an integer as std::stoi does (leading white space, optional sign, digits of `base`;
// base 0 detects "0x" and "0"), but answers none instead of throwing on no digits or on
// overflow. `position`, when given, receives the number of bytes consumed.
[[nodiscard]] boost::optional<int> strToInt(const std::string& text,
                                            std::size_t* position = nullptr, int base = 10);

// 1 -> "I", 1994 -> "MCMXCIV", 4000 -> "MMMM"; 0 -> "". `form` 0 is the classic subtractive
// form, the only one supported; other forms give the same text.
[[nodiscard]] std::string convertArabicToUpperRomanNumber(unsigned long number, int form = 0);

namespace ASCII {
// Space, tab, line feed, vertical tab, form feed, carriage return; never locale-dependent.
constexpr bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace ASCII

}  // namespace Vesk
