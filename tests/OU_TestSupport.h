// Checks shared by several test files.
#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "host/Utils/OU_Assert.h"

// `statement` must fail an assertion of the source file `expectedFile` (as
// "OfficeUtils/Utils/OU_DateTime") whose message, or whose condition when it has no message, is
// `expectedText`. The test main installs the throwing handler.
#define EXPECT_ASSERTION(statement, expectedFile, expectedText)                         \
  do {                                                                                  \
    try {                                                                               \
      statement;                                                                        \
      ADD_FAILURE() << "no assertion from " #statement;                                 \
    } catch (const ::Vesk::AssertionFailure& failure_) {                                \
      EXPECT_EQ(failure_.file(), expectedFile);                                         \
      EXPECT_EQ(failure_.message().empty() ? failure_.condition() : failure_.message(), \
                expectedText);                                                          \
    }                                                                                   \
  } while (false)

namespace Vesk::Testing {

// Property tests draw this fraction of their cases under AddressSanitizer (as GCC, which builds
// the tests, announces it), which makes the library several times slower.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int PropertyScale = 4;
#else
inline constexpr int PropertyScale = 1;
#endif

// The code points of `text` simply case folded, read through ICU's own string class (ill-formed
// bytes become U+FFFD).
inline std::vector<UChar32> foldedCodePoints(const std::string& text) {
  std::vector<UChar32> codePoints;
  const auto unicode = icu::UnicodeString::fromUTF8(text);
  for (int32_t i = 0; i < unicode.length(); i = unicode.moveIndex32(i, 1))
    codePoints.push_back(u_foldCase(unicode.char32At(i), U_FOLD_CASE_DEFAULT));
  return codePoints;
}

// Up to `maxPieces` pieces drawn from `alphabet`, concatenated.
template <typename Random>
std::string randomText(Random& random, const std::vector<std::string>& alphabet, int maxPieces) {
  std::string text;
  for (int n = std::uniform_int_distribution<int>(0, maxPieces)(random); n > 0; --n)
    text += alphabet[random() % alphabet.size()];
  return text;
}

// Roman numerals read back by the additive rule: each symbol adds its value, or subtracts it when
// a larger one follows; 0 for a text with other characters.
inline std::size_t romanToNumber(std::string_view text, bool lowerCase = false) {
  auto value = [lowerCase](char c) -> std::size_t {
    static constexpr std::size_t values[] = {1, 5, 10, 50, 100, 500, 1000};
    const auto at = std::string_view(lowerCase ? "ivxlcdm" : "IVXLCDM").find(c);
    return at == std::string_view::npos ? 0 : values[at];
  };
  std::size_t total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t current = value(text[i]);
    if (current == 0) return 0;
    total += i + 1 < text.size() && current < value(text[i + 1]) ? 0 - current : current;
  }
  return total;
}

}  // namespace Vesk::Testing
