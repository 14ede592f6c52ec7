#include "host/Utils/OU_FloatNumber.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace Vesk {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Equality as given; the order is the plain one of values that are not equal.
void expectComparisons(double a, double b, bool equal) {
  SCOPED_TRACE(testing::Message() << a << " vs " << b);
  EXPECT_EQ(FloatNumber(a) == FloatNumber(b), equal);
  EXPECT_EQ(FloatNumber(b) == FloatNumber(a), equal);
  EXPECT_EQ(FloatNumber(a) != FloatNumber(b), !equal);
  EXPECT_EQ(FloatNumber(a) < FloatNumber(b), !equal && a < b);
  EXPECT_EQ(FloatNumber(a) > FloatNumber(b), !equal && a > b);
  EXPECT_EQ(FloatNumber(a) <= FloatNumber(b), equal || a < b);
  EXPECT_EQ(FloatNumber(a) >= FloatNumber(b), equal || a > b);
}

TEST(FloatNumber, ComparisonsTolerateRoundingNoise) {
  const struct {
    double a, b;
    bool equal;
  } cases[] = {
      {0.1 + 0.2, 0.3, true},
      {0.0, -0.0, true},
      {0.0, std::numeric_limits<double>::denorm_min(), false},
      {1e-310, -1e-310, false},
      {Inf, Inf, true},
      {Inf, std::numeric_limits<double>::max(), false},
      {NaN, NaN, false},
  };
  for (const auto& c : cases) expectComparisons(c.a, c.b, c.equal);
}

// The boundary is exactly 1 - smaller/larger < tolerance: walk ulps away from a value until the
// quotient crosses it and check that equality, and with it the order, flips exactly there.
TEST(FloatNumber, EqualityBoundaryIsTheRelativeTolerance) {
  for (const double base : {1.0, 3.0, 12345.678, 1e-200, 7e250, -2.5}) {
    double other = base;
    for (int step = 0; step < 64; ++step) {
      other = std::nextafter(other, base > 0 ? Inf : -Inf);
      const double quotient = 1.0 - std::fabs(base) / std::fabs(other);
      expectComparisons(base, other, quotient < FloatNumber::RelativeTolerance);
    }
  }
}

}  // namespace
}  // namespace Vesk
