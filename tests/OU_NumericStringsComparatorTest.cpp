#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::TestLocale;

// Upper case first, accents after case, the locale's alphabet (Swedish sorts "ö" after "z",
// German with "o"), ill-formed bytes as U+FFFD.
TEST(NumericStringComparator, CasesAccentsLocalesAndIllFormedText) {
  const struct {
    const char* locale;
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"en_US", "B", "b", -1},          {"en_US", "a", "B", -1},
      {"en_US", "007", "7", 0},  // ICU drops leading zeros of a digit run
      {"en_US", "résumé", "resume", 1}, {"en_US", "a\xFF", "a\xEF\xBF\xBD", 0},
      {"sv_SE", "öl", "zebra", 1},      {"de_DE", "öl", "zebra", -1},
  };
  for (const auto& c : cases) {
    const NumericStringComparator compare(
        TestLocale(LocaleResources::getDefaultSymbols(), c.locale));
    EXPECT_EQ(compare(c.a, c.b), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(compare(c.b, c.a), -c.expected) << c.a << " vs " << c.b;
  }
}

// Digit runs compare by value: "x<n>" against "x<m>" orders as n against m, for any n and m.
TEST(NumericStringComparator, DigitRunsOrderAsTheirValues) {
  const TestLocale en(LocaleResources::getDefaultSymbols(), "en_US");
  const NumericStringComparator compare(en);
  std::mt19937_64 random(7);
  for (int i = 0; i < 2000; ++i) {
    const unsigned long n = random() % 1'000'000'000'000ul >> (random() % 40);
    const unsigned long m = random() % 1'000'000'000'000ul >> (random() % 40);
    const int expected = n < m ? -1 : (n > m ? 1 : 0);
    ASSERT_EQ(compare("x" + std::to_string(n), "x" + std::to_string(m)), expected) << n << " " << m;
    ASSERT_EQ(compare("x" + std::to_string(m), "x" + std::to_string(n)), -expected);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
