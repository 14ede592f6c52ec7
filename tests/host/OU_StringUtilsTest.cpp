#include "host/Utils/OU_StringUtils.h"

#include <algorithm>
#include <random>
#include <set>
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

TEST(StringUtils, CompareOrdersByCodePointAndFoldsCaseOnRequest) {
  const struct {
    std::string a;
    std::string b;
    int sensitive;
    int insensitive;
  } cases[] = {
      // The case-insensitive order is checked over generated texts below.
      {"Sum", "SUMIF", 1, -1},
      {"ÄBC", "äbc", -1, 0},
      {"_", "A", 1, -1},  // '_' (0x5F) after 'A' (0x41) but before 'a' (0x61)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.a + " vs " + c.b);
    EXPECT_EQ(utf8StringCompare(c.a, c.b, false), c.sensitive);
    EXPECT_EQ(utf8StringCompare(c.a, c.b, true), c.insensitive);
    EXPECT_EQ(utf8StringCompare(c.b, c.a, true), -c.insensitive);
  }
}

// Independent check: compare the simple-case-folded code point sequences built with ICU's
// UnicodeString, over random strings drawn from a mixed alphabet.
TEST(StringUtils, CaseInsensitiveCompareAgreesWithFoldedCodePoints) {
  const std::vector<std::string> alphabet = {"a", "A", "z", "Z", "_", "[", "0", "é", "É", "ß",
                                             "ẞ", "σ", "Σ", "ς", "ж", "Ж", "€", "😀", "."};
  std::mt19937 random(42);
  for (int i = 0; i < 20000; ++i) {
    const std::string a = Testing::randomText(random, alphabet, 5);
    const std::string b = Testing::randomText(random, alphabet, 5);
    const auto fa = Testing::foldedCodePoints(a), fb = Testing::foldedCodePoints(b);
    const int expected = fa < fb ? -1 : (fb < fa ? 1 : 0);
    ASSERT_EQ(utf8StringCompare(a, b, true), expected) << a << " vs " << b;
    ASSERT_EQ(CaseInsensitiveLess()(a, b), expected < 0);
  }
}

// Byte order of folded texts is the case-insensitive comparison, ill-formed bytes included; with
// the test above this holds the folding to ICU's simple case folding.
TEST(StringUtils, FoldedBytesCompareAsCaseInsensitiveCompare) {
  const std::vector<std::string> alphabet = {"a", "A", "z",    "_",    "[",           "é",      "É",
                                             "ß", "ẞ", "σ",    "Σ",    "ς",           "\u212A", "k",
                                             "€", "😀", "\xFF", "\xC3", "\xEF\xBF\xBD"};
  std::mt19937 random(17);
  for (int i = 0; i < 20000; ++i) {
    const std::string a = Testing::randomText(random, alphabet, 5);
    const std::string b = Testing::randomText(random, alphabet, 5);
    const int bytes = utf8StringFoldCase(a).compare(utf8StringFoldCase(b));
    ASSERT_EQ((bytes > 0) - (bytes < 0), utf8StringCompare(a, b, true)) << a << " vs " << b;
  }
}

TEST(StringUtils, CodePointCountingAndSlicing) {
  EXPECT_EQ(getUnicodeCharsCount("€1😀"), 3u);
  EXPECT_EQ(getUnicodeCharsCount("a\xC3"), 2u);  // truncated sequence counts as one
  EXPECT_EQ(utf8SubStr("€1😀x", 1, 2), "1😀");
  EXPECT_EQ(utf8SubStr("abc", 2), "c");
  EXPECT_EQ(utf8SubStr("abc", 5, 2), "");
  EXPECT_EQ(utf8SubStr("abc", 0, 0), "");
}

TEST(StringUtils, StrToIntAnswersNoneInsteadOfThrowing) {
  const struct {
    std::string text;
    int base;
    boost::optional<int> value;
    std::size_t position;
  } cases[] = {
      {"  -17xyz", 10, -17, 5},           {"0x1F", 0, 31, 4},
      {"2147483647", 10, 2147483647, 10}, {"2147483648", 10, boost::none, 0},
      {"abc", 10, boost::none, 0},        {"12", 1, boost::none, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::size_t position = 0;
    EXPECT_EQ(strToInt(c.text, &position, c.base), c.value);
    if (c.value) {
      EXPECT_EQ(position, c.position);
    }
  }
}

// Numbers up to 3,999 read back through the ordinals (TextUtils); past it, thousands repeat.
TEST(StringUtils, RomanNumerals) {
  EXPECT_EQ(convertArabicToUpperRomanNumber(0), "");
  EXPECT_EQ(convertArabicToUpperRomanNumber(4000), "MMMM");
  EXPECT_EQ(Testing::romanToNumber(convertArabicToUpperRomanNumber(4999)), 4999u);
}

TEST(StringUtils, AsciiSpaceIsLocaleFree) {
  std::string spaces;
  for (int c = 0; c < 256; ++c)
    if (ASCII::isSpace(static_cast<char>(c))) spaces += static_cast<char>(c);
  EXPECT_EQ(spaces, "\t\n\v\f\r ");
}

}  // namespace
}  // namespace Vesk
