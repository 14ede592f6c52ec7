#include "OfficeUtils/Locale/OU_LocaleManager.h"

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OfficeUtils/Formatting/OU_DatePatterns.h"
#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"
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
// The seven symbols in the order they are settled, with their provider keys.
const std::pair<Symbol, const char*> Symbols[] = {
    {Symbol::DecimalSeparator, Keys::DecimalSeparatorPath},
    {Symbol::ThousandSeparator, Keys::ThousandSeparatorPath},
    {Symbol::ArgumentListSeparator, Keys::ArgumentListSeparatorPath},
    {Symbol::ArrayListSeparator, Keys::ArrayListSeparatorPath},
    {Symbol::ExponentLiteral, Keys::ExponentLiteralPath},
    {Symbol::PercentageSymbol, Keys::PercentageSymbolPath},
    {Symbol::CurrencySymbol, Keys::CurrencySymbolPath}};

// "dec|thousands|arguments|arrays|exponent|percent|currency".
std::string symbolsOf(const LocaleManager& manager) {
  std::string dump;
  for (const auto& [symbol, key] : Symbols)
    dump += (dump.empty() ? "" : "|") + manager.getLocaleContext().getResources().getSymbol(symbol);
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
  EXPECT_EQ(symbolsOf(alone), ".|,|,|,|E|%|$");
  const LocaleManager empty(Vesk::ResourceManager::ResourceProviderImpl::getEmptyResourceProvider(),
                            TimeZone());
  const auto& resources = empty.getLocaleContext().getResources();
  // Shared: no function is named otherwise.
  EXPECT_EQ(&resources.getFunctionsNamesMap(),
            &DefaultEnResourceLoader::getDefaultFunctionsNamesMap());
  EXPECT_EQ(resources.getLocaleName(), "_");  // language and region joined as they are
}

