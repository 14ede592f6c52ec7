// The matching engine against an independent model: random small grammars, written as rule
// resources, are loaded by TokensManager; a brute-force enumerator over the same grammar
// (continuation passing over rule suffixes, greedy runs, literals in order, map entries erased
// when a token is asked and kept when it matched) lists the complete matches with their token
// maps; parse must offer exactly that list to the processing function, in the same order.
#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"

#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/ResourceManager/OU_MapResourceProvider.h"
#include "host/Utils/OU_StringUtils.h"
#include "tests/OU_TestSupport.h"

namespace Vesk::OfficeUtils {
namespace {

using Vesk::FormulaModel::FormulaValue;
using Vesk::ResourceManager::MapResourceProvider;
using Entries = std::vector<std::pair<int, std::string>>;
using List = std::vector<std::string>;

using Vesk::Testing::PropertyScale;

struct Item {
  int token;
  bool optional;
  bool multiple;
};
using Rule = std::vector<Item>;

// Typical names a token may have; the last two are the detect types of the roots.
const std::pair<std::string, int> TypicalNames[] = {
    {"", 1027}, {"Sign", 0}, {"Day", 10}, {"CommonNumber", 21}, {"Fraction", 22}};

// A complex token has rules (each subset of each line's optional items, the empty rule left out),
// a primitive one distinct lower-case literals.
struct ModelToken {
  int typical;
  std::vector<Rule> rules;
  std::vector<std::string> literals;
};

// Tokens 0 ... roots-1 are detect-type roots; a token names only tokens of higher ids. The rows
// are the grammar as rule resources.
struct Model {
  std::vector<ModelToken> tokens;
  int roots = 0;
  std::vector<MapResourceProvider::Row> rows;
};

std::string tokenName(int id) {
  return "T" + std::to_string(id);
}

// Adds to `rules` each subset of the optional items of `line` from `i`, without an item first.
void expand(const Rule& line, std::size_t i, Rule current, std::vector<Rule>& rules) {
  if (i == line.size()) {
    if (!current.empty()) rules.push_back(current);
    return;
  }
  if (line[i].optional) expand(line, i + 1, current, rules);
  current.push_back(line[i]);
  expand(line, i + 1, current, rules);
}

Model randomModel(std::mt19937& random) {
  static const std::vector<std::string> literals = {"a", "b",  "ab", "ba",      "aab",
                                                    "c", "12", "é",  "i\u0307", "k"};
  auto pick = [&](int n) { return static_cast<int>(random() % n); };
  Model model;
  model.roots = 1 + pick(2);
  const int count = model.roots + 2 + pick(5);
  for (int id = 0; id < count; ++id) {
    ModelToken token{id < model.roots ? 3 + (pick(4) == 0) : pick(3), {}, {}};
    const std::string path = "G/" + tokenName(id) + "/";
    if (token.typical != 0)
      model.rows.emplace_back(path + "TypicalName", List{TypicalNames[token.typical].first});
    List lines;
    // The last two are always primitive, so every complex token can reach one.
    if (id < model.roots || (id < count - 2 && pick(2) == 0)) {
      model.rows.emplace_back(path + "Complexity", List{"complex"});
      const int first = std::max(id + 1, model.roots);
      for (int l = 1 + pick(3); l > 0; --l) {
        Rule line;
        std::string text;
        for (int i = 1 + pick(3); i > 0; --i) {
          const Item item{first + pick(count - first), pick(4) == 0, pick(5) == 0};
          line.push_back(item);
          text += (text.empty() ? "" : ", ") + tokenName(item.token) +
                  (item.optional || item.multiple ? " =" : "") + (item.multiple ? " mul" : "") +
                  (item.optional ? " opt" : "");
        }
        expand(line, 0, {}, token.rules);
        lines.push_back(text);
      }
    } else {
      for (int l = 1 + pick(4); l > 0; --l) {
        const std::string& literal = literals[pick(10)];
        if (std::find(token.literals.begin(), token.literals.end(), literal) !=
            token.literals.end())
          continue;
        token.literals.push_back(literal);
        lines.push_back(pick(3) == 0 ? Vesk::utf8StringToUpperCase(literal) : literal);
      }
    }
    model.rows.emplace_back(path + "Rules", lines);
    model.tokens.push_back(token);
  }
  return model;
}

// A text one random derivation of `token` gives, literals in random case.
std::string derive(const Model& model, int token, std::mt19937& random) {
  const auto& definition = model.tokens[token];
  if (definition.rules.empty()) {
    std::string literal = definition.literals[random() % definition.literals.size()];
    return random() % 3 == 0 ? Vesk::utf8StringToUpperCase(literal) : literal;
  }
  std::string text;
  for (const auto& item : definition.rules[random() % definition.rules.size()])
    for (int n = item.multiple ? 1 + random() % 3 : 1; n > 0; --n)
      text += derive(model, item.token, random);
  return text;
}

// The brute-force enumerator. Every function calls `next` with each alternative's byte count in
// order and stops (returning true) as soon as `next` does.
class BruteForce {
 public:
  using Next = std::function<bool(std::size_t)>;

  BruteForce(const Model& model, const std::string& text) : _model(model), _text(text) {}

