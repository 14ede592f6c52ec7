#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::TestLocale;

TEST(NumericStringComparator, UpperCaseFirstAccentsAndIllFormedText) {
  const TestLocale en(LocaleResources::getDefaultSymbols(), "en_US");
  const NumericStringComparator compare(en);
  const struct {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"B", "b", -1},          {"a", "B", -1},
      {"007", "7", 0},  // ICU drops leading zeros of a digit run
      {"résumé", "resume", 1}, {"a\xFF", "a\xEF\xBF\xBD", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(compare(c.a, c.b), c.expected);
    EXPECT_EQ(compare(c.b, c.a), -c.expected);
  }
  // Swedish sorts "ö" after "z"; German sorts it with "o".
  const TestLocale sv(LocaleResources::getDefaultSymbols(), "sv_SE");
  const TestLocale de(LocaleResources::getDefaultSymbols(), "de_DE");
  EXPECT_EQ(NumericStringComparator(sv)("öl", "zebra"), 1);
  EXPECT_EQ(NumericStringComparator(de)("öl", "zebra"), -1);
}

// Digit runs compare by value: "x<n>" against "x<m>" orders as n against m, for any n and m.
TEST(NumericStringComparator, DigitRunsOrderAsTheirValues) {
  const TestLocale en(LocaleResources::getDefaultSymbols(), "en_US");
  const NumericStringComparator compare(en);
  std::mt19937_64 random(7);
  std::uniform_int_distribution<unsigned long> value(0, 1'000'000'000'000ul);
  for (int i = 0; i < 2000; ++i) {
    const unsigned long n = value(random) >> (random() % 40);
    const unsigned long m = value(random) >> (random() % 40);
    const int expected = n < m ? -1 : (n > m ? 1 : 0);
    ASSERT_EQ(compare("x" + std::to_string(n), "x" + std::to_string(m)), expected) << n << " " << m;
    ASSERT_EQ(compare("x" + std::to_string(m), "x" + std::to_string(n)), -expected);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
