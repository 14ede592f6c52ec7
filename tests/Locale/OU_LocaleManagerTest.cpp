#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unicode/datefmt.h>
#include <unicode/fpositer.h>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_Assert.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

namespace Keys = Vesk::ResourceManager::Keys;
using Vesk::DOM::FormulaErrorType;
using Vesk::DOM::TimeZone;
using Vesk::ResourceManager::MapResourceProvider;
using Type = Vesk::DOM::FormulaFunctionType;
using Symbol = LocalizableSymbolType;
using Rows = std::vector<MapResourceProvider::Row>;
using Texts = std::vector<std::string>;
using Ext = LocaleExtensionType;

const std::string Functions = "Tooltips/FunctionsLocalizedNames:Functions/";
const std::string Constants = "LocaleResources/LocaleResources:Constants/";
// The seven symbols in the order of their provider keys.
const Symbol Symbols[] = {Symbol::DecimalSeparator,      Symbol::ThousandSeparator,
                          Symbol::ArgumentListSeparator, Symbol::ArrayListSeparator,
                          Symbol::ExponentLiteral,       Symbol::PercentageSymbol,
                          Symbol::CurrencySymbol};
const char* const SymbolKeys[] = {Keys::DecimalSeparatorPath,      Keys::ThousandSeparatorPath,
                                  Keys::ArgumentListSeparatorPath, Keys::ArrayListSeparatorPath,
                                  Keys::ExponentLiteralPath,       Keys::PercentageSymbolPath,
                                  Keys::CurrencySymbolPath};

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
  for (Symbol s : Symbols) dump += (dump.empty() ? "" : "|") + resources.getSymbol(s);
  return dump;
}

