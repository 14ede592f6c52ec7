#include "host/Utils/OU_FloatNumber.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace Vesk {
namespace {

constexpr double Tolerance = FloatNumber::RelativeTolerance;
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

TEST(FloatNumber, EqualityToleratesRoundingNoise) {
  const struct {
    double a;
    double b;
    bool equal;
  } cases[] = {
      {0.1 + 0.2, 0.3, true},
      {1.0, 1.0 + 4 * std::numeric_limits<double>::epsilon(), true},
      {1.0, 1.0 + 16 * std::numeric_limits<double>::epsilon(), false},
      {1e300, 1e300 * (1 + 4e-16), true},
      {1e-300, 1e-300 * (1 + 4e-15), false},
      {0.0, -0.0, true},
      {0.0, std::numeric_limits<double>::denorm_min(), false},
      {-1.0, 1.0, false},
      {1e-310, -1e-310, false},
      {Inf, Inf, true},
      {-Inf, Inf, false},
      {Inf, std::numeric_limits<double>::max(), false},
      {NaN, NaN, false},
      {NaN, 1.0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " vs " << c.b);
    EXPECT_EQ(FloatNumber(c.a) == FloatNumber(c.b), c.equal);
    EXPECT_EQ(FloatNumber(c.b) == FloatNumber(c.a), c.equal);
    EXPECT_EQ(FloatNumber(c.a) != FloatNumber(c.b), !c.equal);
  }
}

// The boundary is exactly 1 - smaller/larger < tolerance: walk ulps away from a value until the
// quotient crosses it and check that equality flips exactly there.
TEST(FloatNumber, EqualityBoundaryIsTheRelativeTolerance) {
  for (const double base : {1.0, 3.0, 12345.678, 1e-200, 7e250, -2.5}) {
    double other = base;
    for (int step = 0; step < 64; ++step) {
      other = std::nextafter(other, base > 0 ? Inf : -Inf);
      const double quotient = 1.0 - std::fabs(base) / std::fabs(other);
      SCOPED_TRACE(testing::Message() << base << " step " << step);
      EXPECT_EQ(FloatNumber(base) == FloatNumber(other), quotient < Tolerance);
    }
  }
}

TEST(FloatNumber, OrderingAgreesWithEquality) {
  const FloatNumber a = 0.1 + 0.2;
  const FloatNumber b = 0.3;
  EXPECT_FALSE(a < b);
  EXPECT_FALSE(b < a);
  EXPECT_TRUE(a <= b);
  EXPECT_TRUE(a >= b);
  EXPECT_TRUE(FloatNumber(1.0) < FloatNumber(1.1));
  EXPECT_TRUE(FloatNumber(-1.0) < FloatNumber(0.0));
  EXPECT_FALSE(FloatNumber(NaN) < FloatNumber(1.0));
  EXPECT_FALSE(FloatNumber(NaN) <= FloatNumber(NaN));
}

TEST(FloatNumber, MathHelpers) {
  EXPECT_EQ(fabs(-2.5).getValue(), 2.5);
  EXPECT_EQ(floor(-2.5).getValue(), -3.0);
  EXPECT_EQ(round(2.5).getValue(), 3.0);
  EXPECT_EQ(round(-2.5).getValue(), -3.0);
  FloatNumber integral;
  EXPECT_EQ(modf(-3.25, &integral).getValue(), -0.25);
  EXPECT_EQ(integral.getValue(), -3.0);
  EXPECT_TRUE(isfinite(1e308));
  EXPECT_FALSE(isfinite(Inf));
  EXPECT_FALSE(isfinite(NaN));
}

}  // namespace
}  // namespace Vesk
