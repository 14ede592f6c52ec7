#include "OfficeUtils/Formatters/OU_GeneralNumberFormatter.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "OfficeUtils/Utils/OU_Utils.h"
#include "host/Utils/OU_Errors.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;
using Testing::enContext;

// The windows' edges and the settings; the differential below covers the digits of any value.
TEST(GeneralNumberFormatter, MagnitudeWindowsAndSettings) {
  const GeneralNumberFormatter defaults(enContext()), formula = createGeneralFormatter(enContext());
  GeneralNumberFormatter custom(enContext());
  custom.setDefaultThresholdOfMax(1000.0);
  custom.setDefaultThresholdOfMin(0.5);
  custom.setPrecisionForScientificMode(3);
  custom.setPrecisionForFixedMode(2);
  const std::tuple<const GeneralNumberFormatter*, double, std::string> cases[] = {
      {&defaults, 99999999999.0, "99999999999"},
      {&defaults, -100000000000.0, "-1E+11"},
      {&defaults, 0.00000001, "0.00000001"},
      {&defaults, -0.000000009, "-9E-09"},
      {&defaults, 0.1 + 0.2, "0.30000000000000004"},
      {&formula, 1234567890123456.0, "1.23456789012346E+15"},
      {&custom, 1000.0, "1000"},
      {&custom, 1001.0, "1.001E+03"},
      {&custom, 0.5, "0.5"},
      {&custom, 0.49, "4.9E-01"},
      {&custom, 500.125, "500.13"},
  };
  for (const auto& [formatter, value, expected] : cases) EXPECT_EQ((*formatter)(value), expected);
  EXPECT_EQ(doubleToString(1.23456e20, enContext(), 3), "1.235E+20");
  EXPECT_EQ(doubleToString(0.5, commaContext(), 2), "0,5");
}

// The formatter copies the wrapper's settings (a copy that lost them, or shared the ICU object
// between the fixed and scientific formats, fails here or in the differential below).
TEST(GeneralNumberFormatter, WrapperSettingsCarryOverAndPrecisionBeyondIntThrows) {
  ICUDecimalFormatWrapper wrapper(enContext());
  EXPECT_THROW(wrapper.setMinExponentDigits(128), Vesk::BadNumCastError);
  wrapper.setGrouping(true);
  GeneralNumberFormatter formatter(wrapper);
  EXPECT_EQ(formatter(1234567.5), "1,234,567.5");
  EXPECT_EQ(formatter(1e12), "1E+12");
  EXPECT_THROW(formatter.setPrecisionForScientificMode(std::numeric_limits<std::size_t>::max()),
               Vesk::BadNumCastError);
  EXPECT_THROW(formatter.setPrecisionForFixedMode(std::size_t{1} << 40), Vesk::BadNumCastError);
}

// Built from a context the formatter writes finite values by arithmetic; built from that
// context's ICU format it goes through ICU. Both must give the same text for any value and
// setting: integers, short decimals and their halves, powers of ten and their neighbours, any bits.
// (Past fifteen mantissa fraction digits ICU may write a malformed mantissa such as
// "0.09999999999999999E-14", where the arithmetic writes "9.999999999999999E-16".)
TEST(GeneralNumberFormatter, ArithmeticDigitsAgreeWithICU) {
  const Testing::SeparatorContext arabic("\u066B", "\u066C");
  std::mt19937_64 random(20261206);
  auto pick = [&random](std::initializer_list<double> values) {
    return *(values.begin() + random() % values.size());
  };
  auto draw = [&random]() -> double {
    const double sign = random() % 2 ? -1.0 : 1.0;
    const double scale = std::pow(10.0, static_cast<int>(random() % 40) - 20);
    switch (random() % 4) {
      case 0:  // short decimals and their halves
        return sign * (static_cast<double>(random() % 100000) + (random() % 2 ? 0.5 : 0)) * scale;
      case 1:  // powers of ten and their neighbours
        return sign * std::nextafter(scale, random() % 2 ? 0.0 : 1e300);
      case 2:
        return sign * static_cast<double>(random() >> (random() % 64));
      default: {  // any bits
        double value;
        do {
          const auto bits = random();
          std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        return value;
      }
    }
  };
  for (const LocaleContext* context : {&enContext(), &commaContext(), &arabic.get()}) {
    for (int round = 0; round < 40; ++round) {
      GeneralNumberFormatter arithmetic(*context);
      GeneralNumberFormatter icu{ICUDecimalFormatWrapper(*context)};
      const auto fixed = static_cast<std::size_t>(pick({0, 1, 2, 5, 10, 15, 17, 340}));
      const auto scientific = static_cast<std::size_t>(random() % 16);
      const double max = pick({99999999999.0, 1e15, 1e300});
      const double min = pick({0.00000001, 0.0001, 1e-300});
      for (auto* formatter : {&arithmetic, &icu}) {
        formatter->setPrecisionForFixedMode(fixed);
        formatter->setPrecisionForScientificMode(scientific);
        formatter->setDefaultThresholdOfMax(max);
        formatter->setDefaultThresholdOfMin(min);
      }
      for (int n = 0; n < 500; ++n) {
        const double value = n == 0 ? -0.0 : draw();
        ASSERT_EQ(arithmetic(value), icu(value))
            << std::hexfloat << value << " fixed " << fixed << " scientific " << scientific;
      }
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
