// Loading a grammar from rule resources: what a random grammar of the matching property does not
// write (odd spacing, spellings of complexity, white-space groups, cycles, size limits), and the
// date order and separators the locale injects.
#include "OfficeUtils/FormatDetector/Parser/OU_InputParser.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "host/ResourceManager/OU_MapResourceProvider.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::ResourceManager::MapResourceProvider;
using List = std::vector<std::string>;

// A manager of the tokens `names` over rows keyed "G/<Token>/<Entry>".
TokensManager load(const MapResourceProvider& provider, const List& names) {
  return TokensManager(
      [&provider](const std::string& key) { return provider.getResourceStringArray(key); },
      fillTokensStructures, names, {{"G"}});
}

// The rules of a complex token as "A B|A C" (names of each rule, rules in order).
std::string rules(const TokensManager& manager, const std::string& name) {
  std::string text;
  for (const auto& rule :
       dynamic_cast<const ComplexToken&>(manager.getPool().getToken(name)).getRules()) {
    text += text.empty() ? "" : "|";
    for (std::size_t i = 0; i < rule.getRuleSize(); ++i)
      text += (i ? " " : "") + rule.getRuleToken(i).getName();
  }
  return text;
}

TEST(InputParser, ItemsAndOptionalExpansion) {
  const struct {
    std::string item, name;
    bool optional;
  } items[] = {
      {"X=opt mul", "[MULTIPLE]X", true}, {"X\t =optional", "X", true}, {"X=", "X", false}};
  for (const auto& c : items) {
    std::string name;
    bool optional = true;
    TokensManager::processParameters(c.item, name, optional);
    EXPECT_EQ(name, c.name) << c.item;
    EXPECT_EQ(optional, c.optional) << c.item;
  }
  const MapResourceProvider provider{{"G/R/Complexity", List{"Complex"}},
                                     {"G/R/Rules", List{"A, B=opt, C=mul opt", " A ,, B  B2 "}},
                                     {"G/B2/Rules", List{"x"}},
                                     {"G/A/Rules", List{"a"}},
                                     {"G/B/Rules", List{"b"}},
                                     {"G/C/Rules", List{"c"}}};
  const auto manager = load(provider, {"R"});
  EXPECT_EQ(rules(manager, "R"), "A|A [MULTIPLE]C|A B|A B [MULTIPLE]C|A BB2");
}

TEST(InputParser, PrimitivesComplexityAndTypicalNames) {
  const MapResourceProvider provider{
      {"G/P/Rules", List{"AM", "a.m.", "am"}},   {"G/S/Rules", List{" ", "  "}},
      {"G/Q/Complexity", List{"NonPRIMITIVE"}},  {"G/Q/Rules", List{"P"}},
      {"G/Q/TypicalName", List{"Day", "Month"}}, {"G/K/Complexity", List{"Complex", "Primitive"}},
      {"G/K/TypicalName", List{"Sign"}},         {"G/K/Rules", List{"P"}}};
  const auto manager = load(provider, {"P", "S", "Q", "K"});
  const auto& p = dynamic_cast<const PrimitiveToken&>(manager.getPool().getToken("P"));
  EXPECT_EQ(p.getPrimitives().size(), 2u);
  EXPECT_TRUE(p.existsInSet("a.m."));
  EXPECT_FALSE(p.existsInSet("AM"));
  EXPECT_EQ(p.getMaxPrimitiveLength(), 4u);
  const auto& s = dynamic_cast<const PrimitiveToken&>(manager.getPool().getToken("S"));
  EXPECT_EQ(s.getPrimitives().size(), 32u);  // the whitespace group and the two-space literal
  // "NonPRIMITIVE" contains "primitive": primitive, with the line "P" as a literal; two typical
  // names are ignored, two complexities too.
  const auto& q = manager.getPool().getToken("Q");
  EXPECT_TRUE(dynamic_cast<const PrimitiveToken&>(q).existsInSet("p"));
  EXPECT_EQ(q.getTypicalNameIndex(), UnlistedIndex);
  EXPECT_NE(dynamic_cast<const PrimitiveToken*>(&manager.getPool().getToken("K")), nullptr);
  EXPECT_EQ(manager.getPool().getToken("K").getTypicalNameIndex(), SignIndex);
}

