#include "host/Utils/OU_System.h"

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"
#include "host/Utils/OU_Errors.h"

namespace Vesk {
namespace {

TEST(Errors, ICUErrorNamesTheStatus) {
  EXPECT_STREQ(ICUError(U_ILLEGAL_ARGUMENT_ERROR).what(), "ICU error: U_ILLEGAL_ARGUMENT_ERROR");
  EXPECT_THROW(throwIfICUFailure(U_MEMORY_ALLOCATION_ERROR), ICUError);
  EXPECT_NO_THROW(throwIfICUFailure(U_USING_DEFAULT_WARNING));
}

TEST(AssertDeathTest, DefaultHandlerReportsAndAborts) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        setFailAssertHandler(nullptr);
        doFailAssert("host/OU_File", 7, "x != 0");
      },
      "host/OU_File:7: Assertion failed: x != 0");
}

}  // namespace
}  // namespace Vesk
