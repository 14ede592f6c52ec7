#include "host/ResourceManager/OU_ICUResourceProvider.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/localebuilder.h>
#include <unicode/resbund.h>
#include <unicode/smpdtfmt.h>
#include <unicode/uchar.h>
#include <unicode/ucurr.h>
#include <unicode/udata.h>
#include <unicode/uenum.h>
#include <unicode/uloc.h>
#include <unicode/ures.h>

#include "host/Utils/OU_Errors.h"

namespace Vesk::ResourceManager {
namespace {

using Row = MapResourceProvider::Row;

// ICU's text as UTF-8 without format characters (bidirectional marks and the like).
std::string toUtf8(const icu::UnicodeString& text) {
  icu::UnicodeString kept;
  for (int32_t i = 0; i < text.length();) {
    const UChar32 c = text.char32At(i);
    if (u_charType(c) != U_FORMAT_CHAR) kept.append(c);
    i += U16_LENGTH(c);
  }
  std::string utf8;
  kept.toUTF8String(utf8);
  return utf8;
}

std::vector<std::string> toList(const icu::UnicodeString* items, int32_t count, int32_t first = 0) {
  std::vector<std::string> list;
  for (int32_t i = first; i < count; ++i) list.push_back(toUtf8(items[i]));
  return list;
}

// Writes format-code letters and literal text so that the library's pattern conversion reads
// them back as meant (see convertICUDateTimePattern).
class PatternWriter {
 public:
  void field(std::string_view code) {
    closeQuote();
    // Two fields written together must not scan as one: "EEEE" and "d" would give "ddddd".
    if (_afterField && sameLetter(_out.back(), code.front())) _out += "''";
    _out += code;
    _afterField = true;
    _afterSeconds = code.front() == 's';
  }

  void literal(UChar32 c) {
    static constexpr std::string_view Bare = " .,/:-";
    static constexpr std::string_view Escaped = "@#*_?\\[]";
    const bool ascii = c < 0x80;
    const char plain = ascii ? static_cast<char>(c) : '\0';
    // "ss." would scan as seconds with decimals.
    if (ascii && (Escaped.find(plain) != std::string_view::npos ||
                  (Bare.find(plain) != std::string_view::npos && !(_afterSeconds && c == '.')))) {
      closeQuote();
      _out += plain;
    } else {
      if (c == '\'') c = 0x2019;
      if (c == '"') c = 0x201D;
      // Inside quotes the conversion would still turn "AP" and "EEEE" into codes.
      if (_inQuote &&
          ((c == 'P' && _quoted.ends_with("A")) || (c == 'E' && _quoted.ends_with("EEE")))) {
        closeQuote();
      }
      if (!_inQuote) {
        _out += '\'';
        _inQuote = true;
        _quoted.clear();
      }
      std::string utf8;
      icu::UnicodeString(c).toUTF8String(utf8);
      _out += utf8;
      _quoted += utf8;
    }
    _afterField = false;
    _afterSeconds = false;
  }

  std::string finish() {
    closeQuote();
    return std::move(_out);
  }

 private:
  static bool sameLetter(char a, char b) {
    auto letter = [](char c) { return c == 'E' ? 'd' : static_cast<char>(c | 0x20); };
    return letter(a) == letter(b);
  }

  void closeQuote() {
    if (_inQuote) _out += '\'';
    _inQuote = false;
  }

