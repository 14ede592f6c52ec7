#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include <unicode/locid.h>

#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr std::size_t Fresh = TokenStateStorage::FreshState;

thread_local int generalLiteralScopes = 0;

// The bytes of `text` from `position`, at most `count`, clipped to the text.
std::string_view slice(const std::string& text, std::size_t position, std::size_t count) {
  if (position >= text.size()) return {};
  return std::string_view(text).substr(position, count);
}

}  // namespace

ValueTokensBits makeValueTokensBits(const ValueTokensInfo& info) {
  ValueTokensBits bits;
  for (const unsigned short index : info.valueTokens) bits.set(index);
  return bits;
}

GeneralLiteralMatchingScope::GeneralLiteralMatchingScope() {
  ++generalLiteralScopes;
}

GeneralLiteralMatchingScope::~GeneralLiteralMatchingScope() {
  --generalLiteralScopes;
}

// ---- MatchContext ----

void MatchContext::start(const std::string& text) {
  _text = &text;
  _lowered.resize(text.size());
  _otherBytesBefore.resize(text.size() + 1);
  std::uint32_t others = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    _otherBytesBefore[i] = others;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) ++others;
    _lowered[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : static_cast<char>(c);
  }
  _otherBytesBefore[text.size()] = others;
  // Clearing costs the bucket count: a table grown by one long text is dropped instead.
  if (_icuSlices.bucket_count() > 256) {
    _icuSlices = {};
  } else if (!_icuSlices.empty()) {
    _icuSlices.clear();
  }
  _steps = 0;
  // Turkish and Azeri lower-case 'I' to a dotless i, Lithuanian depends on what follows it.
  const char* language = icu::Locale::getDefault().getLanguage();
  _plainCasing = std::strcmp(language, "tr") != 0 && std::strcmp(language, "az") != 0 &&
                 std::strcmp(language, "lt") != 0;
  _generalLiterals = generalLiteralScopes > 0;
}

bool MatchContext::sliceIsLiteral(std::size_t position, std::string_view literal) {
  const std::size_t size = _text->size();
  const std::size_t from = std::min(position, size);
  const std::size_t count = std::min(literal.size(), size - from);
  if (isPlainRange(from, count))
    return count == literal.size() && std::string_view(_lowered).substr(from, count) == literal;
  if (_plainCasing) {
    // Each ASCII byte before the first other one lower-cases alone, whatever follows it, so
    // most literals are told apart without lower-casing the slice.
    for (std::size_t i = 0; i < count && static_cast<unsigned char>((*_text)[from + i]) < 0x80; ++i)
      if (_lowered[from + i] != literal[i]) return false;
  }
  return getLoweredSlice(from, count) == literal;
}

std::string_view MatchContext::getLoweredSlice(std::size_t position, std::size_t length) {
  const std::size_t size = _text->size();
  const std::size_t from = std::min(position, size);
  const std::size_t count = std::min(length, size - from);
  if (isPlainRange(from, count)) return std::string_view(_lowered).substr(from, count);
  const std::uint64_t key = static_cast<std::uint64_t>(from) << 32 | count;
  auto found = _icuSlices.find(key);
  if (found == _icuSlices.end())
    found =
        _icuSlices
            .emplace(key, Vesk::utf8StringToLowerCase(std::string_view(*_text).substr(from, count)))
            .first;
  return found->second;
}

// ---- BaseNode ----

BaseNode& BaseNode::addChild(std::unique_ptr<BaseNode> child) {
  _children.push_back(std::move(child));
  return *_children.back();
}

std::size_t BaseNode::getNextMatchStep(TokenMap& map, MatchContext& context, std::size_t position,
                                       TokenStateStorage& storage) const {
  std::size_t n = getResumeLength(storage);
  const bool valueToken = context.isValueToken(_typicalNameIndex);
  if (valueToken) map.erase(_typicalNameIndex);
  bool resume = isOnInnerMatch(storage.getInnerStateNumber());
  for (;;) {
    if (!resume) n = getNextMatchInnerStep(map, context, position, storage);
    resume = false;
    if (!isOnInnerMatch(storage.getInnerStateNumber())) return 0;
    const std::size_t m = getNextMatchOuterStep(map, context, position + n, storage);
    if (!isOnOuterMatch(storage.getOuterStateNumber())) continue;
    if (valueToken) map.insert(_typicalNameIndex, slice(context.getText(), position, n));
    return n + m;
  }
}

