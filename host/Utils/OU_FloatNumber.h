// The host's number type: one double whose comparisons tolerate the last few bits of rounding
// noise, so that 0.1 + 0.2 == 0.3. Arithmetic is plain double arithmetic.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <iosfwd>

namespace Vesk {

class FloatNumber {
 public:
  // Two finite non-zero numbers of one sign are equal when 1 - |smaller| / |larger| is below
  // this (8 ulp of 1.0).
  static constexpr double RelativeTolerance = 1.7763568394002505e-15;

  constexpr FloatNumber() = default;
  constexpr FloatNumber(double value) : _value(value) {}  // NOLINT: implicit by design

  constexpr double getValue() const { return _value; }
  constexpr explicit operator double() const { return _value; }

  // Zeros equal each other and nothing else; infinities compare exactly; NaN equals nothing.
  friend bool operator==(FloatNumber a, FloatNumber b) { return tolerantEqual(a._value, b._value); }
  friend bool operator!=(FloatNumber a, FloatNumber b) { return !(a == b); }
  // Ordering agrees with equality: a < b when they differ and a's double is smaller.
  friend bool operator<(FloatNumber a, FloatNumber b) { return a._value < b._value && !(a == b); }
  friend bool operator>(FloatNumber a, FloatNumber b) { return b < a; }
  friend bool operator<=(FloatNumber a, FloatNumber b) { return a._value < b._value || a == b; }
  friend bool operator>=(FloatNumber a, FloatNumber b) { return b <= a; }

  friend constexpr FloatNumber operator+(FloatNumber a, FloatNumber b) {
    return a._value + b._value;
  }
  friend constexpr FloatNumber operator-(FloatNumber a, FloatNumber b) {
    return a._value - b._value;
  }
  friend constexpr FloatNumber operator*(FloatNumber a, FloatNumber b) {
    return a._value * b._value;
  }
  friend constexpr FloatNumber operator/(FloatNumber a, FloatNumber b) {
    return a._value / b._value;
  }
  constexpr FloatNumber operator-() const { return -_value; }
  constexpr FloatNumber operator+() const { return _value; }
  constexpr FloatNumber& operator+=(FloatNumber other) {
    _value += other._value;
    return *this;
  }
  constexpr FloatNumber& operator-=(FloatNumber other) {
    _value -= other._value;
    return *this;
  }
  constexpr FloatNumber& operator*=(FloatNumber other) {
    _value *= other._value;
    return *this;
  }
  constexpr FloatNumber& operator/=(FloatNumber other) {
    _value /= other._value;
    return *this;
  }

  static bool tolerantEqual(double a, double b);

 private:
  double _value = 0.0;
};

std::ostream& operator<<(std::ostream& out, FloatNumber number);

FloatNumber fabs(FloatNumber number);
FloatNumber floor(FloatNumber number);
// Halves away from zero, as std::round.
FloatNumber round(FloatNumber number);
// Returns the fractional part and stores the integral part, both with the number's sign.
FloatNumber modf(FloatNumber number, FloatNumber* integralPart);
bool isfinite(FloatNumber number);

// A complex number of the host: real and imaginary parts.
struct Complex {
  FloatNumber real;
  FloatNumber imaginary;

  friend bool operator==(const Complex& a, const Complex& b) {
    return a.real == b.real && a.imaginary == b.imaginary;
  }
  friend bool operator!=(const Complex& a, const Complex& b) { return !(a == b); }
};

}  // namespace Vesk
