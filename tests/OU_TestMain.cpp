// Test main: pins ICU's default locale and makes process-wide leaks visible by running under a
// non-UTC time zone and, where the system has it, a comma-decimal C locale. Assertions throw
// Vesk::AssertionFailure so tests check them with EXPECT_THROW.
#include <clocale>
#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "host/Utils/OU_Assert.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("TZ", "America/St_Johns", 1);  // UTC-3:30, with daylight saving
  tzset();
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // ignored when the locale is not generated
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale("en_US"), status);
  Vesk::setFailAssertHandler(&Vesk::throwingFailAssertHandler);
  return RUN_ALL_TESTS();
}
