#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::TestLocale;

// Digit runs by value, upper case first, accents after case, the locale's alphabet (Swedish sorts
// "ö" after "z", German with "o"), ill-formed bytes as U+FFFD.
TEST(NumericStringComparator, CasesAccentsLocalesAndIllFormedText) {
  const struct {
    const char* locale;
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"en_US", "B", "b", -1},
      {"en_US", "a", "B", -1},
      {"en_US", "x9", "x10", -1},  // digit runs compare by value
      {"en_US", "x18446744073709551616", "x18446744073709551617", -1},
      {"en_US", "007", "7", 0},  // ICU drops leading zeros of a digit run
      {"en_US", "résumé", "resume", 1},
      {"en_US", "a\xFF", "a\xEF\xBF\xBD", 0},
      {"sv_SE", "öl", "zebra", 1},
      {"de_DE", "öl", "zebra", -1},
  };
  for (const auto& c : cases) {
    const NumericStringComparator compare(
        TestLocale(LocaleResources::getDefaultSymbols(), c.locale));
    EXPECT_EQ(compare(c.a, c.b), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(compare(c.b, c.a), -c.expected) << c.a << " vs " << c.b;
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
