// Helpers of the format-code scanner's rule actions: each cuts the value of a token out of its
// lexeme. Results are views into the argument; a lexeme of the wrong shape is a programming
// error and fails an assertion.
#pragma once

#include <string_view>

namespace Vesk::OfficeUtils::LexerPrologue {

// "*-" -> "-"; drops one byte.
[[nodiscard]] std::string_view trimFirstChar(std::string_view str);
// "\"abc\"" -> "abc".
[[nodiscard]] std::string_view trimQuoteMarks(std::string_view str);
// "[<=100]" -> "<=100".
[[nodiscard]] std::string_view trimSquareBrackets(std::string_view str);
// "[$€-407]" -> "€-407".
[[nodiscard]] std::string_view trimCurrency(std::string_view str);
// "[$-409]" -> "409".
[[nodiscard]] std::string_view trimLanguage(std::string_view str);
// "[Color 12]" -> "12": from the first to the last decimal digit.
[[nodiscard]] std::string_view trimColorNumber(std::string_view str);

}  // namespace Vesk::OfficeUtils::LexerPrologue
