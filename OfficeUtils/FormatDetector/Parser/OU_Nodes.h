// The matching trees of a loaded grammar and the walk of typed text through them. A node is one
// occurrence of a token; its children are what may follow it inside a rule of the enclosing
// complex node, a child "final" marking that the rule may end there. Every node is an
// enumerator: asked again and again at a position, it answers the byte count of its next way
// of matching (with its continuation), 0 when there is none left. Trees are read-only during a
// parse; the state of the walk lives in TokenStateStorage trees and in the MatchContext.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_TokenMap.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokenStateStorage.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Tokens.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

// Which typical-name indices are value tokens, as one bit each (built once per grammar).
using ValueTokensBits = std::bitset<65536>;
[[nodiscard]] ValueTokensBits makeValueTokensBits(const ValueTokensInfo& info);

// While an object lives, parses started on this thread find the literals of a primitive token by
// trying each in order against the lower-cased slice of its length, instead of by the first-byte
// and per-length lookups; both give the same matches in the same order, and tests and the fuzz
// target compare them. Scopes nest.
class GeneralLiteralMatchingScope {
 public:
  GeneralLiteralMatchingScope();
  ~GeneralLiteralMatchingScope();
  GeneralLiteralMatchingScope(const GeneralLiteralMatchingScope&) = delete;
  GeneralLiteralMatchingScope& operator=(const GeneralLiteralMatchingScope&) = delete;
};

// The text of one parse and what the walk needs to read it fast: the text lower-cased once
// (ASCII bytes only) with a count of the other bytes, so that a slice without them is compared
// in place; slices with them are lower-cased through ICU, each once. Also counts the literal
// steps of the parse and stops the walk after MaxSteps. Reused from parse to parse.
class MatchContext {
 public:
  // Node steps one parse may take; past it every node answers "no further match", so a grammar
  // whose search would explode ends in bounded time without a match.
  static constexpr std::size_t MaxSteps = std::size_t{1} << 20;

  // `valueTokens` must outlive the context.
  explicit MatchContext(const ValueTokensBits& valueTokens) : _valueTokens(&valueTokens) {}

  // Starts a parse of `text`, which must outlive it.
  void start(const std::string& text);
  void setValueTokens(const ValueTokensBits& valueTokens) { _valueTokens = &valueTokens; }

  [[nodiscard]] const std::string& getText() const { return *_text; }
  [[nodiscard]] bool isValueToken(unsigned short index) const { return (*_valueTokens)[index]; }

  // The lower-cased slice of min(length, remaining) bytes from `position` (ICU, default locale),
  // valid until the next start().
  [[nodiscard]] std::string_view getLoweredSlice(std::size_t position, std::size_t length);
  // The first byte of every lower-cased slice from `position`, when that does not depend on the
  // slice's length (an ASCII byte under a locale without special ASCII casing); -1 otherwise.
  [[nodiscard]] int getLoweredFirstByte(std::size_t position) const {
    if (!_plainCasing || position >= _text->size()) return -1;
    const auto c = static_cast<unsigned char>((*_text)[position]);
    return c >= 0x80 ? -1 : static_cast<unsigned char>(_lowered[position]);
  }
  // Whether slices from `position` of up to `length` bytes lower-case byte for byte.
  [[nodiscard]] bool isPlainRange(std::size_t position, std::size_t length) const {
    const std::size_t size = _text->size();
    const std::size_t from = position < size ? position : size;
    const std::size_t to = from + (length < size - from ? length : size - from);
    return _plainCasing && _otherBytesBefore[to] == _otherBytesBefore[from];
  }
  [[nodiscard]] std::string_view getLoweredText() const { return _lowered; }
  // Whether lower-casing the slice of `literal`'s length from `position` gives `literal`.
  [[nodiscard]] bool sliceIsLiteral(std::size_t position, std::string_view literal);
  // Whether this parse tries literals one by one (GeneralLiteralMatchingScope).
  [[nodiscard]] bool isGeneralLiteralMatching() const { return _generalLiterals; }

  // Counts one node step; false once the parse has used up its allowance.
  bool spendStep() { return ++_steps <= MaxSteps; }
  [[nodiscard]] bool isOverBudget() const { return _steps > MaxSteps; }
  [[nodiscard]] std::size_t getStepCount() const { return _steps; }

 private:
  const ValueTokensBits* _valueTokens;
  const std::string* _text = nullptr;
  std::string _lowered;
  std::vector<std::uint32_t> _otherBytesBefore;  // count of non-plain bytes before each position
  std::unordered_map<std::uint64_t, std::string> _icuSlices;
  std::size_t _steps = 0;
  bool _plainCasing = true;  // ASCII lower-cases alone (not under Turkish, Azeri, Lithuanian)
  bool _generalLiterals = false;
};

class BaseNode {
 public:
  // `name` is a view of the token's name (or FinalTokenName), which outlives the node.
  BaseNode(std::string_view name, unsigned short typicalNameIndex)
      : _name(name), _typicalNameIndex(typicalNameIndex) {}
  virtual ~BaseNode() = default;
  BaseNode(const BaseNode&) = delete;
  BaseNode& operator=(const BaseNode&) = delete;

  // Whether the state number stands on one of the node's own alternatives.
  [[nodiscard]] virtual bool isOnInnerMatch(std::size_t state) const = 0;
  // The byte count of the node's next own alternative at `position`, 0 for none.
  virtual std::size_t getNextMatchInnerStep(TokenMap& map, MatchContext& context,
                                            std::size_t position,
                                            TokenStateStorage& storage) const = 0;