std::size_t BaseNode::getNextMatchOuterStep(TokenMap& map, MatchContext& context,
                                            std::size_t position,
                                            TokenStateStorage& storage) const {
  if (!context.spendStep()) {
    storage.setOuterStateNumber(_children.size());
    return 0;
  }
  const std::size_t current = storage.getOuterStateNumber();
  if (isOnOuterMatch(current)) {
    TokenStateStorage& childStorage = storage.getOuterTokenStorage();
    const BaseNode& child = *_children[current];
    if (child.isOnOuterMatch(childStorage.getOuterStateNumber())) {
      const std::size_t r = child.getNextMatchStep(map, context, position, childStorage);
      if (r != 0) return r;
    }
  }
  for (;;) {
    const std::size_t at = storage.getOuterStateNumber();
    const std::size_t next = isOnOuterMatch(at) ? at + 1 : 0;
    storage.setOuterStateNumber(next);
    if (!isOnOuterMatch(next)) return 0;
    const BaseNode& child = *_children[next];
    if (child.isFinalNode()) return 0;  // the rule may end here
    const std::size_t r =
        child.getNextMatchStep(map, context, position, storage.getOuterTokenStorage());
    if (r != 0) return r;
  }
}

// ---- ComplexNode ----

void ComplexNode::addRule(const TokensRule& rule) {
  NodeBudget unlimited{std::numeric_limits<std::size_t>::max()};
  addRule(rule, unlimited);
}

void ComplexNode::addRule(const TokensRule& rule, NodeBudget& budget) {
  if (rule.getRuleSize() == 0) return;
  auto findByName = [](const std::vector<std::unique_ptr<BaseNode>>& nodes,
                       std::string_view name) -> BaseNode* {
    for (const auto& node : nodes)
      if (node->getName() == name) return node.get();
    return nullptr;
  };
  const BaseToken& first = rule.getRuleToken(0);
  BaseNode* current = findByName(_ruleRoots, first.getName());
  if (current == nullptr) {
    _ruleRoots.push_back(first.createNode(budget));
    current = _ruleRoots.back().get();
  }
  for (std::size_t i = 1; i < rule.getRuleSize(); ++i) {
    const BaseToken& token = rule.getRuleToken(i);
    BaseNode* child = nullptr;
    for (std::size_t c = 0; c < current->getNumChildren() && child == nullptr; ++c)
      if (current->getChild(c)->getName() == token.getName())
        child = const_cast<BaseNode*>(current->getChild(c));
    current = child != nullptr ? child : &current->addChild(token.createNode(budget));
  }
  for (std::size_t c = 0; c < current->getNumChildren(); ++c)
    if (current->getChild(c)->isFinalNode()) return;
  budget.spend(FinalTokenName);
  current->addChild(PrimitiveNode::makeFinalNode());
}

std::size_t ComplexNode::getNextMatchInnerStep(TokenMap& map, MatchContext& context,
                                               std::size_t position,
                                               TokenStateStorage& storage) const {
  if (!context.spendStep()) {
    storage.setInnerStateNumber(_ruleRoots.size());
    storage.setSymbolsContained(0);
    return 0;
  }
  std::size_t r = 0;
  const std::size_t current = storage.getInnerStateNumber();
  if (isOnInnerMatch(current)) {
    TokenStateStorage& rootStorage = storage.getInnerTokenStorage();
    const BaseNode& root = *_ruleRoots[current];
    if (root.isOnInnerMatch(rootStorage.getInnerStateNumber()))
      r = root.getNextMatchStep(map, context, position, rootStorage);
  }
  while (r == 0) {
    const std::size_t at = storage.getInnerStateNumber();
    const std::size_t next = isOnInnerMatch(at) ? at + 1 : 0;
    storage.setInnerStateNumber(next);
    if (!isOnInnerMatch(next)) break;
    r = _ruleRoots[next]->getNextMatchStep(map, context, position, storage.getInnerTokenStorage());
  }
  storage.setSymbolsContained(r);
  return r;
}

// ---- MultipleNode ----

// The run's levels hang below the node's inner storage, apart from the continuation in the
// outer storage; the node's own inner state is 0 while it offers a run and 1 once exhausted.
std::size_t MultipleNode::getNextMatchInnerStep(TokenMap& map, MatchContext& context,
                                                std::size_t position,
                                                TokenStateStorage& storage) const {
  if (storage.getInnerStateNumber() != 0) storage.setInnerStateNumber(0);
  TokenStateStorage& run = storage.getInnerTokenStorage();
  const std::size_t length = getNextMatchMultipleStep(map, context, position, run, true);
  if (length == 0) {
    storage.setInnerStateNumber(1);
    storage.setSymbolsContained(0);
  } else {
    storage.setSymbolsContained(run.getSymbolsContained());
  }
  storage.setRunLength(length);
  return length;
}

