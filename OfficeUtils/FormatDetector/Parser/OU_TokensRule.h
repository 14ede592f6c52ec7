// One rule of a complex token: the tokens, in order, that a match of the rule goes through.
// The tokens belong to a TokensPool that must outlive the rule.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace Vesk::OfficeUtils {

class BaseToken;
class TokensPool;

class TokensRule {
 public:
  // Looks each name up in the pool (TokensPool::getToken asserts that it is there).
  TokensRule(const TokensPool& pool, const std::vector<std::string>& names);

  [[nodiscard]] std::size_t getRuleSize() const { return _tokens.size(); }
  [[nodiscard]] const BaseToken& getRuleToken(std::size_t num) const;

 private:
  std::vector<std::reference_wrapper<const BaseToken>> _tokens;
};

}  // namespace Vesk::OfficeUtils