TEST(InputParser, PathsTurnLikeAnOdometer) {
  const MapResourceProvider provider{{"q1/T/Rules", List{"late"}}, {"p2/T/Rules", List{"early"}}};
  const InputParser parser(
      [&provider](const std::string& key) { return provider.getResourceStringArray(key); },
      {{"p", "q"}, {"1", "2"}});
  EXPECT_EQ(parser.getPaths(), (List{"p1", "p2", "q1", "q2"}));
  EXPECT_EQ(parser.getTokenFromResources("T").rules, (std::vector<List>{{"early"}}));
  const auto missing = parser.getTokenFromResources("U");
  EXPECT_TRUE(missing.rules.empty());
  EXPECT_FALSE(missing.isComplex);
}

// A -> B B, B -> C C, ... S -> x x.
std::vector<std::pair<std::string, std::string>> doubling() {
  std::vector<std::pair<std::string, std::string>> tokens;
  for (char c = 'A'; c < 'S'; ++c)
    tokens.emplace_back(std::string(1, c), std::string{char(c + 1), ',', char(c + 1)});
  tokens.emplace_back("S", "x, x");
  return tokens;
}

TEST(InputParser, RejectsCyclesAndExplosions) {
  auto complexRows = [](std::vector<std::pair<std::string, std::string>> tokens) {
    std::vector<MapResourceProvider::Row> rows;
    for (const auto& [name, line] : tokens) {
      rows.emplace_back("G/" + name + "/Complexity", List{"complex"});
      rows.emplace_back("G/" + name + "/Rules", List{line});
    }
    return MapResourceProvider(rows);
  };
  const struct {
    std::vector<std::pair<std::string, std::string>> tokens;
    std::string message;
  } cases[] = {
      {{{"A", "x, B"}, {"B", "A=opt"}}, "cyclic token reference: A -> B -> A"},
      {{{"A", "A = mul"}}, "cyclic token reference: A -> [MULTIPLE]A -> A"},
      {{{"A", "B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt,B=opt"}},
       "a rule of token \"A\" has more than 12 optional items"},
      {doubling(), "grammar too large"},  // each token doubles the tree: 2^20 nodes
  };
  for (const auto& c : cases) {
    auto rows = c.tokens;
    const auto provider = complexRows(rows);
    try {
      TokensManager(
          [&provider](const std::string& key) { return provider.getResourceStringArray(key); },
          [](ValueTokensInfo& info) {
            fillTokensStructures(info);
            info.typicalNames["A"] = CommonNumberIndex;
          },
          {"A"}, {{"G"}});
      ADD_FAILURE() << c.message;
    } catch (const GrammarError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, c.message.size()), c.message);
    }
  }
}

TEST(DetectionResources, InjectedDateOrderAndSeparators) {
  namespace Keys = Vesk::ResourceManager::Keys;
  const std::string base = Keys::DateTimeTokensSubpath;
  const MapResourceProvider provider{
      {Keys::MediumDatePatternPath, "dd.mm.yyyy"},
      {Keys::LongDatePatternPath, "mmmm d, yyyy"},
      {base + "DateTypes/MonthNumber/DayFirst/Rules", List{"Day, Sep, Month"}},
      {base + "DateTypes/MonthString/MonthFirst/Rules", List{"Month, Day"}},
      {base + Keys::MonthNumberSeparatorRulesSubpath, List{"/"}}};
  const LocaleManager localeManager(provider, Vesk::DOM::TimeZone());
  const auto& locale = localeManager.getLocaleContext();
  const auto function = getResourceProviderFunc(locale);
  EXPECT_EQ(*function(base + Keys::MonthNumberRulesSubpath), (List{"Day, Sep, Month"}));
  EXPECT_EQ(*function(base + Keys::MonthStringRulesSubpath), (List{"Month, Day"}));
  EXPECT_EQ(*function(base + Keys::MonthNumberSeparatorRulesSubpath), (List{"/", ".", "."}));
  // A list the provider lacks is the shipped grammar's, then the locale's separators.
  const auto monthString = *function(base + Keys::MonthStringSeparatorRulesSubpath);
  ASSERT_GT(monthString.size(), 2u);
  EXPECT_EQ(List(monthString.end() - 2, monthString.end()), (List{" ", ", "}));
  EXPECT_EQ(function(base + Keys::TimeSeparatorRulesSubpath)->back(), ":");
  EXPECT_FALSE(function(Keys::MediumDatePatternPath));  // a string, not a list
  EXPECT_FALSE(function("absent"));
  EXPECT_EQ(getSimilarAutodetectedItems("\u3000")->size(), 31u);
  EXPECT_FALSE(getSimilarAutodetectedItems("  "));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