  std::string _out;
  std::string _quoted;
  bool _inQuote = false;
  bool _afterField = false;
  bool _afterSeconds = false;
};

// The format code of an ICU field of `count` letters; empty for fields without one.
std::string_view fieldCode(char16_t letter, int count) {
  switch (letter) {
    case 'G':
      return count == 4 ? "rr" : "r";
    case 'y':
    case 'Y':
    case 'u':
    case 'r':
      return count == 2 ? "yy" : "yyyy";
    case 'Q':
    case 'q':
      return count == 4 ? "qq" : "q";
    case 'M':
    case 'L': {
      static constexpr std::string_view months[] = {"m", "mm", "mmm", "mmmm", "mmmmm"};
      return months[std::min(count, 5) - 1];
    }
    case 'd':
      return count == 1 ? "d" : "dd";
    case 'c':
    case 'e':
      if (count <= 2) return {};  // the weekday as a number
      [[fallthrough]];
    case 'E':
      return count == 4 ? "EEEE" : "ddd";
    case 'a':
    case 'b':
    case 'B':
      return "AP";
    case 'h':
    case 'H':
    case 'K':
    case 'k':
      return count == 1 ? "h" : "hh";
    case 'm':
      return count == 1 ? "m" : "mm";
    case 's':
      return count == 1 ? "s" : "ss";
    case 'w':
      return "ww";
    default:
      return {};
  }
}

bool isAsciiLetter(UChar32 c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string patternOf(const icu::DateFormat* format) {
  const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(format);
  if (!simple) return {};
  icu::UnicodeString pattern;
  simple->toPattern(pattern);
  return convertICUDateTimePattern(toUtf8(pattern));
}

std::string datePattern(icu::DateFormat::EStyle style, const icu::Locale& locale) {
  return patternOf(
      std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(style, locale)).get());
}

std::string timePattern(const icu::Locale& locale) {
  return patternOf(std::unique_ptr<icu::DateFormat>(
                       icu::DateFormat::createTimeInstance(icu::DateFormat::kMedium, locale))
                       .get());
}

// The date with a numeric month and the whole year in the locale's order and separators
// ("M/d/y", "d.M.y", "y/M/d"): the medium date of a spreadsheet, which dates typed with a
// numeric month follow. ICU's medium style spells the month out in many locales ("MMM d, y"),
// so the pattern comes from the locale's best pattern for year, month and day as numbers.
std::string generatedMediumDatePattern(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(locale, status));
  if (U_SUCCESS(status) && generator) {
    const icu::UnicodeString numeric =
        generator->getBestPattern(icu::UnicodeString(u"yMd"), status);
    if (U_SUCCESS(status) && !numeric.isEmpty()) return convertICUDateTimePattern(toUtf8(numeric));
  }
  return datePattern(icu::DateFormat::kMedium, locale);
}

// The patterns that ICU's date formats and pattern generator would give, read straight from the
// locale's calendar data: building a format loads the calendar, the time zone, number formats
// and symbols only to hand back one string, which made them most of the cost of a locale. Where
// ICU's own choice depends on more than the data (an hour cycle or region asked for in the
// locale's keywords, a locale whose data come from another language or region), the pattern is
// still taken from a built format.
class CalendarPatterns {
 public:
  explicit CalendarPatterns(const icu::Locale& locale) : _locale(locale) {
    // The lookups follow the locale's parents and aliases as the formats' own do: getWithFallback
    // is the lookup ICU's formats use themselves.
    UErrorCode status = U_ZERO_ERROR;
    _bundle.emplace(nullptr, icu::Locale(locale.getBaseName()), status);
    if (U_FAILURE(status)) return;
    icu::ResourceBundle patterns =
        _bundle->getWithFallback("calendar/gregorian/DateTimePatterns", status);
    // Times full to short, dates full to short, then the date-time glue.
    if (U_SUCCESS(status) && patterns.getSize() > icu::DateFormat::kDateTime)
      _patterns.emplace(std::move(patterns));
  }

  // The long (full) or short date.
  std::string date(icu::DateFormat::EStyle style) const {
    const auto pattern = at(style + icu::DateFormat::kDateOffset);
    return pattern ? convertICUDateTimePattern(*pattern) : datePattern(style, _locale);
  }

  // The medium time.
  std::string time() const {
    const auto pattern = ownsTimeCycle() ? at(icu::DateFormat::kMedium) : boost::none;
    return pattern ? convertICUDateTimePattern(*pattern) : timePattern(_locale);
  }

