// ou grammar and ou match: how a grammar author debugs a detection grammar. "ou grammar
// [TOKEN]" prints the loaded definition of a detect type or token (its rules after optional
// expansion, each token reached with its typical-name index, the literals of primitive tokens);
// "ou match --type NAME TEXT" prints every complete match, in the order the engine finds them,
// with its token map. The grammar is the shipped one (resources/Detection/AutodetectRules.json)
// with the locale's symbols (--locale, en_US by default) and its date order and separators
// injected; --grammar names a JSON resource file whose entries take the place of the shipped
// ones with the same keys.
#include <cstdio>
#include <exception>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"
#include "OfficeUtils/Locale/OU_LocaleManager.h"
#include "OfficeUtils/Locale/OU_LocaleProvider.h"
#include "host/ResourceManager/OU_JsonResourceProvider.h"
#include "host/ResourceManager/OU_LayeredResourceProvider.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

using Vesk::ResourceManager::ResourceProvider;

struct Options {
  std::string locale = "en_US";
  std::string grammar;
  std::string type;
  std::vector<std::string> rest;
};

bool readOptions(const std::vector<std::string>& arguments, Options& options) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const auto& argument = arguments[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= arguments.size()) return false;
      target = arguments[++i];
      return true;
    };
    if (argument == "--locale") {
      if (!value(options.locale)) return false;
    } else if (argument == "--grammar") {
      if (!value(options.grammar)) return false;
    } else if (argument == "--type") {
      if (!value(options.type)) return false;
    } else {
      options.rest.push_back(argument);
    }
  }
  return true;
}

// A grammar loaded over a locale, with everything it refers to kept alive.
struct LoadedGrammar {
  std::shared_ptr<const ResourceProvider> provider;
  std::unique_ptr<LocaleManager> localeManager;
  std::unique_ptr<TokensManager> manager;
};

std::unique_ptr<LoadedGrammar> loadGrammar(const Options& options) {
  auto loaded = std::make_unique<LoadedGrammar>();
  auto localeProvider = makeLocaleProvider(options.locale);
  if (!localeProvider) {
    std::fprintf(stderr, "ou: no locale data for \"%s\"\n", options.locale.c_str());
    return nullptr;
  }
  try {
    loaded->provider = localeProvider;
    if (!options.grammar.empty()) {
      auto grammar = std::make_shared<Vesk::ResourceManager::JsonResourceProvider>(
          std::filesystem::path(options.grammar));
      loaded->provider = std::make_shared<Vesk::ResourceManager::LayeredResourceProvider>(
          std::vector<std::shared_ptr<const ResourceProvider>>{grammar, localeProvider});
    }
    loaded->localeManager =
        std::make_unique<LocaleManager>(*loaded->provider, Vesk::DOM::TimeZone::getUTCTimeZone());
    loaded->manager = std::make_unique<TokensManager>(
        getResourceProviderFunc(loaded->localeManager->getLocaleContext()), fillTokensStructures,
        getAutoDetectNodesNames(), getAutodetectResourcesPath());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ou: %s\n", error.what());
    return nullptr;
  }
  return loaded;
}

std::string typicalName(const ValueTokensInfo& info, unsigned short index) {
  for (const auto& [name, value] : info.typicalNames)
    if (value == index) return name;
  return "-";
}

