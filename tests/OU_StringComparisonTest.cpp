#include "OfficeUtils/OU_StringComparison.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <utf8.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

// The table against the characters of its Windows-1252 layout as ICU decodes, folds and
// decomposes them: digits, then letters, ascend after every other printable ASCII character; two
// characters share a weight exactly when they are the cases of one letter; an accented letter
// sorts after its base letter and before the next one.
TEST(StringComparison, WeightsFollowTheCharacters) {
  const std::string_view ascending = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (std::size_t k = 1; k < ascending.size(); ++k)
    EXPECT_LT(CharWeight[ascending[k - 1]], CharWeight[ascending[k]]) << ascending[k];
  for (int c = 32; c < 127; ++c)
    EXPECT_TRUE(std::isalnum(c) || CharWeight[c] < CharWeight['0']) << c;
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  std::vector<UChar32> folded(256);
  int accented = 0;
  for (int i = 0; i < 256; ++i) {
    const char byte = static_cast<char>(i);
    const UChar32 c = icu::UnicodeString(&byte, 1, "windows-1252").char32At(0);
    folded[i] = u_foldCase(c, U_FOLD_CASE_DEFAULT);
    for (int j = 0; j < i; ++j)
      if ((CharWeight[i] == CharWeight[j]) != (folded[i] == folded[j])) ADD_FAILURE() << i << j;
    const icu::UnicodeString decomposed = nfd->normalize(icu::UnicodeString(c), status);
    const UChar base = decomposed.charAt(0);
    if (i < 128 || decomposed.length() < 2 || base > 'z' || !std::isalpha(base)) continue;
    const int upper = std::toupper(base);
    EXPECT_GT(CharWeight[i], CharWeight[upper]) << i;
    EXPECT_LT(CharWeight[i], upper == 'Z' ? 256 : CharWeight[upper + 1]) << i;
    ++accented;
  }
  ASSERT_TRUE(U_SUCCESS(status));
  EXPECT_EQ(accented, 58);  // Š š Ž ž Ÿ, 26 accented capitals from À to Ý, 27 small ones
}

TEST(StringComparison, InvalidUTF8ThrowsTheDecodingErrorWhenRead) {
  EXPECT_THROW((void)compareStringsByWeight("\xc0\x80", "a"), utf8::invalid_utf8);  // overlong
  EXPECT_THROW((void)compareStringsByWeight("a\xc3", "a\xc3"), utf8::not_enough_room);
  EXPECT_THROW((void)compareStringsByWeight("\xed\xa0\x80", "a"), utf8::invalid_code_point);
  // Bytes after the first difference, or past the end of the shorter text, are never decoded.
  EXPECT_EQ(compareStringsByWeight("a", "b\xff"), -1);
  EXPECT_EQ(compareStringsByWeight("a", "a\xff"), -1);
}

// Random texts of ASCII, Latin-1, other BMP and astral characters against a walk written here:
// decode with ICU, map each code point to its weight or itself, compare the sequences.
TEST(StringComparison, AgreesWithAnIndependentWeightWalk) {
  const std::vector<std::string> alphabet = {"a",        "A",        "b",  "z", "0", "9",
                                             " ",        "-",        "é",  "É", "ÿ", "\u0100",
                                             "\xC2\x8A", "\xC2\x9A", "一", "😀"};
  const auto values = [](const std::string& text) {
    std::vector<std::uint32_t> values;
    for (int32_t i = 0, c = 0; i < static_cast<int32_t>(text.size());) {
      U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
      values.push_back(c < 256 ? CharWeight[c] : static_cast<std::uint32_t>(c));
    }
    return values;
  };
  std::mt19937 random(20240531);
  int equal = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string a = Testing::randomText(random, alphabet, 5);
    const std::string b = Testing::randomText(random, alphabet, 5);
    const int expected = values(a) < values(b) ? -1 : values(b) < values(a) ? 1 : 0;
    ASSERT_EQ(compareStringsByWeight(a, b), expected) << a << " vs " << b;
    ASSERT_EQ(compareStringsByWeight(b, a), -expected) << a << " vs " << b;
    equal += expected == 0;
  }
  EXPECT_GT(equal, 100);  // the alphabet's case pairs make equal texts common enough
}

}  // namespace
}  // namespace Vesk::OfficeUtils
