// The owner of a loaded detection grammar: its tokens, one matching tree per detect-type token
// and the typical-name table; and the parse of typed text against the tree of one detect type.
// Built once, then only read: concurrent parses on one manager are safe. The detectors share
// one manager through shared ownership.
#pragma once

#include <bitset>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <boost/container/map.hpp>

#include "OfficeUtils/FormatDetector/Parser/OU_InputParser.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Nodes.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokenMap.h"
#include "OfficeUtils/FormatDetector/Parser/OU_Tokens.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensInfo.h"
#include "OfficeUtils/FormatDetector/Parser/OU_TokensPool.h"
#include "host/FormulaModel/OU_FormulaValue.h"

namespace Vesk::OfficeUtils {

class FormattingResources;
class LocaleContext;

class TokensManager {
 public:
  using FillFunction = std::function<void(ValueTokensInfo&)>;
  using ProcessingFunction =
      std::function<Vesk::FormulaModel::FormulaValue(const TokenMap& tokens)>;

  // Limits of what a grammar may ask for; past them loading throws GrammarError.
  static constexpr std::size_t MaxTokenNesting = 64;      // tokens being loaded inside each other
  static constexpr std::size_t MaxRuleItems = 256;        // items of one rule line
  static constexpr std::size_t MaxOptionalItems = 12;     // optional items of one rule line
  static constexpr std::size_t MaxRules = 1u << 16;       // rules after optional expansion
  static constexpr std::size_t MaxRulesItems = 1u << 20;  // items of all those rules
  static constexpr std::size_t MaxNodes = 1u << 18;       // nodes of all matching trees
  // Longer texts never match (they are never a number or a date, and the walk's depth grows
  // with the text).
  static constexpr std::size_t MaxTextBytes = 1024;

  // Fills the typical-name table with `fill` (and "Final"), then loads each named token and
  // every token its rules reach, and builds the tree of each detect-type token. A grammar with
  // a token reaching itself through its rules, or past the limits above, throws GrammarError
  // naming the tokens; an empty resource or fill function throws std::bad_function_call.
  TokensManager(ResourceFunction resourceFunction, const FillFunction& fill,
                const std::vector<std::string>& tokenNames, PathGroups pathGroups);

  // Registers a token read from the resources, loading first every token its rules name.
  void addToken(TokenData data, const InputParser& parser);
  // Adds to `token` every rule that the items give with each subset of the optional items, the
  // variant without an item before the one with it.
  void makeAllRulesWithOpt(ComplexToken& token, const std::vector<std::string>& items,
                           std::vector<std::string>& current, std::size_t index,
                           const InputParser& parser);
  // Splits an item into its token name and whether it is optional: "Digit" is Digit; "Digit =
  // mul opt" is the optional repetition "[MULTIPLE]Digit".
  static void processParameters(const std::string& item, std::string& name, bool& optional);

  // Walks `text` through every tree of `detectType` and calls `processing` with the token map of
  // each match of the whole text, in the order found, until one gives a value other than
  // FormulaEmpty: that value is the result; FormulaEmpty when none does (an empty text or one
  // longer than MaxTextBytes never matches). An empty processing function throws
  // std::bad_function_call at the first complete match.
  [[nodiscard]] Vesk::FormulaModel::FormulaValue parse(const std::string& text,
                                                       unsigned short detectType,
                                                       const ProcessingFunction& processing) const;

  [[nodiscard]] const TokensPool& getPool() const { return _pool; }
  [[nodiscard]] const std::vector<std::unique_ptr<BaseNode>>& getRoots() const { return _roots; }
  [[nodiscard]] const ValueTokensInfo& getValueTokensInfo() const { return _info; }

 private:
  // Reads and registers the token `name` unless the pool has it, refusing a cycle.
  void loadToken(const std::string& name, const InputParser& parser);

  TokensPool _pool;
  std::vector<std::unique_ptr<BaseNode>> _roots;
  ValueTokensInfo _info;
  ValueTokensBits _valueTokens;
  std::vector<std::string> _loading;  // tokens being registered, outermost first
  std::size_t _ruleCount = 0;
  std::size_t _ruleItemsCount = 0;
};

// The entries the library injects into the grammar of a locale: the rules of the locale's date
// orders and its date and time separators (appended to the provider's lists, or to the shipped
// grammar's where the provider has none).
using InjectedResourcesMap = boost::container::map<std::string, std::vector<std::string>>;
[[nodiscard]] InjectedResourcesMap getInjectedResourcesMap(
    const LocaleContext& locale, const FormattingResources& formattingResources);

// A resource function that answers from `injected` first, then from the locale's provider, then
// from the locale's symbol tokens and the shipped grammar (getLocaleGrammarTokens,
// getShippedDetectionGrammar), so that every locale context, the built-in ones without a
// provider included, loads the shipped grammar. It keeps a reference to the locale, which must
// outlive it. A shipped grammar that cannot be read throws ResourceFileError.
[[nodiscard]] ResourceFunction getResourceProviderFunc(const LocaleContext& locale,
                                                       InjectedResourcesMap injected);
[[nodiscard]] ResourceFunction getResourceProviderFunc(const LocaleContext& locale);

}  // namespace Vesk::OfficeUtils
