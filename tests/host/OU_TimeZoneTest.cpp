#include "host/DOM/OU_TimeZone.h"

#include <gtest/gtest.h>

namespace Vesk::DOM {
namespace {

TEST(TimeZone, OffsetIsSecondsEastOfUTC) {
  EXPECT_EQ(TimeZone::getUTCTimeZone().getOffset(), 0);
  EXPECT_EQ(TimeZone::getUTCTimeZone(), TimeZone());
  EXPECT_NE(TimeZone(3600), TimeZone::getUTCTimeZone());
  static_assert(TimeZone(50400).getOffset() == 50400);
}

}  // namespace
}  // namespace Vesk::DOM
