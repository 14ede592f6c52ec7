// The tokens of a loaded detection grammar: a primitive token matches one literal of a set, a
// complex token one of its rules (sequences of tokens), a multiple token a run of another
// token. Tokens live in a TokensPool and refer to each other by reference; each makes the node
// (OU_Nodes.h) of one occurrence in a matching tree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensRule.h"
#include "host/Utils/OU_Errors.h"

namespace Vesk::OfficeUtils {

class BaseNode;

// A grammar the rule language cannot express safely (a token reaching itself through its rules,
// trees or rule expansions past the limits below); the message names the tokens involved.
class GrammarError : public Vesk::BaseRuntimeError {
 public:
  using BaseRuntimeError::BaseRuntimeError;
};

// The definition of one token as read from the resources.
struct TokenData {
  std::string name;
  std::string typicalName;                      // empty when the resources give none
  std::vector<std::vector<std::string>> rules;  // a primitive token's literals are all in rule 0
  bool isComplex = false;
};

// How many more nodes the trees being built may hold; building past it throws GrammarError.
struct NodeBudget {
  std::size_t remaining;
  void spend(std::string_view tokenName);
};

// The literals of a primitive token in the order they were added, with a hash lookup from a
// literal to its position, the distinct literal lengths and, per first byte, the positions of the
// literals that start with it.
class PrimitiveSet {
 public:
  // Adds `literal` unless present; whether it did.
  bool insert(const std::string& literal);
  [[nodiscard]] bool contains(std::string_view literal) const {
    return _lookup.find(literal) != _lookup.end();
  }
  // The position of `literal`, size() when the set does not hold it.
  [[nodiscard]] std::size_t find(std::string_view literal) const {
    const auto found = _lookup.find(literal);
    return found != _lookup.end() ? found->second : size();
  }
  // The byte lengths the literals have, ascending, each once.
  [[nodiscard]] const std::vector<std::size_t>& getLengths() const { return _lengths; }
  [[nodiscard]] std::size_t size() const { return _order.size(); }
  [[nodiscard]] const std::string& at(std::size_t position) const { return *_order[position]; }
  [[nodiscard]] std::size_t getMaxLength() const { return _maxLength; }
  // Positions, ascending, of the literals whose first byte is `byte`.
  [[nodiscard]] const std::vector<std::uint32_t>& startingWith(unsigned char byte) const {
    return _byFirstByte[byte];
  }
  [[nodiscard]] bool hasEmptyLiteral() const { return _hasEmpty; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> _lookup;
  std::vector<const std::string*> _order;  // into _lookup, whose nodes never move
  std::vector<std::size_t> _lengths;
  std::array<std::vector<std::uint32_t>, 256> _byFirstByte;
  std::size_t _maxLength = 0;
  bool _hasEmpty = false;
};

class BaseToken {
 public:
  BaseToken(std::string name, unsigned short typicalNameIndex)
      : _name(std::move(name)), _typicalNameIndex(typicalNameIndex) {}
  virtual ~BaseToken() = default;
  BaseToken(const BaseToken&) = delete;
  BaseToken& operator=(const BaseToken&) = delete;

  // A new node for one occurrence of the token in a tree (the whole subtree below it). The node
  // refers to this token's name and literals, so it must not outlive the token.
  [[nodiscard]] std::unique_ptr<BaseNode> createNode() const;
  [[nodiscard]] virtual std::unique_ptr<BaseNode> createNode(NodeBudget& budget) const = 0;

  [[nodiscard]] const std::string& getName() const { return _name; }
  [[nodiscard]] unsigned short getTypicalNameIndex() const { return _typicalNameIndex; }

 private:
  std::string _name;
  unsigned short _typicalNameIndex;
};

class PrimitiveToken final : public BaseToken {
 public:
  using BaseToken::BaseToken;

  std::unique_ptr<BaseNode> createNode(NodeBudget& budget) const override;

  // Adds each literal lower-cased (ICU, default locale); a literal that is one whitespace code
  // point adds all 31 of them.
  void addRule(const std::vector<std::string>& rule);
  // Adds `literal` as it is, unless present, and raises the maximum length.
  void addPrimitive(const std::string& literal);
  // Exact lookup, no case folding.
  [[nodiscard]] bool existsInSet(const std::string& literal) const {
    return _primitives.contains(literal);
  }
  [[nodiscard]] const PrimitiveSet& getPrimitives() const { return _primitives; }
  // Bytes of the longest literal; 0 for an empty set.
  [[nodiscard]] std::size_t getMaxPrimitiveLength() const { return _primitives.getMaxLength(); }

 private:
  PrimitiveSet _primitives;
};

class ComplexToken final : public BaseToken {
 public:
  using BaseToken::BaseToken;

  std::unique_ptr<BaseNode> createNode(NodeBudget& budget) const override;

  void addRule(TokensRule rule) { _rules.push_back(std::move(rule)); }
  [[nodiscard]] const std::vector<TokensRule>& getRules() const { return _rules; }

 private:
  std::vector<TokensRule> _rules;
};

class MultipleToken final : public BaseToken {
 public:
  // `repeated` belongs to the same pool and outlives this token.
  MultipleToken(const BaseToken& repeated, std::string name, unsigned short typicalNameIndex)
      : BaseToken(std::move(name), typicalNameIndex), _repeated(repeated) {}

  std::unique_ptr<BaseNode> createNode(NodeBudget& budget) const override;

  [[nodiscard]] const BaseToken& getRepeatedToken() const { return _repeated; }

 private:
  const BaseToken& _repeated;
};

}  // namespace Vesk::OfficeUtils
