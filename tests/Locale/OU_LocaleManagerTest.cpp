#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/datefmt.h>
#include <unicode/fpositer.h>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;
using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::TimeZone;
using Vesk::ResourceManager::MapResourceProvider;
using Type = Vesk::DOM::FormulaFunctionType;
using Symbol = LocalizableSymbolType;
using Rows = std::vector<MapResourceProvider::Row>;
using Ext = LocaleExtensionType;

const std::string Functions = "Tooltips/FunctionsLocalizedNames:Functions/";
const std::string Constants = "LocaleResources/LocaleResources:Constants/";
const std::string SymbolKeys[] = {
    "LocaleResources/LocaleResources/Separators/DecimalSeparator",
    "LocaleResources/LocaleResources/Separators/ThousandSeparator",
    "LocaleResources/LocaleResources/Separators/ArgumentlistSeparator",
    "LocaleResources/LocaleResources/Separators/ArraylistSeparator",
    "LocaleResources/LocaleResources:FormatSymbols/ExponentLiteral",
    "LocaleResources/LocaleResources:FormatSymbols/PercentageSymbol",
    "LocaleResources/LocaleResources:FormatSymbols/CurrencySymbol",
};

// The five rows of one description under `prefix` ("…/SUM1/").
Rows description(const std::string& prefix, const std::string& text) {
  return {{prefix + "Description", text},
          {prefix + "DescriptionURL", "https://help.example/" + text},
          {prefix + "ArgumentsNames", {"a"}},
          {prefix + "ArgumentsDescriptions", {"b"}},
          {prefix + "ArgumentsExamples", {"c"}}};
}

