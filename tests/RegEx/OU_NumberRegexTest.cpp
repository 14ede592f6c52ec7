#include "OfficeUtils/RegEx/OU_NumberRegex.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "OfficeUtils/Utils/OU_Utils.h"
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

// The property below checks the grammar over generated texts; these rows the parts.
TEST(NumberRegex, SplitsUnderTheLocaleSeparator) {
  EXPECT_EQ(dump("-.5e+3", pointContext()), "-|.5@1|e+3|e+");
  EXPECT_EQ(dump("-,5E-2", commaContext()), "-|,5@1|E-2|E-");
}

// The grammar, sign? (digits [sep digits*] | digits* sep digits+) ([eE] sign? digits+)?, is
// written twice: as the compiled pattern and as the hand-written check that gates the number
// conversions. The two accept the same texts, and the parts tile the text.
TEST(NumberRegex, AgreesWithTheConversionsGrammarAndTilesItsInput) {
  std::mt19937 random(20240501);
  const std::string alphabet = "0123456789.,+-eE 1";
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 9);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    for (const auto* context : {&pointContext(), &commaContext()}) {
      const char separator = context == &pointContext() ? '.' : ',';
      SCOPED_TRACE("\"" + text + "\" with " + separator);
      const auto parts = parseNumber(text, *context);
      ASSERT_EQ(stringToDouble(text, *context).has_value(), parts.has_value());
      if (!parts) continue;
      // The parts are views into the text that tile it in order.
      const std::string_view input(text);
      EXPECT_EQ(parts->sign.data(), input.data());
      EXPECT_EQ(parts->number.data(), input.data() + parts->numberPosition);
      EXPECT_EQ(parts->numberPosition, parts->sign.size());
      EXPECT_EQ(
          std::string(parts->sign) + std::string(parts->number) + std::string(parts->exponent),
          text);
      EXPECT_EQ(parts->exponentLiteral, parts->exponent.substr(0, parts->exponentLiteral.size()));
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
