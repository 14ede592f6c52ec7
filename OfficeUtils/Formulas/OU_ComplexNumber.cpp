#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

#include <cmath>

#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"
#include "OfficeUtils/OU_Assert.h"
#include "host/FormulaModel/OU_FormulaValue.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Formulas/OU_ComplexNumber";
constexpr std::size_t ScientificPrecision = 15;

// One signed part: "-" for negatives, "+" for positives when asked, nothing for zero; then the
// digits of |value| unless the part is a bare unit.
void appendPart(std::string& out, double value, bool withPlus, bool withDigits,
                const GeneralNumberFormatter& formatter) {
  if (value < 0) {
    out += '-';
  } else if (value > 0 && withPlus) {
    out += '+';
  }
  if (withDigits) {
    out += formatter(std::fabs(value));
  }
}

}  // namespace

boost::optional<ImaginarySuffix::Suffix> ImaginarySuffix::charToSuffix(char c) {
  switch (c) {
    case 'i':
      return Suffix::I;
    case 'j':
      return Suffix::J;
    default:
      return boost::none;
  }
}

boost::optional<ImaginarySuffix::Suffix> ImaginarySuffix::stringToSuffix(const std::string& s) {
  return s.size() == 1 ? charToSuffix(s.front()) : boost::none;
}

bool ImaginarySuffix::setSuffixFromChar(char c) {
  _suffix = charToSuffix(c);
  return isDefined();
}

bool ImaginarySuffix::setSuffixFromString(const std::string& s) {
  _suffix = stringToSuffix(s);
  return isDefined();
}

void ImaginarySuffix::intersect(const ImaginarySuffix& other) {
  if (!isDefined() && other.isDefined()) {
    _suffix = other._suffix;
  }
}

std::string ComplexNumber::toString(const LocaleContext& locale) const {
  // Adding 0.0 turns a negative zero into a positive one and leaves every other value alone.
  const double re = _value.real.getValue() + 0.0;
  const double im = _value.imaginary.getValue() + 0.0;
  if (!std::isfinite(re) || !std::isfinite(im)) {
    throw Vesk::FormulaModel::FormulaException(Vesk::DOM::FormulaErrorType::Num);
  }
  // One formatter serves both parts.
  GeneralNumberFormatter formatter(locale);
  formatter.setPrecisionForScientificMode(ScientificPrecision);
  std::string result;
  if (im == 0 || re != 0) {
    appendPart(result, re, false, true, formatter);
  }
  if (im != 0) {
    appendPart(result, im, !result.empty(), Vesk::FloatNumber(std::fabs(im)) != 1.0, formatter);
    result += _suffix.toChar();
  }
  OU_ASSERT(!result.empty());
  return result;
}

}  // namespace Vesk::OfficeUtils
