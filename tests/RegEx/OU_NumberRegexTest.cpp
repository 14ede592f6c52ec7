#include "OfficeUtils/RegEx/OU_NumberRegex.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/Formatters/OU_FormattersTestLocales.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;

const LocaleContext& pointContext() {
  return Testing::enContext();
}

// "sign|number@position|exponent|literal", or "none".
std::string dump(std::string_view text, const LocaleContext& context) {
  const auto parts = parseNumber(text, context);
  if (!parts) return "none";
  return std::string(parts->sign) + "|" + std::string(parts->number) + "@" +
         std::to_string(parts->numberPosition) + "|" + std::string(parts->exponent) + "|" +
         std::string(parts->exponentLiteral);
}

// The parts of a number; the pattern is compared with the conversions' grammar over generated
// texts in the Utils tests, and by the number-strings fuzzer.
TEST(NumberRegex, SplitsUnderTheLocaleSeparator) {
  EXPECT_EQ(dump("-.5e+3", pointContext()), "-|.5@1|e+3|e+");
  EXPECT_EQ(dump("-,5E-2", commaContext()), "-|,5@1|E-2|E-");
}

}  // namespace
}  // namespace Vesk::OfficeUtils
