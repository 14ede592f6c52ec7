#include "OfficeUtils/Utils/OU_Utils.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "OfficeUtils/RegEx/OU_NumberRegex.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Errors.h"
#include "tests/Formatters/OU_FormattersTestLocales.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Testing::commaContext;

const LocaleContext& pointContext() {
  return Testing::enContext();
}

// A context whose decimal separator is `separator`, reading `provider`.
struct SeparatorLocale : Testing::TestLocale {
  explicit SeparatorLocale(
      std::string separator,
      const Vesk::ResourceManager::ResourceProvider& provider =
          Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider())
      : TestLocale({{LocalizableSymbolType::DecimalSeparator, std::move(separator)}}, "xx_XX",
                   provider) {}
};

// A conversion's result as text: the number (a double's bits), "none" for no number, or the
// overflow message.
template <typename Convert>
std::string resultOf(Convert convert) {
  try {
    const auto value = convert();
    if (!value) return "none";
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(*value)>>)
      return std::to_string(std::bit_cast<std::uint64_t>(*value));
    else
      return std::to_string(*value);
  } catch (const Vesk::BadNumCastError& error) {
    return error.what();
  }
}

// Number-like texts: valid ones (signs, leading zeros, long digit runs, exponents that overflow,
// underflow or run long), decimal forms of doubles to 1-24 digits, exact forms of the midpoints
// between two (where rounding decides), and near-valid ones with a character inserted or dropped.
std::string numberLikeText(std::mt19937_64& random, char separator) {
  static const std::vector<std::string> digitPieces = {"0", "1", "2", "3", "4",
                                                       "5", "6", "7", "8", "9"};
  const auto digits = [&] {
    return Vesk::Testing::randomText(random, digitPieces, random() % 4 ? 5 : 40);
  };
  std::string text = std::string(random() % 4, '0') + digits();
  if (random() % 2) text += separator + digits();
  if (random() % 7 == 0) {  // a double, or the midpoint after it, written out exactly
    const double value = std::bit_cast<double>(random() >> (random() % 2));
    const long double midpoint =
        (static_cast<long double>(value) + std::nextafter(value, HUGE_VAL)) / 2;
    char buffer[1200];
    const auto written = random() % 2
                             ? std::to_chars(buffer, buffer + sizeof buffer, midpoint,
                                             std::chars_format::scientific, 780)
                             : std::to_chars(buffer, buffer + sizeof buffer, value,
                                             std::chars_format::general, 1 + random() % 24);
    text.assign(buffer, written.ec == std::errc() ? written.ptr : buffer);
    std::replace(text.begin(), text.end(), '.', separator);
  }
  if (random() % 3 == 0)  // exponents at and past the 32-bit limits too
    text += (random() % 2 ? "e" : "E") + std::string(random() % 2 ? "-" : "") +
            (random() % 8 == 0 ? "214748364" : "") + digits() + "1";
  text.insert(0, std::string("+-").substr(random() % 3, random() % 2));
  if (random() % 4 == 0 && !text.empty()) {
    const std::size_t at = random() % text.size();
    if (random() % 2)
      text.erase(at, 1);
    else
      text.insert(at, 1, "0123456789.,+-eE x"[random() % 18]);
  }
  return text;
}

TEST(Utils, DecimalSeparatorType) {
  // Only a lone ASCII comma is a comma.
  for (const std::string separator : {",", ".", ",,", "", "\xEF\xBC\x8C"}) {
    EXPECT_EQ(getDecimalSeparatorType(SeparatorLocale(separator)) == DecimalSeparatorType::Comma,
              separator == ",")
        << separator;
  }
}

