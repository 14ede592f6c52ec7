#include "OfficeUtils/Utils/OU_Utils.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <locale>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>
#include <unicode/locid.h>

#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "OfficeUtils/RegEx/OU_NumberRegex.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Errors.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestLocale.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Symbol = LocalizableSymbolType;
using Vesk::ResourceManager::MapResourceProvider;

// A context whose decimal separator is `separator`, reading `provider`.
struct TestContext : Testing::TestLocale {
  explicit TestContext(std::string separator,
                       const Vesk::ResourceManager::ResourceProvider& provider =
                           Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider())
      : TestLocale(
            {{Symbol::DecimalSeparator, std::move(separator)}, {Symbol::ThousandSeparator, " "}},
            "xx_XX", provider) {}
};

const LocaleContext& point() {
  static const TestContext context(".");
  return context;
}
const LocaleContext& comma() {
  static const TestContext context(",");
  return context;
}

// Sets ICU's default locale for a scope; the test main pins "en_US".
class DefaultLocaleScope {
 public:
  explicit DefaultLocaleScope(const char* name) : _saved(icu::Locale::getDefault()) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(name), status);
  }
  ~DefaultLocaleScope() {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(_saved, status);
  }

 private:
  icu::Locale _saved;
};

// A conversion's result as text: the number, "none" for no number, or the overflow message.
template <typename Convert>
std::string resultOf(Convert convert) {
  try {
    const auto value = convert();
    return value ? std::to_string(*value) : "none";
  } catch (const Vesk::BadNumCastError& error) {
    return error.what();
  }
}

TEST(Utils, DecimalSeparatorType) {
  // Only a lone ASCII comma is a comma.
  for (const std::string separator : {",", ".", ",,", "", "\xEF\xBC\x8C"}) {
    SCOPED_TRACE(separator);
    EXPECT_EQ(getDecimalSeparatorType(TestContext(separator)) == DecimalSeparatorType::Comma,
              separator == ",");
  }
}

// The fast reader is compared with ICU over generated texts below; these rows pin the truncation,
// the overflow directions and the ranges.
TEST(Utils, LocaleAwareNumbers) {
  const std::string up = "bad numeric conversion: positive overflow";
  const std::string down = "bad numeric conversion: negative overflow";
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    std::string text;
    const LocaleContext& context;
    std::string asInt, asLong;
    boost::optional<double> asDouble;
  } cases[] = {
      {"-2,9", comma(), "-2", "-2", -2.9},
      {"2147483647.9", point(), "2147483647", "2147483647", 2147483647.9},
      {"-3e9", point(), down, "-3000000000", -3e9},
      {"9223372036854775808", point(), up, up, 9223372036854775808.0},
      {"-1e19", point(), down, down, -1e19},
      {"+,5", comma(), "0", "0", 0.5},
      {"-1e400", point(), down, down, -inf},
      {"1e-400", point(), "0", "0", 0.0},
      {"1.5 ", point(), "none", "none", boost::none},
      {"nan", point(), "none", "none", boost::none},
      {"0x10", point(), "none", "none", boost::none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(resultOf([&] { return stringToInt(c.text, c.context); }), c.asInt);
    EXPECT_EQ(resultOf([&] { return stringToLong(c.text, c.context); }), c.asLong);
    EXPECT_EQ(stringToDouble(c.text, c.context), c.asDouble);
  }
}

TEST(Utils, NegativeZero) {
  const auto value = stringToDouble("-0", point());
  ASSERT_TRUE(value);
  EXPECT_TRUE(std::signbit(*value));
  for (const char* text : {"-0", "-0.0e5", "-,0"}) {
    SCOPED_TRACE(text);
    const auto number = stringToFloatNumber(text, text[1] == ',' ? comma() : point());
    ASSERT_TRUE(number);
    EXPECT_EQ(number->getValue(), 0.0);
    EXPECT_FALSE(std::signbit(number->getValue()));
  }
  EXPECT_EQ(stringToFloatNumber("-2.5", point()), Vesk::FloatNumber(-2.5));
  EXPECT_FALSE(stringToFloatNumber("x", point()));
}

