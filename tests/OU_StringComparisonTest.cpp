#include "OfficeUtils/OU_StringComparison.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <utf8.h>

namespace Vesk::OfficeUtils {
namespace {

// The character that byte `byte` stands for in Windows-1252, decoded by ICU.
UChar32 windows1252(int byte) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open("windows-1252", &status);
  EXPECT_TRUE(U_SUCCESS(status));
  const char in = static_cast<char>(byte);
  UChar out[4];
  const int32_t length = ucnv_toUChars(converter, out, 4, &in, 1, &status);
  ucnv_close(converter);
  EXPECT_TRUE(U_SUCCESS(status));
  UChar32 c;
  int32_t i = 0;
  U16_NEXT(out, i, length, c);
  return c;
}

TEST(StringComparison, DocumentedWeightsAndTheirOrder) {
  // Letters and digits ascend; digits come after all printable ASCII punctuation and before
  // every letter.
  for (char c = 'A'; c < 'Z'; ++c) EXPECT_LT(CharWeight[c], CharWeight[c + 1]) << c;
  for (char c = '0'; c < '9'; ++c) EXPECT_LT(CharWeight[c], CharWeight[c + 1]) << c;
  for (int c = 32; c < 127; ++c)
    EXPECT_TRUE(std::isalnum(c) || CharWeight[c] < CharWeight['0']) << c;
  EXPECT_LT(CharWeight['9'], CharWeight['A']);
}

// Two code points share a weight exactly when they are the upper and lower case of one letter
// in the Windows-1252 layout of the table (ICU's simple case folding is the judge).
TEST(StringComparison, SharedWeightsAreExactlyCasePairs) {
  std::vector<UChar32> folded(256);
  for (int i = 0; i < 256; ++i) folded[i] = u_foldCase(windows1252(i), U_FOLD_CASE_DEFAULT);
  int pairs = 0;
  for (int i = 0; i < 256; ++i) {
    for (int j = i + 1; j < 256; ++j) {
      const bool sameLetter = folded[i] == folded[j];
      if ((CharWeight[i] == CharWeight[j]) != sameLetter) ADD_FAILURE() << i << " and " << j;
      pairs += sameLetter;
    }
  }
  EXPECT_EQ(pairs, 26 + 30 + 4);  // ASCII, À to Þ except ×, and Š Œ Ž Ÿ
}

// An accented letter sorts after its base letter and before the next base letter.
TEST(StringComparison, AccentedLettersFollowTheirBaseLetter) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
  ASSERT_TRUE(U_SUCCESS(status));
  int checked = 0;
  for (int i = 128; i < 256; ++i) {
    const icu::UnicodeString decomposed =
        nfd->normalize(icu::UnicodeString(windows1252(i)), status);
    const UChar base = decomposed.charAt(0);
    if (decomposed.length() < 2 || base > 'z' || !std::isalpha(base)) continue;
    SCOPED_TRACE(i);
    const int upperBase = std::toupper(base);
    EXPECT_GT(CharWeight[i], CharWeight[upperBase]);
    EXPECT_LT(CharWeight[i], upperBase == 'Z' ? 256 : CharWeight[upperBase + 1]);
    ++checked;
  }
  EXPECT_EQ(checked, 58);  // Š š Ž ž Ÿ, the 26 accented capitals from À to Ý, 27 small ones to ÿ
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
  std::mt19937 random(20240531);
  const std::vector<UChar32> alphabet = {'a',  'A',  'b',  'B',   'z',    '0',
                                         '9',  ' ',  '-',  '\'',  0xE9,   0xC9,
                                         0xFF, 0x8A, 0x9A, 0x100, 0x4E00, 0x1F600};
  auto randomText = [&] {
    std::u32string codePoints(random() % 6, U'\0');
    for (auto& c : codePoints) c = alphabet[random() % alphabet.size()];
    std::string text;
    return icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(codePoints.data()),
                                         static_cast<int32_t>(codePoints.size()))
        .toUTF8String(text);
  };
  auto sortValues = [](const std::string& text) {
    std::vector<std::uint32_t> values;
    int32_t i = 0;
    while (i < static_cast<int32_t>(text.size())) {
      UChar32 c;
      U8_NEXT(text.data(), i, static_cast<int32_t>(text.size()), c);
      values.push_back(c < 256 ? CharWeight[c] : static_cast<std::uint32_t>(c));
    }
    return values;
  };
  int equal = 0;
  for (int round = 0; round < 20000; ++round) {
    const std::string a = randomText(), b = randomText();
    const auto valuesA = sortValues(a), valuesB = sortValues(b);
    const int expected = valuesA < valuesB ? -1 : valuesB < valuesA ? 1 : 0;
    const int actual = compareStringsByWeight(a, b);
    if (actual != expected) FAIL() << '"' << a << "\" vs \"" << b << '"';
    if (compareStringsByWeight(b, a) != -actual) FAIL() << "not antisymmetric: " << a << ", " << b;
    equal += expected == 0;
  }
  EXPECT_GT(equal, 100);  // the alphabet's case pairs make equal texts common enough
}

}  // namespace
}  // namespace Vesk::OfficeUtils
