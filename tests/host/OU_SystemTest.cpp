#include "host/Utils/OU_System.h"

#include <gtest/gtest.h>

#include "host/Utils/OU_Assert.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_Identifiers.h"

namespace Vesk {
namespace {

TEST(Errors, ICUErrorNamesTheStatus) {
  EXPECT_STREQ(ICUError(U_ILLEGAL_ARGUMENT_ERROR).what(), "ICU error: U_ILLEGAL_ARGUMENT_ERROR");
  EXPECT_THROW(throwIfICUFailure(U_MEMORY_ALLOCATION_ERROR), ICUError);
  EXPECT_NO_THROW(throwIfICUFailure(U_USING_DEFAULT_WARNING));
}

TEST(Assert, TestHandlerThrowsWithTheReportedParts) {
  try {
    doFailAssert("OfficeUtils/Formulas/OU_X", 12, "a < b", "details");
    FAIL() << "no exception";
  } catch (const AssertionFailure& failure) {
    EXPECT_EQ(failure.file(), "OfficeUtils/Formulas/OU_X");
    EXPECT_EQ(failure.line(), 12);
    EXPECT_EQ(failure.condition(), "a < b");
    EXPECT_EQ(failure.message(), "details");
    EXPECT_STREQ(failure.what(), "OfficeUtils/Formulas/OU_X:12: Assertion failed: a < b (details)");
  }
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

TEST(Identifiers, GeneratedUUIDsAreVersion4AndDistinct) {
  const UUID a = UUID::generate();
  const UUID b = UUID::generate();
  EXPECT_NE(a, b);
  const std::string text = a.toString();
  ASSERT_EQ(text.size(), 36u);
  EXPECT_EQ(text[14], '4');
  EXPECT_NE(std::string("89ab").find(text[19]), std::string::npos);
}

}  // namespace
}  // namespace Vesk
