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
      // The boundary itself is walked by the next test.
      {0.0, -0.0, true},
      {0.0, std::numeric_limits<double>::denorm_min(), false},
      {1e-310, -1e-310, false},
      {Inf, Inf, true},
      {Inf, std::numeric_limits<double>::max(), false},
      {NaN, NaN, false},
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
  EXPECT_TRUE(FloatNumber(-1.0) < FloatNumber(0.0));
  EXPECT_FALSE(FloatNumber(NaN) <= FloatNumber(NaN));
}

}  // namespace
}  // namespace Vesk
