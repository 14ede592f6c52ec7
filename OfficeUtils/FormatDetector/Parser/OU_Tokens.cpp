#include "OfficeUtils/FormatDetector/Parser/OU_Tokens.h"

#include <algorithm>
#include <limits>

#include <fmt/format.h>

#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"
#include "host/Utils/OU_StringUtils.h"

namespace Vesk::OfficeUtils {

void NodeBudget::spend(std::string_view tokenName) {
  if (remaining == 0)
    throw GrammarError(fmt::format(
        "grammar too large: its matching trees pass the node limit at token \"{}\"", tokenName));
  --remaining;
}

bool PrimitiveSet::insert(const std::string& literal) {
  const auto position = static_cast<std::uint32_t>(_order.size());
  const auto [it, inserted] = _lookup.emplace(literal, position);
  if (!inserted) return false;
  _order.push_back(&it->first);
  const auto length = std::lower_bound(_lengths.begin(), _lengths.end(), literal.size());
  if (length == _lengths.end() || *length != literal.size())
    _lengths.insert(length, literal.size());
  if (literal.empty()) {
    _hasEmpty = true;
  } else {
    _byFirstByte[static_cast<unsigned char>(literal.front())].push_back(position);
  }
  _maxLength = std::max(_maxLength, literal.size());
  return true;
}

std::unique_ptr<BaseNode> BaseToken::createNode() const {
  NodeBudget unlimited{std::numeric_limits<std::size_t>::max()};
  return createNode(unlimited);
}

std::unique_ptr<BaseNode> PrimitiveToken::createNode(NodeBudget& budget) const {
  budget.spend(getName());
  return std::make_unique<PrimitiveNode>(getName(), getTypicalNameIndex(), _primitives);
}

void PrimitiveToken::addRule(const std::vector<std::string>& rule) {
  for (const auto& item : rule) {
    if (const auto similar = getSimilarAutodetectedItems(item)) {
      for (const auto& member : *similar) addPrimitive(Vesk::utf8StringToLowerCase(member));
    } else {
      addPrimitive(Vesk::utf8StringToLowerCase(item));
    }
  }
}

void PrimitiveToken::addPrimitive(const std::string& literal) {
  _primitives.insert(literal);
}

std::unique_ptr<BaseNode> ComplexToken::createNode(NodeBudget& budget) const {
  budget.spend(getName());
  auto node = std::make_unique<ComplexNode>(getName(), getTypicalNameIndex());
  for (const auto& rule : _rules) node->addRule(rule, budget);
  return node;
}

std::unique_ptr<BaseNode> MultipleToken::createNode(NodeBudget& budget) const {
  budget.spend(getName());
  return std::make_unique<MultipleNode>(getName(), getTypicalNameIndex(),
                                        _repeated.createNode(budget));
}

}  // namespace Vesk::OfficeUtils
