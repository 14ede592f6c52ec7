#include "OfficeUtils/Utils/OU_Utils.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <locale>
#include <memory>
#include <sstream>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/fmtable.h>
#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/unistr.h>

#include "OfficeUtils/OU_Assert.h"
#include "OfficeUtils/Utils/OU_UtilsTesting.h"
#include "host/Utils/OU_NumCast.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr const char* SourceFile = "OfficeUtils/Utils/OU_Utils";

// A format for the grammar parseNumber accepts: ASCII digits and signs, "e" or "E", and the
// document locale's decimal separator. Its other symbols come from ICU's root locale rather than
// the default one, whose exponent, minus or digits may differ ("-1.5e1" would read as -1.5
// under an Arabic default locale), so that a text reads the same in every process.
std::unique_ptr<icu::DecimalFormat> makeDecimalFormat(const std::string& decimalSeparator) {
  UErrorCode status = U_ZERO_ERROR;
  auto symbols = std::make_unique<icu::DecimalFormatSymbols>(icu::Locale::getRoot(), status);
  OU_ASSERT(U_SUCCESS(status));
  symbols->setSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol,
                     icu::UnicodeString::fromUTF8(decimalSeparator));
  // The format adopts the symbols whatever the status.
  auto format =
      std::make_unique<icu::DecimalFormat>(icu::UnicodeString(), symbols.release(), status);
  OU_ASSERT(U_SUCCESS(status));
  return format;
}

// Formats kept per thread, since an ICU format must not be used by two threads at once, keyed
// by the decimal separator. A process meets few separators; past MaxEntries the oldest goes.
class DecimalFormatCache {
 public:
  const icu::DecimalFormat& get(const std::string& decimalSeparator) {
    for (const auto& entry : _entries) {
      if (entry.decimalSeparator == decimalSeparator) return *entry.format;
    }
    if (_entries.size() == MaxEntries) _entries.erase(_entries.begin());
    auto format = makeDecimalFormat(decimalSeparator);
    warm(*format, decimalSeparator);
    _entries.push_back({decimalSeparator, std::move(format)});
    return *_entries.back().format;
  }

 private:
  static constexpr std::size_t MaxEntries = 8;

  struct Entry {
    std::string decimalSeparator;
    std::unique_ptr<icu::DecimalFormat> format;
  };

  // ICU builds a format's parser on the first parse and its first few parses run slowly; pay
  // for that here rather than in a caller's first conversions.
  static void warm(const icu::DecimalFormat& format, const std::string& decimalSeparator) {
    const icu::UnicodeString samples[] = {
        icu::UnicodeString::fromUTF8("-12" + decimalSeparator + "5e+3"),
        icu::UnicodeString::fromUTF8("7"),
        icu::UnicodeString::fromUTF8("0" + decimalSeparator + "25")};
    for (int round = 0; round < 2; ++round) {
      for (const auto& sample : samples) {
        icu::Formattable result;
        icu::ParsePosition position(0);
        format.parse(sample, result, position);
      }
    }
  }

  std::vector<Entry> _entries;
};

const icu::DecimalFormat& getCachedDecimalFormat(const std::string& decimalSeparator) {
  thread_local DecimalFormatCache cache;
  return cache.get(decimalSeparator);
}

enum class FormatSource : bool { Cached, Fresh };

// Which reader produces the value of a text that matched the grammar.
enum class Reader : bool { Fast, Icu };

DecimalSeparatorType separatorTypeOf(const std::string& decimalSeparator) {
  return decimalSeparator == "," ? DecimalSeparatorType::Comma : DecimalSeparatorType::Point;
}

// Whether the whole text is a number of the grammar parseNumber matches (sign, mantissa with at
// most one separator, exponent), written out: a conversion needs none of the parts, and matching
// the compiled pattern would cost it a third of its time. Tests and the fuzzer hold the two to
// the same answers.
bool isPlainNumber(std::string_view text, DecimalSeparatorType separatorType) {
  const char separator = separatorType == DecimalSeparatorType::Comma ? ',' : '.';
  const std::size_t size = text.size();
  std::size_t i = 0;
  const auto skipDigits = [&] {
    const std::size_t start = i;
    while (i < size && text[i] >= '0' && text[i] <= '9') ++i;
    return i - start;
  };
  const auto skipSign = [&] {
    if (i < size && (text[i] == '+' || text[i] == '-')) ++i;
  };
  skipSign();
  std::size_t mantissaDigits = skipDigits();
  if (i < size && text[i] == separator) {
    ++i;
    mantissaDigits += skipDigits();
  }
  if (mantissaDigits == 0) return false;
  if (i < size && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    skipSign();
    if (skipDigits() == 0) return false;
  }
  return i == size;
}