TEST(LocaleManager, LocalizedNamesDescriptionsExamplesAndWords) {
  Rows rows{{Functions + "SUM/LocalizedName", "SOMME"},
            {Functions + "AVERAGE/LocalizedName", "AVERAGE"},
            {Functions + "MIN/LocalizedName", "MIN"},
            {"Tooltips/FunctionsData:FunctionsWithExamples", {"SUM", "NOSUCH"}},
            {"LocaleResources/LocaleResources:Constants/Errors/Value", "#VALEUR!"}};
  // MAX has no name and MIN3 follows a gap: neither description is read.
  for (const std::string function : {"SUM1", "SUM2", "AVERAGE", "MAX", "MIN1", "MIN3"}) {
    const std::string prefix = Functions + function + "/";
    rows.emplace_back(prefix + "Description", function);
    rows.emplace_back(prefix + "DescriptionURL", "https://help.example/" + function);
    for (const char* list : {"ArgumentsNames", "ArgumentsDescriptions", "ArgumentsExamples"})
      rows.emplace_back(prefix + list, Texts{list});
  }
  const MapResourceProvider provider(rows);
  const LocaleManager manager(provider, TimeZone());
  const auto& resources = manager.getLocaleContext().getResources();
  const auto& names = resources.getFunctionsNamesMap();
  for (const char* name : {"SUM", "Somme"}) EXPECT_EQ(names.getType(name), Type::Sum);
  EXPECT_EQ(names.getAllNames(Type::Average),
            DefaultEnResourceLoader::getDefaultFunctionsNamesMap().getAllNames(Type::Average));
  EXPECT_EQ(descriptionsOf(manager, Type::Sum), (Texts{"SUM1", "SUM2"}));
  EXPECT_EQ(descriptionsOf(manager, Type::Average), Texts{"AVERAGE"});
  EXPECT_EQ(descriptionsOf(manager, Type::Max), Texts{});
  EXPECT_EQ(descriptionsOf(manager, Type::Min), Texts{"MIN1"});
  const auto& sum = manager.getFunctionsLocalizedInfosMap().getFormulaFunctionInfo(Type::Sum);
  EXPECT_EQ(sum.front().get().name, "SOMME");
  EXPECT_EQ(sum.front().get().argumentsExamples, Texts{"ArgumentsExamples"});
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

// Against a model of the documented rules: texts classified by hand for the kinds they may be,
// clashes aside, as letters of "DTLLXPC" (decimal, thousands, the two list separators, exponent,
// percent, currency).
TEST(LocaleManager, SymbolsFollowTheDocumentedRules) {
  const std::pair<std::string, std::string> pool[] = {
      {".", "DTLLPC"},  {",", "DTLLPC"},  {",", "DTLLPC"},     {";", "LL"},  {" ", "TC"},
      {"\u00A0", "TC"}, {"\u202F", "TC"}, {"’", "DTLLPC"},     {"E", "XC"},  {"ab", "XC"},
      {"%", "PC"},      {"$", "C"},       {"€", "DTLLPC"},     {"kr.", "C"}, {"", ""},
      {"1", ""},        {":", "C"},       {"-", ""},           {"(", "C"},   {"×10^", ""},
      {"\xC3", ""},     {"\t", ""},       {"\u066B", "DTLLPC"}};
  const std::string kinds = "DTLLXPC", english = ".,,,E%$";
  const std::ptrdiff_t mustDiffer[] = {0, 1, 1, 1, 0, 4, 6};  // from the first n settled
  std::mt19937 random(7);
  for (int round = 0; round < 500 / Vesk::Testing::PropertyScale; ++round) {
    Rows rows;
    LocaleExtensions extensions;  // keys 0 to 4 override symbols 0 to 3 and the currency
    std::string expected[7], joined;
    for (std::size_t i = 0; i < 7; ++i) {
      const auto* given = &pool[random() % std::size(pool)];
      rows.emplace_back(Symbols[i].second, given->first);
      if ((i < 4 || i == 6) && random() % 3 == 0) {
        given = &pool[random() % std::size(pool)];
        extensions[static_cast<Ext>(std::min<std::size_t>(i, 4))] = given->first;
      }
      const bool kept = given->second.find(kinds[i]) != std::string::npos &&
                        std::count(expected, expected + mustDiffer[i], given->first) == 0;
      const bool comma = expected[0] == ",";
      expected[i] = kept                          ? given->first
                    : comma && i == 1             ? "."
                    : comma && (i == 2 || i == 3) ? ";"
                                                  : english.substr(i, 1);
      joined += (i ? "|" : "") + expected[i];
    }
    const MapResourceProvider provider(rows);
    const LocaleManager manager(provider, TimeZone(), extensions);
    ASSERT_EQ(symbolsOf(manager), joined) << round;
  }
}

TEST(LocaleManager, ExtensionsOverrideTheLongMediumAndTimePatterns) {
  const MapResourceProvider provider{{Keys::LongDatePatternPath, "EEEE, mmmm d, yyyy"},
                                     {Keys::MediumDatePatternPath, "mmm d, yyyy"},
                                     {Keys::ShortDatePatternPath, "m/d/yy"},
                                     {Keys::TimePatternPath, "h:mm:ss AP"}};
  const LocaleManager extended(provider, TimeZone(),
                               {{Ext::LongDatePattern, "yyyy-mm-dd"},
                                {Ext::MediumDatePattern, "dd.mm.yyyy"},
                                {Ext::TimePattern, "hh.mm"}});
  const auto& after = extended.getLocaleContext().getFormattingResources();
  EXPECT_EQ(after.getDateProps(DateType::Long), (DateProps{DateOrder::YearFirst, ", ", "-", "-"}));
  EXPECT_EQ(after.getDateProps(DateType::Medium), (DateProps{DateOrder::DayFirst, ", ", ".", "."}));
  EXPECT_EQ(after.getDateProps(DateType::Short),
            (DateProps{DateOrder::MonthFirst, ", ", "/", "/"}));
  EXPECT_EQ(after.getTimeProps(), (TimeProps{false, "."}));  // the provider's is 12-hour
}

// The shipped words of each language over ICU's data: two booleans and eight "#" errors, all
// distinct, upper case and none English.
TEST(LocaleManager, ShippedWordsOfEachLanguage) {
  for (const char* language : {"de_DE", "fr_FR", "es", "it", "pt", "ru", "pl"}) {
    SCOPED_TRACE(language);
    const LocaleManager manager(*makeLocaleProvider(language), TimeZone());
    const auto& resources = manager.getLocaleContext().getResources();
    std::set<std::string> words{resources.getBooleanString(true),
                                resources.getBooleanString(false)};
    for (int value = 1; value <= 8; ++value) {
      const std::string& error = resources.getErrorString(static_cast<FormulaErrorType>(value));
      EXPECT_EQ(error.front(), '#') << error;
      words.insert(error);
    }
    EXPECT_EQ(words.size(), 10u);
    for (const auto& word : words) EXPECT_EQ(word, utf8StringToUpperCase(word));
    EXPECT_FALSE(words.count("TRUE") || words.count("#VALUE!"));
  }
  const LocaleManager german(*makeLocaleProvider("de_AT"), TimeZone());
  EXPECT_EQ(symbolsOf(german), ",|\u00A0|;|;|E|%|€");
  EXPECT_EQ(german.getLocaleContext().getResources().getBooleanString(true), "WAHR");
  EXPECT_EQ(descriptionsOf(german, Type::Sum), Texts{"Addiert Zahlen."});
  const LocaleManager french(*makeLocaleProvider("fr_CA"), TimeZone());
  EXPECT_EQ(french.getLocaleContext().getResources().getFunctionsNamesMap().getName(Type::Sum),
            "SOMME");
  EXPECT_TRUE(french.isFunctionWithExamples(Type::Average));
  EXPECT_FALSE(makeLocaleProvider("xx_YY"));
  EXPECT_FALSE(makeLocaleProvider(""));
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
  EXPECT_GT(count, 700);
  const std::pair<const char*, std::size_t> lengths[] = {
      {Keys::AMPMNamesPath, 2},           {Keys::ShortDaysOfWeekNamesPath, 7},
      {Keys::LongDaysOfWeekNamesPath, 7}, {Keys::ShortMonthNamesPath, 12},
      {Keys::LongMonthNamesPath, 12},     {Keys::FirstLetterMonthNamesPath, 12},
      {Keys::ShortQuarterNamesPath, 4},   {Keys::LongQuarterNamesPath, 4},
      {Keys::ShortEraNamesPath, 2},       {Keys::LongEraNamesPath, 2}};
  for (int32_t i = 0; i < count; ++i) {
    const std::string name = locales[i].getName();
    const auto provider = makeLocaleProvider(name);
    ASSERT_TRUE(provider) << name;
    const LocaleManager manager(*provider, TimeZone());
    for (const auto& [key, length] : lengths)
      EXPECT_EQ(provider->safeGetResourceStringArray(key).size(), length) << name << " " << key;
    for (const char* key : {Keys::LongDatePatternPath, Keys::MediumDatePatternPath,
                            Keys::ShortDatePatternPath, Keys::TimePatternPath})
      EXPECT_TRUE(hasDateTimeItems(provider->safeGetResourceString(key))) << name << " " << key;
  }
}

// A resources folder that is not there is an error naming it, never shipped words silently lost.
TEST(LocaleProvider, MissingResourcesFolderIsAnErrorWithItsPath) {
  const std::string missing = "/nonexistent/OfficeUtils-resources";
  EXPECT_THAT([&] { (void)makeLocaleProvider("de_DE", missing); },
              ::testing::ThrowsMessage<Vesk::ResourceManager::ResourceFileError>(
                  ::testing::HasSubstr(missing)));
  EXPECT_FALSE(makeLocaleProvider("xx_YY", missing));  // unknown names stay null
}

}  // namespace
}  // namespace Vesk::OfficeUtils