Texts descriptionsOf(const LocaleManager& manager, Type type) {
  Texts texts;
  for (const auto& info : manager.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(type))
    texts.push_back(info.get().description);
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST(LocaleManager, WithoutResourcesEverythingIsEnglish) {
  const LocaleManager alone(TimeZone(3600));
  const auto& context = alone.getLocaleContext();
  EXPECT_EQ(symbolsOf(context.getResources()), ".|,|,|,|E|%|$");
  EXPECT_TRUE(alone.getFunctionsLocalizedInfosMap().isEmpty());

  const LocaleManager empty(Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(),
                            TimeZone());
  const auto& names = empty.getLocaleContext().getResources().getFunctionsNamesMap();
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  EXPECT_EQ(&names, &english);  // shared: no function is named otherwise
  for (std::uint16_t value = 1; value <= 444; ++value) {
    const auto type = static_cast<Type>(value);
    EXPECT_EQ(names.getName(type), english.getName(type)) << value;
    EXPECT_FALSE(empty.isFunctionWithExamples(type)) << value;
  }
  EXPECT_TRUE(empty.getFunctionsLocalizedInfosMap().isEmpty());
  // Language and region joined as they are, both empty here.
  EXPECT_EQ(empty.getLocaleContext().getResources().getLocaleName(), "_");
}

TEST(LocaleManager, LocalizedNamesDescriptionsExamplesAndWords) {
  const MapResourceProvider provider(
      Rows{{Functions + "SUM/LocalizedName", "SOMME"},
           {Functions + "AVERAGE/LocalizedName", "AVERAGE"},
           {Functions + "MIN/LocalizedName", "MIN"},
           {"Tooltips/FunctionsData:FunctionsWithExamples", {"SUM", "NOSUCH"}},
           {Constants + "Errors/Value", "#VALEUR!"}} +
      description(Functions + "SUM1/", "s1") + description(Functions + "SUM2/", "s2") +
      description(Functions + "AVERAGE/", "avg") + description(Functions + "MAX/", "no name") +
      description(Functions + "MIN1/", "m1") + description(Functions + "MIN3/", "after gap"));
  const LocaleManager manager(provider, TimeZone());
  const auto& resources = manager.getLocaleContext().getResources();
  const auto& names = resources.getFunctionsNamesMap();
  for (const char* name : {"SUM", "Somme"}) EXPECT_EQ(names.getType(name), Type::Sum);
  EXPECT_EQ(names.getAllNames(Type::Average),
            DefaultEnResourceLoader::getDefaultFunctionsNamesMap().getAllNames(Type::Average));
  EXPECT_EQ(descriptionsOf(manager, Type::Sum), (Texts{"s1", "s2"}));
  EXPECT_EQ(descriptionsOf(manager, Type::Average), Texts{"avg"});
  EXPECT_EQ(descriptionsOf(manager, Type::Max), Texts{});
  EXPECT_EQ(descriptionsOf(manager, Type::Min), Texts{"m1"});
  const auto& sum = manager.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(Type::Sum);
  EXPECT_EQ(sum.front().get().name, "SOMME");
  EXPECT_EQ(sum.front().get().argumentsExamples, Texts{"c"});
  EXPECT_TRUE(manager.isFunctionWithExamples(Type::Sum));
  EXPECT_FALSE(manager.isFunctionWithExamples(Type::Average));
  EXPECT_EQ(resources.getErrorString(FormulaErrorType::Value), "#VALEUR!");
  EXPECT_EQ(resources.getErrorString(FormulaErrorType::Name), "#NAME?");
}

TEST(LocaleManager, ResourceFaultsFailTheirAssertions) {
  const std::string sum = Functions + "SUM/";
  const struct {
    Rows rows;
    std::string file, condition;  // file under "OfficeUtils/"
  } cases[] = {
      {{{sum + "LocalizedName", "Somme"}},
       "Locale/OU_LocaleManager",
       "localizedName == utf8StringToUpperCase(localizedName)"},
      {{{sum + "LocalizedName", "SOMME"}, {sum + "Description", "d"}},
       "Locale/OU_LocaleManager",
       "opt"},
      {{{sum + "LocalizedName", "AVERAGE"}},
       "Formulas/OU_FunctionsNamesMap",
       "insertionResult.second"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition);
    const MapResourceProvider provider(c.rows);
    EXPECT_ASSERTION(const LocaleManager built(provider, TimeZone()), "OfficeUtils/" + c.file,
                     c.condition);
  }
}

// Documented refusals; the property below covers the rules over random symbols.
TEST(LocaleManager, RefusedSymbolsFallBack) {
  const struct {
    Texts provided;  // by SymbolKeys, missing ones absent
    LocaleExtensions extensions;
    std::string expected;
  } cases[] = {
      {{"ab", "1", "", "a"}, {}, ".|,|,|,|E|%|$"},  // two code points, digit, empty, letter
      {{",", ",", ",", "("}, {}, ",|.|;|;|E|%|$"},  // clashes with a "," decimal
      {{",", ".", ";", ";", "E", "%", "€"},
       {{Ext::DecimalSeparator, "."}, {Ext::CurrencySymbol, ""}},
       ".|,|;|;|E|%|$"},  // the provider's "." thousands now clashes; no empty currency
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
  const Texts pool = {".", ",", ";", " ",    "\u00A0", "\u202F", "'", "’", "E",
                      "e", "%", "$", "€",    "kr.",    "",       "1", "a", "ab",
                      ":", "-", "(", "×10^", "\xC3",   "\t",     "٫", "٪"};
  // The extensions that override symbols 0-3 and 6.
  const Ext overridable[] = {Ext::DecimalSeparator, Ext::ThousandSeparator,
                             Ext::ArgumentListSeparator, Ext::ArrayListSeparator,
                             Ext::CurrencySymbol};
  std::mt19937 random(7);
  auto draw = [&] { return pool[random() % pool.size()]; };
  for (int round = 0; round < 400; ++round) {
    Rows rows;
    Texts given(7);
    for (std::size_t i = 0; i < 7; ++i) rows.emplace_back(SymbolKeys[i], given[i] = draw());
    LocaleExtensions extensions;
    for (std::size_t k = 0; k < 5; ++k) {
      if (random() % 3 == 0) given[k < 4 ? k : 6] = extensions[overridable[k]] = draw();
    }
    const MapResourceProvider provider(rows);
    const LocaleManager manager(provider, TimeZone(), extensions);
    const auto& r = manager.getLocaleContext().getResources();
    SCOPED_TRACE(symbolsOf(r));
    std::string s[7];  // decimal, 3 separators, exponent, percent, currency
    for (std::size_t i = 0; i < 7; ++i) s[i] = r.getSymbol(Symbols[i]);
    const bool comma = s[0] == ",";
    const char* const fallbacks[] = {
        ".", comma ? "." : ",", comma ? ";" : ",", comma ? ";" : ",", "E", "%", "$"};
    for (std::size_t i = 0; i < 7; ++i) {
      ASSERT_TRUE(s[i] == given[i] || s[i] == fallbacks[i]) << i;
      if (i < 4 || i == 5) {
        ASSERT_EQ(getUnicodeCharsCount(s[i]), 1u) << i;
      }
      if (i < 4) {
        ASSERT_TRUE(i == 0 || s[i] != s[0]) << i;
        ASSERT_TRUE(s[5] != s[i] && s[6] != s[i]) << i;
      }
    }
    ASSERT_TRUE(s[6] != s[5] && s[6] != s[4] && !s[6].empty());
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
    const char *shortSeparator, *symbols, *trueWord;
    bool is12Hour;
  } cases[] = {
      // Every ICU locale is swept below; these rows pin the shipped words over ICU's (English is
      // the built-in default).
      {"de_DE", DateOrder::DayFirst, ".", ",|.|;|;|E|%|€", "WAHR", false},
      {"fr_FR", DateOrder::DayFirst, "/", ",|\u202F|;|;|E|%|€", "VRAI", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    const auto provider = makeLocaleProvider(c.locale);
    ASSERT_TRUE(provider);
    const LocaleManager manager(*provider, TimeZone());
    const auto& resources = manager.getLocaleContext().getResources();
    EXPECT_EQ(resources.getLocaleName(), c.locale);
    EXPECT_EQ(symbolsOf(resources), c.symbols);
    EXPECT_EQ(resources.getBooleanString(true), c.trueWord);
    const auto& formatting = manager.getLocaleContext().getFormattingResources();
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
    EXPECT_NE(resources.getErrorString(FormulaErrorType::Value), "#VALUE!");
    std::set<std::string> errors;
    for (int value = 1; value <= 8; ++value)
      errors.insert(resources.getErrorString(static_cast<FormulaErrorType>(value)));
    EXPECT_EQ(errors.size(), 8u);  // all different
    for (const auto& word : errors) EXPECT_EQ(word.front(), '#') << word;
    errors.insert({yes, no});
    for (const auto& word : errors) EXPECT_EQ(word, utf8StringToUpperCase(word));
  }
  // The shipped names, descriptions and examples reach the manager.
  const LocaleManager french(*makeLocaleProvider("fr_CA"), TimeZone());
  EXPECT_EQ(french.getLocaleContext().getResources().getFunctionsNamesMap().getName(Type::Sum),
            "SOMME");
  EXPECT_TRUE(french.isFunctionWithExamples(Type::Average));
  const LocaleManager german(*makeLocaleProvider("de_AT"), TimeZone());
  EXPECT_EQ(descriptionsOf(german, Type::Sum), Texts{"Addiert Zahlen."});
}

// The order of day, month and year in ICU's own rendering of a numeric date with the year.
DateOrder icuNumericDateOrder(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createInstanceForSkeleton(icu::UnicodeString(u"yMd"), locale, status));
  icu::UnicodeString text;
  icu::FieldPositionIterator positions;
  format->format(2.0e12, text, &positions, status);  // 2033-05-18
  for (icu::FieldPosition position; positions.next(position);) {
    const int32_t field = position.getField();
    if (field == UDAT_DATE_FIELD) return DateOrder::DayFirst;
    if (field == UDAT_MONTH_FIELD || field == UDAT_STANDALONE_MONTH_FIELD)
      return DateOrder::MonthFirst;
    if (field == UDAT_YEAR_FIELD) return DateOrder::YearFirst;
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
      if (order != icuNumericDateOrder(data)) fault += " order";
    } catch (const std::exception& error) {
      fault += error.what();
    }
    if (fault.empty())
      ++passing;
    else
      ADD_FAILURE() << name << ": " << fault;
  }
  std::cout << "ICU locales tried " << count << ", passing " << passing << "\n";
  EXPECT_GT(count, 700);
}

// A resources folder that is not there is an error naming it, never shipped words silently lost.
TEST(LocaleProvider, MissingResourcesFolderIsAnErrorWithItsPath) {
  const std::string missing = "/nonexistent/OfficeUtils-resources";
  try {
    (void)makeLocaleProvider("de_DE", missing);
    ADD_FAILURE() << "no error";
  } catch (const Vesk::ResourceManager::ResourceFileError& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
  }
  EXPECT_FALSE(makeLocaleProvider("xx_YY", missing));  // unknown names stay null
}

// Names at and past ICU's length limit, with the keywords the provider adds: a provider that
// builds a context, or none, never an ICU error.
TEST(MakeLocaleProvider, LongNamesGiveAProviderOrNone) {
  for (const std::string base : {"de_DE_", "sr_Latn_RS_", "de_DE@collation=", "en-US-x-"}) {
    for (std::size_t length = 100; length <= 512; length += length < 170 ? 3 : 57) {
      const std::string name = base + std::string(length - base.size(), 'a');
      std::shared_ptr<const Vesk::ResourceManager::ResourceProvider> provider;
      ASSERT_NO_THROW(provider = makeLocaleProvider(name)) << name;
      if (provider) {
        EXPECT_NO_THROW(LocaleManager(*provider, TimeZone())) << name;
      }
    }
  }
}

}  // namespace
}  // namespace Vesk::OfficeUtils
