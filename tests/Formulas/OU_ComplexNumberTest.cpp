#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "../Formatters/OU_FormattersTestLocales.h"
#include "host/FormulaModel/OU_FormulaValue.h"

namespace Vesk::OfficeUtils {

// For boost::optional<Suffix> in failure messages.
std::ostream& operator<<(std::ostream& out, ImaginarySuffix::Suffix suffix) {
  return out << (suffix == ImaginarySuffix::Suffix::J ? 'j' : 'i');
}

namespace {

using Suffix = ImaginarySuffix::Suffix;

TEST(ComplexNumberTest, TextForms) {
  struct Row {
    double re, im;
    boost::optional<Suffix> suffix;
    const char* text;
  };
  // Integer parts, signs and bare unit letters are covered by the property below.
  const Row rows[] = {
      {0, -4, Suffix::I, "-4i"},
      {2, 0.5, {}, "2+0.5i"},
      {2, -0.0, {}, "2"},
      {-0.0, -0.0, {}, "0"},
      {-0.0, 2, {}, "2i"},
      {-1.5, -2.25, {}, "-1.5-2.25i"},
      // A unit imaginary part within rounding noise of 1 is still the bare letter.
      {1, 1.0000000000000002, {}, "1+i"},
      // 15 significant digits in scientific mode, the general format's switch-over elsewhere.
      {1e20, 1e-20, {}, "1E+20+1E-20i"},
      {123456789012.5, 0, {}, "1.234567890125E+11"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ComplexNumber(row.re, row.im, row.suffix).toString(Testing::enContext()), row.text);
  }
  EXPECT_EQ(ComplexNumber(2.5, -0.5, ImaginarySuffix(Suffix::J)).toString(Testing::commaContext()),
            "2,5-0,5j");
}

TEST(ComplexNumberTest, NonFinitePartsAreNumErrors) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Vesk::Complex value : {Vesk::Complex{nan, 0}, Vesk::Complex{0, nan},
                                    Vesk::Complex{inf, 1}, Vesk::Complex{1, -inf}}) {
    try {
      (void)ComplexNumber(value, {}).toString(Testing::enContext());
      ADD_FAILURE() << "no exception for " << value.real << ", " << value.imaginary;
    } catch (const Vesk::FormulaModel::FormulaException& e) {
      EXPECT_EQ(e.getErrorType(), Vesk::DOM::FormulaErrorType::Num);
    }
  }
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
    ASSERT_EQ(number.toString(Testing::enContext()), expected) << re << " " << im;
  }
}

TEST(ComplexNumberTest, SuffixConversionsAndUpdates) {
  struct Row {
    const char* text;
    boost::optional<Suffix> expected;
  };
  for (const Row& row :
       {Row{"i", Suffix::I}, Row{"j", Suffix::J}, Row{"J", {}}, Row{"", {}}, Row{"ij", {}}}) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ImaginarySuffix::stringToSuffix(row.text), row.expected);
    if (std::string(row.text).size() == 1) {
      EXPECT_EQ(ImaginarySuffix::charToSuffix(row.text[0]), row.expected);
    }
    ImaginarySuffix held(Suffix::J);
    EXPECT_EQ(held.setSuffixFromString(row.text), row.expected.has_value());
    EXPECT_EQ(held, ImaginarySuffix(row.expected));
  }
  ImaginarySuffix held(Suffix::J);
  EXPECT_FALSE(held.setSuffixFromChar('x'));
  EXPECT_EQ(held.toChar(), 'i');  // an undefined suffix writes "i"
}

TEST(ComplexNumberTest, IntersectAndEquality) {
  ImaginarySuffix undefined;
  undefined.intersect(ImaginarySuffix(Suffix::J));
  EXPECT_EQ(undefined, ImaginarySuffix(Suffix::J));
  ImaginarySuffix i(Suffix::I);
  i.intersect(ImaginarySuffix(Suffix::J));
  EXPECT_EQ(i, ImaginarySuffix(Suffix::I));
  ImaginarySuffix none;
  none.intersect(ImaginarySuffix());
  EXPECT_FALSE(none.isDefined());
  EXPECT_EQ(ComplexNumber(0.1 + 0.2, 2, {}), ComplexNumber(Vesk::Complex{0.3, 2}, {}));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
