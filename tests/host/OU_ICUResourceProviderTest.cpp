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
#include "tests/host/OU_ResourceTestSupport.h"

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

// CLDR 42 values as ICU 72 gives them, with Latin digits and the Gregorian calendar, of what
// the comparison of every locale with ICU's objects below does not hold.
TEST(ICUResourceProvider, KnownLocaleValues) {
  const struct {
    std::string locale, lists, januarySunday, region, currency;
  } cases[] = {
      {"en_US", ",,", "January Sun", "US", "USD"},
      {"fr_FR", ";;", "janvier dim.", "FR", "EUR"},
      {"ar_EG", ",,", "يناير الأحد", "EG", "EGP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const ICUResourceProvider provider(c.locale);
    EXPECT_EQ(provider.safeGetResourceString(Keys::ArgumentListSeparatorPath) +
                  provider.safeGetResourceString(Keys::ArrayListSeparatorPath),
              c.lists);
    EXPECT_EQ(provider.safeGetResourceStringArray(Keys::LongMonthNamesPath).at(0) + " " +
                  provider.safeGetResourceStringArray(Keys::ShortDaysOfWeekNamesPath).at(0),
              c.januarySunday);
    // A key is held only as its kind.
    EXPECT_EQ(Testing::answers(provider, Keys::RegionNamePath), "\"" + c.region + "\" none none");
    // The locale's own currency leads the symbols list and the codes list, once.
    EXPECT_EQ(provider.safeGetResourceStringArray(Keys::CurrencySymbolsListPath).at(0),
              provider.safeGetResourceString(Keys::CurrencySymbolPath));
    const auto codes = provider.safeGetResourceStringArray(Keys::CurrencyCodesListPath);
    ASSERT_GT(codes.size(), 100u);
    EXPECT_EQ(codes.front(), c.currency);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), c.currency), 1);
    EXPECT_EQ(std::string(provider.getDataLocale().getName()),
              c.locale + "@calendar=gregorian;numbers=latn");
  }
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

std::string patternOf(icu::DateFormat* format) {
  const std::unique_ptr<icu::DateFormat> owned(format);
  icu::UnicodeString pattern;
  return convertICUDateTimePattern(
      withoutFormatCharacters(dynamic_cast<icu::SimpleDateFormat&>(*owned).toPattern(pattern)));
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
    auto number = [&](UNumberFormatStyle style) {
      return std::unique_ptr<icu::DecimalFormat>(dynamic_cast<icu::DecimalFormat*>(
          icu::NumberFormat::createInstance(locale, style, status)));
    };
    const auto decimal = number(UNUM_DECIMAL);
    icu::UnicodeString currencyPattern;
    number(UNUM_CURRENCY)->toPattern(currencyPattern);
    ASSERT_TRUE(U_SUCCESS(status)) << name;
    const int secondary = decimal->getSecondaryGroupingSize();
    std::vector<std::pair<const char*, std::string>> expected = {
        {Keys::LongDatePatternPath, patternOf(Date::createDateInstance(Date::kFull, locale))},
        {Keys::MediumDatePatternPath, convertICUDateTimePattern(withoutFormatCharacters(
                                          generator->getBestPattern(u"yMd", status)))},
        {Keys::ShortDatePatternPath, patternOf(Date::createDateInstance(Date::kShort, locale))},
        {Keys::TimePatternPath, patternOf(Date::createTimeInstance(Date::kMedium, locale))},
        {Keys::SecondaryGroupingSizePath,
         !decimal->isGroupingUsed()
             ? ""
             : std::to_string(secondary > 0 ? secondary : decimal->getGroupingSize())}};
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
    const std::string currency = withoutFormatCharacters(currencyPattern);
    EXPECT_EQ(provider.getResourceBoolean(Keys::DefaultCurrencySymbolBeforeAmountPath),
              currency.find("\u00A4") < currency.find_first_of("#0"))
        << name << " " << currency;
  }
}

}  // namespace
}  // namespace Vesk::ResourceManager
