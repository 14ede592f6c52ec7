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
TokensManager load(const MapResourceProvider& provider, const List& names,
                   const TokensManager::FillFunction& fill = fillTokensStructures) {
  return TokensManager(
      [&provider](const std::string& key) { return provider.getResourceStringArray(key); }, fill,
      names, {{"G"}});
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

// Items as "Name = mul opt" in any order and spacing, or "optional"; empty items dropped,
// spaces inside a name too; every subset of the optional items, the variant without an item first.
TEST(InputParser, ItemsAndOptionalExpansion) {
  const MapResourceProvider provider{
      {"G/R/Complexity", List{"Complex"}},
      {"G/R/Rules", List{"A, B\t =optional, C=opt mul", " A ,, B  B2 ", "A, C="}},
      {"G/B2/Rules", List{"x"}},
      {"G/A/Rules", List{"a"}},
      {"G/B/Rules", List{"b"}},
      {"G/C/Rules", List{"c"}}};
  EXPECT_EQ(rules(load(provider, {"R"}), "R"), "A|A [MULTIPLE]C|A B|A B [MULTIPLE]C|A BB2|A C");
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
  EXPECT_TRUE(parser.getTokenFromResources("U").rules.empty());
}

TEST(InputParser, RejectsCyclesAndExplosions) {
  List doubling = {"S>x, x"};  // A -> B B, B -> C C, ... S -> x x: a tree of 2^20 nodes
  for (char c = 'A'; c < 'S'; ++c)
    doubling.push_back(std::string{c, '>', char(c + 1), ',', char(c + 1)});
  std::string optionals = "A>B=opt";
  for (int n = 0; n < 12; ++n) optionals += ", B=opt";
  const std::pair<List, std::string> cases[] = {
      {{"A>x, B", "B>A=opt"}, "cyclic token reference: A -> B -> A"},
      {{"A>A = mul"}, "cyclic token reference: A -> [MULTIPLE]A -> A"},
      {{optionals}, "a rule of token \"A\" has more than 12 optional items"},
      {doubling, "grammar too large"},
  };
  for (const auto& [tokens, message] : cases) {
    std::vector<MapResourceProvider::Row> rows;
    for (const auto& token : tokens) {
      const std::string path = "G/" + token.substr(0, token.find('>'));
      rows.emplace_back(path + "/Complexity", List{"complex"});
      rows.emplace_back(path + "/Rules", List{token.substr(token.find('>') + 1)});
    }
    const MapResourceProvider provider(rows);
    try {
      (void)load(provider, {"A"}, [](ValueTokensInfo& info) {
        fillTokensStructures(info);
        info.typicalNames["A"] = CommonNumberIndex;
      });
      ADD_FAILURE() << message;
    } catch (const GrammarError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message);
    }
  }
}

// A provider's own date-order rules and separator lists win over the shipped grammar's; the
// locale's separators are appended (the typed-input corpus covers the locales' own orders).
TEST(DetectionResources, InjectedDateOrderAndSeparators) {
  namespace Keys = Vesk::ResourceManager::Keys;
  const std::string base = Keys::DateTimeTokensSubpath;
  const MapResourceProvider provider{
      {Keys::MediumDatePatternPath, "dd.mm.yyyy"},
      {Keys::LongDatePatternPath, "mmmm d, yyyy"},
      {base + "DateTypes/MonthNumber/DayFirst/Rules", List{"Day, Sep, Month"}},
      {base + Keys::MonthNumberSeparatorRulesSubpath, List{"/"}}};
  const LocaleManager localeManager(provider, Vesk::DOM::TimeZone());
  const auto function = getResourceProviderFunc(localeManager.getLocaleContext());
  EXPECT_EQ(*function(base + Keys::MonthNumberRulesSubpath), (List{"Day, Sep, Month"}));
  EXPECT_EQ(*function(base + Keys::MonthNumberSeparatorRulesSubpath), (List{"/", ".", "."}));
  const auto monthString = *function(base + Keys::MonthStringSeparatorRulesSubpath);
  EXPECT_EQ(List(monthString.end() - 2, monthString.end()), (List{" ", ", "}));
}

}  // namespace
}  // namespace Vesk::OfficeUtils
