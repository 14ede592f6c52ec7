#include "host/FormulaModel/OU_FormulaValue.h"

#include <ostream>

#include <fmt/format.h>

namespace Vesk::FormulaModel {

namespace {

std::string errorMessage(DOM::FormulaErrorType type) {
  const std::string word = DOM::formulaErrorTypeToString(type);
  return word.empty() ? fmt::format("formula error {}", static_cast<unsigned>(type)) : word;
}

}  // namespace

bool operator==(const FormulaValueProps& a, const FormulaValueProps& b) {
  if (a._cellFormat == b._cellFormat) return true;  // the same format, or both none
  return a._cellFormat && b._cellFormat && *a._cellFormat == *b._cellFormat;
}

FormulaValue getFormulaEmpty() {
  return FormulaEmpty();
}

bool isFormulaEmpty(const FormulaValue& value) {
  return boost::get<FormulaEmpty>(&value) != nullptr;
}

FormulaValue getFormulaTrue() {
  return FormulaBoolean(true);
}

FormulaValue getFormulaFalse() {
  return FormulaBoolean(false);
}

FormulaValue getFormulaDiv0Error() {
  return FormulaError(DOM::FormulaErrorType::Div0);
}

boost::optional<FormulaNumber> asFormulaNumberOpt(const FormulaValue& value) {
  if (const auto* number = boost::get<FormulaNumber>(&value)) return *number;
  return boost::none;
}

FormulaException::FormulaException(DOM::FormulaErrorType type)
    : BaseRuntimeError(errorMessage(type)), _type(type) {}

std::ostream& operator<<(std::ostream& out, const FormulaValueProps& props) {
  if (!props.hasFormatProps()) return out << "none";
  return out << *props.getCellFormat();
}

std::ostream& operator<<(std::ostream& out, const FormulaEmpty&) {
  return out << "Empty{}";
}

std::ostream& operator<<(std::ostream& out, const FormulaNumber& value) {
  out << "Number{" << value.getValue() << " text ";
  if (value.getText()) {
    out << '"' << *value.getText() << '"';
  } else {
    out << "none";
  }
  return out << " format " << value.getProps() << "}";
}

std::ostream& operator<<(std::ostream& out, const FormulaString& value) {
  return out << "String{\"" << value.getValue() << "\"}";
}

std::ostream& operator<<(std::ostream& out, const FormulaBoolean& value) {
  return out << "Boolean{" << (value.getValue() ? "true" : "false") << "}";
}

std::ostream& operator<<(std::ostream& out, const FormulaError& value) {
  return out << "Error{" << errorMessage(value.getType()) << "}";
}

}  // namespace Vesk::FormulaModel
