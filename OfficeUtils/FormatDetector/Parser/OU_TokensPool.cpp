#include "OfficeUtils/FormatDetector/Parser/OU_TokensPool.h"

#include <limits>

#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {
constexpr const char* SourceFile = "OfficeUtils/FormatDetector/Parser/OU_TokensPool";
}  // namespace

bool TokensPool::exists(std::string_view tokenName) const {
  return _tokens.find(tokenName) != _tokens.end();
}

const BaseToken& TokensPool::getToken(const std::string& tokenName) const {
  OU_ASSERT(exists(tokenName));
  return *_tokens.find(tokenName)->second;
}

void TokensPool::addToken(std::unique_ptr<BaseToken> token) {
  const BaseToken* plain = token.get();
  if (_tokens.emplace(plain->getName(), std::move(token)).second) _order.push_back(plain);
}

void TokensPool::fillTreeFromTokens(const ValueTokensInfo& info,
                                    std::vector<std::unique_ptr<BaseNode>>& roots) const {
  NodeBudget unlimited{std::numeric_limits<std::size_t>::max()};
  fillTreeFromTokens(info, roots, unlimited);
}

void TokensPool::fillTreeFromTokens(const ValueTokensInfo& info,
                                    std::vector<std::unique_ptr<BaseNode>>& roots,
                                    NodeBudget& budget) const {
  for (const BaseToken* token : _order)
    if (isDetectType(info, token->getTypicalNameIndex()))
      roots.push_back(token->createNode(budget));
}

}  // namespace Vesk::OfficeUtils
