#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "host/FormulaModel/OU_FormulaValue.h"
#include "tests/OU_TestLocale.h"

namespace Vesk::OfficeUtils {
namespace {

using Suffix = ImaginarySuffix::Suffix;

const LocaleContext& en() {
  return LocaleContext::getEnLocaleContext();
}

TEST(ComplexNumberTest, TextForms) {
  struct Row {
    double re, im;
    const char* text;  // nullptr: "#NUM!"
  };
  // Integer parts, signs and bare unit letters are covered by the property below.
  const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
  const Row rows[] = {
      {2, 0.5, "2+0.5i"},
      {2, -0.0, "2"},
      {-0.0, -0.0, "0"},
      {-0.0, 2, "2i"},
      {-1.5, -2.25, "-1.5-2.25i"},
      // A unit imaginary part within rounding noise of 1 is still the bare letter.
      {1, 1.0000000000000002, "1+i"},
      // 15 significant digits in scientific mode, the general format's switch-over elsewhere.
      {1e20, 1e-20, "1E+20+1E-20i"},
      {123456789012.5, 0, "1.234567890125E+11"},
      {nan, 0, nullptr},
      {0, nan, nullptr},
      {inf, 1, nullptr},
      {1, -inf, nullptr}};
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.re << " " << row.im);
    try {
      EXPECT_EQ(ComplexNumber(row.re, row.im, {}).toString(en()), row.text ? row.text : "#NUM!");
    } catch (const Vesk::FormulaModel::FormulaException& e) {
      EXPECT_FALSE(row.text);
      EXPECT_EQ(e.getErrorType(), Vesk::DOM::FormulaErrorType::Num);
    }
  }
  const Testing::TestLocale comma({{LocalizableSymbolType::DecimalSeparator, ","},
                                   {LocalizableSymbolType::ThousandSeparator, "."},
                                   {LocalizableSymbolType::ExponentLiteral, "E"}});
  EXPECT_EQ(ComplexNumber(2.5, -0.5, ImaginarySuffix(Suffix::J)).toString(comma), "2,5-0,5j");
}

// Integer parts render exactly as their decimal text, so the whole string can be predicted
// independently: sign rules, omitted zero real part and bare unit letter.
TEST(ComplexNumberTest, IntegerPartsAgreeWithIndependentRendering) {
  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> part(-3, 3);
  std::uniform_int_distribution<int> big(-99999, 99999);
  for (int n = 0; n < 2000; ++n) {
    const int re = n % 2 ? part(rng) : big(rng);
    const int im = n % 3 ? part(rng) : big(rng);
    const bool j = n % 5 == 0;
    std::string expected;
    if (im == 0 || re != 0) expected = std::to_string(re);
    if (im != 0) {
      if (im < 0)
        expected += '-';
      else if (!expected.empty())
        expected += '+';
      if (std::abs(im) != 1) expected += std::to_string(std::abs(im));
      expected += j ? 'j' : 'i';
    }
    const ComplexNumber number(re, im, j ? ImaginarySuffix(Suffix::J) : ImaginarySuffix());
    ASSERT_EQ(number.toString(en()), expected) << re << " " << im;
  }
}

// Only the lower-case letters are units; a failed update leaves the letter undefined, written
// "i"; intersect adopts a letter only when none is held.
TEST(ComplexNumberTest, SuffixLetters) {
  const std::pair<const char*, ImaginarySuffix> rows[] = {{"i", ImaginarySuffix(Suffix::I)},
                                                          {"j", ImaginarySuffix(Suffix::J)},
                                                          {"J", {}},
                                                          {"", {}},
                                                          {"ij", {}}};
  for (const auto& [text, expected] : rows) {
    SCOPED_TRACE(text);
    ImaginarySuffix held(Suffix::J);
    EXPECT_EQ(held.setSuffixFromString(text), expected.isDefined());
    EXPECT_EQ(held, expected);
    EXPECT_EQ(held.toChar(), text == std::string("j") ? 'j' : 'i');
    if (text[0] && !text[1]) {
      EXPECT_EQ(ImaginarySuffix(ImaginarySuffix::charToSuffix(text[0])), expected);
    }
    ImaginarySuffix target = held;
    target.intersect(ImaginarySuffix(Suffix::J));
    EXPECT_EQ(target, held.isDefined() ? held : ImaginarySuffix(Suffix::J));
  }
  EXPECT_EQ(ComplexNumber(0.1 + 0.2, 2, {}), ComplexNumber(Vesk::Complex{0.3, 2}, {}));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