// Room for the UTF-16 form of most numbers, so that a conversion allocates nothing for it.
constexpr std::size_t ParseBufferSize = 64;

// Largest magnitude below which every integer is a double: the fast reader's integer results
// stop there, because ICU reads larger integers exactly rather than through a double.
constexpr double ExactIntegerLimit = 9007199254740992.0;  // 2^53

// The value of a matched text whose locale writes its decimal separator as "." or ",", read by
// std::from_chars from an ASCII copy with the separator made a point and a leading plus dropped.
// None where ICU must decide: a result out of the double range (ICU's infinity or zero) and, for
// an integer result, a magnitude of 2^53 or more. from_chars rounds correctly at any length; ICU
// agrees on every text the tests and the fuzzer have met, up to and past 17 significant digits.
template <typename Result>
boost::optional<Result> readFast(const std::string& text, char separator) {
  std::array<char, MaxNumberTextLength> buffer;
  const std::size_t skip = text[0] == '+' ? 1 : 0;
  const std::size_t size = text.size() - skip;
  const char* begin = text.data() + skip;
  if (separator != '.') {
    std::copy_n(begin, size, buffer.data());
    std::replace(buffer.data(), buffer.data() + size, separator, '.');
    begin = buffer.data();
  }
  double value = 0;
  const auto [end, error] = std::from_chars(begin, begin + size, value);
  if (error != std::errc() || end != begin + size) return boost::none;
  if constexpr (std::is_floating_point_v<Result>) {
    return value;
  } else {
    if (!(std::fabs(value) < ExactIntegerLimit)) return boost::none;
    return Vesk::numCast<Result>(value);
  }
}

// Whether the digits before the exponent are all zeros.
bool hasZeroMantissa(std::string_view text) {
  for (const char c : text) {
    if (c == 'e' || c == 'E') break;
    if (c >= '1' && c <= '9') return false;
  }
  return true;
}

template <typename Result>
boost::optional<Result> readIcu(const std::string& text, const std::string& decimalSeparator,
                                FormatSource source) {
  const bool plusSign = text[0] == '+';
  // Zero whatever its exponent: ICU reads "0e2147483648" as an infinity.
  if (hasZeroMantissa(text)) return static_cast<Result>(text[0] == '-' ? -0.0 : 0.0);

  // A matched number is ASCII: widen it into a stack buffer and let ICU read it in place. ICU
  // reads no leading plus, so a "+" becomes "0" ("+12" is read as "012").
  std::array<char16_t, ParseBufferSize> buffer;
  icu::UnicodeString parseText;
  if (text.size() <= buffer.size()) {
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = static_cast<char16_t>(text[i]);
    if (plusSign) buffer[0] = u'0';
    parseText.setTo(false, buffer.data(), static_cast<int32_t>(text.size()));
  } else {
    parseText = icu::UnicodeString::fromUTF8(text);
    if (plusSign) parseText.setCharAt(0, u'0');
  }

  icu::Formattable result;
  icu::ParsePosition position(0);
  if (source == FormatSource::Cached) {
    getCachedDecimalFormat(decimalSeparator).parse(parseText, result, position);
  } else {
    makeDecimalFormat(decimalSeparator)->parse(parseText, result, position);
  }

  switch (result.getType()) {
    case icu::Formattable::kLong:
      return static_cast<Result>(result.getLong());
    case icu::Formattable::kInt64:
      return Vesk::numCast<Result>(result.getInt64());
    case icu::Formattable::kDouble:
      if constexpr (std::is_floating_point_v<Result>) {
        return result.getDouble();
      } else {
        return Vesk::numCast<Result>(result.getDouble());
      }
    default:
      break;
  }
  OU_FAIL("Unexpected type of conversion from string to number.");
}