  // The locale's format for year, month and day as numbers. A pattern generator answers it with
  // the locale's "yMd" format as written, save where only the root holds one (the root's gives
  // way to the locale's standard patterns there), which is left to the generator.
  std::string numericDate() {
    UErrorCode status = U_ZERO_ERROR;
    if (_bundle) {
      const icu::ResourceBundle format =
          _bundle->getWithFallback("calendar/gregorian/availableFormats/yMd", status);
      const icu::Locale from = format.getLocale(ULOC_ACTUAL_LOCALE, status);
      // The root names itself "root" or "".
      if (U_SUCCESS(status) && format.getType() == URES_STRING && *from.getName() != '\0' &&
          std::strcmp(from.getName(), "root") != 0) {
        const icu::UnicodeString pattern = format.getString(status);
        if (U_SUCCESS(status) && !pattern.isEmpty())
          return convertICUDateTimePattern(toUtf8(pattern));
      }
    }
    return generatedMediumDatePattern(_locale);
  }

 private:
  // The pattern at `index` in UTF-8; an entry may be a pair of the pattern and its digits.
  boost::optional<std::string> at(int32_t index) const {
    if (!_patterns) return boost::none;
    UErrorCode status = U_ZERO_ERROR;
    const icu::ResourceBundle entry = _patterns->get(index, status);
    icu::UnicodeString pattern;
    if (U_SUCCESS(status) && entry.getType() == URES_STRING)
      pattern = entry.getString(status);
    else if (U_SUCCESS(status) && entry.getType() == URES_ARRAY)
      pattern = entry.getStringEx(0, status);
    if (U_FAILURE(status) || pattern.isEmpty()) return boost::none;
    return toUtf8(pattern);
  }

  // Whether a time format takes its pattern as the data hold it: not when the locale asks for
  // an hour cycle or a region's preferences, nor when the data come from a locale other than
  // the one asked for; the format asks a pattern generator for the hour cycle then.
  bool ownsTimeCycle() const {
    for (const char* keyword : {"hours", "rg"}) {
      UErrorCode status = U_ZERO_ERROR;
      if (_locale.getKeywordValue(keyword, nullptr, 0, status) > 0) return false;
    }
    if (!_patterns) return false;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale valid = _patterns->getLocale(ULOC_VALID_LOCALE, status);
    return U_SUCCESS(status) && valid == icu::Locale(_locale.getBaseName());
  }

