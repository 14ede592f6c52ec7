#include "OfficeUtils/FormatDetector/Parser/OU_TokensRule.h"

#include "OfficeUtils/FormatDetector/Parser/OU_TokensPool.h"
#include "OfficeUtils/OU_Assert.h"

namespace Vesk::OfficeUtils {
namespace {
constexpr const char* SourceFile = "OfficeUtils/FormatDetector/Parser/OU_TokensRule";
}  // namespace

TokensRule::TokensRule(const TokensPool& pool, const std::vector<std::string>& names) {
  _tokens.reserve(names.size());
  for (const auto& name : names) _tokens.emplace_back(pool.getToken(name));
}

const BaseToken& TokensRule::getRuleToken(std::size_t num) const {
  OU_ASSERT(num < _tokens.size());
  return _tokens[num];
}

}  // namespace Vesk::OfficeUtils
