#include "host/Utils/OU_NumCast.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace Vesk {
namespace {

template <typename Target, typename Source>
std::string castMessage(Source value) {
  try {
    numCast<Target>(value);
  } catch (const BadNumCastError& error) {
    return error.what();
  }
  return "no error";
}

TEST(NumCast, ConvertsValuesThatFitTruncatingTowardZero) {
  EXPECT_EQ(numCast<int>(-2.9), -2);
  EXPECT_EQ(numCast<std::int32_t>(2147483647.9), 2147483647);
  EXPECT_EQ(numCast<std::int64_t>(-9223372036854775808.0),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(numCast<std::uint32_t>(-0.5), 0u);
}

TEST(NumCast, ReportsEachKindOfOverflow) {
  const std::string positive = "bad numeric conversion: positive overflow";
  const std::string negative = "bad numeric conversion: negative overflow";
  EXPECT_EQ(castMessage<std::int64_t>(9223372036854775808.0), positive);
  EXPECT_EQ(castMessage<int>(-2147483649.0), negative);
  EXPECT_EQ(castMessage<unsigned>(-1.0), negative);
  EXPECT_EQ(castMessage<int>(std::numeric_limits<double>::infinity()), positive);
  EXPECT_EQ(castMessage<int>(std::numeric_limits<double>::quiet_NaN()),
            "bad numeric conversion: overflow");
}

}  // namespace
}  // namespace Vesk