  const icu::Locale& _locale;
  std::optional<icu::ResourceBundle> _bundle;
  std::optional<icu::ResourceBundle> _patterns;
};

// The locale's own region where it names none ("de" -> "de_DE"), Latin digits, Gregorian dates;
// none for a name whose keywords ICU cannot set or that they make too long for ICU to read.
boost::optional<icu::Locale> makeDataLocale(const icu::Locale& locale) {
  icu::Locale data = locale;
  if (*data.getCountry() == '\0') {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale likely = data;
    likely.addLikelySubtags(status);
    if (U_SUCCESS(status) && *likely.getCountry() != '\0') {
      icu::Locale withRegion =
          icu::LocaleBuilder().setLocale(data).setRegion(likely.getCountry()).build(status);
      if (U_SUCCESS(status)) data = withRegion;
    }
  }
  UErrorCode status = U_ZERO_ERROR;
  data.setKeywordValue("calendar", "gregorian", status);
  data.setKeywordValue("numbers", "latn", status);
  if (U_FAILURE(status) || data.isBogus()) return boost::none;
  // ICU's services read a locale's keywords back through buffers of ULOC_FULLNAME_CAPACITY
  // bytes and refuse a longer name; the keywords added here can push a name past it.
  if (std::strlen(data.getName()) >= ULOC_FULLNAME_CAPACITY) return boost::none;
  return data;
}

icu::Locale makeDataLocaleOrThrow(const icu::Locale& locale) {
  auto data = makeDataLocale(locale);
  if (!data) throw ICUError(U_ILLEGAL_ARGUMENT_ERROR);
  return *data;
}

// The positive part of the locale's number pattern `key` ("decimalFormat", "currencyFormat") for
// Latin digits, as ICU's number formats find it (through the locale's parents); none when the
// data hold none.
boost::optional<icu::UnicodeString> numberPattern(const icu::Locale& locale, const char* key) {
  UErrorCode status = U_ZERO_ERROR;
  icu::ResourceBundle bundle(nullptr, icu::Locale(locale.getBaseName()), status);
  if (U_FAILURE(status)) return boost::none;
  const icu::ResourceBundle found =
      bundle.getWithFallback((std::string("NumberElements/latn/patterns/") + key).c_str(), status);
  if (U_FAILURE(status) || found.getType() != URES_STRING) return boost::none;
  icu::UnicodeString pattern = found.getString(status);
  if (U_FAILURE(status)) return boost::none;
  const int32_t end = pattern.indexOf(u';');
  return end < 0 ? pattern : pattern.tempSubString(0, end);
}

// Whether the currency sign stands before the digits in `pattern`, the positive part of a
// currency pattern.
bool signBeforeDigits(const icu::UnicodeString& pattern) {
  const int32_t sign = pattern.indexOf(u'\u00A4');
  int32_t digit = pattern.length();
  for (const char16_t placeholder : {u'#', u'0'}) {
    const int32_t at = pattern.indexOf(placeholder);
    if (at >= 0) digit = std::min(digit, at);
  }
  return sign >= 0 && sign < digit;
}

// Whether the currency sign stands before the digits in the locale's currency format: the
// pattern of the locale's currency where its data give one, else the locale's currency pattern.
bool currencySymbolBeforeAmount(const icu::Locale& locale, const icu::UnicodeString& own) {
  if (!own.isEmpty()) {
    const int32_t end = own.indexOf(u';');
    return signBeforeDigits(end < 0 ? own : own.tempSubString(0, end));
  }
  const auto pattern = numberPattern(locale, "currencyFormat");
  return pattern && signBeforeDigits(*pattern);
}

// The number symbols of the locale for Latin digits and its currency, as ICU's
// DecimalFormatSymbols gives them, read from the locale's data: the symbols object also builds
// the numbering system and the currency's formats, which a locale does not need.
struct NumberSymbols {
  std::string decimal, grouping, currency, percent, exponential, minus, plus;
  icu::UnicodeString currencyPattern;  // the locale's currency's own pattern, if it has one
};

boost::optional<NumberSymbols> readNumberSymbols(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  icu::ResourceBundle bundle(nullptr, icu::Locale(locale.getBaseName()), status);
  auto symbol = [&](const char* key) {
    const icu::ResourceBundle found =
        bundle.getWithFallback((std::string("NumberElements/latn/symbols/") + key).c_str(), status);
    return U_SUCCESS(status) ? toUtf8(found.getString(status)) : std::string();
  };
  NumberSymbols symbols{
      symbol("decimal"),     symbol("group"),     "\u00A4",           symbol("percentSign"),
      symbol("exponential"), symbol("minusSign"), symbol("plusSign"), {}};
  if (U_FAILURE(status)) return boost::none;
  // The currency as the symbols object finds it: the locale's, its symbol in the locale, and
  // the pattern the currency's data may hold for it (third entry: pattern, separators).
  UChar code[4] = {};
  UErrorCode currencyStatus = U_ZERO_ERROR;
  if (ucurr_forLocale(locale.getName(), code, 4, &currencyStatus) == 3 &&
      U_SUCCESS(currencyStatus)) {
    UBool isChoiceFormat = false;
    int32_t length = 0;
    const UChar* name =
        ucurr_getName(code, locale.getName(), UCURR_SYMBOL_NAME, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status)) return boost::none;
    symbols.currency = toUtf8(icu::UnicodeString(name, length));
    char ascii[4] = {};
    u_UCharsToChars(code, ascii, 3);
    UErrorCode local = U_ZERO_ERROR;
    // ICU's currency data tree.
    icu::ResourceBundle currencies(U_ICUDATA_NAME U_TREE_SEPARATOR_STRING "curr",
                                   icu::Locale(locale.getName()), local);
    const icu::ResourceBundle own =
        currencies.getWithFallback((std::string("Currencies/") + ascii).c_str(), local);
    if (U_SUCCESS(local) && own.getSize() > 2) {
      const icu::ResourceBundle format = own.get(2, local);
      const icu::UnicodeString pattern = format.getStringEx(0, local);
      if (U_SUCCESS(local)) symbols.currencyPattern = pattern;
    }
  }
  return symbols;
}

