#include "OfficeUtils/Formulas/OU_ComplexNumber.h"

#include <string>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

// What the read-back property of the casts cannot see, since the reader takes either form: the
// real part left out when it alone is zero, a unit imaginary part as the bare letter (within
// rounding noise of 1), negative zeros as zero, 15 significant digits in scientific mode. The
// read-back property covers the locale's separators and the letter j, the fuzzer the "#NUM!" of
// non-finite parts.
TEST(ComplexNumberTest, TextForms) {
  const struct {
    double re, im;
    const char* text;
  } rows[] = {
      {2, 0.5, "2+0.5i"},
      {2, -0.0, "2"},
      {-0.0, -0.0, "0"},
      {-0.0, 2, "2i"},
      {0, -1, "-i"},
      {3, -1, "3-i"},
      {1, 1.0000000000000002, "1+i"},
      {1e20, 1e-20, "1E+20+1E-20i"},
      {123456789012.5, 0, "1.234567890125E+11"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ComplexNumber(row.re, row.im, {}).toString(LocaleContext::getEnLocaleContext()),
              row.text);
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
