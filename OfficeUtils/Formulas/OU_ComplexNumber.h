// Complex numbers as the engineering functions see them: a value plus the imaginary-unit letter
// ("i" or "j") that the source text used, so that a result is written back with the same letter.
// Parsing complex text belongs to the formula value casts; this header holds the value types and
// their rendering under a locale.
#pragma once

#include <string>

#include <boost/optional.hpp>

#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/Utils/OU_FloatNumber.h"

namespace Vesk::OfficeUtils {

// The optional imaginary-unit letter. Undefined means the source named none; it is then written
// as "i".
class ImaginarySuffix {
 public:
  enum class Suffix : unsigned char { I = 0, J = 1 };

  ImaginarySuffix(boost::optional<Suffix> suffix = boost::none) : _suffix(suffix) {}  // NOLINT

  [[nodiscard]] bool isDefined() const { return _suffix.has_value(); }

  // Only the lower-case letters are units: 'i' -> I, 'j' -> J, anything else (also 'I', 'J') none.
  [[nodiscard]] static boost::optional<Suffix> charToSuffix(char c);
  // charToSuffix of a one-character string; none for any other length.
  [[nodiscard]] static boost::optional<Suffix> stringToSuffix(const std::string& s);

  // Replace the letter by the conversion of c / s, which may leave it undefined; returns
  // isDefined() afterwards.
  bool setSuffixFromChar(char c);
  bool setSuffixFromString(const std::string& s);

  // The held letter, I when undefined.
  [[nodiscard]] Suffix getEffectiveSuffix() const { return _suffix.value_or(Suffix::I); }
  [[nodiscard]] char toChar() const { return getEffectiveSuffix() == Suffix::J ? 'j' : 'i'; }

  // Adopt other's letter when this one has none; a defined letter is never replaced.
  void intersect(const ImaginarySuffix& other);

  // Undefined equals undefined; defined letters compare by letter; defined != undefined.
  friend bool operator==(const ImaginarySuffix& a, const ImaginarySuffix& b) {
    return a._suffix == b._suffix;
  }
  friend bool operator!=(const ImaginarySuffix& a, const ImaginarySuffix& b) { return !(a == b); }

 private:
  boost::optional<Suffix> _suffix;
};

// A complex value with the letter it is written with. Plain copyable value type.
class ComplexNumber {
 public:
  ComplexNumber(Vesk::Complex value, ImaginarySuffix suffix) : _value(value), _suffix(suffix) {}
  ComplexNumber(Vesk::FloatNumber real, Vesk::FloatNumber imaginary, ImaginarySuffix suffix)
      : _value{real, imaginary}, _suffix(suffix) {}

  [[nodiscard]] const Vesk::Complex& getValue() const { return _value; }
  void setValue(Vesk::Complex value) { _value = value; }
  [[nodiscard]] const ImaginarySuffix& getSuffix() const { return _suffix; }
  [[nodiscard]] ImaginarySuffix& getSuffix() { return _suffix; }

  // Values equal under the host's tolerant comparison and suffixes equal (so an undefined letter
  // differs from an explicit "i").
  friend bool operator==(const ComplexNumber& a, const ComplexNumber& b) {
    return a._value == b._value && a._suffix == b._suffix;
  }
  friend bool operator!=(const ComplexNumber& a, const ComplexNumber& b) { return !(a == b); }

  // The spreadsheet text of the number under the locale's general number format (15 significant
  // digits in scientific mode): "3+4i", "-2.5j", "i", "3-i", "0". The real part is omitted when it
  // is zero and the imaginary part is not; a unit imaginary part is written as the bare letter;
  // negative zeros count as zero. Throws FormulaModel::FormulaException "#NUM!" when a part is
  // NaN or infinite.
  [[nodiscard]] std::string toString(const LocaleContext& locale) const;

 private:
  Vesk::Complex _value;
  ImaginarySuffix _suffix;
};

}  // namespace Vesk::OfficeUtils
