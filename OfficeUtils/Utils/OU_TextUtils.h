// The text of a list item's ordinal in a list number format ("12", "XII", "xii", "L", "ll"),
// and the way back from letter numbering to the ordinal.
#pragma once

#include <cstddef>
#include <string>

#include "host/DOM/OU_NumberFormatType.h"

namespace Vesk::OfficeUtils {

// Decimal: 12 -> "12" (also for types 7 and above). Roman: 4 -> "IV" / "iv" (0 -> "").
// Letters repeat instead of carrying: 1 -> "A", 26 -> "Z", 27 -> "AA", 28 -> "BB", 53 -> "AAA";
// 0 -> "". Types 5 and 6 are not supported: assertion "Unsupported type".
[[nodiscard]] std::string indexToString(std::size_t index, Vesk::DOM::NumberFormatType type);

// The inverse of the letter numbering: "c" -> 3, "ccc" -> 55. Anything else ("ab", "C" for the
// lower-case form, "", "{") gives 0, which is no ordinal.
[[nodiscard]] std::size_t convertLowerLatinLetterToDecimal(const std::string& text);
[[nodiscard]] std::size_t convertUpperLatinLetterToDecimal(const std::string& text);

}  // namespace Vesk::OfficeUtils
