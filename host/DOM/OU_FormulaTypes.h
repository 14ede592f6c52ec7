// Enumerations of the host document library that identify formula dialects, formula errors and
// spreadsheet functions.
#pragma once

#include <cstdint>

namespace Vesk::DOM {

// 0 the OpenDocument dialect; 1, 2 and 3 dialects that share the OOXML function names.
enum class FormulaType : std::uint8_t {
  OpenDocument = 0,
  OOXML = 1,
  OOXMLStrict = 2,
  OOXMLTransitional = 3,
};

enum class FormulaErrorType : std::uint8_t {
  Null = 1,         // "#NULL!"
  Div0 = 2,         // "#DIV/0!"
  Value = 3,        // "#VALUE!"
  Ref = 4,          // "#REF!"
  Name = 5,         // "#NAME?"
  Num = 6,          // "#NUM!"
  NA = 7,           // "#N/A"
  GettingData = 8,  // "#GETTING_DATA"
};

// The English error word of an error type ("#DIV/0!"); empty for a value outside 1..8.
const char* formulaErrorTypeToString(FormulaErrorType type);

}  // namespace Vesk::DOM

#include "host/DOM/OU_FormulaFunctionType.h"