// The same from ICU's symbols object, where the data could not be read as above.
NumberSymbols builtNumberSymbols(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols numbers(locale, status);
  throwIfICUFailure(status);
  using Symbols = icu::DecimalFormatSymbols;
  auto symbol = [&](Symbols::ENumberFormatSymbol which) {
    return toUtf8(numbers.getSymbol(which));
  };
  const char16_t* own = numbers.getCurrencyPattern();
  return {symbol(Symbols::kDecimalSeparatorSymbol),
          symbol(Symbols::kGroupingSeparatorSymbol),
          symbol(Symbols::kCurrencySymbol),
          symbol(Symbols::kPercentSymbol),
          symbol(Symbols::kExponentialSymbol),
          symbol(Symbols::kMinusSignSymbol),
          symbol(Symbols::kPlusSignSymbol),
          own ? icu::UnicodeString(own) : icu::UnicodeString()};
}

// The size of the digit groups left of the first one in the locale's number pattern ("2" for
// "#,##,##0.###"), the primary size when the pattern has no secondary one, "" without grouping.
std::string secondaryGroupingSize(const icu::Locale& locale) {
  const auto pattern = numberPattern(locale, "decimalFormat");
  if (!pattern) return "";
  // The digits of each group of the integer part, the last group first.
  std::vector<int> groups{0};
  for (int32_t i = 0; i < pattern->length(); ++i) {
    const char16_t c = pattern->charAt(i);
    if (c == u'.' || c == u'E') break;
    if (c == u',') {
      groups.insert(groups.begin(), 0);
    } else if (c == u'#' || (c >= u'0' && c <= u'9') || c == u'@') {
      ++groups.front();
    }
  }
  if (groups.size() < 2) return "";
  return std::to_string(groups.size() > 2 && groups[1] > 0 ? groups[1] : groups[0]);
}