  // The byte count of the node's next alternative together with a continuation through its
  // children up to a rule end, 0 for none. A value token records the text it covered.
  std::size_t getNextMatchStep(TokenMap& map, MatchContext& context, std::size_t position,
                               TokenStateStorage& storage) const;
  // The byte count of the next continuation through the children; an end at the "final" child
  // answers 0 with the outer state left on that child, no continuation 0 with it off them.
  std::size_t getNextMatchOuterStep(TokenMap& map, MatchContext& context, std::size_t position,
                                    TokenStateStorage& storage) const;

  [[nodiscard]] std::string_view getName() const { return _name; }
  [[nodiscard]] unsigned short getTypicalNameIndex() const { return _typicalNameIndex; }
  [[nodiscard]] std::size_t getNumChildren() const { return _children.size(); }
  // Null when `i` is not below the count.
  [[nodiscard]] const BaseNode* getChild(std::size_t i) const {
    return i < _children.size() ? _children[i].get() : nullptr;
  }
  [[nodiscard]] bool isOnOuterMatch(std::size_t i) const { return i < _children.size(); }
  [[nodiscard]] bool isFinalNode() const { return _typicalNameIndex == FinalIndex; }
  BaseNode& addChild(std::unique_ptr<BaseNode> child);

 protected:
  // Bytes the current own match covers, where a resumed continuation goes on.
  [[nodiscard]] virtual std::size_t getResumeLength(const TokenStateStorage& storage) const {
    return storage.getSymbolsContained();
  }

 private:
  std::string_view _name;
  unsigned short _typicalNameIndex;
  std::vector<std::unique_ptr<BaseNode>> _children;
};

class ComplexNode final : public BaseNode {
 public:
  using BaseNode::BaseNode;

  [[nodiscard]] bool isOnInnerMatch(std::size_t state) const override {
    return state < _ruleRoots.size();
  }
  std::size_t getNextMatchInnerStep(TokenMap& map, MatchContext& context, std::size_t position,
                                    TokenStateStorage& storage) const override;

  // Adds the rule to the trie of rules: rules sharing a prefix of names share its nodes, and a
  // node where a rule ends gets a "final" child. A rule without tokens adds nothing.
  void addRule(const TokensRule& rule);
  void addRule(const TokensRule& rule, NodeBudget& budget);

  [[nodiscard]] const std::vector<std::unique_ptr<BaseNode>>& getRuleRoots() const {
    return _ruleRoots;
  }

 private:
  std::vector<std::unique_ptr<BaseNode>> _ruleRoots;
};

class MultipleNode final : public BaseNode {
 public:
  MultipleNode(std::string_view name, unsigned short typicalNameIndex,
               std::unique_ptr<BaseNode> inner)
      : BaseNode(name, typicalNameIndex), _inner(std::move(inner)) {}

  [[nodiscard]] bool isOnInnerMatch(std::size_t state) const override { return state == 0; }
  std::size_t getNextMatchInnerStep(TokenMap& map, MatchContext& context, std::size_t position,
                                    TokenStateStorage& storage) const override;

  // One level of the run: this level's repetition (inner storage) and the following levels
  // (outer storage). A first call takes as many repetitions as match, each by its first
  // alternative; later calls vary the last repetitions first and extend greedily again. A
  // shorter run is never offered.
  std::size_t getNextMatchMultipleStep(TokenMap& map, MatchContext& context, std::size_t position,
                                       TokenStateStorage& storage, bool first) const;

  [[nodiscard]] const BaseNode& getInnerNode() const { return *_inner; }

 protected:
  std::size_t getResumeLength(const TokenStateStorage& storage) const override {
    return storage.getRunLength();
  }

 private:
  std::unique_ptr<BaseNode> _inner;
};

class PrimitiveNode final : public BaseNode {
 public:
  // `primitives` is the token's set, which outlives the node.
  PrimitiveNode(std::string_view name, unsigned short typicalNameIndex,
                const PrimitiveSet& primitives)
      : BaseNode(name, typicalNameIndex), _primitives(primitives) {}

  // The end-of-rule marker: named "final", index 1026, no literals; it never matches.
  [[nodiscard]] static std::unique_ptr<PrimitiveNode> makeFinalNode();

  [[nodiscard]] bool isOnInnerMatch(std::size_t state) const override {
    return state < _primitives.size();
  }
  std::size_t getNextMatchInnerStep(TokenMap& map, MatchContext& context, std::size_t position,
                                    TokenStateStorage& storage) const override;

  [[nodiscard]] const PrimitiveSet& getPrimitives() const { return _primitives; }
  [[nodiscard]] std::size_t getMaxPrimitiveLength() const { return _primitives.getMaxLength(); }

 private:
  // Whether some lower-cased slice of 1 ... maximum length bytes from `position` is a literal.
  bool anySliceIsLiteral(MatchContext& context, std::size_t position) const;
  // The position of the first literal from `start` on that matches at `position`, size() for
  // none: the general scan, and the two lookups that give the same answer.
  std::size_t findLiteralInOrder(MatchContext& context, std::size_t position,
                                 std::size_t start) const;
  std::size_t findLiteralByFirstByte(MatchContext& context, std::size_t position, std::size_t start,
                                     unsigned char firstByte) const;
  std::size_t findLiteralByLength(MatchContext& context, std::size_t position,
                                  std::size_t start) const;

  const PrimitiveSet& _primitives;
};

}  // namespace Vesk::OfficeUtils
