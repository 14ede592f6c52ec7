// The host formula engine's values: empty, number, string, boolean and error, as one variant,
// and the exception that failed formula casts raise. Numbers may carry the cell format they
// were typed or computed with; the format is shared and never changed.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>

#include <boost/optional.hpp>
#include <boost/variant.hpp>

#include "host/DOM/OU_CellFormat.h"
#include "host/DOM/OU_FormulaTypes.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::FormulaModel {

// The format properties of a value: today only its cell format.
class FormulaValueProps {
 public:
  FormulaValueProps() = default;

  // A null format clears the properties, so the value carries no format.
  void setFormatProps(std::shared_ptr<const DOM::CellFormat> cellFormat) {
    _cellFormat = std::move(cellFormat);
  }
  [[nodiscard]] bool hasFormatProps() const { return _cellFormat != nullptr; }
  // Null when the value carries no format.
  [[nodiscard]] const std::shared_ptr<const DOM::CellFormat>& getCellFormat() const {
    return _cellFormat;
  }

  // Formats compare by value, not by address.
  friend bool operator==(const FormulaValueProps& a, const FormulaValueProps& b);

 private:
  std::shared_ptr<const DOM::CellFormat> _cellFormat;
};

class FormulaEmpty {
 public:
  friend bool operator==(const FormulaEmpty&, const FormulaEmpty&) = default;
};

// A number, optionally with the text it is shown as (which casts to text use as it stands)
// and with format properties.
class FormulaNumber {
 public:
  FormulaNumber() = default;
  explicit FormulaNumber(FloatNumber value) : _value(value) {}
  FormulaNumber(FloatNumber value, FormulaValueProps props)
      : _value(value), _props(std::move(props)) {}
  FormulaNumber(FloatNumber value, boost::optional<std::string> text, FormulaValueProps props = {})
      : _value(value), _text(std::move(text)), _props(std::move(props)) {}

  [[nodiscard]] FloatNumber getValue() const { return _value; }
  [[nodiscard]] const boost::optional<std::string>& getText() const { return _text; }
  [[nodiscard]] const FormulaValueProps& getProps() const { return _props; }
  FormulaValueProps& getProps() { return _props; }

  // Values compare as FloatNumber does, with its tolerance.
  friend bool operator==(const FormulaNumber&, const FormulaNumber&) = default;

 private:
  FloatNumber _value;
  boost::optional<std::string> _text;
  FormulaValueProps _props;
};

class FormulaString {
 public:
  explicit FormulaString(std::string value) : _value(std::move(value)) {}

  [[nodiscard]] const std::string& getValue() const { return _value; }

  friend bool operator==(const FormulaString&, const FormulaString&) = default;

 private:
  std::string _value;
};

class FormulaBoolean {
 public:
  explicit FormulaBoolean(bool value) : _value(value) {}

  [[nodiscard]] bool getValue() const { return _value; }

  friend bool operator==(const FormulaBoolean&, const FormulaBoolean&) = default;

 private:
  bool _value;
};

class FormulaError {
 public:
  explicit FormulaError(DOM::FormulaErrorType type) : _type(type) {}

  [[nodiscard]] DOM::FormulaErrorType getType() const { return _type; }

  friend bool operator==(const FormulaError&, const FormulaError&) = default;

 private:
  DOM::FormulaErrorType _type;
};

using FormulaValue =
    boost::variant<FormulaEmpty, FormulaNumber, FormulaString, FormulaBoolean, FormulaError>;

[[nodiscard]] FormulaValue getFormulaEmpty();
[[nodiscard]] bool isFormulaEmpty(const FormulaValue& value);
[[nodiscard]] FormulaValue getFormulaTrue();
[[nodiscard]] FormulaValue getFormulaFalse();
// The "#DIV/0!" error value.
[[nodiscard]] FormulaValue getFormulaDiv0Error();
// The number when the value is one, none otherwise.
[[nodiscard]] boost::optional<FormulaNumber> asFormulaNumberOpt(const FormulaValue& value);

// A formula cast that failed with a spreadsheet error; what() is the English error word
// ("#VALUE!"), or "formula error 9" for a type outside the known ones.
class FormulaException : public BaseRuntimeError {
 public:
  explicit FormulaException(DOM::FormulaErrorType type);

  [[nodiscard]] DOM::FormulaErrorType getErrorType() const { return _type; }

 private:
  DOM::FormulaErrorType _type;
};

// One-line dumps for test messages: Number{0.125 text none format CellFormat{...}}.
std::ostream& operator<<(std::ostream& out, const FormulaValueProps& props);
std::ostream& operator<<(std::ostream& out, const FormulaEmpty& value);
std::ostream& operator<<(std::ostream& out, const FormulaNumber& value);
std::ostream& operator<<(std::ostream& out, const FormulaString& value);
std::ostream& operator<<(std::ostream& out, const FormulaBoolean& value);
std::ostream& operator<<(std::ostream& out, const FormulaError& value);

}  // namespace Vesk::FormulaModel
