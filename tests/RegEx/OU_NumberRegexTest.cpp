#include "OfficeUtils/RegEx/OU_NumberRegex.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace Vesk::OfficeUtils {
namespace {

using Symbol = LocalizableSymbolType;

const LocaleContext& pointContext() {
  return LocaleContext::getEnLocaleContext();
}

const LocaleContext& commaContext() {
  static const LocaleResources resources(
      LocaleResources::SymbolStrings{{Symbol::DecimalSeparator, ","},
                                     {Symbol::ThousandSeparator, "."}},
      "de_DE");
  static const LocaleContext context(
      Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(), resources,
      FormattingResources::getDefaultFormattingResources(), Vesk::DOM::TimeZone::getUTCTimeZone());
  return context;
}

// "sign|number@position|exponent|literal", or "none".
std::string dump(std::string_view text, const LocaleContext& context) {
  const auto parts = parseNumber(text, context);
  if (!parts) return "none";
  return std::string(parts->sign) + "|" + std::string(parts->number) + "@" +
         std::to_string(parts->numberPosition) + "|" + std::string(parts->exponent) + "|" +
         std::string(parts->exponentLiteral);
}

TEST(NumberRegex, SplitsUnderAPointLocale) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"5", "|5@0||"},
      {"-.5e+3", "-|.5@1|e+3|e+"},
      {"+12.", "+|12.@1||"},
      {"0012.50E5", "|0012.50@0|E5|E"},
      {"7e-0", "|7@0|e-0|e-"},
      {"-0", "-|0@1||"},
      {"1,5", "none"},
      {".", "none"},
      {"", "none"},
      {" 5", "none"},
      {"5 ", "none"},
      {"+", "none"},
      {"1e", "none"},
      {"1e+", "none"},
      {"e5", "none"},
      {".e5", "none"},
      {"--1", "none"},
      {"+-1", "none"},
      {"1.2.3", "none"},
      {"1,000", "none"},
      {"1e5.5", "none"},
      {"5%", "none"},
      {"$5", "none"},
      {"0x1A", "none"},
      {"\xD9\xA1", "none"},  // ARABIC-INDIC DIGIT ONE
      {std::string("1\0", 2), "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(dump(c.text, pointContext()), c.expected);
  }
}

TEST(NumberRegex, SplitsUnderACommaLocale) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"1,5", "|1,5@0||"}, {"-,5E-2", "-|,5@1|E-2|E-"},
      {"12,", "|12,@0||"}, {"5", "|5@0||"},
      {"1.5", "none"},     {",", "none"},
      {"1,5,0", "none"},   {"1.000,5", "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(dump(c.text, commaContext()), c.expected);
  }
}

// An independent recognizer of the same grammar: sign? (digits [sep digits*] | digits* sep
// digits+) ([eE] sign? digits+)?
bool recognizes(const std::string& text, char separator) {
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = digits();
  if (i < text.size() && text[i] == separator) {
    ++i;
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == text.size();
}

TEST(NumberRegex, AgreesWithAHandWrittenRecognizerAndTilesItsInput) {
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
      ASSERT_EQ(parts.has_value(), recognizes(text, separator));
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