// Random texts, numbers or not: the cached formats answer bit for bit as formats built for the
// call, also when four threads share them; and formats built under other ICU default locales
// (whose group separator is the other context's decimal separator, whose exponent is not "E",
// whose minus is not "-", or whose digits are not ASCII) answer the same.
TEST(Utils, CachedFormatsAnswerAsFreshOnesOnThreadsAndUnderAnyDefaultLocale) {
  std::vector<std::string> alphabet, texts;
  for (const char c : std::string("0123456789012345678.,+-eE")) alphabet.emplace_back(1, c);
  std::mt19937 random(5);
  for (int i = 0; i < 800; ++i) texts.push_back(Vesk::Testing::randomText(random, alphabet, 24));
  const auto answers = [&](auto convert) {
    std::string all;
    for (const auto& text : texts) {
      for (const auto* context : {&point(), &comma()}) {
        const auto value = convert(text, *context);
        all += (value ? std::to_string(std::bit_cast<std::uint64_t>(*value)) : "none") + " ";
      }
    }
    return all;
  };
  const std::string expected = answers(Detail::stringToDoubleUncached);
  std::vector<int> mismatches(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      mismatches[t] = answers([](const std::string& text, const LocaleContext& context) {
                        return stringToDouble(text, context);
                      }) != expected;
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(4));
  for (const char* locale : {"de_DE", "fr_FR", "ar_EG", "fa_IR", "sv_SE", "th_TH@numbers=thai"}) {
    const DefaultLocaleScope scope(locale);
    EXPECT_EQ(answers(Detail::stringToDoubleUncached), expected) << locale;
  }
}

