#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"

#include <algorithm>
#include <string_view>

#include <fmt/format.h>

#include "OfficeUtils/FormatDetector/Parser/OU_DetectionGrammar.h"
#include "OfficeUtils/Locale/OU_LocaleContext.h"
#include "host/ResourceManager/OU_ResourceProvider.h"

namespace Vesk::OfficeUtils {
namespace {

constexpr std::string_view MultiplePrefix = "[MULTIPLE]";
constexpr std::size_t LargeSearchSteps = 1u << 14;

// What one parse reuses from the last one on the same thread.
struct ParseScratch {
  explicit ParseScratch(const ValueTokensBits& bits) : context(bits) {}
  MatchContext context;
  TokenMap map;
  TokenStateStorage storage;
  bool busy = false;
};

}  // namespace

TokensManager::TokensManager(ResourceFunction resourceFunction, const FillFunction& fill,
                             const std::vector<std::string>& tokenNames, PathGroups pathGroups) {
  fill(_info);
  fillCommonTokensStructures(_info);
  _valueTokens = makeValueTokensBits(_info);
  const InputParser parser(std::move(resourceFunction), std::move(pathGroups));
  for (const auto& name : tokenNames) addToken(parser.getTokenFromResources(name), parser);
  NodeBudget budget{MaxNodes};
  _pool.fillTreeFromTokens(_info, _roots, budget);
}

void TokensManager::loadToken(const std::string& name, const InputParser& parser) {
  if (_pool.exists(name)) return;
  addToken(parser.getTokenFromResources(name), parser);
  // A token read without a name takes its typical name, so it may land under another key.
  if (!_pool.exists(name))
    throw GrammarError(fmt::format("token \"{}\" is registered under another name", name));
}

void TokensManager::addToken(TokenData data, const InputParser& parser) {
  if (data.typicalName.empty()) data.typicalName = data.name;
  if (data.name.empty()) data.name = data.typicalName;
  if (_pool.exists(data.name)) return;  // a second registration keeps the first token

  const auto cycleStart = std::find(_loading.begin(), _loading.end(), data.name);
  if (cycleStart != _loading.end()) {
    std::string cycle;
    for (auto it = cycleStart; it != _loading.end(); ++it) cycle += *it + " -> ";
    throw GrammarError(fmt::format("cyclic token reference: {}{}", cycle, data.name));
  }
  if (_loading.size() >= MaxTokenNesting)
    throw GrammarError(
        fmt::format("tokens nested deeper than {} at \"{}\"", MaxTokenNesting, data.name));
  _loading.push_back(data.name);
  const unsigned short index = typicalNameToValueToken(_info, data.typicalName);

  if (data.name.starts_with(MultiplePrefix)) {
    const std::string repeated = data.name.substr(MultiplePrefix.size());
    loadToken(repeated, parser);
    _pool.addToken(std::make_unique<MultipleToken>(_pool.getToken(repeated), data.name, index));
  } else if (!data.isComplex) {
    auto token = std::make_unique<PrimitiveToken>(data.name, index);
    for (const auto& rule : data.rules) token->addRule(rule);
    _pool.addToken(std::move(token));
  } else {
    auto token = std::make_unique<ComplexToken>(data.name, index);
    for (const auto& rule : data.rules) {
      std::vector<std::string> current;
      makeAllRulesWithOpt(*token, rule, current, 0, parser);
    }
    _pool.addToken(std::move(token));
  }
  _loading.pop_back();
}

void TokensManager::makeAllRulesWithOpt(ComplexToken& token, const std::vector<std::string>& items,
                                        std::vector<std::string>& current, std::size_t index,
                                        const InputParser& parser) {
  if (index == 0) {
    if (items.size() > MaxRuleItems)
      throw GrammarError(fmt::format("a rule of token \"{}\" has more than {} items",
                                     token.getName(), MaxRuleItems));
    const auto optionals = std::count_if(items.begin(), items.end(), [](const auto& item) {
      std::string name;
      bool optional = false;
      processParameters(item, name, optional);
      return optional;
    });
    if (static_cast<std::size_t>(optionals) > MaxOptionalItems)
      throw GrammarError(fmt::format("a rule of token \"{}\" has more than {} optional items",
                                     token.getName(), MaxOptionalItems));
  }
  if (index == items.size()) {
    _ruleItemsCount += current.size();
    if (++_ruleCount > MaxRules || _ruleItemsCount > MaxRulesItems)
      throw GrammarError(fmt::format("the grammar has more than {} rules at token \"{}\"", MaxRules,
                                     token.getName()));
    token.addRule(TokensRule(_pool, current));
    return;
  }
  std::string name;
  bool optional = false;
  processParameters(items[index], name, optional);
  loadToken(name, parser);
  if (optional) makeAllRulesWithOpt(token, items, current, index + 1, parser);
  current.push_back(name);
  makeAllRulesWithOpt(token, items, current, index + 1, parser);
  current.pop_back();
}

void TokensManager::processParameters(const std::string& item, std::string& name, bool& optional) {
  const auto equals = item.find('=');
  if (equals == std::string::npos) {
    name = item;
    optional = false;
    return;
  }
  name = item.substr(0, equals);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
  const std::string_view parameters = std::string_view(item).substr(equals);
  if (parameters.find("mul") != std::string_view::npos) name.insert(0, MultiplePrefix);
  optional = parameters.find("opt") != std::string_view::npos;
}

Vesk::FormulaModel::FormulaValue TokensManager::parse(const std::string& text,
                                                      unsigned short detectType,
                                                      const ProcessingFunction& processing) const {
  if (text.empty() || text.size() > MaxTextBytes) return Vesk::FormulaModel::getFormulaEmpty();
  // One scratch per thread, reused; a processing function that parses again gets its own.
  thread_local ParseScratch threadScratch(_valueTokens);
  std::unique_ptr<ParseScratch> ownScratch;
  ParseScratch* scratch = &threadScratch;
  if (scratch->busy) {
    ownScratch = std::make_unique<ParseScratch>(_valueTokens);
    scratch = ownScratch.get();
  }
  scratch->busy = true;
  // A long search leaves a large storage tree behind; it is not kept for the next parse.
  struct Release {
    ParseScratch* scratch;
    ~Release() {
      if (scratch->context.getStepCount() > LargeSearchSteps)
        scratch->storage = TokenStateStorage();
      scratch->busy = false;
    }
  } release{scratch};

  MatchContext& context = scratch->context;
  context.setValueTokens(_valueTokens);
  context.start(text);
  TokenMap& map = scratch->map;
  map.clear();
  for (const auto& root : _roots) {
    if (root->getTypicalNameIndex() != detectType) continue;
    scratch->storage.reset();
    while (const std::size_t length =
               root->getNextMatchInnerStep(map, context, 0, scratch->storage)) {
      if (length != text.size()) continue;
      auto value = processing(map);
      if (!Vesk::FormulaModel::isFormulaEmpty(value)) return value;
    }
  }
  return Vesk::FormulaModel::getFormulaEmpty();
}

InjectedResourcesMap getInjectedResourcesMap(const LocaleContext& locale,
                                             const FormattingResources& formattingResources) {
  namespace Keys = Vesk::ResourceManager::Keys;
  static constexpr const char* OrderNames[] = {"MonthFirst", "DayFirst", "YearFirst"};
  const auto& provider = locale.getResourceProvider();
  const auto& shipped = getShippedDetectionGrammar();
  // A list the locale's provider does not hold comes from the shipped grammar.
  auto readList = [&](const std::string& key) {
    auto list = provider.getResourceStringArray(key);
    return list ? std::move(*list) : shipped.safeGetResourceStringArray(key);
  };
  const std::string base = Keys::DateTimeTokensSubpath;
  const auto& medium = formattingResources.getDateProps(DateType::Medium);
  const auto& longProps = formattingResources.getDateProps(DateType::Long);
  const auto& time = formattingResources.getTimeProps();
  auto orderName = [](DateOrder order) { return OrderNames[static_cast<int>(order) % 3]; };

  InjectedResourcesMap injected;
  auto withSeparators = [&](const std::string& key, std::initializer_list<std::string> extra) {
    auto list = readList(key);
    list.insert(list.end(), extra);
    injected.emplace(key, std::move(list));
  };
  withSeparators(base + Keys::MonthNumberSeparatorRulesSubpath,
                 {medium.dayMonthSeparator, medium.yearSeparator});
  withSeparators(base + Keys::MonthStringSeparatorRulesSubpath,
                 {longProps.dayMonthSeparator, longProps.yearSeparator});
  auto timeSeparators = readList(base + "TimeSeparator/Rules");
  timeSeparators.push_back(time.timeSeparator);
  injected.emplace(base + Keys::TimeSeparatorRulesSubpath, std::move(timeSeparators));
  injected.emplace(base + Keys::MonthNumberRulesSubpath,
                   readList(base + "DateTypes/MonthNumber/" + orderName(medium.order) + "/Rules"));
  injected.emplace(
      base + Keys::MonthStringRulesSubpath,
      readList(base + "DateTypes/MonthString/" + orderName(longProps.order) + "/Rules"));
  return injected;
}

ResourceFunction getResourceProviderFunc(const LocaleContext& locale,
                                         InjectedResourcesMap injected) {
  const auto& shipped = getShippedDetectionGrammar();
  auto localeTokens = getLocaleGrammarTokens(locale, injected);
  return
      [&locale, &shipped, injected = std::move(injected), localeTokens = std::move(localeTokens)](
          const std::string& key) -> boost::optional<std::vector<std::string>> {
        if (const auto found = injected.find(key); found != injected.end()) return found->second;
        if (auto own = locale.getResourceProvider().getResourceStringArray(key)) return own;
        if (const auto found = localeTokens.find(key); found != localeTokens.end())
          return found->second;
        return shipped.getResourceStringArray(key);
      };
}

ResourceFunction getResourceProviderFunc(const LocaleContext& locale) {
  return getResourceProviderFunc(locale,
                                 getInjectedResourcesMap(locale, locale.getFormattingResources()));
}

}  // namespace Vesk::OfficeUtils