// The fast reader is compared with ICU over generated texts below, and the grammar with its
// pattern in the RegEx tests; these rows pin the truncation, the overflow directions and the
// ranges. A FloatNumber's zero has no sign.
TEST(Utils, LocaleAwareNumbers) {
  const std::string up = "bad numeric conversion: positive overflow";
  const std::string down = "bad numeric conversion: negative overflow";
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    std::string text;
    const LocaleContext& context;
    std::string asInt, asLong;
    double asDouble;
  } cases[] = {
      {"-2,9", commaContext(), "-2", "-2", -2.9},
      {"2147483647.9", pointContext(), "2147483647", "2147483647", 2147483647.9},
      {"-3e9", pointContext(), down, "-3000000000", -3e9},
      {"9223372036854775808", pointContext(), up, up, 9223372036854775808.0},
      {"-1e19", pointContext(), down, down, -1e19},
      {"+,5", commaContext(), "0", "0", 0.5},
      {"-1e400", pointContext(), down, down, -inf},
      {"1e-400", pointContext(), "0", "0", 0.0},
      {"-0.0e5", pointContext(), "0", "0", -0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(resultOf([&] { return stringToInt(c.text, c.context); }), c.asInt);
    EXPECT_EQ(resultOf([&] { return stringToLong(c.text, c.context); }), c.asLong);
    EXPECT_EQ(resultOf([&] { return stringToDouble(c.text, c.context); }),
              resultOf([&] { return boost::optional<double>(c.asDouble); }));
  }
  EXPECT_FALSE(std::signbit(stringToFloatNumber("-0.0e5", pointContext())->getValue()));
  EXPECT_EQ(stringToFloatNumber("-2,5", commaContext()), Vesk::FloatNumber(-2.5));
  EXPECT_FALSE(stringToFloatNumber("x", pointContext()));
}

