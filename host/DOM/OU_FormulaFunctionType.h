// The spreadsheet functions, 1 to 444; 0 names no function. 16 bits wide.
#pragma once

#include <cstdint>

namespace Vesk::DOM {

enum class FormulaFunctionType : std::uint16_t {
  None = 0,
};

}  // namespace Vesk::DOM
