#include "host/ResourceManager/OU_ICUResourceProvider.h"

#include <algorithm>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

#include "host/Utils/OU_Errors.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::ResourceManager {
namespace {

TEST(ICUResourceProvider, ConvertsPatternsToFormatCodeLetters) {
  const std::pair<const char*, const char*> cases[] = {
      {"Bh:mm", "APh:mm"},
      {"y年M月d日EEEE", "yyyy'年'm'月'd'日'EEEE"},
      {"EEEEd E", "EEEE''d ddd"},             // adjacent fields kept apart
      {"'AP EEEE' a", "'A''P' 'EEE''E' AP"},  // literals that the conversion would read as codes
      {"d MMM ''yy", "d mmm '\xE2\x80\x99'yy"},
      {"HH:mm:ss zzzz", "hh:mm:ss "},  // time zones dropped
      {"H.mm.ss.", "h.mm.ss'.'"},      // "ss." would scan as seconds with decimals
      {"y@d#M", "yyyy@d#m"},           // the conversion quotes escape symbols itself
      {"QQQ y, QQQQ G GGGG", "q yyyy, qq r rr"},
      {"LLLLL MMMMMM", "mmmmm mmmmm"},
      {"\xFF", "'\xEF\xBF\xBD'"},
  };
  for (const auto& [icu, expected] : cases)
    EXPECT_EQ(convertICUDateTimePattern(icu), expected) << icu;
}

TEST(ICUResourceProvider, KnowsWhichLocalesHaveData) {
  const std::pair<const char*, bool> cases[] = {
      {"de-DE", true}, {"de_XX", true}, {"xx_YY", false}, {"@@", false}, {"de_DE/x@y", false}};
  for (const auto& [name, known] : cases) EXPECT_EQ(hasICULocaleData(name), known) << name;
  EXPECT_THROW(ICUResourceProvider("de_DE/x@y"), Vesk::ICUError);
}

// CLDR 42 values as ICU 72 gives them, with Latin digits and the Gregorian calendar. Symbols
// read "decimal|thousands|arguments|arrays|currency|percent|exponent".
TEST(ICUResourceProvider, KnownLocaleValues) {
  const struct {
    const char *locale, *symbols;
    bool before;
    const char *medium, *time, *januarySunday, *region;
  } cases[] = {
      {"en_US", ".|,|,|,|$|%|E", true, "m/d/yyyy", "h:mm:ss'\u202F'AP", "January Sun", "US"},
      {"fr_FR", ",|\u202F|;|;|€|%|E", false, "dd/mm/yyyy", "hh:mm:ss", "janvier dim.", "FR"},
      {"ar_EG", ".|,|,|,|ج.م.|%|E", false, "d/m/yyyy", "h:mm:ss AP", "يناير الأحد", "EG"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const ICUResourceProvider provider(c.locale);
    std::string symbols;
    for (const char* key :
         {Keys::DecimalSeparatorPath, Keys::ThousandSeparatorPath, Keys::ArgumentListSeparatorPath,
          Keys::ArrayListSeparatorPath, Keys::CurrencySymbolPath, Keys::PercentageSymbolPath,
          Keys::ExponentLiteralPath})
      symbols += (symbols.empty() ? "" : "|") + provider.safeGetResourceString(key);
    EXPECT_EQ(symbols, c.symbols);
    EXPECT_EQ(provider.getResourceBoolean(Keys::DefaultCurrencySymbolBeforeAmountPath), c.before);
    EXPECT_EQ(provider.safeGetResourceString(Keys::MediumDatePatternPath), c.medium);
    EXPECT_EQ(provider.safeGetResourceString(Keys::TimePatternPath), c.time);
    EXPECT_EQ(provider.safeGetResourceStringArray(Keys::LongMonthNamesPath).at(0) + " " +
                  provider.safeGetResourceStringArray(Keys::ShortDaysOfWeekNamesPath).at(0),
              c.januarySunday);
    EXPECT_EQ(provider.safeGetResourceString(Keys::RegionNamePath), c.region);
    // The locale's own currency leads the symbols list.
    const auto list = provider.safeGetResourceStringArray(Keys::CurrencySymbolsListPath);
    ASSERT_FALSE(list.empty());
    EXPECT_NE(symbols.find("|" + list.front() + "|%"), std::string::npos);
  }
}

TEST(ICUResourceProvider, HoldsEveryLocaleKeyOnlyAsItsKind) {
  const ICUResourceProvider provider("pt_BR");
  EXPECT_EQ(provider.getResourceString(Keys::LanguageNamePath), std::string("pt"));
  EXPECT_FALSE(provider.getResourceStringArray(Keys::LanguageNamePath));
  EXPECT_EQ(provider.getResourceString(Keys::AMPMNamesPath), boost::none);
  EXPECT_EQ(provider.getResourceString("Tooltips/FunctionsLocalizedNames:Functions/SUM/"
                                       "LocalizedName"),
            boost::none);
  const auto codes = provider.safeGetResourceStringArray(Keys::CurrencyCodesListPath);
  ASSERT_GT(codes.size(), 100u);
  EXPECT_EQ(codes.front(), "BRL");
  EXPECT_EQ(std::count(codes.begin(), codes.end(), "BRL"), 1);
  EXPECT_EQ(std::string(provider.getDataLocale().getName()),
            "pt_BR@calendar=gregorian;numbers=latn");
}

// What ICU's formats, pattern generator and symbols give, which the provider reads from the
// locale's data instead: any difference is a fault of that reading.
std::string withoutFormatCharacters(const icu::UnicodeString& text) {
  icu::UnicodeString kept;
  for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
    if (u_charType(text.char32At(i)) != U_FORMAT_CHAR) kept.append(text.char32At(i));
  }
  std::string utf8;
  return kept.toUTF8String(utf8);
}

template <typename Format>
std::string patternOf(Format* format, bool date = true) {
  icu::UnicodeString pattern;
  std::unique_ptr<Format>(format)->toPattern(pattern);
  const std::string utf8 = withoutFormatCharacters(pattern);
  return date ? convertICUDateTimePattern(utf8) : utf8.substr(0, utf8.find(';'));
}

TEST(ICUResourceProvider, ValuesAreICUObjectsOwnInEveryLocale) {
  // Keywords that choose the hour cycle, and names whose data come from another locale.
  std::vector<std::string> names = {
      "en_US@hours=h23", "de_DE@rg=uszzzz", "fr_FR@hours=h12", "de_XX",  "en_DE",       "sr",
      "zh_TW",           "az_Cyrl",         "pt_AO",           "es_419", "ja@hours=h11"};
  int32_t count = 0;
  const icu::Locale* available = icu::Locale::getAvailableLocales(count);
  for (int32_t i = 0; i < count; i += Vesk::Testing::PropertyScale)
    names.emplace_back(available[i].getName());
  using Date = icu::DateFormat;
  using Symbols = icu::DecimalFormatSymbols;
  for (const auto& name : names) {
    const ICUResourceProvider provider(name);
    const icu::Locale& locale = provider.getDataLocale();
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    const Symbols symbols(locale, status);
    ASSERT_TRUE(U_SUCCESS(status)) << name;
    auto date = [](Date* format) {
      return patternOf(dynamic_cast<icu::SimpleDateFormat*>(format));
    };
    auto number = [&](UNumberFormatStyle style) {
      return patternOf(dynamic_cast<icu::DecimalFormat*>(
                           icu::NumberFormat::createInstance(locale, style, status)),
                       false);
    };
    // "#,##,##0" groups by 2 left of the first group; "#,##0" by 3 throughout.
    const std::string decimal = number(UNUM_DECIMAL), currency = number(UNUM_CURRENCY);
    const auto first = decimal.find(','), last = decimal.rfind(',');
    const std::string grouping =
        first == std::string::npos ? ""
        : first == last ? std::to_string(std::min(decimal.find('.'), decimal.size()) - last - 1)
                        : std::to_string(last - first - 1);
    std::vector<std::pair<const char*, std::string>> expected = {
        {Keys::LongDatePatternPath, date(Date::createDateInstance(Date::kFull, locale))},
        {Keys::MediumDatePatternPath, convertICUDateTimePattern(withoutFormatCharacters(
                                          generator->getBestPattern(u"yMd", status)))},
        {Keys::ShortDatePatternPath, date(Date::createDateInstance(Date::kShort, locale))},
        {Keys::TimePatternPath, date(Date::createTimeInstance(Date::kMedium, locale))},
        {Keys::SecondaryGroupingSizePath, grouping}};
    for (const auto& [key, which] :
         {std::pair{Keys::DecimalSeparatorPath, Symbols::kDecimalSeparatorSymbol},
          {Keys::ThousandSeparatorPath, Symbols::kGroupingSeparatorSymbol},
          {Keys::CurrencySymbolPath, Symbols::kCurrencySymbol},
          {Keys::PercentageSymbolPath, Symbols::kPercentSymbol},
          {Keys::ExponentLiteralPath, Symbols::kExponentialSymbol},
          {Keys::MinusSignPath, Symbols::kMinusSignSymbol},
          {Keys::PlusSignPath, Symbols::kPlusSignSymbol}})
      expected.emplace_back(key, withoutFormatCharacters(symbols.getSymbol(which)));
    for (const auto& [key, value] : expected)
      EXPECT_EQ(provider.safeGetResourceString(key), value) << name << " " << key;
    EXPECT_EQ(provider.getResourceBoolean(Keys::DefaultCurrencySymbolBeforeAmountPath),
              currency.find("\u00A4") < currency.find_first_of("#0"))
        << name << " " << currency;
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