Rows operator+(Rows a, const Rows& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// "dec|thousands|arguments|arrays|exponent|percent|currency".
std::string symbolsOf(const LocaleResources& resources) {
  std::string dump;
  for (Symbol s : {Symbol::DecimalSeparator, Symbol::ThousandSeparator,
                   Symbol::ArgumentListSeparator, Symbol::ArrayListSeparator,
                   Symbol::ExponentLiteral, Symbol::PercentageSymbol, Symbol::CurrencySymbol})
    dump += (dump.empty() ? "" : "|") + resources.getSymbol(s);
  return dump;
}

std::vector<std::string> descriptionsOf(const LocaleManager& manager, Type type) {
  std::vector<std::string> texts;
  for (const auto& info : manager.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(type))
    texts.push_back(info.get().description);
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST(LocaleManager, TimeZoneAloneGivesTheEnglishContext) {
  LocaleManager manager(TimeZone(3600));
  const auto& context = manager.getLocaleContext();
  EXPECT_EQ(context.getResources().getLocaleName(), "en_US");
  EXPECT_EQ(symbolsOf(context.getResources()), ".|,|,|,|E|%|$");
  EXPECT_EQ(context.getResources().getBooleanString(true), "TRUE");
  EXPECT_EQ(context.getFormattingResources().getDateProps(DateType::Medium), getDefaultDateProps());
  EXPECT_TRUE(manager.getFunctionsLocalizedInfosMap().isEmpty());
  EXPECT_EQ(context.getTimeZoneManager().getApplicationTimeZone().getOffset(), 3600);
  manager.setApplicationTimeZone(TimeZone(-12600));
  EXPECT_EQ(context.getTimeZoneManager().getApplicationTimeZone().getOffset(), -12600);
}

TEST(LocaleManager, EmptyProviderKeepsEveryEnglishName) {
  const LocaleManager manager(
      Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(), TimeZone());
  const auto& names = manager.getLocaleContext().getResources().getFunctionsNamesMap();
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  EXPECT_NE(&names, &english);  // the manager's own copy
  for (std::uint16_t value = 1; value <= 444; ++value) {
    const auto type = static_cast<Type>(value);
    EXPECT_EQ(names.getName(type), english.getName(type)) << value;
    EXPECT_FALSE(manager.isFunctionWithExamples(type)) << value;
  }
  EXPECT_TRUE(manager.getFunctionsLocalizedInfosMap().isEmpty());
  // Language and region joined as they are, both empty here.
  EXPECT_EQ(manager.getLocaleContext().getResources().getLocaleName(), "_");
}

TEST(LocaleManager, LocalizedNamesDescriptionsExamplesAndWords) {
  const MapResourceProvider provider(
      Rows{{Functions + "SUM/LocalizedName", "SOMME"},
           {Functions + "AVERAGE/LocalizedName", "AVERAGE"},
           {Functions + "MIN/LocalizedName", "MIN"},
           {"Tooltips/FunctionsData:FunctionsWithExamples", {"SUM", "NOSUCH"}},
           {Constants + "Booleans/True", "VRAI"},
           {Constants + "Errors/Value", "#VALEUR!"},
           {Keys::LanguageNamePath, "fr"},
           {Keys::RegionNamePath, "FR"}} +
      description(Functions + "SUM1/", "s1") + description(Functions + "SUM2/", "s2") +
      description(Functions + "AVERAGE/", "avg") + description(Functions + "MAX/", "no name") +
      description(Functions + "MIN1/", "m1") + description(Functions + "MIN3/", "after gap"));
  const LocaleManager manager(provider, TimeZone());
  const auto& names = manager.getLocaleContext().getResources().getFunctionsNamesMap();
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  EXPECT_EQ(names.getName(Type::Sum), "SOMME");
  for (const char* name : {"SUM", "Somme", "SOMME"}) EXPECT_EQ(names.getType(name), Type::Sum);
  EXPECT_EQ(names.getAllNames(Type::Average), english.getAllNames(Type::Average));

  using Texts = std::vector<std::string>;
  EXPECT_EQ(descriptionsOf(manager, Type::Sum), (Texts{"s1", "s2"}));
  EXPECT_EQ(descriptionsOf(manager, Type::Average), Texts{"avg"});
  EXPECT_EQ(descriptionsOf(manager, Type::Max), Texts{});
  EXPECT_EQ(descriptionsOf(manager, Type::Min), Texts{"m1"});
  const auto& sum = manager.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(Type::Sum);
  EXPECT_EQ(sum.front().get().name, "SOMME");
  EXPECT_EQ(sum.front().get().argumentsExamples, Texts{"c"});
  EXPECT_TRUE(manager.isFunctionWithExamples(Type::Sum));
  EXPECT_FALSE(manager.isFunctionWithExamples(Type::Average));

  const auto& resources = manager.getLocaleContext().getResources();
  EXPECT_EQ(resources.getBooleanString(true), "VRAI");
  EXPECT_EQ(resources.getBooleanString(false), "FALSE");
  EXPECT_EQ(resources.getErrorString(FormulaErrorType::Value), "#VALEUR!");
  EXPECT_EQ(resources.getErrorString(FormulaErrorType::Name), "#NAME?");
  EXPECT_EQ(resources.getLocaleName(), "fr_FR");
}

TEST(LocaleManager, ResourceFaultsFailTheirAssertions) {
  const struct {
    Rows rows;
    const char* file;
    const char* condition;
  } cases[] = {
      {{{Functions + "SUM/LocalizedName", "Somme"}},
       "OfficeUtils/Locale/OU_LocaleManager",
       "localizedName == utf8StringToUpperCase(localizedName)"},
      {{{Functions + "SUM/LocalizedName", "SOMME"}, {Functions + "SUM/Description", "d"}},
       "OfficeUtils/Locale/OU_LocaleManager",
       "opt"},
      {{{Functions + "SUM/LocalizedName", "AVERAGE"}},
       "OfficeUtils/Formulas/OU_FunctionsNamesMap",
       "insertionResult.second"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition);
    const MapResourceProvider provider(c.rows);
    try {
      const LocaleManager manager(provider, TimeZone());
      ADD_FAILURE() << "no assertion";
    } catch (const AssertionFailure& failure) {
      EXPECT_EQ(failure.file(), c.file);
      EXPECT_EQ(failure.condition(), c.condition);
    }
  }
}

TEST(LocaleManager, RefusedSymbolsFallBack) {
  const struct {
    std::vector<std::string> provided;  // by SymbolKeys, missing ones absent
    LocaleExtensions extensions;
    std::string expected;
  } cases[] = {
      {{}, {}, ".|,|,|,|E|%|$"},
      {{",", ".", ";", ";", "E", "%", "€"}, {}, ",|.|;|;|E|%|€"},
      {{",", "\u202F", ";", ";", "E", "%", "€"}, {}, ",|\u202F|;|;|E|%|€"},
      {{"ab", "1", "", "a"}, {}, ".|,|,|,|E|%|$"},       // two code points, digit, empty, letter
      {{" ", " ", "\t", ":"}, {}, ".| |,|,|E|%|$"},      // only the thousands may be a space
      {{",", ",", ",", "("}, {}, ",|.|;|;|E|%|$"},       // clashes with a "," decimal
      {{"\xC3", "\xC2\xA0"}, {}, ".|\u00A0|,|,|E|%|$"},  // ill-formed UTF-8
      {{".", ",", ",", ",", "×10^", "%%", "€-"}, {}, ".|,|,|,|E|%|$"},
      {{".", ",", ",", ",", "e", "٪", "kr."}, {}, ".|,|,|,|e|٪|kr."},
      {{".", ",", ",", ",", "E", "%", "E"}, {}, ".|,|,|,|E|%|$"},   // currency as the exponent
      {{".", ",", ",", ",", "E", ",", "12"}, {}, ".|,|,|,|E|%|$"},  // percent as a separator
      {{",", ".", ";", ";", "E", "%", "€"},
       {{Ext::DecimalSeparator, "."}, {Ext::CurrencySymbol, "CHF"}},
       ".|,|;|;|E|%|CHF"},  // the provider's "." thousands now clashes
      {{",", ".", ";", ";", "E", "%", "€"},
       {{Ext::ArgumentListSeparator, ","},
        {Ext::ArrayListSeparator, "|"},
        {Ext::CurrencySymbol, ""}},
       ",|.|;|||E|%|$"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    Rows rows;
    for (std::size_t i = 0; i < c.provided.size(); ++i)
      rows.emplace_back(SymbolKeys[i], c.provided[i]);
    const MapResourceProvider provider(rows);
    const LocaleManager manager(provider, TimeZone(), c.extensions);
    EXPECT_EQ(symbolsOf(manager.getLocaleContext().getResources()), c.expected);
  }
}

// Whatever the provider and the extensions say, the symbols keep the documented rules; each is
// the value given (the extension's first) or its fallback.
TEST(LocaleManager, SymbolsKeepTheirRulesWhateverTheResources) {
  const std::vector<std::string> pool = {".", ",", ";", " ",    "\u00A0", "\u202F", "'", "’", "E",
                                         "e", "%", "$", "€",    "kr.",    "",       "1", "a", "ab",
                                         ":", "-", "(", "×10^", "\xC3",   "\t",     "٫", "٪"};
  std::mt19937 random(7);
  auto draw = [&] { return pool[random() % pool.size()]; };
  for (int round = 0; round < 400; ++round) {
    Rows rows;
    std::vector<std::string> given(7);
    for (std::size_t i = 0; i < 7; ++i) {
      given[i] = draw();
      rows.emplace_back(SymbolKeys[i], given[i]);
    }
    LocaleExtensions extensions;
    const std::pair<Ext, std::size_t> overridable[] = {{Ext::DecimalSeparator, 0},
                                                       {Ext::ThousandSeparator, 1},
                                                       {Ext::ArgumentListSeparator, 2},
                                                       {Ext::ArrayListSeparator, 3},
                                                       {Ext::CurrencySymbol, 6}};
    for (const auto& [key, index] : overridable) {
      if (random() % 3 == 0) given[index] = extensions[key] = draw();
    }
    const MapResourceProvider provider(rows);
    const LocaleManager manager(provider, TimeZone(), extensions);
    const auto& r = manager.getLocaleContext().getResources();
    const std::string dec = r.getSymbol(Symbol::DecimalSeparator);
    const std::string separators[] = {dec, r.getSymbol(Symbol::ThousandSeparator),
                                      r.getSymbol(Symbol::ArgumentListSeparator),
                                      r.getSymbol(Symbol::ArrayListSeparator)};
    const std::string exponent = r.getSymbol(Symbol::ExponentLiteral);
    const std::string percent = r.getSymbol(Symbol::PercentageSymbol);
    const std::string currency = r.getSymbol(Symbol::CurrencySymbol);
    SCOPED_TRACE(symbolsOf(r));
    for (const auto& s : separators) ASSERT_EQ(getUnicodeCharsCount(s), 1u);
    for (int i = 1; i < 4; ++i) ASSERT_NE(separators[i], dec);
    ASSERT_EQ(getUnicodeCharsCount(percent), 1u);
    for (const auto& s : separators) ASSERT_TRUE(percent != s && currency != s);
    ASSERT_TRUE(currency != percent && currency != exponent && !currency.empty());
    const char* const fallbacks[] = {
        ".", dec == "," ? "." : ",", dec == "," ? ";" : ",", dec == "," ? ";" : ",", "E", "%", "$"};
    const std::string settled[] = {dec,      separators[1], separators[2], separators[3],
                                   exponent, percent,       currency};
    for (std::size_t i = 0; i < 7; ++i)
      ASSERT_TRUE(settled[i] == given[i] || settled[i] == fallbacks[i]) << i;
  }
}

TEST(LocaleManager, ExtensionsOverrideTheLongMediumAndTimePatterns) {
  const MapResourceProvider provider{{Keys::LongDatePatternPath, "EEEE, mmmm d, yyyy"},
                                     {Keys::MediumDatePatternPath, "mmm d, yyyy"},
                                     {Keys::ShortDatePatternPath, "m/d/yy"},
                                     {Keys::TimePatternPath, "h:mm:ss AP"}};
  const LocaleManager plain(provider, TimeZone());
  const LocaleManager extended(provider, TimeZone(),
                               {{Ext::LongDatePattern, "yyyy-mm-dd"},
                                {Ext::MediumDatePattern, "dd.mm.yyyy"},
                                {Ext::TimePattern, "hh.mm"}});
  const auto& before = plain.getLocaleContext().getFormattingResources();
  const auto& after = extended.getLocaleContext().getFormattingResources();
  EXPECT_EQ(after.getDateProps(DateType::Long), (DateProps{DateOrder::YearFirst, ", ", "-", "-"}));
  EXPECT_EQ(after.getDateProps(DateType::Medium), (DateProps{DateOrder::DayFirst, ", ", ".", "."}));
  EXPECT_EQ(after.getDateProps(DateType::Short), before.getDateProps(DateType::Short));
  EXPECT_EQ(after.getTimeProps(), (TimeProps{false, "."}));
  EXPECT_EQ(before.getTimeProps(), (TimeProps{true, ":"}));
}

TEST(LocaleManager, KnownLocalesThroughTheShippedProvider) {
  const struct {
    const char* locale;
    DateOrder order;
    const char* shortSeparator;
    bool is12Hour;
    const char* symbols;
    const char* trueWord;
  } cases[] = {
      {"en_US", DateOrder::MonthFirst, "/", true, ".|,|,|,|E|%|$", "TRUE"},
      {"de_DE", DateOrder::DayFirst, ".", false, ",|.|;|;|E|%|€", "WAHR"},
      {"ja_JP", DateOrder::YearFirst, "/", false, ".|,|,|,|E|%|￥", "TRUE"},
      {"fr_FR", DateOrder::DayFirst, "/", false, ",|\u202F|;|;|E|%|€", "VRAI"},
      {"ru_RU", DateOrder::DayFirst, ".", false, ",|\u00A0|;|;|E|%|₽", "ИСТИНА"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const auto provider = makeLocaleProvider(c.locale);
    ASSERT_TRUE(provider);
    const LocaleManager manager(*provider, TimeZone());
    const auto& context = manager.getLocaleContext();
    EXPECT_EQ(context.getResources().getLocaleName(), c.locale);
    EXPECT_EQ(symbolsOf(context.getResources()), c.symbols);
    EXPECT_EQ(context.getResources().getBooleanString(true), c.trueWord);
    const auto& formatting = context.getFormattingResources();
    for (auto type : {DateType::Long, DateType::Medium, DateType::Short})
      EXPECT_EQ(formatting.getDateProps(type).order, c.order);
    EXPECT_EQ(formatting.getDateProps(DateType::Short).dayMonthSeparator, c.shortSeparator);
    EXPECT_EQ(formatting.getTimeProps(), (TimeProps{c.is12Hour, ":"}));
  }
  EXPECT_FALSE(makeLocaleProvider("xx_YY"));
  EXPECT_FALSE(makeLocaleProvider(""));
}

TEST(LocaleManager, ShippedWordsOfEachLanguage) {
  for (const char* language : {"de", "fr", "es", "it", "pt", "ru", "pl"}) {
    SCOPED_TRACE(language);
    const LocaleManager manager(*makeLocaleProvider(language), TimeZone());
    const auto& resources = manager.getLocaleContext().getResources();
    const std::string yes = resources.getBooleanString(true);
    const std::string no = resources.getBooleanString(false);
    EXPECT_NE(yes, "TRUE");
    EXPECT_NE(yes, no);
    std::vector<std::string> errors;
    for (int value = 1; value <= 8; ++value)
      errors.push_back(resources.getErrorString(static_cast<FormulaErrorType>(value)));
    EXPECT_NE(errors[2], "#VALUE!");
    std::vector<std::string> words{yes, no};
    words.insert(words.end(), errors.begin(), errors.end());
    for (const auto& word : words) {
      EXPECT_EQ(word, utf8StringToUpperCase(word));
      if (word != yes && word != no) {
        EXPECT_EQ(word.front(), '#') << word;
      }
    }
    std::sort(errors.begin(), errors.end());
    EXPECT_EQ(std::unique(errors.begin(), errors.end()), errors.end());
  }
  // French SUM: descriptions 1 and 2; the one under "SUM4/" follows a gap and is never read.
  const LocaleManager french(*makeLocaleProvider("fr_CA"), TimeZone());
  const auto& names = french.getLocaleContext().getResources().getFunctionsNamesMap();
  EXPECT_EQ(names.getName(Type::Sum), "SOMME");
  EXPECT_EQ(names.getName(Type::Max), "MAX");
  EXPECT_EQ(french.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(Type::Sum).size(), 2u);
  EXPECT_TRUE(french.isFunctionWithExamples(Type::Average));
  const LocaleManager german(*makeLocaleProvider("de_AT"), TimeZone());
  EXPECT_EQ(descriptionsOf(german, Type::Sum), std::vector<std::string>{"Addiert Zahlen."});
}

// The order of day, month and year in ICU's own rendering of a medium date.
DateOrder icuMediumOrder(const icu::Locale& locale) {
  std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, locale));
  icu::UnicodeString text;
  icu::FieldPositionIterator positions;
  UErrorCode status = U_ZERO_ERROR;
  format->format(2.0e12, text, &positions, status);  // 2033-05-18
  icu::FieldPosition position;
  while (positions.next(position)) {
    switch (position.getField()) {
      case UDAT_DATE_FIELD:
        return DateOrder::DayFirst;
      case UDAT_MONTH_FIELD:
      case UDAT_STANDALONE_MONTH_FIELD:
        return DateOrder::MonthFirst;
      case UDAT_YEAR_FIELD:
        return DateOrder::YearFirst;
      default:
        break;
    }
  }
  return DateOrder::MonthFirst;
}

bool hasDateTimeItems(const std::string& pattern) {
  const auto rule =
      getExclusiveDefaultNumberRuleFromPattern(convertDateTimePatternToFormatCode(pattern));
  return rule && std::any_of(rule->getItems().begin(), rule->getItems().end(), [](const auto& i) {
           return boost::get<Vesk::DOM::CellFormatModel::DateTimeItem>(&i) != nullptr;
         });
}

TEST(LocaleManager, EveryICULocale) {
  int32_t count = 0;
  const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
  const std::pair<const char*, std::size_t> lengths[] = {
      {Keys::AMPMNamesPath, 2},           {Keys::ShortDaysOfWeekNamesPath, 7},
      {Keys::LongDaysOfWeekNamesPath, 7}, {Keys::ShortMonthNamesPath, 12},
      {Keys::LongMonthNamesPath, 12},     {Keys::FirstLetterMonthNamesPath, 12},
      {Keys::ShortQuarterNamesPath, 4},   {Keys::LongQuarterNamesPath, 4},
      {Keys::ShortEraNamesPath, 2},       {Keys::LongEraNamesPath, 2}};
  int passing = 0;
  std::vector<std::string> failures;
  for (int32_t i = 0; i < count; ++i) {
    const std::string name = locales[i].getName();
    std::string fault;
    try {
      const auto provider = makeLocaleProvider(name);
      if (!provider) throw std::runtime_error("no provider");
      const LocaleManager manager(*provider, TimeZone());
      for (const auto& [key, length] : lengths) {
        if (provider->safeGetResourceStringArray(key).size() != length) fault += key;
      }
      for (const char* key : {Keys::LongDatePatternPath, Keys::MediumDatePatternPath,
                              Keys::ShortDatePatternPath, Keys::TimePatternPath}) {
        if (!hasDateTimeItems(provider->safeGetResourceString(key))) fault += key;
      }
      icu::Locale data(locales[i]);
      UErrorCode status = U_ZERO_ERROR;
      data.setKeywordValue("calendar", "gregorian", status);
      const auto order =
          manager.getLocaleContext().getFormattingResources().getDateProps(DateType::Medium).order;
      if (order != icuMediumOrder(data)) fault += " order";
    } catch (const std::exception& error) {
      fault += error.what();
    }
    if (fault.empty()) {
      ++passing;
    } else {
      failures.push_back(name + ": " + fault);
    }
  }
  std::cout << "ICU locales tried " << count << ", passing " << passing << "\n";
  for (const auto& failure : failures) ADD_FAILURE() << failure;
  EXPECT_GT(count, 700);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