// ICU defines the value of a matched text; the fast reader gives the same value where the
// locale's separator is plain ASCII, and ICU reads the rest.
template <typename Result>
boost::optional<Result> convert(const std::string& text, const LocaleContext& context,
                                Reader reader, FormatSource source = FormatSource::Cached) {
  const std::string& decimalSeparator =
      context.getResources().getSymbol(LocalizableSymbolType::DecimalSeparator);
  // ICU's parse grows with the square of the digit count; past the bound no double is written.
  if (text.size() > MaxNumberTextLength || !isPlainNumber(text, separatorTypeOf(decimalSeparator)))
    return boost::none;
  if (reader == Reader::Fast && (decimalSeparator == "." || decimalSeparator == ",")) {
    if (auto value = readFast<Result>(text, decimalSeparator[0])) return value;
  }
  return readIcu<Result>(text, decimalSeparator, source);
}

// The currency lower-cased, without the brackets of a format code: "[$€]" is "€".
std::string lowerCurrency(const std::string& currency) {
  std::string lowered = Vesk::utf8StringToLowerCase(currency);
  if (lowered.size() >= 3 && lowered.compare(0, 2, "[$") == 0 && lowered.back() == ']')
    lowered = lowered.substr(2, lowered.size() - 3);
  return lowered;
}

template <typename Result>
boost::optional<Result> readClassic(const std::string& text) {
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  Result value{};
  in >> value;
  if (in.fail() || in.bad()) return boost::none;
  return value;
}

}  // namespace

DecimalSeparatorType getDecimalSeparatorType(const LocaleContext& context) {
  return separatorTypeOf(context.getResources().getSymbol(LocalizableSymbolType::DecimalSeparator));
}

boost::optional<std::int32_t> stringToInt(const std::string& text, const LocaleContext& context) {
  return convert<std::int32_t>(text, context, Reader::Fast);
}

boost::optional<std::int64_t> stringToLong(const std::string& text, const LocaleContext& context) {
  return convert<std::int64_t>(text, context, Reader::Fast);
}

boost::optional<double> stringToDouble(const std::string& text, const LocaleContext& context) {
  return convert<double>(text, context, Reader::Fast);
}

boost::optional<Vesk::FloatNumber> stringToFloatNumber(const std::string& text,
                                                       const LocaleContext& context) {
  const auto value = stringToDouble(text, context);
  if (!value) return boost::none;
  // Negative zero compares equal to zero but prints as "-0".
  return Vesk::FloatNumber(*value == 0.0 ? 0.0 : *value);
}

boost::optional<std::int32_t> stringToInt(const std::string& text) {
  return readClassic<std::int32_t>(text);
}

boost::optional<double> stringToDouble(const std::string& text) {
  return readClassic<double>(text);
}

boost::optional<std::size_t> stringToSizeT(const std::string& text) {
  return readClassic<std::size_t>(text);
}

std::string getCurrencySeparationSymbol(const boost::optional<std::string>& currency,
                                        const LocaleContext& context) {
  if (!currency || currency->empty()) return "";
  // Only the symbols list decides: a currency code and an unknown currency both get a space.
  const auto& symbols = context.getCurrencyLists().loweredSymbols;
  const std::string lowered = lowerCurrency(*currency);
  return std::find(symbols.begin(), symbols.end(), lowered) == symbols.end() ? " " : "";
}

namespace Detail {

boost::optional<double> stringToDoubleUncached(const std::string& text,
                                               const LocaleContext& context) {
  return convert<double>(text, context, Reader::Icu, FormatSource::Fresh);
}

boost::optional<double> stringToDoubleIcu(const std::string& text, const LocaleContext& context) {
  return convert<double>(text, context, Reader::Icu);
}

boost::optional<std::int32_t> stringToIntIcu(const std::string& text,
                                             const LocaleContext& context) {
  return convert<std::int32_t>(text, context, Reader::Icu);
}

boost::optional<std::int64_t> stringToLongIcu(const std::string& text,
                                              const LocaleContext& context) {
  return convert<std::int64_t>(text, context, Reader::Icu);
}

std::string getCurrencySeparationSymbolUncached(const boost::optional<std::string>& currency,
                                                const LocaleContext& context) {
  if (!currency || currency->empty()) return "";
  const auto symbols = context.getResourceProvider().safeGetResourceStringArray(
      Vesk::ResourceManager::Keys::CurrencySymbolsListPath);
  const std::string lowered = lowerCurrency(*currency);
  for (const auto& symbol : symbols) {
    if (Vesk::utf8StringToLowerCase(symbol) == lowered) return "";
  }
  return " ";
}

}  // namespace Detail

}  // namespace Vesk::OfficeUtils
