// The text of a list item's ordinal in a list number format ("12", "XII", "xii", "L", "ll"),
// and the way back from letter numbering to the ordinal.
#pragma once

#include <cstddef>
#include <string>

#include "host/DOM/OU_NumberFormatType.h"

namespace Vesk::OfficeUtils {

// The largest ordinals written in Roman numerals (3,999 is "MMMCMXCIX", the largest numeral
// without an overline) and in letters (100 repeats of "Z"). Larger ordinals are written in
// decimal digits, as word processors do, so the text stays short for any ordinal.
inline constexpr std::size_t MaxRomanOrdinal = 3999;
inline constexpr std::size_t MaxLetterOrdinal = 26 * 100;

// Decimal: 12 -> "12" (also for types 7 and above). Roman: 4 -> "IV" / "iv" (0 -> "").
// Letters repeat instead of carrying: 1 -> "A", 26 -> "Z", 27 -> "AA", 28 -> "BB", 53 -> "AAA";
// 0 -> "". Above the bounds: 4000 -> "4000" in Roman, 2601 -> "2601" in letters. Types 5 and 6
// are not supported: assertion "Unsupported type".
[[nodiscard]] std::string indexToString(std::size_t index, Vesk::DOM::NumberFormatType type);

// The inverse of the letter numbering: "c" -> 3, "ccc" -> 55. Anything else ("ab", "C" for the
// lower-case form, "", "{") gives 0, which is no ordinal.
[[nodiscard]] std::size_t convertLowerLatinLetterToDecimal(const std::string& text);
[[nodiscard]] std::size_t convertUpperLatinLetterToDecimal(const std::string& text);

}  // namespace Vesk::OfficeUtils