  // Each complete match's map, in order, for detect type 21.
  std::vector<Entries> completeMatches() {
    std::vector<Entries> matches;
    for (int root = 0; root < _model.roots; ++root) {
      if (TypicalNames[_model.tokens[root].typical].second != 21) continue;
      inner({root, false, false}, 0, [&](std::size_t length) {
        if (length == _text.size()) matches.emplace_back(_map.begin(), _map.end());
        return false;
      });
    }
    return matches;
  }

  bool exhausted() const { return _calls > 100'000; }

 private:
  // Greedy runs: each repetition's alternatives in order, each followed by the longest run the
  // following repetitions give; a repetition ends the run only when no further one matches.
  bool run(const Item& item, std::size_t position, const Next& next) {
    return inner({item.token, false, false}, position, [&](std::size_t length) {
      bool more = false;
      const bool stop = run(item, position + length, [&](std::size_t rest) {
        more = true;
        return next(length + rest);
      });
      return more ? stop : next(length);
    });
  }

  // A literal matches where the lower-cased slice of its length (cut at the end) is it.
  bool inner(const Item& item, std::size_t position, const Next& next) {
    if (++_calls > 100'000) return true;
    if (item.multiple) return run(item, position, next);
    const auto& token = _model.tokens[item.token];
    if (!token.rules.empty()) return suffixes(token.rules, position, next);
    const std::size_t from = std::min(position, _text.size());
    for (const auto& literal : token.literals)
      if (Vesk::utf8StringToLowerCase(_text.substr(from, literal.size())) == literal &&
          next(literal.size()))
        return true;
    return false;
  }

  // Rules sharing a first item are tried together, in the order the first of them appears; an
  // empty suffix (the rule may end here) takes the place of the first rule ending here.
  bool suffixes(const std::vector<Rule>& rules, std::size_t position, const Next& next) {
    auto key = [](const Rule& rule) {
      return rule.empty() ? -1 : rule[0].token * 2 + rule[0].multiple;
    };
    std::vector<int> done;
    for (const auto& rule : rules) {
      if (std::find(done.begin(), done.end(), key(rule)) != done.end()) continue;
      done.push_back(key(rule));
      if (rule.empty()) {
        if (next(0)) return true;
        continue;
      }
      std::vector<Rule> rest;
      for (const auto& other : rules)
        if (key(other) == key(rule)) rest.emplace_back(other.begin() + 1, other.end());
      if (node(rule.front(), position, rest, next)) return true;
    }
    return false;
  }

  // One occurrence of a token with what may follow it: its entry is erased each time it is
  // asked for a match and written when a match with a continuation is found.
  bool node(const Item& item, std::size_t position, const std::vector<Rule>& rest,
            const Next& next) {
    const int index = item.multiple ? 1027 : TypicalNames[_model.tokens[item.token].typical].second;
    const bool value = index < 21;
    if (value) _map.erase(index);
    return inner(item, position, [&](std::size_t n) {
      return suffixes(rest, position + n, [&](std::size_t m) {
        if (value && !_map.count(index))
          _map[index] = position < _text.size() ? _text.substr(position, n) : "";
        if (next(n + m)) return true;
        if (value) _map.erase(index);
        return false;
      });
    });
  }

  const Model& _model;
  const std::string& _text;
  std::map<int, std::string> _map;
  long _calls = 0;
};

TEST(TokensManagerProperty, ParseOffersTheBruteForceMatchesInOrder) {
  std::mt19937 random(20261205);
  static const std::vector<std::string> alphabet = {"a", "a",  "b",      "A",     "2",
                                                    "É", "12", "\u0130", "\u212A"};
  int compared = 0, withMatches = 0, skipped = 0;
  for (int grammar = 0; grammar < 1200 / PropertyScale; ++grammar) {
    const Model model = randomModel(random);
    const MapResourceProvider provider(model.rows);
    std::vector<std::string> names;
    for (int root = 0; root < model.roots; ++root) names.push_back(tokenName(root));
    const TokensManager manager(
        [&provider](const std::string& key) { return provider.getResourceStringArray(key); },
        fillTokensStructures, names, {{"G"}});
    for (int t = 0; t < 8; ++t) {
      std::string text = t % 2 == 0 ? Vesk::Testing::randomText(random, alphabet, 7)
                                    : derive(model, random() % model.roots, random);
      if (t % 4 == 3 && !text.empty()) text.erase(random() % text.size(), 1);
      if (text.size() > 12) text.resize(12);
      BruteForce reference(model, text);
      auto expected = reference.completeMatches();
      if (reference.exhausted()) {
        ++skipped;
        continue;
      }
      ++compared;
      withMatches += !expected.empty();
      // Accept the k-th complete match (or none) to check that parse stops there.
      const std::size_t accept = random() % (expected.size() + 1);
      if (accept > 0) expected.resize(accept);
      std::vector<Entries> seen;
      const FormulaValue result = manager.parse(text, 21, [&](const TokenMap& map) {
        seen.push_back(map.entries());
        return seen.size() == accept ? Vesk::FormulaModel::getFormulaTrue()
                                     : Vesk::FormulaModel::getFormulaEmpty();
      });
      ASSERT_EQ(seen, expected) << "text \"" << text << "\", grammar " << grammar;
      EXPECT_EQ(Vesk::FormulaModel::isFormulaEmpty(result), accept == 0);
    }
  }
  EXPECT_GT(withMatches, compared / 10);  // the generator must produce matches
  EXPECT_LT(skipped, compared / 50 + 1);
}

}  // namespace
}  // namespace Vesk::OfficeUtils
