// A grammar and a text from any bytes: loading either gives a manager or a GrammarError, and
// parsing never crashes, hangs or grows without bound. The bytes before the first NUL are rule
// lines, "X>A, B=opt" (a rule of the complex token X), "X:lit" (a literal of the primitive
// token X) or "X#Day" (X's typical name); the bytes after it are the text, parsed as
// CommonNumber (the token R) and as Fraction (the token F), once through every complete match
// and once stopping at the first.
#include "OfficeUtils/FormatDetector/Parser/OU_TokensManager.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/ResourceManager/OU_MapResourceProvider.h"

using namespace Vesk::OfficeUtils;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto split = input.find('\0');
  const std::string grammar = input.substr(0, split);
  const std::string text = split == std::string::npos ? "" : input.substr(split + 1);

  struct Definition {
    std::vector<std::string> rules;
    std::vector<std::string> typicalNames;
    bool complex = false;
  };
  std::map<std::string, Definition> tokens;
  tokens["R"].typicalNames = {"CommonNumber"};
  tokens["F"].typicalNames = {"Fraction"};
  std::size_t start = 0;
  while (start <= grammar.size()) {
    auto end = grammar.find('\n', start);
    if (end == std::string::npos) end = grammar.size();
    const std::string line = grammar.substr(start, end - start);
    start = end + 1;
    const auto mark = line.find_first_of(">:#");
    if (mark == std::string::npos) continue;
    auto& token = tokens[line.substr(0, mark)];
    const std::string rest = line.substr(mark + 1);
    if (line[mark] == '#') {
      token.typicalNames.push_back(rest);
    } else {
      token.rules.push_back(rest);
      token.complex = token.complex || line[mark] == '>';
    }
  }
  std::vector<Vesk::ResourceManager::MapResourceProvider::Row> rows;
  for (const auto& [name, token] : tokens) {
    rows.emplace_back("G/" + name + "/Rules", token.rules);
    rows.emplace_back("G/" + name + "/TypicalName", token.typicalNames);
    if (token.complex)
      rows.emplace_back("G/" + name + "/Complexity", std::vector<std::string>{"complex"});
  }
  const Vesk::ResourceManager::MapResourceProvider provider(rows);

  try {
    const TokensManager manager(
        [&provider](const std::string& key) { return provider.getResourceStringArray(key); },
        fillTokensStructures, {"R", "F"}, {{"G"}});
    for (const unsigned short type : {CommonNumberIndex, FractionIndex}) {
      std::size_t matches = 0;
      (void)manager.parse(text, type, [&](const TokenMap& map) {
        if (map.size() > 32) __builtin_trap();
        ++matches;
        return Vesk::FormulaModel::getFormulaEmpty();
      });
      const auto first = manager.parse(
          text, type, [](const TokenMap&) { return Vesk::FormulaModel::getFormulaTrue(); });
      if (Vesk::FormulaModel::isFormulaEmpty(first) != (matches == 0)) __builtin_trap();
    }
  } catch (const GrammarError&) {
  }
  return 0;
}