std::size_t MultipleNode::getNextMatchMultipleStep(TokenMap& map, MatchContext& context,
                                                   std::size_t position, TokenStateStorage& storage,
                                                   bool first) const {
  if (!context.spendStep()) {
    storage.setInnerStateNumber(1);
    return 0;
  }
  if (_inner->isOnInnerMatch(storage.getInnerStateNumber())) {
    const std::size_t r =
        getNextMatchMultipleStep(map, context, position + storage.getSymbolsContained(),
                                 storage.getOuterTokenStorage(), false);
    if (r != 0) return storage.getSymbolsContained() + r;
  }
  if (storage.getInnerStateNumber() != 0) {
    if (!first) return storage.getInnerTokenStorage().getSymbolsContained();
    storage.setInnerStateNumber(0);
  }
  const std::size_t n =
      _inner->getNextMatchInnerStep(map, context, position, storage.getInnerTokenStorage());
  storage.setSymbolsContained(n);
  if (n != 0)
    return storage.getInnerTokenStorage().getSymbolsContained() +
           getNextMatchMultipleStep(map, context, position + n, storage.getOuterTokenStorage(),
                                    true);
  storage.setInnerStateNumber(1);
  return storage.getInnerTokenStorage().getSymbolsContained();
}

// ---- PrimitiveNode ----

std::unique_ptr<PrimitiveNode> PrimitiveNode::makeFinalNode() {
  static const PrimitiveSet none;
  return std::make_unique<PrimitiveNode>(FinalTokenName, FinalIndex, none);
}

bool PrimitiveNode::anySliceIsLiteral(MatchContext& context, std::size_t position) const {
  const std::size_t size = context.getText().size();
  const std::size_t remaining = position < size ? size - position : 0;
  for (std::size_t length = 1; length <= _primitives.getMaxLength(); ++length) {
    if (_primitives.contains(context.getLoweredSlice(position, length))) return true;
    if (length >= remaining) break;  // longer lengths give the same slice
  }
  return false;
}

std::size_t PrimitiveNode::findLiteralInOrder(MatchContext& context, std::size_t position,
                                              std::size_t start) const {
  const std::size_t size = _primitives.size();
  if (!anySliceIsLiteral(context, position)) return size;
  for (std::size_t i = start; i < size; ++i) {
    const std::string& literal = _primitives.at(i);
    if (context.getLoweredSlice(position, literal.size()) == literal) return i;
  }
  return size;
}

// Lower-casing keeps an ASCII byte's place as the first byte of every slice, so only the
// literals that start with its lower-cased form can match.
std::size_t PrimitiveNode::findLiteralByFirstByte(MatchContext& context, std::size_t position,
                                                  std::size_t start,
                                                  unsigned char firstByte) const {
  const auto& candidates = _primitives.startingWith(firstByte);
  for (auto it = std::lower_bound(candidates.begin(), candidates.end(), start);
       it != candidates.end(); ++it)
    if (context.sliceIsLiteral(position, _primitives.at(*it))) return *it;
  return _primitives.size();
}

// A literal matches when the lower-cased slice of its own length is that literal, so each length
// the set holds needs one lower-casing and one lookup; the first position from `start` wins.
std::size_t PrimitiveNode::findLiteralByLength(MatchContext& context, std::size_t position,
                                               std::size_t start) const {
  std::size_t best = _primitives.size();
  for (const std::size_t length : _primitives.getLengths()) {
    const std::size_t found = _primitives.find(context.getLoweredSlice(position, length));
    if (found >= start && found < best && _primitives.at(found).size() == length) best = found;
  }
  return best;
}

std::size_t PrimitiveNode::getNextMatchInnerStep(TokenMap& /*map*/, MatchContext& context,
                                                 std::size_t position,
                                                 TokenStateStorage& storage) const {
  const std::size_t size = _primitives.size();
  const std::size_t state = storage.getInnerStateNumber();
  const std::size_t start = state < size ? state + 1 : 0;
  storage.setSymbolsContained(0);
  if (_primitives.getMaxLength() == 0 || !context.spendStep() || start >= size) {
    storage.setInnerStateNumber(size);
    return 0;
  }
  std::size_t found = size;
  const int firstByte = context.getLoweredFirstByte(position);
  if (context.isGeneralLiteralMatching() || _primitives.hasEmptyLiteral())
    found = findLiteralInOrder(context, position, start);
  else if (firstByte >= 0)
    found = findLiteralByFirstByte(context, position, start, static_cast<unsigned char>(firstByte));
  else
    found = findLiteralByLength(context, position, start);
  storage.setInnerStateNumber(found);
  if (found == size) return 0;
  const std::size_t length = _primitives.at(found).size();
  storage.setSymbolsContained(length);
  return length;
}

}  // namespace Vesk::OfficeUtils
