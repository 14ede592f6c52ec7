#include "host/DOM/OU_FormulaTypes.h"

namespace Vesk::DOM {

const char* formulaErrorTypeToString(FormulaErrorType type) {
  switch (type) {
    case FormulaErrorType::Null:
      return "#NULL!";
    case FormulaErrorType::Div0:
      return "#DIV/0!";
    case FormulaErrorType::Value:
      return "#VALUE!";
    case FormulaErrorType::Ref:
      return "#REF!";
    case FormulaErrorType::Name:
      return "#NAME?";
    case FormulaErrorType::Num:
      return "#NUM!";
    case FormulaErrorType::NA:
      return "#N/A";
    case FormulaErrorType::GettingData:
      return "#GETTING_DATA";
  }
  return "";
}

}  // namespace Vesk::DOM