// Read as in the "C" locale whatever the global one, here one with a decimal comma if installed.
TEST(Utils, LocaleFreeConversions) {
  const std::locale saved;
  try {
    std::locale::global(std::locale("de_DE.UTF-8"));
  } catch (const std::runtime_error&) {
  }
  const struct {
    std::string text;
    boost::optional<std::int32_t> asInt;
    boost::optional<double> asDouble;
    boost::optional<std::size_t> asSize;
  } cases[] = {
      {"  42xyz", 42, 42.0, 42},
      {"2147483648", boost::none, 2147483648.0, 2147483648u},
      {"18446744073709551616", boost::none, 18446744073709551616.0, boost::none},
      {"1e400", 1, boost::none, 1},
      {"1,5", 1, 1.0, 1},
      {"1.500", 1, 1.5, 1},
      // The standard streams read "-1" as an unsigned value by negating it.
      {"-2.5e1", -2, -25.0, std::numeric_limits<std::size_t>::max() - 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(stringToInt(c.text), c.asInt);
    EXPECT_EQ(stringToDouble(c.text), c.asDouble);
    EXPECT_EQ(stringToSizeT(c.text), c.asSize);
  }
  std::locale::global(saved);
}

TEST(Utils, CurrencySeparationSymbol) {
  const Vesk::ResourceManager::MapResourceProvider provider{
      {Vesk::ResourceManager::Keys::CurrencySymbolsListPath, {"$", "\xE2\x82\xAC", "K\xC4\x8D"}},
      {Vesk::ResourceManager::Keys::CurrencyCodesListPath, {"USD", "EUR", "CZK"}},
  };
  const SeparatorLocale context(",", provider);
  const struct {
    boost::optional<std::string> currency;
    std::string expected;
  } cases[] = {
      {boost::none, ""},
      {std::string("[$\xE2\x82\xAC]"), ""},       // [$€]
      {std::string("K\xC4\x8C"), ""},             // KČ matches Kč
      {std::string("[$\xE2\x82\xAC-407]"), " "},  // the language part stays
      {std::string("USD"), " "},                  // a code is no symbol
      {std::string("[$"), " "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(getCurrencySeparationSymbol(c.currency, context), c.expected) << c.currency;
  // Without lists every currency gets a space.
  EXPECT_EQ(getCurrencySeparationSymbol(std::string("$"), pointContext()), " ");
}

// The fast reader and ICU give the same answers, bit for bit and range error for range error, in
// contexts of either decimal separator and in one whose separator ICU alone reads; ICU's cached
// formats answer as formats built for the call; the number pattern, written apart from the
// conversions' hand-written grammar check, accepts the same texts.
TEST(Utils, FastReaderAnswersAsIcu) {
  static const SeparatorLocale arabic("\xD9\xAB");  // U+066B ARABIC DECIMAL SEPARATOR
  const LocaleContext* contexts[] = {&pointContext(), &commaContext(), &arabic.get()};
  std::mt19937_64 random(19);
  for (int round = 0; round < 60000 / Vesk::Testing::PropertyScale; ++round) {
    const auto& context = *contexts[round % 3];
    const std::string text =
        round % 10 == 0
            ? Vesk::Testing::randomText(random, {"1", "0", ".", ",", "-", "+", "e", "E", " "}, 10)
            : numberLikeText(random, round % 3 == 1 ? ',' : '.');
    SCOPED_TRACE(text);
    const std::string icu = resultOf([&] { return Detail::stringToDoubleIcu(text, context); });
    ASSERT_EQ(resultOf([&] { return stringToDouble(text, context); }), icu);
    if (round % 8 == 0) {
      ASSERT_EQ(resultOf([&] { return Detail::stringToDoubleUncached(text, context); }), icu);
    }
    ASSERT_EQ(resultOf([&] { return stringToInt(text, context); }),
              resultOf([&] { return Detail::stringToIntIcu(text, context); }));
    ASSERT_EQ(resultOf([&] { return stringToLong(text, context); }),
              resultOf([&] { return Detail::stringToLongIcu(text, context); }));
    if (&context == &arabic.get()) continue;
    // The compiled pattern splits exactly what the conversions read, into views that tile it.
    const auto parts = parseNumber(text, context);
    ASSERT_EQ(parts.has_value(), stringToDouble(text, context).has_value());
    if (parts) {
      ASSERT_EQ(parts->sign.data(), text.data());
      ASSERT_EQ(parts->number.data(), text.data() + parts->numberPosition);
      ASSERT_EQ(parts->numberPosition, parts->sign.size());
      ASSERT_EQ(fmt::format("{}{}{}", parts->sign, parts->number, parts->exponent), text);
      ASSERT_TRUE(parts->exponent.starts_with(parts->exponentLiteral));
    }
  }
}

// Formats built under other ICU default locales (whose group separator is the other context's
// decimal separator, whose exponent is not "E", whose minus is not "-", or whose digits are not
// ASCII) answer as the cached ones, built under "en_US", which the test main sets.
TEST(Utils, FormatsDoNotDependOnTheDefaultLocale) {
  const char* locales[] = {"de_DE", "fr_FR", "ar_EG", "fa_IR", "sv_SE", "th_TH@numbers=thai"};
  std::mt19937_64 random(5);
  std::string mismatch;
  for (int i = 0; i < 600; ++i) {
    const auto& context = i % 2 ? commaContext() : pointContext();
    const std::string text = numberLikeText(random, i % 2 ? ',' : '.');
    const auto cached = Detail::stringToDoubleIcu(text, context);
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(locales[i / 2 % 6]), status);
    if (Detail::stringToDoubleUncached(text, context) != cached) mismatch = text;
    icu::Locale::setDefault(icu::Locale("en_US"), status);
  }
  EXPECT_EQ(mismatch, "");
}

// Texts longer than any double's decimal form are no number, read in constant time; the
// longest exact form of a double still reads.
TEST(StringToDouble, LongDigitRunsAreRejectedEarly) {
  const std::string digits(1 << 20, '7');
  EXPECT_EQ(stringToDouble(digits, pointContext()), boost::none);
  EXPECT_EQ(stringToLong("-0." + digits, pointContext()), boost::none);
  // 2^-1074, the smallest subnormal, written out: 1,074 fraction digits.
  char smallest[1200];
  const auto written =
      std::to_chars(smallest, smallest + sizeof smallest, std::numeric_limits<double>::denorm_min(),
                    std::chars_format::fixed, 1074);
  const std::string text = "-" + std::string(smallest, written.ptr);
  ASSERT_LE(text.size(), MaxNumberTextLength);
  EXPECT_EQ(stringToDouble(text, pointContext()), -std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(stringToDouble(text + std::string(MaxNumberTextLength + 1 - text.size(), '0'),
                           pointContext()),
            boost::none);  // past the bound
}

}  // namespace
}  // namespace Vesk::OfficeUtils
