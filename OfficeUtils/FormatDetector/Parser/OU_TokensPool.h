// The owner of the tokens of one grammar, keyed by name; tokens keep their order of
// registration, which is the order the detect-type roots are made in.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_Tokens.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"

namespace Vesk::OfficeUtils {

class BaseNode;

class TokensPool {
 public:
  [[nodiscard]] bool exists(std::string_view tokenName) const;
  // The token of that name; a name the pool lacks fails the assertion "exists(tokenName)".
  [[nodiscard]] const BaseToken& getToken(const std::string& tokenName) const;
  // Keys the token by its name; a name already present keeps its first token (the new one is
  // dropped).
  void addToken(std::unique_ptr<BaseToken> token);
  // Appends a new node of every detect-type token, in registration order, to `roots`.
  void fillTreeFromTokens(const ValueTokensInfo& info,
                          std::vector<std::unique_ptr<BaseNode>>& roots) const;
  // As above, with the node count of all trees limited by `budget`.
  void fillTreeFromTokens(const ValueTokensInfo& info,
                          std::vector<std::unique_ptr<BaseNode>>& roots, NodeBudget& budget) const;

  [[nodiscard]] std::size_t size() const { return _order.size(); }
  // The tokens in registration order.
  [[nodiscard]] const std::vector<const BaseToken*>& getTokens() const { return _order; }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  std::unordered_map<std::string, std::unique_ptr<BaseToken>, Hash, std::equal_to<>> _tokens;
  std::vector<const BaseToken*> _order;
};

}  // namespace Vesk::OfficeUtils