TEST(Utils, LocaleFreeConversions) {
  const struct {
    std::string text;
    boost::optional<std::int32_t> asInt;
    boost::optional<double> asDouble;
    boost::optional<std::size_t> asSize;
  } cases[] = {
      {"  42xyz", 42, 42.0, 42},
      {"   ", boost::none, boost::none, boost::none},
      {"-2.5e1", -2, -25.0, boost::none},
      {"1,5", 1, 1.0, 1},
      {"2147483648", boost::none, 2147483648.0, 2147483648u},
      {"18446744073709551615", boost::none, 18446744073709551615.0,
       std::numeric_limits<std::size_t>::max()},
      {"18446744073709551616", boost::none, 18446744073709551616.0, boost::none},
      {"1e400", 1, boost::none, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(stringToInt(c.text), c.asInt);
    EXPECT_EQ(stringToDouble(c.text), c.asDouble);
    if (c.text.find('-') == std::string::npos) {
      EXPECT_EQ(stringToSizeT(c.text), c.asSize);
    }
  }
  // The standard streams read "-1" as an unsigned value by negating it.
  EXPECT_EQ(stringToSizeT("-1"), std::numeric_limits<std::size_t>::max());
}

TEST(Utils, LocaleFreeConversionsIgnoreTheGlobalLocale) {
  std::locale comma;
  try {
    comma = std::locale("de_DE.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  const std::locale saved = std::locale::global(comma);
  EXPECT_EQ(stringToDouble("1.5"), 1.5);
  EXPECT_EQ(stringToDouble("1,5"), 1.0);
  EXPECT_EQ(stringToSizeT("1.000"), std::size_t{1});
  std::locale::global(saved);
}

TEST(Utils, CurrencySeparationSymbol) {
  const MapResourceProvider provider{
      {Vesk::ResourceManager::Keys::CurrencySymbolsListPath, {"$", "\xE2\x82\xAC", "K\xC4\x8D"}},
      {Vesk::ResourceManager::Keys::CurrencyCodesListPath, {"USD", "EUR", "CZK"}},
  };
  const TestContext context(",", provider);
  const struct {
    boost::optional<std::string> currency;
    std::string expected;
  } cases[] = {
      // Every currency of three locales is compared with the uncached lookup below.
      {boost::none, ""},
      {std::string("[$\xE2\x82\xAC]"), ""},       // [$€]
      {std::string("K\xC4\x8C"), ""},             // KČ matches Kč
      {std::string("[$\xE2\x82\xAC-407]"), " "},  // the language part stays
      {std::string("XYZ"), " "},
      {std::string("[$"), " "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.currency.value_or("none"));
    EXPECT_EQ(getCurrencySeparationSymbol(c.currency, context), c.expected);
  }
  // Without lists every currency gets a space.
  EXPECT_EQ(getCurrencySeparationSymbol(std::string("$"), point()), " ");
}

// The lists lowered once per context answer as lowering them on every call does, for every
// currency a locale knows, in upper case and bracketed as in a code.
TEST(Utils, CurrencySeparationSymbolMatchesLoweringPerCall) {
  for (const auto* name : {"de_DE", "ja_JP", "tr_TR"}) {
    const auto provider = makeLocaleProvider(name);
    const LocaleManager manager(*provider, Vesk::DOM::TimeZone());
    const auto& context = manager.getLocaleContext();
    auto currencies = context.getCurrencyLists().codes;
    for (const auto& symbol : context.getCurrencyLists().symbols) currencies.push_back(symbol);
    for (const auto& currency : currencies) {
      for (const auto& variant : {Vesk::utf8StringToUpperCase(currency), "[$" + currency + "]"})
        EXPECT_EQ(getCurrencySeparationSymbol(variant, context),
                  Detail::getCurrencySeparationSymbolUncached(variant, context))
            << variant;
    }
  }
}

// Number-like texts: valid ones (signs, leading zeros, long digit runs, exponents that overflow,
// underflow or run long), decimal forms of doubles to 1-24 digits, exact forms of the midpoints
// between two (where rounding decides), and near-valid ones with a character inserted, dropped or
// swapped.
std::string numberLikeText(std::mt19937_64& random, char separator) {
  const auto digits = [&](std::size_t count) {
    std::string run;
    for (std::size_t i = 0; i < count; ++i) run += static_cast<char>('0' + random() % 10);
    return run;
  };
  const auto length = [&] { return random() % 4 == 0 ? random() % 40 : random() % 6; };
  std::string text = std::string(random() % 4, '0') + digits(length());
  if (random() % 2) text += separator + digits(length());
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
  if (random() % 3 == 0) {  // exponents at and past the 32-bit limits too
    const auto size = random() % 5 == 0 ? random() % 25 : random() % 4;
    text += (random() % 2 ? "e" : "E") + std::string(random() % 2 ? "-" : "") +
            (random() % 8 == 0 ? "214748364" : "") + digits(1 + size);
  }
  text.insert(0, std::string("+-").substr(random() % 3, random() % 2));
  const std::string alphabet = "0123456789.,+-eE x";
  for (auto edits = random() % 4 == 0 ? 1 + random() % 2 : 0; edits > 0 && !text.empty(); --edits) {
    const std::size_t at = random() % text.size();
    const char c = alphabet[random() % alphabet.size()];
    const auto kind = random() % 3;
    if (kind == 0) text.insert(at, 1, c);
    if (kind == 1) text.erase(at, 1);
    if (kind == 2) text[at] = c;
  }
  return text;
}

// The fast reader and ICU give the same answers, bit for bit and range error for range error, in
// contexts of either decimal separator and in one whose separator ICU alone reads.
TEST(Utils, FastReaderAnswersAsIcu) {
  static const TestContext arabic("\xD9\xAB");  // U+066B ARABIC DECIMAL SEPARATOR
  const LocaleContext* contexts[] = {&point(), &comma(), &arabic.get()};
  const auto bits = [](const boost::optional<double>& value) {
    return value ? std::to_string(std::bit_cast<std::uint64_t>(*value)) : std::string("none");
  };
  std::mt19937_64 random(19);
  for (int round = 0; round < 60000 / Vesk::Testing::PropertyScale; ++round) {
    const auto& context = *contexts[round % 3];
    const std::string text =
        round % 10 == 0 ? Vesk::Testing::randomText(random, {"1", "0", ".", ",", "-", "e"}, 12)
                        : numberLikeText(random, round % 3 == 1 ? ',' : '.');
    SCOPED_TRACE(text);
    ASSERT_EQ(bits(stringToDouble(text, context)), bits(Detail::stringToDoubleIcu(text, context)));
    ASSERT_EQ(resultOf([&] { return stringToInt(text, context); }),
              resultOf([&] { return Detail::stringToIntIcu(text, context); }));
    ASSERT_EQ(resultOf([&] { return stringToLong(text, context); }),
              resultOf([&] { return Detail::stringToLongIcu(text, context); }));
  }
}

// Texts longer than any double's decimal form are no number, read in constant time; the
// longest exact form of a double still reads.
TEST(StringToDouble, LongDigitRunsAreRejectedEarly) {
  const auto& context = LocaleContext::getDefaultLocaleContext(Vesk::DOM::FormulaType::OOXMLStrict);
  const std::string digits(1 << 20, '7');
  EXPECT_EQ(stringToDouble(digits, context), boost::none);
  EXPECT_EQ(stringToInt("0." + digits, context), boost::none);
  EXPECT_EQ(stringToLong("-" + digits, context), boost::none);
  // 2^-1074, the smallest subnormal, written out: 1,074 fraction digits.
  char smallest[1200];
  const auto written =
      std::to_chars(smallest, smallest + sizeof smallest, std::numeric_limits<double>::denorm_min(),
                    std::chars_format::fixed, 1074);
  ASSERT_EQ(written.ec, std::errc());
  const std::string text = "-" + std::string(smallest, written.ptr);
  ASSERT_LE(text.size(), MaxNumberTextLength);
  EXPECT_EQ(stringToDouble(text, context), -std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(stringToDouble(text + std::string(MaxNumberTextLength + 1 - text.size(), '0'), context),
            boost::none);  // past the bound
}

}  // namespace
}  // namespace Vesk::OfficeUtils