std::string quoted(const std::string& text) {
  std::string shown = "\"";
  for (const char c : text) {
    if (c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return shown + "\"";
}

// One token's definition, then the tokens it reaches, each once.
void printToken(const TokensManager& manager, const BaseToken& token,
                std::set<std::string>& printed) {
  if (!printed.insert(token.getName()).second) return;
  const auto& info = manager.getValueTokensInfo();
  const unsigned short index = token.getTypicalNameIndex();
  std::printf("  %s  [%s %u]", token.getName().c_str(), typicalName(info, index).c_str(), index);
  std::vector<const BaseToken*> reached;
  if (const auto* primitive = dynamic_cast<const PrimitiveToken*>(&token)) {
    const auto& set = primitive->getPrimitives();
    std::printf(" primitive, %zu literals:", set.size());
    for (std::size_t i = 0; i < set.size() && i < 12; ++i)
      std::printf(" %s", quoted(set.at(i)).c_str());
    std::printf("%s\n", set.size() > 12 ? " ..." : "");
  } else if (const auto* multiple = dynamic_cast<const MultipleToken*>(&token)) {
    std::printf(" repeats %s\n", multiple->getRepeatedToken().getName().c_str());
    reached.push_back(&multiple->getRepeatedToken());
  } else if (const auto* complex = dynamic_cast<const ComplexToken*>(&token)) {
    std::printf(" complex, %zu rules\n", complex->getRules().size());
    for (const auto& rule : complex->getRules()) {
      std::printf("      ");
      for (std::size_t i = 0; i < rule.getRuleSize(); ++i) {
        std::printf(" %s", rule.getRuleToken(i).getName().c_str());
        reached.push_back(&rule.getRuleToken(i));
      }
      std::printf("\n");
    }
  }
  for (const BaseToken* next : reached) printToken(manager, *next, printed);
}

int grammar(const std::vector<std::string>& arguments) {
  Options options;
  if (!readOptions(arguments, options) || options.rest.size() > 1) {
    std::fprintf(stderr, "usage: ou grammar [--locale L] [--grammar FILE.json] [TOKEN]\n");
    return 1;
  }
  const auto loaded = loadGrammar(options);
  if (!loaded) return 1;
  const auto& manager = *loaded->manager;
  std::set<std::string> printed;
  if (options.rest.empty()) {
    for (const BaseToken* token : manager.getPool().getTokens())
      if (isDetectType(manager.getValueTokensInfo(), token->getTypicalNameIndex()))
        printToken(manager, *token, printed);
    return 0;
  }
  if (!manager.getPool().exists(options.rest.front())) {
    std::fprintf(stderr, "ou: the grammar has no token \"%s\"\n", options.rest.front().c_str());
    return 1;
  }
  printToken(manager, manager.getPool().getToken(options.rest.front()), printed);
  return 0;
}

int match(const std::vector<std::string>& arguments) {
  Options options;
  if (!readOptions(arguments, options) || options.rest.size() != 1 || options.type.empty()) {
    std::fprintf(stderr, "usage: ou match [--locale L] [--grammar FILE.json] --type NAME TEXT\n");
    return 1;
  }
  const auto loaded = loadGrammar(options);
  if (!loaded) return 1;
  const auto& manager = *loaded->manager;
  const auto& info = manager.getValueTokensInfo();
  const unsigned short type = typicalNameToValueToken(info, options.type);
  if (!isDetectType(info, type)) {
    std::fprintf(stderr, "ou: \"%s\" is not a detect type\n", options.type.c_str());
    return 1;
  }
  const auto& text = options.rest.front();
  int count = 0;
  (void)manager.parse(text, type, [&](const TokenMap& map) {
    std::printf("  match %d:", ++count);
    for (const auto& [index, matched] : map.entries())
      std::printf(" %s=%s", typicalName(info, static_cast<unsigned short>(index)).c_str(),
                  quoted(matched).c_str());
    std::printf("\n");
    return Vesk::FormulaModel::getFormulaEmpty();
  });
  std::printf("  %s: %d complete match%s as %s\n", quoted(text).c_str(), count,
              count == 1 ? "" : "es", options.type.c_str());
  return 0;
}

void grammarTour() {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"CommonNumber"}, {"--locale", "de_DE", "MonthNumber"}}) {
    std::printf("$ ou grammar");
    for (const auto& argument : arguments)
      std::printf(argument.find(' ') == std::string::npos ? " %s" : " '%s'", argument.c_str());
    std::printf("\n");
    grammar(arguments);
  }
}

void matchTour() {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--type", "CommonNumber", "-12.5"},
        {"--type", "CommonNumber", "(7)"},
        {"--type", "Percentage", "50 %"},
        {"--type", "DateAndTime", "12-24-2026 9:30"},
        {"--locale", "de_DE", "--type", "DateAndTime", "24.12.2026"},
        {"--type", "CommonNumber", "12a"}}) {
    std::printf("$ ou match");
    for (const auto& argument : arguments)
      std::printf(argument.find(' ') == std::string::npos ? " %s" : " '%s'", argument.c_str());
    std::printf("\n");
    match(arguments);
  }
}

const CommandRegistrar grammarRegistrar{{"grammar", "[--locale L] [--grammar FILE.json] [TOKEN]",
                                         "the loaded detection grammar of a detect type or token",
                                         grammar, grammarTour, 40}};
const CommandRegistrar matchRegistrar{
    {"match", "[--locale L] [--grammar FILE.json] --type NAME TEXT",
     "every complete match of a text under a detect type, with its token map", match, matchTour,
     41}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
