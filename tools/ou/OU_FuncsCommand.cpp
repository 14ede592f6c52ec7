// ou funcs: function-name completion. Lists the names of one vocabulary that begin with a
// prefix, each with its function type (number and English name) and the name the vocabulary
// writes for that function.
#include <cstdio>
#include <string>
#include <vector>

#include "OfficeUtils/Formulas/OU_DefaultEnResourceLoader.h"
#include "OfficeUtils/Formulas/OU_FilterFunctionsNamesMap.h"
#include "tools/ou/OU_Command.h"

namespace Vesk::OfficeUtils::Tool {
namespace {

const FunctionsNamesMap* findDialect(const std::string& dialect) {
  if (dialect == "en") return &DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  if (dialect == "odf")
    return &FilterFunctionsNamesMap::getMap(Vesk::DOM::FormulaType::OpenDocument);
  if (dialect == "ooxml") return &FilterFunctionsNamesMap::getMap(Vesk::DOM::FormulaType::OOXML);
  return nullptr;
}

void listNames(const FunctionsNamesMap& map, const std::string& prefix) {
  const auto& english = DefaultEnResourceLoader::getDefaultFunctionsNamesMap();
  const auto [begin, end] = map.getInfosWithNamePrefix(prefix);
  if (begin == end) std::printf("  (no name begins with \"%s\")\n", prefix.c_str());
  for (auto it = begin; it != end; ++it) {
    const std::string englishName(english.getName(it->type));
    const std::string written(map.getName(it->type));
    std::printf("  %-32s %3u %-24s writes %s\n", it->name.c_str(), static_cast<unsigned>(it->type),
                englishName.c_str(), written.c_str());
  }
}

int run(const std::vector<std::string>& arguments) {
  std::string dialect = "en";
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--dialect" && i + 1 < arguments.size()) {
      dialect = arguments[++i];
    } else {
      rest.push_back(arguments[i]);
    }
  }
  const FunctionsNamesMap* map = findDialect(dialect);
  if (!map || rest.size() != 1) {
    std::fprintf(stderr, "usage: ou funcs [--dialect en|odf|ooxml] PREFIX\n");
    return 1;
  }
  listNames(*map, rest.front());
  return 0;
}

void tour() {
  const struct {
    const char* dialect;
    const char* prefix;
  } examples[] = {{"en", "norm.s"}, {"odf", "f.inv"}, {"ooxml", "_xlfn.t.t"}, {"ooxml", "normsd"}};
  for (const auto& example : examples) {
    std::printf("$ ou funcs --dialect %s %s\n", example.dialect, example.prefix);
    listNames(*findDialect(example.dialect), example.prefix);
  }
}

const CommandRegistrar registrar{{"funcs", "[--dialect en|odf|ooxml] PREFIX",
                                  "list the function names that begin with PREFIX", run, tour, 20}};

}  // namespace
}  // namespace Vesk::OfficeUtils::Tool