// The codes of the currencies in use and their symbols in the locale, the locale's own first.
// A symbol that is only the code again is not a symbol and stays out of the symbols list.
std::vector<Row> readCurrencies(const icu::Locale& locale) {
  std::vector<Row> rows;
  UErrorCode status = U_ZERO_ERROR;
  std::vector<std::string> codes;
  UChar own[4] = {};
  if (ucurr_forLocale(locale.getBaseName(), own, 4, &status) == 3 && U_SUCCESS(status))
    codes.push_back(toUtf8(icu::UnicodeString(own, 3)));

  status = U_ZERO_ERROR;
  std::unique_ptr<UEnumeration, void (*)(UEnumeration*)> all(
      ucurr_openISOCurrencies(UCURR_COMMON | UCURR_NON_DEPRECATED, &status), uenum_close);
  throwIfICUFailure(status);
  std::vector<std::string> sorted;
  while (const char* code = uenum_next(all.get(), nullptr, &status)) sorted.emplace_back(code);
  throwIfICUFailure(status);
  std::sort(sorted.begin(), sorted.end());
  for (auto& code : sorted) {
    if (codes.empty() || code != codes.front()) codes.push_back(std::move(code));
  }

  std::vector<std::string> symbols;
  for (const auto& code : codes) {
    icu::UnicodeString isoCode(code.c_str(), static_cast<int32_t>(code.size()), US_INV);
    UBool isChoiceFormat = false;
    int32_t length = 0;
    status = U_ZERO_ERROR;
    const UChar* name = ucurr_getName(isoCode.getTerminatedBuffer(), locale.getBaseName(),
                                      UCURR_SYMBOL_NAME, &isChoiceFormat, &length, &status);
    if (U_FAILURE(status) || !name) continue;
    const std::string symbol = toUtf8(icu::UnicodeString(name, length));
    if (symbol.empty() || symbol == code) continue;
    if (std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
      symbols.push_back(symbol);
  }
  rows.emplace_back(Keys::CurrencyCodesListPath, std::move(codes));
  rows.emplace_back(Keys::CurrencySymbolsListPath, std::move(symbols));
  return rows;
}

bool isCurrencyKey(const std::string& key) {
  return key == Keys::CurrencyCodesListPath || key == Keys::CurrencySymbolsListPath;
}

std::vector<Row> readLocaleData(const icu::Locale& locale) {
  std::vector<Row> rows;
  auto read = readNumberSymbols(locale);
  const NumberSymbols numbers = read ? std::move(*read) : builtNumberSymbols(locale);
  // A list separator must not be read as a decimal separator: "SUM(1,5;2)" where "," is one.
  const std::string listSeparator = numbers.decimal == "," ? ";" : ",";
  rows.emplace_back(Keys::DecimalSeparatorPath, numbers.decimal);
  rows.emplace_back(Keys::ThousandSeparatorPath, numbers.grouping);
  rows.emplace_back(Keys::ArgumentListSeparatorPath, listSeparator);
  rows.emplace_back(Keys::ArrayListSeparatorPath, listSeparator);
  rows.emplace_back(Keys::CurrencySymbolPath, numbers.currency);
  rows.emplace_back(Keys::PercentageSymbolPath, numbers.percent);
  rows.emplace_back(Keys::ExponentLiteralPath, numbers.exponential);
  rows.emplace_back(Keys::MinusSignPath, numbers.minus);
  rows.emplace_back(Keys::PlusSignPath, numbers.plus);
  rows.emplace_back(Keys::SecondaryGroupingSizePath, secondaryGroupingSize(locale));

  CalendarPatterns patterns(locale);
  rows.emplace_back(Keys::LongDatePatternPath, patterns.date(icu::DateFormat::kFull));
  rows.emplace_back(Keys::MediumDatePatternPath, patterns.numericDate());
  rows.emplace_back(Keys::ShortDatePatternPath, patterns.date(icu::DateFormat::kShort));
  rows.emplace_back(Keys::TimePatternPath, patterns.time());

  UErrorCode status = U_ZERO_ERROR;
  const icu::DateFormatSymbols dates(locale, status);
  throwIfICUFailure(status);
  using Dates = icu::DateFormatSymbols;
  int32_t count = 0;
  const icu::UnicodeString* items = dates.getAmPmStrings(count);
  rows.emplace_back(Keys::AMPMNamesPath, toList(items, count));
  // ICU's weekday arrays start at index 1 (Sunday).
  items = dates.getWeekdays(count, Dates::FORMAT, Dates::ABBREVIATED);
  rows.emplace_back(Keys::ShortDaysOfWeekNamesPath, toList(items, count, 1));
  items = dates.getWeekdays(count, Dates::FORMAT, Dates::WIDE);
  rows.emplace_back(Keys::LongDaysOfWeekNamesPath, toList(items, count, 1));
  items = dates.getMonths(count, Dates::FORMAT, Dates::ABBREVIATED);
  rows.emplace_back(Keys::ShortMonthNamesPath, toList(items, count));
  items = dates.getMonths(count, Dates::FORMAT, Dates::WIDE);
  rows.emplace_back(Keys::LongMonthNamesPath, toList(items, count));
  items = dates.getMonths(count, Dates::STANDALONE, Dates::ABBREVIATED);
  rows.emplace_back(Keys::StandAloneShortMonthNamesPath, toList(items, count));
  items = dates.getMonths(count, Dates::STANDALONE, Dates::WIDE);
  rows.emplace_back(Keys::StandAloneLongMonthNamesPath, toList(items, count));
  items = dates.getMonths(count, Dates::FORMAT, Dates::NARROW);
  rows.emplace_back(Keys::FirstLetterMonthNamesPath, toList(items, count));
  items = dates.getQuarters(count, Dates::FORMAT, Dates::ABBREVIATED);
  rows.emplace_back(Keys::ShortQuarterNamesPath, toList(items, count));
  items = dates.getQuarters(count, Dates::FORMAT, Dates::WIDE);
  rows.emplace_back(Keys::LongQuarterNamesPath, toList(items, count));
  items = dates.getEras(count);
  rows.emplace_back(Keys::ShortEraNamesPath, toList(items, count));
  items = dates.getEraNames(count);
  rows.emplace_back(Keys::LongEraNamesPath, toList(items, count));

  rows.emplace_back(Keys::DefaultCurrencySymbolBeforeAmountPath,
                    currencySymbolBeforeAmount(locale, numbers.currencyPattern));
  rows.emplace_back(Keys::LanguageNamePath, std::string(locale.getLanguage()));
  rows.emplace_back(Keys::RegionNamePath, std::string(locale.getCountry()));
  return rows;
}

}  // namespace

