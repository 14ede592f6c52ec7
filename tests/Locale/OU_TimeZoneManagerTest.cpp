#include "OfficeUtils/Locale/OU_TimeZoneManager.h"

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::TimeZone;

TEST(TimeZoneManager, HoldsTheZoneItWasLastGiven) {
  TimeZoneManager manager(TimeZone(3600));
  EXPECT_EQ(manager.getApplicationTimeZone().getOffset(), 3600);
  for (int offset : {-12600, 0, 50400}) {
    SCOPED_TRACE(offset);
    manager.setApplicationTimeZone(TimeZone(offset));
    EXPECT_EQ(manager.getApplicationTimeZone(), TimeZone(offset));
  }
  EXPECT_EQ(TimeZoneManager(TimeZone::getUTCTimeZone()).getApplicationTimeZone().getOffset(), 0);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
