#include "OfficeUtils/OU_NumericStringsComparator.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

// A context whose resources carry `localeName`; everything else is the built-in default.
struct NamedContext {
  explicit NamedContext(const std::string& localeName)
      : locale(LocaleResources::getDefaultSymbols(), localeName), context(locale) {}
  Testing::TestLocale locale;
  const LocaleContext& context;
};

TEST(NumericStringComparator, NumbersByValueAndUpperCaseFirstInAMovableComparator) {
  const NamedContext en("en_US");
  const NumericStringComparator compare(en.context);
  const struct {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"B", "b", -1},
      {"a", "B", -1},
      {"file 9.txt", "file 10.txt", -1},
      {"007", "7", 0} /* ICU drops leading zeros of a digit run */,
      {"résumé", "resume", 1},
      {"a\xFF", "a\xEF\xBF\xBD", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(compare(c.a, c.b), c.expected);
    EXPECT_EQ(compare(c.b, c.a), -c.expected);
  }
  NumericStringComparator first(en.context);  // movable
  const NumericStringComparator second(std::move(first));
  EXPECT_EQ(second("a2", "a10"), -1);
}

TEST(NumericStringComparator, FollowsTheLocalesAlphabet) {
  // Swedish sorts "ö" after "z"; German sorts it with "o".
  const NamedContext sv("sv_SE");
  const NamedContext de("de_DE");
  EXPECT_EQ(NumericStringComparator(sv.context)("öl", "zebra"), 1);
  EXPECT_EQ(NumericStringComparator(de.context)("öl", "zebra"), -1);
}

// Digit runs compare by value: "x<n>" against "x<m>" orders as n against m, for any n and m.
TEST(NumericStringComparator, DigitRunsOrderAsTheirValues) {
  const NamedContext en("en_US");
  const NumericStringComparator compare(en.context);
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
