// The host document model's number format of a list level: how a list item's ordinal is written.
#pragma once

#include <cstdint>

namespace Vesk::DOM {

// One byte; values beyond the named ones occur in documents (5 and 6 are formats the numbering
// text does not support, 7 and above are written as decimal digits).
enum class NumberFormatType : std::uint8_t {
  Decimal = 0,      // 1, 2, 3
  UpperRoman = 1,   // I, II, III
  LowerRoman = 2,   // i, ii, iii
  UpperLetter = 3,  // A, B, ..., Z, AA, BB
  LowerLetter = 4,  // a, b, ..., z, aa, bb
};

}  // namespace Vesk::DOM