ICUResourceProvider::ICUResourceProvider(const std::string& localeName)
    : ICUResourceProvider(icu::Locale(localeName.c_str())) {}

struct ICUResourceProvider::Currencies {
  std::once_flag once;
  std::optional<MapResourceProvider> lists;
};

ICUResourceProvider::ICUResourceProvider(const icu::Locale& locale)
    : _dataLocale(makeDataLocaleOrThrow(locale)),
      _values(readLocaleData(_dataLocale)),
      _currencies(std::make_unique<Currencies>()) {}

ICUResourceProvider::~ICUResourceProvider() = default;

const MapResourceProvider& ICUResourceProvider::currencies() const {
  // A failure throws out of call_once, which leaves the lists to be read again next time.
  std::call_once(_currencies->once,
                 [&] { _currencies->lists.emplace(readCurrencies(_dataLocale)); });
  return *_currencies->lists;
}

boost::optional<std::string> ICUResourceProvider::getResourceString(const std::string& key) const {
  return isCurrencyKey(key) ? boost::none : _values.getResourceString(key);
}

boost::optional<std::vector<std::string>> ICUResourceProvider::getResourceStringArray(
    const std::string& key) const {
  return isCurrencyKey(key) ? currencies().getResourceStringArray(key)
                            : _values.getResourceStringArray(key);
}

boost::optional<bool> ICUResourceProvider::getResourceBoolean(const std::string& key) const {
  return isCurrencyKey(key) ? boost::none : _values.getResourceBoolean(key);
}

bool hasICULocaleData(const std::string& localeName) {
  if (localeName.empty() || localeName.find('\0') != std::string::npos) return false;
  const icu::Locale locale(localeName.c_str());
  if (locale.isBogus() || *locale.getLanguage() == '\0' || !makeDataLocale(locale)) return false;
  UErrorCode status = U_ZERO_ERROR;
  UResourceBundle* bundle = ures_open(nullptr, locale.getBaseName(), &status);
  // The default warning means ICU answered with the default locale's or the root's data.
  const bool known = U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
  ures_close(bundle);
  return known;
}

std::string convertICUDateTimePattern(std::string_view icuPattern) {
  // Ill-formed UTF-8 reads as U+FFFD, which is literal text.
  const icu::UnicodeString pattern = icu::UnicodeString::fromUTF8(
      icu::StringPiece(icuPattern.data(), static_cast<int32_t>(icuPattern.size())));
  PatternWriter writer;
  bool inQuote = false;
  for (int32_t i = 0; i < pattern.length();) {
    const UChar32 c = pattern.char32At(i);
    if (c == '\'') {
      // "''" is an apostrophe, in quotes or out of them; a single one opens or closes a quote.
      if (i + 1 < pattern.length() && pattern.charAt(i + 1) == u'\'') {
        writer.literal('\'');
        i += 2;
      } else {
        inQuote = !inQuote;
        ++i;
      }
      continue;
    }
    if (!inQuote && isAsciiLetter(c)) {
      int32_t end = i + 1;
      while (end < pattern.length() && pattern.charAt(end) == c) ++end;
      const std::string_view code = fieldCode(static_cast<char16_t>(c), end - i);
      if (!code.empty()) writer.field(code);
      i = end;
      continue;
    }
    writer.literal(c);
    i += U16_LENGTH(c);
  }
  return writer.finish();
}

}  // namespace Vesk::ResourceManager
