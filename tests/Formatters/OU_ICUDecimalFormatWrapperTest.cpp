// The wrapper's separators, rounding, padding and exponent settings are seen through the fixed,
// scientific and general formatters built on it.
#include "OfficeUtils/Formatters/OU_ICUDecimalFormatWrapper.h"

#include <string>

#include <gtest/gtest.h>

#include "host/Utils/OU_Errors.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::enContext;

// The wrapper owns a clone of ICU's format: a copy changes alone.
TEST(ICUDecimalFormatWrapper, CopiesAreIndependent) {
  ICUDecimalFormatWrapper original(enContext());
  ICUDecimalFormatWrapper copy(original);
  copy.setGrouping(true);
  EXPECT_EQ(copy.toString(1234.0), "1,234");
  EXPECT_EQ(original.toString(1234.0), "1234");
}

TEST(ICUDecimalFormatWrapper, ExponentDigitsBeyondASignedByteThrow) {
  ICUDecimalFormatWrapper wrapper(enContext());
  EXPECT_THROW(wrapper.setMinExponentDigits(128), Vesk::BadNumCastError);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
