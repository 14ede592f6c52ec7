#include "host/ResourceManager/OU_ICUResourceProvider.h"

#include <algorithm>
#include <string>
#include <vector>

#include <boost/optional/optional_io.hpp>
#include <gtest/gtest.h>

#include "host/Utils/OU_Errors.h"

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

}  // namespace
}  // namespace Vesk::ResourceManager
