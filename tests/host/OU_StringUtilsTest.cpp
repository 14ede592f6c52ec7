#include "host/Utils/OU_StringUtils.h"

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk {
namespace {

TEST(StringUtils, CaseMappingFollowsTheLocale) {
  EXPECT_EQ(utf8StringToUpperCase("Straße"), "STRASSE");
  EXPECT_EQ(utf8StringToLowerCase("ÄÖÜ ΣΑΣ"), "äöü σας");  // final sigma
  EXPECT_EQ(utf8StringToUpperCase("i", icu::Locale("tr")), "İ");
  EXPECT_EQ(utf8StringToLowerCase("I", icu::Locale("tr")), "ı");
  EXPECT_EQ(utf8StringToUpperCase("a\xFF"), "A\xEF\xBF\xBD");  // a bad byte becomes U+FFFD
}

// Against ICU's own decoding (a bad byte as U+FFFD) over random texts: code-point counts, the
// comparison in code point order with case simply folded on request, and the byte order of
// folded texts agreeing with the case-insensitive comparison.
TEST(StringUtils, ComparisonAndCountingAgreeWithICU) {
  const std::vector<std::string> alphabet = {
      "a", "A", "z", "_", "[", "é", "É", "ß",      "ẞ",    "σ",    "Σ",
      "ς", "k", "K", "ж", "Ж", "€", "😀", "\u212A", "\xFF", "\xC3", "\xEF\xBF\xBD"};
  auto sign = [](int value) { return (value > 0) - (value < 0); };
  std::mt19937 random(17);
  for (int i = 0; i < 20000; ++i) {
    const std::string a = Testing::randomText(random, alphabet, 5);
    const std::string b = Testing::randomText(random, alphabet, 5);
    SCOPED_TRACE(a + " vs " + b);
    const auto ua = icu::UnicodeString::fromUTF8(a), ub = icu::UnicodeString::fromUTF8(b);
    const auto fa = Testing::foldedCodePoints(a), fb = Testing::foldedCodePoints(b);
    const int folded = fa < fb ? -1 : (fb < fa ? 1 : 0);
    ASSERT_EQ(getUnicodeCharsCount(a), static_cast<std::size_t>(ua.countChar32()));
    ASSERT_EQ(sign(utf8StringCompare(a, b, false)), ua.compareCodePointOrder(ub));
    ASSERT_EQ(sign(utf8StringCompare(a, b, true)), folded);
    ASSERT_EQ(CaseInsensitiveLess()(a, b), folded < 0);
    ASSERT_EQ(sign(utf8StringFoldCase(a).compare(utf8StringFoldCase(b))), folded);
  }
}

// Against std::stoi, its exceptions becoming none.
TEST(StringUtils, StrToIntAgreesWithStoi) {
  const std::vector<std::string> alphabet = {" ", "\t", "-", "+", "0",          "7",
                                             "9", "x",  "F", "z", "2147483648", "99999"};
  std::mt19937 random(5);
  for (int i = 0; i < 20000; ++i) {
    const std::string text = Testing::randomText(random, alphabet, 4);
    for (const int base : {0, 10, 16}) {
      SCOPED_TRACE(text + " in base " + std::to_string(base));
      boost::optional<int> expected;
      std::size_t expectedPosition = 0, position = 0;
      try {
        expected = std::stoi(text, &expectedPosition, base);
      } catch (const std::logic_error&) {
      }
      ASSERT_EQ(strToInt(text, &position, base), expected);
      if (expected) {
        ASSERT_EQ(position, expectedPosition);
      }
    }
  }
}

TEST(StringUtils, AsciiSpaceIsLocaleFree) {
  std::string spaces;
  for (int c = 0; c < 256; ++c)
    if (ASCII::isSpace(static_cast<char>(c))) spaces += static_cast<char>(c);
  EXPECT_EQ(spaces, "\t\n\v\f\r ");
}

}  // namespace
}  // namespace Vesk
