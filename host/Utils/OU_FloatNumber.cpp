#include "host/Utils/OU_FloatNumber.h"

#include <cmath>
#include <ostream>

namespace Vesk {

bool FloatNumber::tolerantEqual(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return false;
  if (std::isinf(a) || std::isinf(b)) return a == b;
  if (a == 0.0 || b == 0.0) return a == b;  // +0 == -0; a zero never equals a non-zero
  if (std::signbit(a) != std::signbit(b)) return false;
  const double absA = std::fabs(a);
  const double absB = std::fabs(b);
  const double smaller = absA < absB ? absA : absB;
  const double larger = absA < absB ? absB : absA;
  return 1.0 - smaller / larger < RelativeTolerance;
}

std::ostream& operator<<(std::ostream& out, FloatNumber number) {
  return out << number.getValue();
}

FloatNumber fabs(FloatNumber number) {
  return std::fabs(number.getValue());
}
FloatNumber floor(FloatNumber number) {
  return std::floor(number.getValue());
}
FloatNumber round(FloatNumber number) {
  return std::round(number.getValue());
}

FloatNumber modf(FloatNumber number, FloatNumber* integralPart) {
  double integral = 0.0;
  const double fraction = std::modf(number.getValue(), &integral);
  if (integralPart) *integralPart = integral;
  return fraction;
}

bool isfinite(FloatNumber number) {
  return std::isfinite(number.getValue());
}

}  // namespace Vesk
