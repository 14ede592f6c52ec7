#include "OfficeUtils/Utils/OU_TextUtils.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::DOM::NumberFormatType;

NumberFormatType typeOf(int value) {
  return static_cast<NumberFormatType>(value);
}

TEST(TextUtils, IndexToStringPerFormat) {
  const struct {
    std::size_t index;
    int type;
    std::string expected;
  } cases[] = {
      {12, 0, "12"},
      {0, 0, "0"},
      {18446744073709551615u, 0, "18446744073709551615"},
      {12, 7, "12"},
      {12, 9, "12"},
      {12, 255, "12"},
      {4, 1, "IV"},
      {1994, 1, "MCMXCIV"},
      {0, 1, ""},
      {4, 2, "iv"},
      {3999, 2, "mmmcmxcix"},
      {0, 3, ""},
      {1, 3, "A"},
      {26, 3, "Z"},
      {27, 3, "AA"},
      {28, 3, "BB"},
      {52, 3, "ZZ"},
      {53, 3, "AAA"},
      {0, 4, ""},
      {27, 4, "aa"},
      {78, 4, "zzz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.index) + " as type " + std::to_string(c.type));
    EXPECT_EQ(indexToString(c.index, typeOf(c.type)), c.expected);
  }
}

TEST(TextUtils, UnsupportedTypesFailTheAssertion) {
  for (int type : {5, 6}) {
    SCOPED_TRACE(type);
    Testing::expectAssertion([&] { (void)indexToString(1, typeOf(type)); },
                             "OfficeUtils/Utils/OU_TextUtils", "Unsupported type");
  }
}

TEST(TextUtils, LettersBackToTheOrdinal) {
  const struct {
    std::string text;
    std::size_t lower, upper;
  } cases[] = {
      {"c", 3, 0},   {"ccc", 55, 0},     {"ab", 0, 0},
      {"C", 0, 3},   {"", 0, 0},         {"{", 0, 0},
      {"`", 0, 0},   {"@", 0, 0},        {"[", 0, 0},
      {"ZZ", 0, 52}, {"z", 26, 0},       {"aA", 0, 0},
      {"a1", 0, 0},  {"\xc3\xa1", 0, 0}, {std::string(1000, 'b'), 2 + 26 * 999, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(convertLowerLatinLetterToDecimal(c.text), c.lower);
    EXPECT_EQ(convertUpperLatinLetterToDecimal(c.text), c.upper);
  }
}

TEST(TextUtils, EveryOrdinalRoundTripsThroughItsText) {
  for (std::size_t n = 1; n <= MaxRomanOrdinal; ++n) {
    const std::string upperLetters = indexToString(n, NumberFormatType::UpperLetter);
    const std::string lowerLetters = indexToString(n, NumberFormatType::LowerLetter);
    const bool letters = n <= MaxLetterOrdinal;
    if (letters && convertUpperLatinLetterToDecimal(upperLetters) != n) FAIL() << upperLetters;
    if (letters && convertLowerLatinLetterToDecimal(lowerLetters) != n) FAIL() << lowerLetters;
    if (letters && upperLetters.size() != (n - 1) / 26 + 1) FAIL() << n << " " << upperLetters;
    const std::string upperRoman = indexToString(n, NumberFormatType::UpperRoman);
    const std::string lowerRoman = indexToString(n, NumberFormatType::LowerRoman);
    if (Testing::romanToNumber(upperRoman) != n) FAIL() << n << " " << upperRoman;
    if (Testing::romanToNumber(lowerRoman, true) != n) FAIL() << n << " " << lowerRoman;
    if (indexToString(n, NumberFormatType::Decimal) != std::to_string(n)) FAIL() << n;
  }
}

// Ordinals past what Roman numerals and letters write are written in digits: short for any
// ordinal, a 4,294,967,295 start value included.
TEST(IndexToString, LargeOrdinalsAreWrittenInDigits) {
  const struct {
    std::size_t index;
    NumberFormatType type;
    std::string expected;
  } cases[] = {
      {3999, NumberFormatType::UpperRoman, "MMMCMXCIX"},
      {3999, NumberFormatType::LowerRoman, "mmmcmxcix"},
      {4000, NumberFormatType::UpperRoman, "4000"},
      {4000, NumberFormatType::LowerRoman, "4000"},
      {2600, NumberFormatType::UpperLetter, std::string(100, 'Z')},
      {2601, NumberFormatType::LowerLetter, "2601"},
      {4294967295, NumberFormatType::UpperLetter, "4294967295"},
      {SIZE_MAX, NumberFormatType::UpperRoman, std::to_string(SIZE_MAX)},
      {SIZE_MAX, NumberFormatType::LowerLetter, std::to_string(SIZE_MAX)},
  };
  for (const auto& c : cases) EXPECT_EQ(indexToString(c.index, c.type), c.expected) << c.index;
  EXPECT_EQ(convertUpperLatinLetterToDecimal(std::string(100, 'Z')), MaxLetterOrdinal);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
